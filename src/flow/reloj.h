// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The round clock: three minutes for each target, counted down once a second.

#include <QString>

class Juego;
struct Estado;

// One tick of `Timer1`. When the three minutes are over nobody wins the
// target and the next one is drawn; if none is left, the seat with the most
// tiles wins the match.
void Timer1_Timer(Juego& j);

// "2 : 59", "0 : 07": minutes as they are, seconds in two digits.
QString textoReloj(int minutos, int segundos);

// The seat in play with the most tiles won; ties go to the lower seat, and
// seat 1 when nobody won anything.
int ganadorPorFichas(const Estado& e);
