// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Dealing the board and drawing round targets.


class Juego;

// Gives each of the 49 tiles a value and a border colour. The board always
// ends up with six each of 1..4 and five each of 5..9.
void repartirFichas(Juego& j);

// Draws the next target from the pool (local game or server); a network
// client asks the server instead. The caller makes sure the pool is not empty.
void nuevaFichaRedonda(Juego& j);

// "Repartir": a fresh match on a fresh board, matches won kept.
void mn_repar_Click(Juego& j);
