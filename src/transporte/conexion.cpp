// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#include "transporte/conexion.h"

#include "transporte/lineas.h"

#include <QScopedValueRollback>
#include <QTcpSocket>
#include <QTimer>

#ifdef Q_OS_LINUX
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>
#endif

namespace {
// What one read takes from the socket. With the socket's own buffer capped
// as well, a peer can never make a connection hold more than a few lines.
constexpr qint64 kTrozo = 16 * 1024;

// A peer that vanishes without closing (Wi-Fi gone, cable pulled, machine
// off) must be noticed in about a quarter of a minute, not when TCP gives up
// a quarter of an hour later. An idle connection (a lobby) is probed after
// 5 s of silence, every 2 s, and given up after 3 unanswered probes; data
// left unacknowledged for 10 s gives the connection up too.
void vigilar(QTcpSocket* s)
{
    s->setSocketOption(QAbstractSocket::KeepAliveOption, 1);
    // A claim or a pick is a few bytes that must leave at once, not wait
    // for the acknowledgement of the line before it.
    s->setSocketOption(QAbstractSocket::LowDelayOption, 1);
#ifdef Q_OS_LINUX
    const int fd = static_cast<int>(s->socketDescriptor());
    if (fd < 0)
        return;
    const int inactivo = 5, intervalo = 2, sondeos = 3;
    const unsigned int sinAcuse = 10000;
    ::setsockopt(fd, IPPROTO_TCP, TCP_KEEPIDLE, &inactivo, sizeof inactivo);
    ::setsockopt(fd, IPPROTO_TCP, TCP_KEEPINTVL, &intervalo, sizeof intervalo);
    ::setsockopt(fd, IPPROTO_TCP, TCP_KEEPCNT, &sondeos, sizeof sondeos);
    ::setsockopt(fd, IPPROTO_TCP, TCP_USER_TIMEOUT, &sinAcuse, sizeof sinAcuse);
#endif
}
}  // namespace

Conexion::Conexion(QTcpSocket* socket, QObject* parent) : QObject(parent), socket_(socket)
{
    socket->setParent(this);
    socket->setReadBufferSize(4 * kTrozo);
    vigilar(socket);
    connect(socket, &QTcpSocket::readyRead, this, &Conexion::leer);
    connect(socket, &QTcpSocket::disconnected, this, &Conexion::perder);
    connect(socket, &QTcpSocket::errorOccurred, this, [this] {
        if (socket_ && socket_->state() != QAbstractSocket::ConnectedState)
            perder();
    });
    // Bytes may have come with the connection itself.
    QTimer::singleShot(0, this, &Conexion::leer);
}

Conexion::~Conexion() = default;

bool Conexion::conectada() const
{
    return !terminada_ && socket_ && socket_->state() == QAbstractSocket::ConnectedState;
}

void Conexion::enviar(const QString& mensaje)
{
    if (mensaje.isEmpty() || !conectada())
        return;
    socket_->write(protocolo::enmarcar(mensaje));
    if (socket_->bytesToWrite() > kColaMaxima) {
        // A peer that stopped reading is dropped. It is told from the event
        // loop: the sender may be half-way through a broadcast.
        terminada_ = avisar_ = true;
        soltarSocket(false);
        QTimer::singleShot(0, this, &Conexion::leer);
    }
}

void Conexion::cerrar()
{
    terminada_ = true;
    avisar_ = false;
    soltarSocket(true);
}

void Conexion::soltarSocket(bool ordenado)
{
    if (!socket_)
        return;
    QTcpSocket* s = socket_;
    socket_ = nullptr;
    s->disconnect(this);
    if (ordenado && s->bytesToWrite() > 0) {
        // The last words (a refusal and its reason) go out before the close:
        // the socket outlives this connection until they have, or until a
        // peer that does not read them is given up on.
        s->setParent(parent());
        connect(s, &QAbstractSocket::disconnected, s, &QObject::deleteLater);
        QTimer::singleShot(kUltimasPalabrasMs, s, [s] {
            s->abort();
            s->deleteLater();
        });
        s->disconnectFromHost();
        return;
    }
    if (ordenado)
        s->disconnectFromHost();
    else
        s->abort();
    s->deleteLater();
}

void Conexion::perder()
{
    if (terminada_ && !avisar_)
        return;  // closed from this side
    // What the peer sent before it went is still handled first.
    avisar_ = true;
    leer();
}

void Conexion::leer()
{
    if (leyendo_)
        return;  // the message on the stack finishes first; its loop takes the rest
    {
        QScopedValueRollback<bool> enCurso(leyendo_, true);
        while (!terminada_) {
            if (auto linea = buffer_.siguiente()) {
                if (alRecibir)
                    alRecibir(*linea);
                continue;
            }
            if (buffer_.roto()) {
                // A line beyond any honest message; what came before it has been handled.
                terminada_ = avisar_ = true;
                break;
            }
            if (!socket_ || socket_->bytesAvailable() <= 0)
                break;
            buffer_.agregar(socket_->read(kTrozo));
        }
    }
    if (avisar_ && !avisada_ && (terminada_ || !socket_ || socket_->state() != QAbstractSocket::ConnectedState)) {
        avisada_ = terminada_ = true;
        soltarSocket(false);
        if (alPerderse)
            alPerderse();
    }
}
