// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The machine players: one timer shared by every machine seat.

class Juego;

// One tick of `maquinas`. With the turn free, searches the board for the
// current target; when a pick exists, a machine seat drawn at random claims
// the turn and the tile placer shows the three tiles.
void maquinas_Timer(Juego& j);
