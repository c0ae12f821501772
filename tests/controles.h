// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A window's controls by their game names, and the main window over a recorded game.

#include "dobles.h"
#include "mainwindow/form1.h"

#include <QtWidgets>

// The control named so ("Valor", or "Valor(12)" with i = 12); a missing one stops the test, named.
template <class T = QWidget>
T* hijo(QObject& w, const QString& nombre, int i = 0)
{
    const QString n = i ? QStringLiteral("%1(%2)").arg(nombre).arg(i) : nombre;
    if (T* c = w.findChild<T*>(n))
        return c;
    qFatal("no hay %s", qPrintable(n));
}

inline void pulsar(QObject& w, const QString& boton) { hijo<QAbstractButton>(w, boton)->click(); }

struct VentanaDePrueba : JuegoDePrueba, Form1 {
    explicit VentanaDePrueba(bool azarDeGuion = true) : JuegoDePrueba(azarDeGuion), Form1(JuegoDePrueba::j) { show(); }
};
