// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Setting up a local game: what the setup dialog decides, as plain values.
// The dialog only collects the choices; nothing reaches the running game
// until "Aceptar" has passed its checks.

#include <QString>
#include <array>

class Juego;

struct EleccionLocal {
    int numJugadores = 2;            // seats in play, 2..6
    std::array<QString, 7> nombres;  // by seat 1..6, as typed
    std::array<bool, 7> maquina{};   // by seat 1..6, box ticked
};

// "Partida local" chosen: the game holds still while the dialog is open.
void abrirPartidaLocal(Juego& j);

// Would ticking seat i leave seats 1..n without a human player?
bool dejariaSinHumanos(int n, const std::array<bool, 7>& marcadas, int i);

// The machine players' pace for the levels 1..4 ("Facil" .. "Muy dificil"),
// in milliseconds between attempts; 0 for no level.
int intervaloDeNivel(int nivel);

// A level chosen: takes effect at once, whatever becomes of the dialog.
void elegirNivel(Juego& j, int nivel);

// "Cancelar": a game that was running goes on as it was.
void cancelarPartidaLocal(Juego& j);

// "Aceptar": checks the names (a message box explains a refusal, and false
// comes back so the dialog stays open), then closes any network game and
// starts the local one.
bool aceptarPartidaLocal(Juego& j, const EleccionLocal& eleccion);
