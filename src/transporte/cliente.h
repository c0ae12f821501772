// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The client's side of the network: one connection to the server. It deals
// in lines, its seat and its secret, and knows nothing of the game: the
// layer above installs its handlers. Connecting never blocks: terminado()
// tells how the attempt ended, at the latest after esperaConexionMs.

#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <functional>

class Conexion;
class QTcpSocket;

class Cliente : public QObject {
    Q_OBJECT
public:
    // archivoClaves: where the seat secrets are kept (claves.h; empty is the
    // user's own file).
    Cliente(int esperaConexionMs, const QString& archivoClaves, QObject* parent = nullptr);
    ~Cliente() override;

    int esperaConexionMs;

    enum class Paso { Resolviendo, Resuelto, Conectando, Conectado, Error };

    // The layer above. alRecibir gets every line from the server once the
    // seat is known (those that came before it, first); alPerderse, that the
    // server went away after that.
    std::function<void(Paso)> alPaso;
    std::function<void(const QString&)> alRecibir;
    std::function<void()> alPerderse;
    std::function<void(const QString&)> alEnviar;  // a line goes out to the server (tools that watch)

    // Connects; once connected says which protocol this station speaks,
    // presents the secret it keeps for that server and player, if any, and
    // introduces the player with "[Joined]". The attempt ends when the server
    // names the seat, refuses us, or does not answer.
    void conectar(const QString& ipaddress, const QString& nombre, int puerto);
    bool conectado() const;
    bool rechazado() const { return rechazado_; }
    // Why the server refused us, as it said it (printable text only, and
    // not much of it); empty when it gave no reason.
    const QString& motivoRechazo() const { return motivo_; }
    static constexpr int kLargoMotivo = 200;
    // Lines a server may say before it names our seat.
    static constexpr int kAntesDelAsiento = 64;
    const QString& nombre() const { return nombre_; }
    int puerto() const { return puerto_; }

    void enviaraservidor(const QString& vsData);
    // A line from the server, as the connection hands it over (the fuzz
    // target of this side feeds it directly).
    void recibir(const QString& linea);

    // Closes the connection from this side; nothing is reported.
    void cerrar();

    // The address this station uses towards the server.
    QString direccionLocal() const;

signals:
    void terminado(bool sentado);

private:
    void fallar();
    void conectado_();
    void paso(Paso p);

    QString archivoClaves_;
    QString nombre_;
    int puerto_ = 0;
    bool sentado_ = false;
    bool rechazado_ = false;
    QString motivo_;
    int sinAsiento_ = 0;
    bool claveOida_ = false;
    QStringList antesDelAsiento_;
    QPointer<QTcpSocket> intento_;
    QPointer<Conexion> tcpClient_;
    QTimer espera_;
};
