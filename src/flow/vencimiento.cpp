// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#include "flow/vencimiento.h"

#include "game/juego.h"

void Timer2_Timer(Juego& j)
{
    // A tick of a timer that was stopped meanwhile belongs to no turn.
    if (!j.Timer2.isActive())
        return;
    j.transicion([](Estado& e, Salida& o) { mesa::vencerTurno(e, o); });
}
