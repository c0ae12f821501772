#pragma once
// Opening and closing of the main window, as far as the game is concerned.

#include <QString>

class Juego;

// The window opened: remember the program folder, a local game in
// "Continuo" mode. Every timer stays stopped and the board empty.
void Form_Load(Juego& j, const QString& carpetaPrograma);
