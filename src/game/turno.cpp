// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/turno.h"

#include "game/juego.h"

void Form_KeyPress(Juego& j, QChar tecla)
{
    const int s = tecla.unicode() >= u'1' && tecla.unicode() <= u'6' ? tecla.unicode() - u'0' : 0;
    j.transicion([s](Estado& e, Salida& o) { mesa::reclamarConTecla(e, o, s); });
}

void terminarTurnoDesdeServidor(Juego& j, int s, bool anular)
{
    j.transicion([&](Estado& e, Salida& o) { mesa::terminarTurnoEnServidor(e, o, s, anular); });
}

void Command1_Click(Juego& j)
{
    j.transicion([](Estado& e, Salida& o) { mesa::reclamarPropio(e, o); });
}
