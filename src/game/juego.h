// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The context of a running program: the game state, the five timers that move
// play forward, the network game while one is up, the environment and the
// platform ports. The procedures of the game take it as their first argument.

#include "game/azar.h"
#include "game/entorno.h"
#include "game/estado.h"
#include "game/puertos.h"

#include <QObject>
#include <QStringList>
#include <QTimer>
#include <functional>

struct Salida;
// The network game (net/redpartida.h), above this layer.
class RedPartida;

class Juego : public QObject {
    Q_OBJECT
public:
    explicit Juego(const Entorno& entorno = {}, QObject* parent = nullptr);
    ~Juego() override;

    const Entorno entorno;
    // An interval of game/tiempos.h at this station's time scale.
    int ms(int intervalo) const { return entorno.ms(intervalo); }

    Estado e;

    // Intervals from game/tiempos.h, at the environment's scale.
    QTimer Timer1;     // round clock, one tick a second
    QTimer Timer2;     // turn timeout, stops itself on its tick
    QTimer timer3;     // start gate of a network game
    QTimer colocador;  // tile placer
    QTimer maquinas;   // machine players, at the level's pace
    QTimer avisoAbierto;  // the notice window's time


    // Ports. Never null: until the window layer installs its own, silent ones
    // stand in (and a clock-mixed generator for the draws).
    Aviso* aviso;
    CajaMensaje* caja;
    Sonido* sonido;
    Azar* azar;
    TeclaF2* f2;
    Enlace* enlace = nullptr;  // set only while a network game is up

    // The network game while one is up (its server or client, announcer and
    // referee), a child of this object; it is also the link above.
    RedPartida* red = nullptr;
    // A server's game that has ended: it still listens, only to tell
    // whoever comes back that the game is over, until the next game.
    RedPartida* terminada = nullptr;

    // Each network message as it leaves for a peer (enviado) or as its
    // handling starts, with the client's seat 2..6 on the server, or 0 for a
    // client's server and the server's own messages. Null in the program; the
    // simulation of whole network games counts and records them through it.
    std::function<void(bool enviado, int asiento, const QString& mensaje)> traza;

    void usarAviso(Aviso* p);
    void usarCaja(CajaMensaje* p);
    void usarSonido(Sonido* p);
    void usarAzar(Azar* p);
    void usarF2(TeclaF2* p);

    // Tells the views that visible state changed.
    void cambio() { emit cambiado(); }

    // What a transition of the table said follows from it: notices, sounds,
    // chat lines and messages go out, and the timers follow the table.
    void aplicar(const Salida& o);
    // Plays a transition of the table (a callable on Estado& and Salida&) and
    // applies what follows from it.
    template <class F>
    void transicion(F&& f);
    // The round clock and the machines run exactly while the table says so.
    void sincronizar();
    // The notice window closes now: the next queued notice shows, or what
    // waited for the last one follows.
    void cerrarAviso();

signals:
    void cambiado();

private:
    void mostrarSiguienteAviso();

    struct Silencio;
    Silencio* silencio_;
    AzarReloj azarPropio_;
    QStringList avisosEnCola_;
};

#include "game/mesa.h"

template <class F>
void Juego::transicion(F&& f)
{
    Salida o;
    f(e, o);
    aplicar(o);
}
