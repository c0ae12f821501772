#pragma once
// The client of a network game: one connection to the server. Connecting
// never blocks: the status bar follows the attempt, and terminado() tells
// how it ended, after at most esperaConexionMs.

#include "game/puertos.h"
#include "game/tiempos.h"

#include <QObject>
#include <QPointer>
#include <QTimer>

class Conexion;
class Juego;
#include <QTcpSocket>

class Cliente : public QObject, public Enlace {
    Q_OBJECT
public:
    explicit Cliente(Juego& j);
    ~Cliente() override;

    int esperaConexionMs = tiempos::ms(tiempos::kConexion);

    // Connects to the server and, once connected, introduces the player with
    // "[Joined]" and says which protocol this station speaks.
    void conectar(const QString& ipaddress, const QString& nombre, int puerto);
    bool conectado() const;

    void enviaratodos(const QString&, bool) override {}
    void enviaraservidor(const QString& vsData) override;

    // Closes the connection from this side; nothing is shown.
    void cerrar();

    const QString& nombre() const { return nombre_; }
    int puerto() const { return puerto_; }

    // The address this station uses towards the server.
    QString direccionLocal() const;

signals:
    void terminado(bool conectado);

private:
    void fallar();
    void conectado_();

    Juego& j_;
    QString nombre_;
    int puerto_ = 0;
    QPointer<QTcpSocket> intento_;
    QPointer<Conexion> tcpClient_;
    QTimer espera_;
};

// The client of this station's network game, if it is one.
Cliente* clienteDe(Juego& j);
