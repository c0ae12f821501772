// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#include "flow/reloj.h"

#include "game/juego.h"

void Timer1_Timer(Juego& j)
{
    j.transicion([](Estado& e, Salida& o) { mesa::tic(e, o); });
}
