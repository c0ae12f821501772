// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Picking the three tiles of a combination with the mouse.

#include <QString>

class Juego;

// A click on board tile k (1..49) by the player on this station: marks the
// tile if it may follow the tiles already marked, unmarks it if it is
// marked, and hands the third tile to the combination check.
void Valor_Click(Juego& j, int k);

// May a tile at (fila, columna) follow the tile whose tag is `anterior`?
// It must touch it, diagonals included. A tag that is not two digits
// touches nothing.
bool esContigua(const QString& anterior, int fila, int columna);
