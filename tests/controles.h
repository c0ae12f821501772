// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Finding a window's controls by their game names, as a tester would, and the main window over a recorded
// game.

#include "dobles.h"
#include "mainwindow/form1.h"

#include <QtWidgets>

// The control named so ("Valor", or "Valor(12)" with i = 12); a missing control stops the test at once with
// its name.
template <class T = QWidget>
T* hijo(QObject& w, const QString& nombre, int i = 0)
{
    const QString n = i ? QStringLiteral("%1(%2)").arg(nombre).arg(i) : nombre;
    if (T* c = w.findChild<T*>(n))
        return c;
    qFatal("no hay %s", qPrintable(n));
}

inline void pulsar(QObject& w, const QString& boton) { hijo<QAbstractButton>(w, boton)->click(); }

// The main window of a recorded game, shown: `w.j` is the game, `hijo(w, ...)` finds a control.
struct VentanaDePrueba : JuegoDePrueba, Form1 {
    explicit VentanaDePrueba(bool azarDeGuion = true) : JuegoDePrueba(azarDeGuion), Form1(JuegoDePrueba::j) { show(); }
};
