// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Setting up, starting and ending a network game: what the network setup
// dialog decides, the start gate on the server, and "Finalizar partida".

#include <QString>

class Juego;
class RedPartida;

struct EleccionRed {
    enum Rol { Ninguno, Conectarse, Servir };
    Rol rol = Ninguno;
    QString nombre;
    QString servidor;  // host name or address, client only
    QString puerto;    // as typed
    // Server only: tell the LAN about the game. The dialog's box is on by
    // default; a server started from anywhere else stays quiet unless asked.
    bool anunciar = false;
};

// The port the dialog's box names: its leading number, 0 when it has none.
int puertoDeTexto(const QString& texto);

// The port the setup offers when the player named none. Peers expect 1001,
// but Linux keeps the ports below `ip_unprivileged_port_start` (1024 unless
// lowered) for root: an ordinary user there gets 5001, one a server can
// always listen on. Both inputs are the machine's, named to test the rule.
int puertoPorDefecto(const QString& rutaPrimerLibre, unsigned usuarioEfectivo);
int puertoPorDefecto();

// The dialog's checks, in order; a warning box explains the first refusal.
bool eleccionRedValida(Juego& j, const EleccionRed& el);

// Server role: listens on `puerto` at the environment's address and sets the
// table up for seat 1. When the port cannot be used a warning box says why
// and false comes back, with the dialog left open.
bool iniciarServidor(Juego& j, const EleccionRed& el);

// Client role: starts connecting and returns the network game, not yet
// installed, whose client's terminado() reports the outcome; connect
// terminarConexion() to it directly, so the table is set before the server's
// first message is handled. The game that runs meanwhile is left alone.
RedPartida* iniciarCliente(Juego& j, const EleccionRed& el);

// The client's attempt ended: a warning when it failed (false comes back and
// the network game is released), else the old game is given up, this one is
// installed and the table is set up for it.
bool terminarConexion(Juego& j, RedPartida* red, bool conectado);

// One tick of the start gate `timer3`.
void timer3_Timer(Juego& j);

// "Finalizar partida".
void mn_finpartida_Click(Juego& j);

// "Local IP": this computer's address on the LAN and its name.
QString ipLocal();
QString textoIpLocal();

// Why a port could not be used, for the player; empty when it can be.
QString motivoPuerto(int puerto, int errorDeSocket);
