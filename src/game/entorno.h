// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What a station is given from outside when it is built, and never changes
// while it runs. The program takes the defaults; the tests and the
// simulation of whole network games run the real timers at 1/50 or faster,
// keep their own seat secrets and listen on loopback only.

#include <QHostAddress>
#include <QString>
#include <algorithm>
#include <cmath>

struct Entorno {
    // Every interval of game/tiempos.h is multiplied by it.
    double escala = 1.0;
    // Where the seat secrets are kept; empty is the user's state folder.
    QString archivoClaves;
    // Where a server listens.
    QHostAddress escucha = QHostAddress::Any;

    // An interval of the game as the timers run it: scaled, never below 1 ms.
    int ms(int intervalo) const
    {
        return std::max(1, static_cast<int>(std::lround(intervalo * (escala > 0 ? escala : 1.0))));
    }
};
