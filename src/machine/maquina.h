// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The machine players: one timer shared by every machine seat.

#include "machine/busqueda.h"

class Juego;
struct Estado;

// The search on the board as it stands, for the current target and mode.
busqueda::Resultado buscarEnTablero(const Estado& e, bool adelante);

// One tick of `maquinas`. With the turn free, searches the board for the
// current target; when a pick exists, a machine seat drawn at random claims
// the turn and the tile placer shows the three tiles. With no machine seat
// in play the timer stops itself.
void maquinas_Timer(Juego& j);
