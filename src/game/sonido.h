// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The game's sounds.

#include <QString>

class Juego;

// Starts a WAV file and returns at once; a sound that cannot be played is
// simply not heard.
void reproducirSonido(Juego& j, const QString& archivo);

// The click of a claimed turn and of the setup dialog's buttons, beside the program.
void reproducirClick(Juego& j);
