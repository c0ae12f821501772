// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The turn timeout: six seconds to pick three tiles.

class Juego;

// The tick of `Timer2`, which runs once per claim. If the turn holder has
// not finished the pick, the turn is taken away with the picks and one tile
// won. Either way the timer stops.
void Timer2_Timer(Juego& j);
