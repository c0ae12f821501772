// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The server's side of the network: the listener, one connection for each
// client seat taken (seats 2..6; seat 1 is the server's own player) and the
// operations that send to one, to all, to all but one and to itself. It
// deals in lines, seats and secrets and knows nothing of the game: the layer
// above installs its handlers and is told when a line arrives, a seat is
// taken, lost or taken back.

#include "transporte/lineas.h"

#include <QElapsedTimer>
#include <QHostAddress>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTcpServer>
#include <QTimer>
#include <array>
#include <deque>
#include <functional>

class Conexion;

class Servidor : public QObject {
    Q_OBJECT
public:
    struct Ajustes {
        // How long a new connection may stay silent before it introduces
        // itself: a flood of silent connections must not lock honest
        // players out.
        int esperaPresentacionMs;
        // How often a player's chat line may be relayed once its burst is
        // spent (0: no pacing), and what a chat line begins with.
        int pausaChatMs;
        QString lineaDeChat;
        // The same for a player's picks (a tile taken or given back): a
        // person clicks a few a second at most.
        int pausaFichasMs = 0;
        QStringList lineasDeFicha = {};
        // How long a seat whose client left the lobby is held for it (0:
        // until the game starts); then it is given up.
        int esperaEnSalaMs = 0;
    };
    explicit Servidor(const Ajustes& ajustes, QObject* parent = nullptr);
    ~Servidor() override;

    static constexpr int kPrimero = protocolo::kPrimerCliente;
    static constexpr int kUltimo = protocolo::kAsientos;

    int esperaPresentacionMs;
    // How many new connections may wait at once to introduce themselves.
    static constexpr int kMaxEsperando = 16;

    // Chat lines a player may have relayed in a burst: a person cannot type
    // faster, and a flood must not push an honest but slower reader over
    // its send cap. Likewise for picks. The allowance belongs to the seat:
    // taking it back does not renew it, and a quiet player banks no more
    // than one burst.
    static constexpr int kRafagaChat = 8;
    static constexpr int kRafagaFichas = 6;
    int pausaChatMs;
    int pausaFichasMs;

    // The layer above. Seats are 2..6; a line the server sends itself comes
    // with seat 0.
    std::function<QStringList()> saludo;                        // to a new connection, before it speaks
    std::function<void(int asiento, const QString&)> alRecibir;  // a line from that seat
    std::function<void(int asiento, const QString& nombre)> alPresentarse;  // a newcomer took that seat
    std::function<void(int asiento)> alPerder;                   // that seat's connection is gone; the seat waits
    std::function<void(int asiento)> alVolver;                   // its secret brought that seat back
    std::function<void(int asiento)> alSoltar;                   // a lobby seat held too long was given up
    std::function<void(int asiento, const QString&)> alEnviar;   // a line goes out to that seat (tools that watch)

    // Whether a newcomer may still take a seat (the lobby). Seats taken can
    // be taken back with their secret until everything is closed.
    bool admiteNuevos = true;
    // What a newcomer is told when there is no seat for it, after
    // "[Rechazado]"; and why the layer above refuses a newcomer's name
    // (empty: it may sit).
    QString motivoSinAsiento;
    std::function<QString(const QString& nombre)> rechazo;

    // Starts listening. False when the port cannot be used (error() and
    // errorString() say why).
    bool servidor(int puerto, const QHostAddress& direccion = QHostAddress::Any);
    QAbstractSocket::SocketError error() const { return listener_.serverError(); }
    QString errorString() const { return listener_.errorString(); }
    quint16 puertoEscucha() const { return listener_.serverPort(); }
    QHostAddress direccionEscucha() const { return listener_.serverAddress(); }

    // Closes the listener and every connection; nothing is reported, and no
    // seat can be taken back any more.
    void cerrarTodo();
    // Closes every seat's connection and forgets the secrets, but goes on
    // listening: whoever comes now, newcomer or returning player, is told
    // `motivo` and let go. Nothing more reaches the layer above.
    void cerrarMesa(const QString& motivo);

    // How many client seats have been taken: seats 2..asientos() + 1.
    // A seat given up is free for the next newcomer; while it is, its
    // number stays below asientos() + 1 if higher seats are taken.
    int asientos() const { return asientos_; }
    bool libre(int asiento) const { return valido(asiento) && asiento_[asiento].libre; }
    // Gives the seat up: its connection, if any, closes unreported and its
    // secret no longer brings it back.
    void soltarAsiento(int asiento);
    // Takes the lowest free seat for a player that has no connection (one
    // the server's station plays): nobody can take it, or take it back,
    // until it is given up. The seat, or 0 when none is free or the lobby
    // is closed.
    int reservar();
    bool reservado(int asiento) const { return valido(asiento) && asiento_[asiento].reservado; }
    // Whether a newcomer (or the machine) would find a seat now.
    bool hayAsientoLibre() const { return admiteNuevos && asientoLibre() <= kUltimo; }
    int esperaEnSalaMs;
    // Whose connection is here now, and how many are; how many taken seats
    // wait for their player (a reserved seat waits for nobody).
    bool conectada(int asiento) const;
    int presentes() const;
    int ausentes() const;
    int version(int asiento) const { return valido(asiento) ? asiento_[asiento].version : 0; }
    QString secreto(int asiento) const { return valido(asiento) ? asiento_[asiento].secreto : QString(); }
    int esperando() const { return static_cast<int>(esperando_.size()); }

    void enviaratodos(const QString& vsData, bool vbSelf);
    void enviarpersona(const QString& vsData, int asiento);
    void SendToAllButOriginator(const QString& vsData, int asiento);
    // The line is handled here as if it had come in, with seat 0.
    void enviarami(const QString& vsData);

private:
    // Lines of one kind a seat may still have relayed, and since when.
    struct Ritmo {
        int disponibles = 0;
        QElapsedTimer reloj;
        qint64 desde = 0;  // ms on reloj up to which lines were added
        void empezar(int rafaga) { disponibles = rafaga, reloj.start(), desde = 0; }
        bool permite(int pausaMs, int rafaga);
    };
    struct Asiento {
        QPointer<Conexion> c;
        QString secreto;
        int version = 0;
        Ritmo chat, fichas;
        bool libre = false;
        bool reservado = false;  // played on the server's station
        QTimer* espera = nullptr;  // while a lobby seat is held for its player
    };
    struct Espera {
        Conexion* c;
        int version = 0;
    };

    static bool valido(int s) { return s >= kPrimero && s <= kUltimo; }
    int ultimo() const { return kPrimero + asientos_ - 1; }
    void aceptar();
    void recibirEnEspera(Conexion* c, const QString& mensaje);
    void sentar(Conexion* c, int s, int version);
    void despedir(Conexion* c);
    int asientoLibre() const;
    void ocupar(int s);
    void rechazar(Conexion* c, const QString& motivo);
    void cortar(Asiento& a);
    void perdida(int s, Conexion* c);
    void recibir(int s, const QString& mensaje);
    std::deque<Espera>::iterator buscar(Conexion* c);

    QTcpServer listener_;
    QString lineaDeChat_;
    QStringList lineasDeFicha_;
    std::array<Asiento, kUltimo + 1> asiento_{};  // 2..6
    int asientos_ = 0;
    bool cerrada_ = false;
    std::deque<Espera> esperando_;  // accepted, not yet introduced
};
