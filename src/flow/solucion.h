// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// When a round runs out with nobody making the target, the players get to
// see how it could have been made: one pick on the board, in green with its
// order marked, and a line in the chat pane.

class Juego;

// Shows one pick for the target that has just run out, as the board and the
// mode stand. The forward scan is used so that every station would find the
// same pick. A tile already selected keeps its grey and only gets its mark.
// A local game writes the line to its own pane; a server sends it to every
// station, itself included. marcador::quitarSolucion takes the pick away.
void mostrarSolucion(Juego& j);
