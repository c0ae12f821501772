// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The network game while it is up: the transport's server or client, the
// LAN announcement of a server's game and the referee of a client's turn,
// owned together and reached through this one object. It is the game's link
// (the Enlace port), and what Juego keeps while the game is up (Juego::red).

#include "game/puertos.h"

#include <QObject>
#include <QTimer>

class Anunciador;
class Cliente;
class Juego;
class Servidor;

class RedPartida : public QObject, public Enlace {
    Q_OBJECT
public:
    enum class Rol { Servidor, Cliente };

    // A child of j, its intervals and secrets file taken from j's
    // environment: a server not listening yet, or a client not connecting yet.
    RedPartida(Juego& j, Rol rol);
    ~RedPartida() override;

    Servidor* servidor() const { return servidor_; }  // null on a client
    Cliente* cliente() const { return cliente_; }     // null on a server
    Anunciador* anunciador() const { return anunciador_; }  // null until the server announces

    // The server's game told to the LAN from now on (to loopback only when
    // the server listens there); the announcer it made.
    Anunciador* anunciar(bool soloLoopback);

    // On a server, how long a client's turn may last (arbitro_Timer on its tick).
    QTimer arbitro;

    void enviaratodos(const QString& vsData, bool vbSelf) override;
    void enviaraservidor(const QString& vsData) override;
    void enviarSalvo(const QString& vsData, int asiento) override;
    void vigilarTurno(int ms, bool alargar) override;

    // The LAN hears "bye", the listener, every connection and the client's
    // socket close, the referee stops; nothing more is reported.
    // With a despedida, a server goes on listening: whoever comes is told
    // it and let go.
    void cerrar(const QString& despedida = {});

private:
    Juego& j_;
    Servidor* servidor_ = nullptr;
    Cliente* cliente_ = nullptr;
    Anunciador* anunciador_ = nullptr;
};
