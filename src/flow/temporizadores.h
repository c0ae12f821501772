// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What each of the game's timers runs when it fires.

class Juego;

// Called once at start-up, before any game is set up.
void conectarTemporizadores(Juego& j);
