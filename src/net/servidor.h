// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The server's side of the network: the listener, one connection for each
// seat taken (connection k = 1..5) and the operations that send to one, to
// all, to all but one and to itself. It deals in lines, seats and secrets
// and knows nothing of the game: the layer above installs its handlers and
// is told when a line arrives, a seat is taken, lost or taken back.

#include "game/puertos.h"
#include "game/tiempos.h"

#include <QElapsedTimer>
#include <QHostAddress>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTcpServer>
#include <array>
#include <deque>
#include <functional>

class Conexion;

class Servidor : public QObject, public Enlace {
    Q_OBJECT
public:
    explicit Servidor(QObject* parent = nullptr);
    ~Servidor() override;

    static constexpr int kConexiones = 5;

    // How long a new connection may stay silent before it introduces itself,
    // and how many may wait at once: a flood of silent connections must not
    // lock honest players out.
    int esperaPresentacionMs = tiempos::ms(tiempos::kPresentacion);
    static constexpr int kMaxEsperando = 16;

    // Chat lines a player may have relayed in a burst, and how often one more
    // is allowed (0: no pacing): a person cannot type faster, and a flood
    // must not push an honest but slower reader over its send cap.
    static constexpr int kRafagaChat = 8;
    int pausaChatMs = tiempos::ms(250);

    // The layer above.
    std::function<QStringList()> saludo;                    // to a new connection, before it speaks
    std::function<void(int k, const QString&)> alRecibir;  // a line from connection k; -1 = to itself
    std::function<void(int k, const QString& nombre)> alPresentarse;  // a newcomer took connection k
    std::function<void(int k)> alPerder;                   // connection k is gone; its seat waits
    std::function<void(int k)> alVolver;                   // its secret brought connection k's seat back
    std::function<void(int k, const QString&)> alEnviar;   // a line goes out to connection k (tools that watch)

    // Whether a newcomer may still take a seat (the lobby). Seats taken can
    // be taken back with their secret until everything is closed.
    bool admiteNuevos = true;

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

    int asientos() const { return asientos_; }  // connections 1..asientos() have been taken
    bool conectada(int k) const;
    int version(int k) const { return valido(k) ? asiento_[k].version : 0; }
    QString secreto(int k) const { return valido(k) ? asiento_[k].secreto : QString(); }
    int esperando() const { return static_cast<int>(esperando_.size()); }

    void enviaratodos(const QString& vsData, bool vbSelf) override;
    void enviaraservidor(const QString&) override {}
    void enviarSalvo(const QString& vsData, int asiento) override { SendToAllButOriginator(vsData, asiento - 1); }
    void enviarpersona(const QString& vsData, int viconnection);
    void SendToAllButOriginator(const QString& vsData, int viconnection);
    void enviarami(const QString& vsData);

private:
    struct Asiento {
        QPointer<Conexion> c;
        QString secreto;
        int version = 0;
        int chatDisponible = kRafagaChat;
        QElapsedTimer chatDesde;
    };
    struct Espera {
        Conexion* c;
        int version = 0;
    };

    static bool valido(int k) { return k >= 1 && k <= kConexiones; }
    void aceptar();
    void recibirEnEspera(Conexion* c, const QString& mensaje);
    void sentar(Conexion* c, int k, int version);
    void despedir(Conexion* c);
    void perdida(int k, Conexion* c);
    void recibir(int k, const QString& mensaje);
    bool chatPermitido(Asiento& a);
    std::deque<Espera>::iterator buscar(Conexion* c);

    QTcpServer listener_;
    std::array<Asiento, kConexiones + 1> asiento_{};  // 1..5
    int asientos_ = 0;
    std::deque<Espera> esperando_;  // accepted, not yet introduced
};
