// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The one game state. Every shared variable of the game lives here under its
// own name, together with what the screen shows (captions, highlights, which
// controls are visible or enabled), so the rules can be played and checked
// without a window. Seat, tile and direction tables start at 1; slot 0 is
// never a seat or a tile.

#include <QString>
#include <array>
#include <cstdint>

// Colours are &HBBGGRR values, as the tiles have always been described.
namespace color {
inline constexpr std::uint32_t blanco = 0xFFFFFF;  // tile not selected
inline constexpr std::uint32_t gris = 0x808080;    // tile selected in this attempt
inline constexpr std::uint32_t verde = 0x90EE90;   // a pick shown after a round ran out
}  // namespace color

inline constexpr int kMaxJugadores = 6;
inline constexpr int kFichas = 49;
inline constexpr int kLado = 7;

struct Jugador {
    QString nombre;   // datosJugadores(s, 0)
    int fichas = 0;   // datosJugadores(0, s): tiles won this match, may go negative
};

// A tile's shape: its background is the selection, its border is decoration,
// its tag holds the row digit and the column digit ("11" .. "77"). Only grey
// means selected; green and the mark belong to a pick shown to the players.
struct FichaCU {
    std::uint32_t fondo = color::blanco;
    std::uint32_t borde = 0x000000;
    QString tag;
    int marca = 0;  // 1..3: the tile's place in the shown pick, 0 = none
};

// A label of the player table or the clock.
struct Etiqueta {
    QString texto;
    bool visible = false;
    bool opaca = false;  // Jugadores(s): opaque background = seat holds the turn
};

// A button or a menu entry.
struct Mando {
    QString texto;
    bool visible = true;
    bool habilitado = true;
    bool marcado = false;
};

// A client seat's attempt as the server sees it: none, picking since the
// claim was accepted, or judged (the server applied its outcome and waits
// for the seat's own report of it).
enum class Intento : unsigned char { Ninguno, Abierto, Juzgado };

struct Estado {
    Estado();

    // Players, indexed by seat 1..6.
    std::array<Jugador, 7> datosJugadores{};
    std::array<int, 7> maquina{};          // 1 = played by the computer
    std::array<int, 7> partidasGanadas{};  // matches won

    // Board, indexed by tile 1..49.
    std::array<QString, 50> Valor{};  // the digit dealt to each tile
    std::array<FichaCU, 50> fichaCU{};
    QString fichaRE;          // round target, no leading zero; empty before the first draw
    QString fichasRedondas;   // pool of "*NN*" tokens

    // The attempt in progress.
    int fichasElegidas = 0;
    QString combinacion;
    QString ultimaFicha;
    std::array<std::int16_t, 3> direccion{};

    // Turn and kind of game.
    int turno = 0;
    int numJugadores = 0;
    bool juegoLocal = true;
    bool esServidor = false;
    int miJugador = 0;
    QString miNombre;
    bool modoLineal = false;

    // A game is being played here: from a local game's "Aceptar" or a
    // network game's start until that game ends or another is set up. The
    // round clock runs only then.
    bool enPartida = false;

    // The server as the referee of its clients' attempts: one attempt for
    // each claim it accepted, whose picks it checks and whose outcome it
    // judges itself; the seat's own report of it must then agree.
    std::array<Intento, 7> intento{};

    // Seats whose player is away (their connection went); they wait for
    // their player and cannot hold the turn. On the server, a game whose
    // clients are all away waits for them with the clock stopped, and once
    // "Finalizar partida" was chosen it ends when the last one has gone.
    std::array<bool, 7> ausente{};
    bool mesaEnEspera = false;
    bool finalizando = false;

    // On a client: whether the server confirms claims (it said so with its
    // version), and this station's own claim. A pick finished before the
    // confirmation is judged only once it comes.
    bool servidorConfirma = false;
    bool turnoConfirmado = false;
    bool chequeoEnEspera = false;

    // The notice window is open: the round clock and the machines wait for
    // it. A round that ran out finishes once its notice has closed.
    bool avisoAbierto = false;
    bool finDeRondaPendiente = false;
    // The local setup dialog is open: the game holds still meanwhile.
    bool preparando = false;

    // Round clock counters.
    int minutos = 0;
    int segundos = 0;
    int minutosPasados = 0;

    int ganador = 0;
    QString mensaje;
    QString ruta;

    // Machine player and tile placer.
    std::array<int, 4> jugadaMaquina{};
    int pasoColocador = 0;

    // What the main window shows beyond the board.
    std::array<Etiqueta, 7> Jugadores{};
    std::array<Etiqueta, 7> Fichas{};
    std::array<Etiqueta, 7> Partidas{};
    Etiqueta relog;
    Etiqueta Label3;
    QString barra;              // first panel of the status bar
    Mando Command1;             // "Turno"
    bool chatHabilitado = false;
    QString txtDialog;          // the chat conversation

    // Menu entries whose state the game changes.
    Mando mn_pausar;
    Mando mn_repar;
    Mando mn_finpartida;
    std::array<Mando, 3> mn_mod{};  // 1 = "Continuo", 2 = "Lineal"
};
