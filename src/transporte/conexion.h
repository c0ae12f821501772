// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// One TCP connection of a network game, on either side: whole messages in,
// in arrival order and one at a time, and messages out. Nothing here blocks
// or pumps events; a socket that goes away is released with deleteLater.

#include "transporte/recepcion.h"

#include <QObject>
#include <QPointer>
#include <functional>

#include <QTcpSocket>

class Conexion : public QObject {
    Q_OBJECT
public:
    // Takes over a connected socket.
    Conexion(QTcpSocket* socket, QObject* parent = nullptr);
    ~Conexion() override;

    // Bytes waiting to go out to one peer before it counts as stuck: a peer
    // that stops reading must not make this station's memory grow.
    static constexpr qint64 kColaMaxima = 1024 * 1024;
    // How long a closed connection's last bytes may take to leave.
    static constexpr int kUltimasPalabrasMs = 5000;

    // Each whole message, without CR LF. While one is being handled (a notice
    // may be open), later ones wait: they are never handled out of order.
    std::function<void(const QString&)> alRecibir;
    // The peer went away, broke the protocol or stopped reading. Called once,
    // after every message it sent before has been handled, never from inside
    // enviar() or cerrar().
    std::function<void()> alPerderse;

    bool conectada() const;
    // Sends one message; an empty one, or one to a closed connection, is not sent.
    void enviar(const QString& mensaje);
    // Closes from this side: what was written still goes out, alPerderse is
    // not called, and nothing more is received.
    void cerrar();

    const BufferRecepcion& buffer() const { return buffer_; }

    // The raw socket, for its addresses; null once closed.
    QTcpSocket* socket() const { return socket_; }

private:
    void leer();
    void perder();
    void soltarSocket(bool ordenado);

    QPointer<QTcpSocket> socket_;
    BufferRecepcion buffer_;
    bool leyendo_ = false;
    bool terminada_ = false;  // nothing more is handled from this peer
    bool avisar_ = false;     // the peer is lost: say so once reading is done
    bool avisada_ = false;
};
