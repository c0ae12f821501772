// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The chat of a network game: the conversation pane and the line the player
// types. Chat lines and the game's own notices reach the pane the same way.

#include "game/avisos.h"

#include <QString>

class Juego;

// The longest line the chat input takes.
inline constexpr int kLargoLineaChat = 500;

// "Enviar": the line goes out as the own player's "name: text" and is shown
// in the own pane at once; the server never echoes it back.
void cmdSend_Click(Juego& j, const QString& texto);
