// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// These tests send broadcasts, multicast and firewall rules: they run only in a namespace of
// tests/espacio-red, with loopback and, for a pair, the veth "red0". Anywhere else they stop.

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
