#pragma once
// The rule of the game and the check that applies it to the turn holder's
// three tiles.

#include <QString>

class Juego;

// The first two digits multiplied, the third added or taken away, must give
// the target. A missing or non-digit character counts 0. Order matters:
// "347" makes 19 and 5, "734" makes 25 and 17.
bool combinacionCorrecta(const QString& digitos, int objetivo);

// Judges `combinacion` against the target for the seat holding the turn:
// a tile won (and the match when it took the last target) or a tile lost,
// then the attempt ends: every tile white, nobody holds the turn, and the
// round clock starts a fresh three minutes.
void verificarCombinacion(Juego& j);
