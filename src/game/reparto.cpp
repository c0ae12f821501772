// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/reparto.h"

#include "game/juego.h"


void repartirFichas(Juego& j)
{
    j.transicion([&](Estado& e, Salida& o) { mesa::repartir(e, o, *j.azar); });
}

void nuevaFichaRedonda(Juego& j)
{
    j.transicion([&](Estado& e, Salida& o) { mesa::sacarObjetivo(e, o, *j.azar); });
}

void mn_repar_Click(Juego& j)
{
    j.transicion([&](Estado& e, Salida& o) { mesa::repartirDeNuevo(e, o, *j.azar); });
}
