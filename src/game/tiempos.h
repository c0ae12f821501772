// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Every interval of the game, in milliseconds as a player lives them, and
// the one time scale they all pass through. The program leaves the scale at
// 1; the tests and the simulation of whole network games run the real
// timers at 1/50 or faster, so a three-minute round lasts a few seconds.

namespace tiempos {

inline constexpr int kReloj = 1000;         // one tick of the round clock
inline constexpr int kTurno = 6000;         // a claimed turn
inline constexpr int kPuerta = 125;         // the start gate polls F2
inline constexpr int kColocador = 500;      // one tile of a machine's pick
inline constexpr int kMaquinas = 15000;     // machine attempts until a level is chosen
inline constexpr int kAviso = 3000;         // a notice closes by itself
inline constexpr int kPresentacion = 10000; // a new connection may stay silent
inline constexpr int kConexion = 10000;     // a client waits for its server
inline constexpr int kMargenArbitro = 2000; // the server's grace beyond a client's turn
inline constexpr int kAnuncio = 2000;       // a server tells the LAN about its game
inline constexpr int kCierreFinal = 3000;   // clients still connected once the game has ended

// The scale every interval is multiplied by; set before the game is built.
void fijarEscala(double escala);
double escala();

// An interval of the game as the timers run it: scaled, never below 1 ms.
int ms(int intervalo);

}  // namespace tiempos
