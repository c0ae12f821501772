// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#include "flow/colocador.h"

#include "game/juego.h"

void colocador_Timer(Juego& j)
{
    j.transicion([&](Estado& e, Salida& o) { mesa::colocarFicha(e, o, *j.azar); });
}
