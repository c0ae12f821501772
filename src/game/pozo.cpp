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

bool valido(const QString& pool)
{
    if (pool.size() % 4 != 0 || pool.size() > 200)
        return false;
    bool visto[51] = {};
    for (qsizetype i = 0; i < pool.size(); i += 4) {
        const QChar* t = pool.constData() + i;  // no copies: the invariants check this after every message
        const auto cifra = [](QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9') ? c.unicode() - '0' : -1; };
        const int d = cifra(t[1]), u = cifra(t[2]);
        if (t[0] != QLatin1Char('*') || t[3] != QLatin1Char('*') || d < 0 || u < 0)
            return false;
        const int n = d * 10 + u;
        if (n < 1 || n > 50 || visto[n])
            return false;
        visto[n] = true;
    }
    return true;
}

}  // namespace pozo
