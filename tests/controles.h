// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A window's controls by their game names, and the main window over a recorded game.

#include "dialogs/preferencias.h"
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

// The dialogs' settings file replaced by these bytes (none: no file, as at the first run).
inline void preferenciasCon(const QByteArray& bytes = {})
{
    const QString ruta = preferencias::archivo();
    QFile::remove(ruta);
    QFile f(ruta);
    if (!bytes.isEmpty() && !(QDir().mkpath(QFileInfo(ruta).path()) && f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size()))
        qFatal("no se puede escribir %s", qPrintable(ruta));
}

struct VentanaDePrueba : JuegoDePrueba, Form1 {
    explicit VentanaDePrueba(bool azarDeGuion = true) : JuegoDePrueba(azarDeGuion), Form1(JuegoDePrueba::j) { show(); }
};
