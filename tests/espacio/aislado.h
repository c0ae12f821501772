// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Broadcasts, multicast and firewall rules: only inside a namespace of tests/espacio-red; elsewhere they stop.

#include <QNetworkInterface>
#include <cstdio>

inline bool aislado(bool conPar)
{
    for (const QNetworkInterface& i : QNetworkInterface::allInterfaces()) {
        if (!(i.flags() & QNetworkInterface::IsLoopBack) && !(conPar && i.name() == QLatin1String("red0"))) {
            std::fprintf(stderr, "run it through tests/espacio-red, never on the machine's own network (%s)\n", qPrintable(i.name()));
            return false;
        }
    }
    return true;
}
