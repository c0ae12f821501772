// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Game notices. Every rule that has something to tell the players goes
// through here, so the text is always in `mensaje` and the screen is up to
// date before the notice window opens over it.

#include <QString>

class Juego;

// Stores the text in `mensaje`, refreshes the views and shows the notice
// window; returns when it has closed (or at once when a notice is already
// open and simply takes the newer text).
void mostrarAviso(Juego& j, const QString& texto);

// "Aceptar" of the notice window: the round clock runs again, where and
// while this station runs it (see arrancarReloj).
void aceptarAviso(Juego& j);
