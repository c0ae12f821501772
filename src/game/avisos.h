// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What the players are told: the notice window and the conversation pane.
// The text of a notice is in `mensaje` and the screen is up to date before
// the window shows it.

#include <QString>

class Juego;

// What the conversation pane keeps: the newest lines up to this many
// characters. A long evening's chat (or a peer that floods it) must not make
// the game's memory, nor the window's redraw of the pane, grow without end.
inline constexpr int kLargoPanelChat = 64 * 1024;

// Shows a notice now; it returns at once, and the window closes after its
// time or at "Aceptar".
void mostrarAviso(Juego& j, const QString& texto);

// "Aceptar" of the notice window: it closes before its time.
void aceptarAviso(Juego& j);

// Appends one line to the conversation pane (lines are separated by CR LF,
// with no blank line before the first); the oldest whole lines go once the
// pane is full.
void UpdateDialog(Juego& j, const QString& vsDialog);
