// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/estado.h"

#include "game/tablero.h"

Estado::Estado()
{
    for (int k = 1; k <= kFichas; ++k)
        fichaCU[k].tag = tablero::tag(k);

    relog.texto = QStringLiteral("3:00");
    Label3.texto = QStringLiteral("Tiempo para finalizar el turno");
    for (int s = 1; s <= kMaxJugadores; ++s) {
        Fichas[s].texto = QStringLiteral("0");
        Partidas[s].texto = QStringLiteral("0");
    }

    Command1 = {QStringLiteral("Turno"), false, false, false};
    mn_pausar = {QStringLiteral("Pausar"), true, false, false};
    mn_repar = {QStringLiteral("Repartir"), true, false, false};
    mn_finpartida = {QStringLiteral("Finalizar partida"), true, false, false};
    mn_mod[1] = {QStringLiteral("Continuo"), true, true, true};
    mn_mod[2] = {QStringLiteral("Lineal"), true, true, false};
}
