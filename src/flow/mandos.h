// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The "Juego" menu commands that steer a game in progress.

class Juego;

// "Pausar" / "Reanudar": stops the clocks and the machine players, or starts
// all three again. The clock's counters are kept, so it goes on where it stood.
void mn_pausar_Click(Juego& j);

// "Continuo" (1) or "Lineal" (2). The server tells its clients.
void mn_mod_Click(Juego& j, int index);
