// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Opening and closing of the main window, as far as the game is concerned.

#include <QString>

class Juego;

// The window opened: remember the folder of the program's files (ruta), a
// local game in "Continuo" mode. Every timer stays stopped and the board empty.
void Form_Load(Juego& j, const QString& carpetaPrograma);

// The folder that holds the sound and the help pages for a program started
// from carpetaPrograma: that folder itself when they sit beside the program
// (the build folder), else the game's folder under the installed share/.
// When neither holds them the program folder is kept, so a missing page is
// reported where a player who copied the program would look.
QString carpetaDeDatos(const QString& carpetaPrograma);
