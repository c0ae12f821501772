// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The tile placer: shows a machine player's pick one tile every half second,
// then hands it to the combination check.

class Juego;

// One tick of `colocador`.
void colocador_Timer(Juego& j);
