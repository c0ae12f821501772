// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#include "flow/colocador.h"

#include "game/combinacion.h"
#include "game/juego.h"
#include "game/marcador.h"

void colocador_Timer(Juego& j)
{
    Estado& e = j.e;

    // The machine's turn may have ended under the placer's feet: a new deal,
    // a round that ran out or a new game set up clears the turn. Judging the
    // pick then would score nobody's seat on a board it was not made for, so
    // the pick is dropped and the machines look at the board afresh.
    if (!marcador::esAsiento(e.turno) || e.maquina[e.turno] != 1) {
        for (int paso = 1; paso <= e.pasoColocador; ++paso)
            e.fichaCU[e.jugadaMaquina[paso]].fondo = color::blanco;
        e.pasoColocador = 0;
        j.colocador.stop();
        j.maquinas.start();
        j.cambio();
        return;
    }

    ++e.pasoColocador;
    const int k = e.jugadaMaquina[e.pasoColocador];
    if (k >= 1 && k <= kFichas)
        e.fichaCU[k].fondo = color::gris;
    j.cambio();
    if (e.pasoColocador < 3)
        return;

    e.combinacion = e.Valor[e.jugadaMaquina[1]] + e.Valor[e.jugadaMaquina[2]] + e.Valor[e.jugadaMaquina[3]];
    e.pasoColocador = 0;
    j.colocador.stop();
    verificarCombinacion(j);
}
