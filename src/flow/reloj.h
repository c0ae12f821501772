// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The round clock: three minutes for each target, counted down once a second.

class Juego;

// One tick of `Timer1`. When the three minutes are over nobody wins the
// target; once its notice has closed the next one is drawn, and if none is
// left the seat with the most tiles wins the match.
void Timer1_Timer(Juego& j);
