// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The rule of the game and the check that applies it to the turn holder's
// three tiles.

#include <QString>

class Juego;

// The rule itself: x·y + z or x·y − z makes the target. Order matters.
constexpr bool combinacionValida(int x, int y, int z, int objetivo)
{
    return objetivo == x * y + z || objetivo == x * y - z;
}

// The rule on the picked digits. A missing or non-digit character counts 0:
// "347" makes 19 and 5, "734" makes 25 and 17.
bool combinacionCorrecta(const QString& digitos, int objetivo);

// Judges `combinacion` against the target for the seat holding the turn:
// a tile won (and the match when it took the last target) or a tile lost,
// then the attempt ends: every tile white, nobody holds the turn, and the
// round clock starts a fresh three minutes.
void verificarCombinacion(Juego& j);
