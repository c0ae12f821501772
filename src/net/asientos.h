// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The seats of a network game as the server keeps them: a newcomer seated,
// a player gone (the seat waits, away), a seat taken back with its secret
// (everything restored), the table that waits while every client is away,
// and the referee of a client's turn. Also the start of the game.

#include <QString>

class Juego;
class Servidor;
struct Estado;

// The longest player name the server takes from a client.
inline constexpr int kLargoNombre = 10;

// Why a player gets no seat, as the player reads it: the game has started
// with every seat taken, the lobby is full, or the game has ended.
inline const QString kSinAsiento = QStringLiteral("La partida ya empez\u00f3 y no hay un asiento libre para usted.");
inline const QString kMesaLlena = QStringLiteral("La mesa est\u00e1 llena; espere a que se libere un asiento.");
inline const QString kJuegoTerminado = QStringLiteral("El juego ya termin\u00f3; no se puede volver a la mesa.");

// What a peer wrote, without the characters no line or row should hold
// (controls, line breaks).
QString imprimible(const QString& texto);
// A name as the table shows it: printable characters only, trimmed, at
// most kLargoNombre of them.
QString nombreDeRed(const QString& nombre);
// Why a newcomer with that name gets no seat (it is already at the table,
// or empty); empty when it may sit.
QString rechazoDeNombre(const Estado& e, const QString& nombre);

// A player row of a network game: a blank, the seat, two blanks, the name.
QString filaDeRed(int s, const QString& nombre);
// Seat s's row shown with that player, its counts as they were.
void mostrarFila(Estado& e, int s, const QString& nombre);

// A newcomer took client seat s (2..6) with its player's name.
void presentarJugador(Juego& j, Servidor& srv, int s, const QString& nombre);

// Seat s's connection is gone: the others are told, a turn it held is free
// again, and the seat waits for it.
void perderAsiento(Juego& j, Servidor& srv, int s);

// The server's view of the game for seat s: the target and pool, and every
// seat's tiles and matches, with no notice. It sets right a station that
// applied an outcome the server had already waived (its turn ended there
// first), and is part of what a returning player is given.
void corregir(Juego& j, Servidor& srv, int s);

// Seat s was given up (its player left the lobby and did not come back in
// time, or had not when the game started): its row goes, here and on this
// program's clients, and a newcomer may take it.
void soltarFila(Juego& j, Servidor& srv, int s);

// Seat s was taken back: the player gets the whole table as it stands, with
// no notice, and everybody hears of the return.
void volverAsiento(Juego& j, Servidor& srv, int s);

// In the server's lobby, the lowest free seat goes to the machine, which
// plays it on this station at the machines' level; false when none is free.
// Every station shows it as a player called "Maquina N".
bool sentarMaquina(Juego& j);
// The highest machine seat is free again; false when there is none.
bool quitarMaquina(Juego& j);
// Whether the lobby has a free seat for the machine, and a machine seat.
bool caberMaquina(const Juego& j);
bool hayMaquina(const Juego& j);

// On a server: how many client seats have been taken (the machine's
// included), how many clients are here now, and whether the lobby still
// admits newcomers. 0, 0 and false anywhere else.
int clientesSentados(const Juego& j);
int clientesPresentes(const Juego& j);
bool admiteNuevos(const Juego& j);

// The server starts the game with the players seated so far: on F2 at the
// start gate, or by itself when a newcomer takes the last seat.
void empezarPartidaRed(Juego& j);

// Tells the LAN how this server's game stands now, if it announces: the
// lobby's seats, or a game under way with seats away that their players
// may take back. With nobody able to join it says "bye". Called whenever
// that changes.
void anunciarPartida(Juego& j);

// The referee's timer: a client's turn that has not ended by its limit is
// ended by the server, and one that ran out before its third tile loses a
// tile, once.
void arbitro_Timer(Juego& j);
