// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/pozo.h"

#include <cmath>
#include <cstdint>

namespace pozo {

QString completo()
{
    QString s;
    s.reserve(200);
    for (int n = 1; n <= 50; ++n)
        s += QLatin1Char('*') + QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')) + QLatin1Char('*');
    return s;
}

QString elegir(const QString& pool, double r)
{
    const int n = cantidad(pool);
    auto idx = static_cast<std::int16_t>(static_cast<int>(std::floor(r * (n - 1))) * 4);
    if (idx == 0)
        idx = 1;
    // idx = 1 reads positions 2..5: the first token's digits and its closing star.
    QString trozo = pool.mid(idx, 4);
    trozo.remove(QLatin1Char('*'));
    return trozo;
}

QString quitar(const QString& pool, const QString& dosDigitos)
{
    QString s = pool;
    s.remove(QLatin1Char('*') + dosDigitos + QLatin1Char('*'));
    return s;
}

}  // namespace pozo
