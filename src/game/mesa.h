// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The table: every change of a game is one of these transitions, each
// written once. A transition changes the state and says what follows from
// it in a Salida: the notices and beeps the players get, the lines of the
// own chat pane, the messages that leave this station and the timers to
// start or stop. It touches no port and no timer itself (Juego::aplicar
// does), so a transition can be played on a plain Estado.
//
// Who drives them: a local station is its own authority; in a network game
// the server is, and tells its clients; a client applies what the server
// says, and its own player's claim, picks and outcome; a machine seat acts
// on its station's table like any seat.

#include "game/estado.h"

#include <QStringList>
#include <vector>

class Azar;

struct Salida {
    // Shown one after another in the notice window; the round clock waits
    // until the last one has closed.
    QStringList avisos;
    int beeps = 0;
    bool click = false;
    QStringList chat;  // lines for this station's own pane
    // Through the station's one door: from the server to every client (and
    // to its own handler with vbSelf), from a client to the server; nothing
    // in a local game.
    // A server's relay leaves out the seat it came from (`salvo`).
    struct Envio {
        QString texto;
        bool vbSelf = false;
        int salvo = 0;
    };
    std::vector<Envio> envios;
    // The turn's six seconds start now, or stop.
    bool turnoArranca = false;
    bool turnoPara = false;
    // The placer shows a machine's pick from now, or stops.
    bool colocadorArranca = false;
    bool colocadorPara = false;
    // The machines wait a whole interval from now before they look again.
    bool maquinasDeNuevo = false;

    // The server's referee watches a client's turn from its claim, and
    // gives it a notice's time more once its third tile came.
    bool arbitroArranca = false;
    bool arbitroSeAlarga = false;

    void enviar(const QString& texto, bool vbSelf = false, int salvo = 0) { envios.push_back({texto, vbSelf, salvo}); }
};

namespace mesa {

// A table with nobody's turn, no picks, no notice owed, the clock at its
// start and a full pool: a new game is set up on it.
void mesaNueva(Estado& e);

// ---- Claiming the turn
// The digit key of seat s in a local game.
void reclamarConTecla(Estado& e, Salida& o, int s);
// "Turno" on a network station: the own seat claims and tells the others.
void reclamarPropio(Estado& e, Salida& o);
// A machine seat claims with the pick it found; the placer shows it. On a
// network table (the server's) it races the clients' claims.
void reclamarMaquina(Estado& e, Salida& o, int s, const std::array<int, 4>& jugada);
// The server takes client seat s's claim: false when somebody holds the turn.
bool concederTurno(Estado& e, Salida& o, int s);
// A client hears from the server that seat s holds the turn.
void turnoSegunServidor(Estado& e, Salida& o, Azar& azar, int s);

// ---- The end of a turn, the one way a turn ends. `avisar`: this station
// tells the others ("[TurnoOFF]s").
void terminarTurno(Estado& e, Salida& o, int s, bool avisar);
// The server ends seat s's turn itself and tells everybody; unless only the
// time ran out (`anular` false), whatever that seat still sends of the
// attempt is refused.
void terminarTurnoEnServidor(Estado& e, Salida& o, int s, bool anular = true);
// Seat s's station said its turn is over ("[TurnoOFF]s").
void turnoTerminado(Estado& e, Salida& o, int s);

// ---- Picks
// This station's player clicks tile k.
void pulsarFicha(Estado& e, Salida& o, Azar& azar, int k);
// Another station's pick, greyed or taken back here.
void fichaRemota(Estado& e, int k, bool marcada);
// One step of the placer: the next tile of the machine's pick, and its
// check after the third.
void colocarFicha(Estado& e, Salida& o, Azar& azar);

// ---- Outcomes
// Judges the turn holder's three digits against the target and scores it.
void verificar(Estado& e, Salida& o, Azar& azar);
// The six seconds of a turn are up (the tick of the turn's timer).
void vencerTurno(Estado& e, Salida& o);

// ---- Clock, targets, board, matches
// One tick of the round clock; at 0:00 the round runs out.
void tic(Estado& e, Salida& o);
// What follows the notice of a round that ran out, once it has closed.
void cerrarRonda(Estado& e, Salida& o, Azar& azar);
// The next target: drawn where this station deals, asked for on a client.
void sacarObjetivo(Estado& e, Salida& o, Azar& azar);
// A fresh board of 49 tiles.
void repartir(Estado& e, Salida& o, Azar& azar);
// Tile k of the board the server dealt; the first of them brings new
// borders, drawn here, and the last makes the game playable.
void fichaDelServidor(Estado& e, Azar& azar, int k, const QString& valor);
// Seat g won the match, by taking the last target or by the most tiles
// when its time ran out: its count goes up (or is the server's `partidas`
// when >= 0), tiles go back to 0, the pool is full again and the station
// that deals deals a new board.
void finDePartida(Estado& e, Salida& o, Azar& azar, int g, bool porObjetivo, int partidas = -1);
// "Repartir": a fresh match on a fresh board, matches won kept.
void repartirDeNuevo(Estado& e, Salida& o, Azar& azar);
// "Continuo" (false) or "Lineal" (true).
void cambiarModo(Estado& e, Salida& o, bool lineal);
// "Finalizar partida" on the server: the result is fixed now. The turn
// ends, the clock stops, every station gets the counts, the overall winner
// is named from them, and the clients are told the game is over.
void finalizar(Estado& e, Salida& o);
// The overall winner: most matches won, then most tiles won in the match
// under way; among the seats that have a player.
int ganadorGeneral(const Estado& e);
// The notice window has closed.
void avisoCerrado(Estado& e, Salida& o, Azar& azar);

// The target and pool the server sent, already checked.
void objetivoDelServidor(Estado& e, const QString& fichaRE, const QString& pool);

// The seat in play with the most tiles won; ties go to the lower seat, and
// seat 1 when nobody won anything.
int ganadorPorFichas(const Estado& e);
// "2 : 59", "0 : 07": minutes as they are, seconds in two digits.
QString textoReloj(int minutos, int segundos);

// ---- The server as the referee of its clients' attempts
// Client seat s, holding the turn, picked tile k (or took it back). The
// server applies the rule the player's own station applies and relays the
// pick; with the third it judges the attempt and applies its outcome. A
// pick the rule refuses, or one outside an open attempt, is dropped (false).
bool fichaDeCliente(Estado& e, Salida& o, Azar& azar, int s, int k, bool marcada);
// Client seat s reports its tiles: true when that is the outcome the server
// judged, or a turn whose time ran out; anything else is refused (false)
// and that station is to be set right.
bool resultadoDeCliente(Estado& e, Salida& o, int s, int fichas);
// Client seat s gave its turn back ("[TurnoOFF]s").
void turnoDejado(Estado& e, Salida& o, int s);
// The referee's limit for client seat s's turn has come: a turn that ran
// out loses its tile, once, and ends.
void limiteDelTurno(Estado& e, Salida& o, int s);

// Whether the round clock runs here now: a local game, or the server of a
// network game in progress, with no notice open and no pause.
bool correReloj(const Estado& e);
// Whether the machines look for a pick now.
bool buscanMaquinas(const Estado& e);

}  // namespace mesa
