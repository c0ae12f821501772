// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Closing down the network side of this station.

#include <QString>

class Juego;

// Closes the listener, every connection and the client socket, stops the
// round clock and the start gate, ends the game, hides the "Turno" button
// and greys the chat. Safe to call when nothing is connected, and from
// inside a message handler. With a `despedida`, a server goes on listening
// to tell whoever comes back why there is no seat, until the next game.
void cerrarConexiones(Juego& j, const QString& despedida = {});

// Hides the "Turno" button and greys the chat.
void desactivarRed(Juego& j);
