// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Each test_*.cpp ends with ZUMBARTA_PRUEBA(TheClass); each class is made only in its turn, so no two servers meet.

#include <QAbstractEventDispatcher>
#include <QtTest>
#include <map>
#include <memory>

// Each registered class by name, in name order.
inline std::map<QString, std::unique_ptr<QObject> (*)()>& clasesDePrueba()
{
    static std::map<QString, std::unique_ptr<QObject> (*)()> todas;
    return todas;
}

#define ZUMBARTA_PRUEBA(C) \
    [[maybe_unused]] static const bool registrada##C = \
        (clasesDePrueba()[QStringLiteral(#C)] = []() -> std::unique_ptr<QObject> { return std::make_unique<C>(); }, true)

// Waits without sleeping: the condition is checked each time the event loop goes idle, until the deadline.
template <class F>
bool esperar(F&& cond, int ms = 5000)
{
    bool hecho = cond();
    QEventLoop bucle;
    QTimer tope;
    QObject::connect(&tope, &QTimer::timeout, &bucle, &QEventLoop::quit);
    QObject::connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, &bucle, [&] {
        if ((hecho = cond()))
            bucle.quit();
    });
    if (!hecho) {
        tope.start(ms);
        bucle.exec();
    }
    return hecho || cond();
}
