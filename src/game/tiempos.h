// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Every interval of the game, in milliseconds as a player lives them. The
// timers run them through the time scale of the environment (game/entorno.h).

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
inline constexpr int kSeparacionAnuncio = 250;  // at most this often, however many clients ask
inline constexpr int kPausaChat = 250;      // one more chat line relayed once a player's burst is spent
inline constexpr int kAsientoEnSala = 60000; // a lobby seat waits this long for its player to come back
inline constexpr int kPausaFichas = 150;    // one more pick relayed once a player's burst is spent

// A machine player's attempts at each level, 1 (easiest) to 4.
inline constexpr int kNivel1 = 15000;
inline constexpr int kNivel2 = 10000;
inline constexpr int kNivel3 = 5000;
inline constexpr int kNivel4 = 3000;

}  // namespace tiempos
