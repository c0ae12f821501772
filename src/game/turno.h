// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Claiming the turn: at most one seat holds it, and the first to claim it
// gets it.

#include <QChar>

class Juego;

// A character typed on the main window. In a local game the digit of a
// human seat claims the turn for that seat; anything else only beeps.
void Form_KeyPress(Juego& j, QChar tecla);

// The server ends seat s's turn itself (a round that ran out, "Repartir", a
// player gone or too slow): nobody loses a tile here and every station is
// told with "[TurnoOFF]". Whatever that seat's station still sends of the
// attempt is dropped, unless the turn only took too long (`anular` false):
// then its outcome, late behind a notice or a frozen program, still counts.
void terminarTurnoDesdeServidor(Juego& j, int s, bool anular = true);

// The "Turno" button of a network station: claims the turn for this
// station's own player and tells the others.
void Command1_Click(Juego& j);
