#pragma once
// The server of a network game: the listener, the connections of the
// players who joined (connection k is seat k + 1; the server's own player is
// seat 1) and the operations that send to one, to all, to all but one and to
// itself. A connection takes a seat only when it introduces itself.

#include "game/puertos.h"
#include "game/tiempos.h"

#include <QHostAddress>
#include <QObject>
#include <QPointer>
#include <QTcpServer>
#include <array>
#include <deque>

class Conexion;
class Juego;

class Servidor : public QObject, public Enlace {
    Q_OBJECT
public:
    explicit Servidor(Juego& j);
    ~Servidor() override;

    // How long a new connection may stay silent before "[Joined]", and how
    // many may wait at once: a flood of silent connections must not lock
    // honest players out.
    int esperaPresentacionMs = tiempos::ms(tiempos::kPresentacion);
    static constexpr int kMaxEsperando = 16;

    // Starts listening. False when the port cannot be used (error() and
    // errorString() say why).
    bool servidor(int puerto, const QHostAddress& direccion = QHostAddress::Any);
    QAbstractSocket::SocketError error() const { return listener_.serverError(); }
    QString errorString() const { return listener_.errorString(); }
    quint16 puertoEscucha() const { return listener_.serverPort(); }

    // The game has started: nobody else may join, and whoever is still
    // waiting to introduce itself is sent away.
    void dejarDeEscuchar();

    // Closes the listener and every connection. Nothing is told to the game.
    void cerrarTodo();

    void enviaratodos(const QString& vsData, bool vbSelf) override;
    void enviaraservidor(const QString&) override {}
    void enviarpersona(const QString& vsData, int viconnection);
    void SendToAllButOriginator(const QString& vsData, int viconnection);
    void enviarami(const QString& vsData);

    bool conectada(int k) const;
    int esperando() const { return static_cast<int>(esperando_.size()); }

private:
    void aceptar();
    void recibirEnEspera(Conexion* c, const QString& mensaje);
    void despedir(Conexion* c);
    void perdida(int k);

    Juego& j_;
    QTcpServer listener_;                        // sckServer(0)
    std::array<QPointer<Conexion>, 6> sckServer_{};  // 1..5, one per seat taken
    std::deque<Conexion*> esperando_;            // accepted, not yet introduced
};

// The server of this station's network game, if it runs one.
Servidor* servidorDe(Juego& j);
