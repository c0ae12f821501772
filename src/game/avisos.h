// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What the players are told: the notice window and the conversation pane.
// The text of a notice is in `mensaje` and the screen is up to date before
// the window shows it.

#include "game/panel.h"

#include <QString>

class Juego;

// Shows a notice now; it returns at once, and the window closes after its
// time or at "Aceptar".
void mostrarAviso(Juego& j, const QString& texto);

// "Aceptar" of the notice window: it closes before its time.
void aceptarAviso(Juego& j);

// Appends one line to the conversation pane (game/panel.h).
void UpdateDialog(Juego& j, const QString& vsDialog);
