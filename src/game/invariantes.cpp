// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/invariantes.h"

#include "game/pozo.h"

namespace {

bool enRango(int x, int desde, int hasta) { return x >= desde && x <= hasta; }

}  // namespace

QString incoherencia(const Estado& e)
{
    if (!enRango(e.turno, 0, kMaxJugadores))
        return QStringLiteral("turno %1").arg(e.turno);
    if (!enRango(e.fichasElegidas, 0, 3))
        return QStringLiteral("fichasElegidas %1").arg(e.fichasElegidas);
    if (!enRango(e.numJugadores, 0, kMaxJugadores) || !enRango(e.miJugador, 0, kMaxJugadores))
        return QStringLiteral("numJugadores %1, miJugador %2").arg(e.numJugadores).arg(e.miJugador);
    for (int k = 1; k <= kFichas; ++k) {
        const QString& v = e.Valor[k];
        if (!v.isEmpty() && (v.size() != 1 || v[0] < QLatin1Char('1') || v[0] > QLatin1Char('9')))
            return QStringLiteral("Valor(%1) %2").arg(k).arg(v);
    }
    // Written as the players read it: no leading zero.
    if (!e.fichaRE.isEmpty()) {
        bool cifras = e.fichaRE.size() <= 2 && e.fichaRE[0] != QLatin1Char('0');
        for (const QChar c : e.fichaRE)
            cifras = cifras && c >= QLatin1Char('0') && c <= QLatin1Char('9');
        if (!cifras || !enRango(e.fichaRE.toInt(), 1, 50))
            return QStringLiteral("fichaRE %1").arg(e.fichaRE);
    }
    if (!pozo::valido(e.fichasRedondas))
        return QStringLiteral("fichasRedondas %1").arg(e.fichasRedondas);
    for (int s = 1; s <= kMaxJugadores; ++s)
        if (e.Jugadores[s].opaca && s != e.turno)
            return QStringLiteral("Jugadores(%1) resaltado con turno %2").arg(s).arg(e.turno);
    return {};
}
