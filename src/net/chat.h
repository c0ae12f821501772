// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The chat of a network game: the conversation pane and the line the player
// types. Chat lines and the game's own notices reach the pane the same way.

#include <QString>

class Juego;

// The longest line the chat input takes.
inline constexpr int kLargoLineaChat = 500;

// What the conversation pane keeps: the newest lines up to this many
// characters. A long evening's chat (or a peer that floods it) must not make
// the game's memory, nor the window's redraw of the pane, grow without end.
inline constexpr int kLargoPanelChat = 64 * 1024;

// Appends one line to the conversation pane (lines are separated by CR LF,
// with no blank line before the first); the oldest whole lines go once the
// pane is full.
void UpdateDialog(Juego& j, const QString& vsDialog);

// "Enviar": the line goes out as the own player's "name: text" and is shown
// in the own pane at once; the server never echoes it back.
void cmdSend_Click(Juego& j, const QString& texto);
