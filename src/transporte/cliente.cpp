// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#include "transporte/cliente.h"

#include "transporte/claves.h"
#include "transporte/conexion.h"
#include "transporte/lineas.h"

#include <QTcpSocket>
#include <memory>
#include <utility>

Cliente::Cliente(int esperaConexionMs, const QString& archivoClaves, QObject* parent)
    : QObject(parent), esperaConexionMs(esperaConexionMs), archivoClaves_(archivoClaves)
{
    espera_.setSingleShot(true);
    connect(&espera_, &QTimer::timeout, this, &Cliente::fallar);
}

Cliente::~Cliente()
{
    if (tcpClient_)
        tcpClient_->alPerderse = nullptr;
}

void Cliente::paso(Paso p)
{
    if (alPaso)
        alPaso(p);
}

void Cliente::conectar(const QString& ipaddress, const QString& nombre, int puerto)
{
    nombre_ = nombre;
    puerto_ = puerto;
    cerrar();
    sentado_ = rechazado_ = claveOida_ = false;
    sinAsiento_ = 0;
    motivo_.clear();
    antesDelAsiento_.clear();

    auto* s = new QTcpSocket(this);
    intento_ = s;
    // The lookup's end and the start of connecting come in one go, in either
    // order; the player reads them in the order they happen.
    auto resuelto = std::make_shared<bool>(false);
    auto hostResuelto = [this, resuelto] {
        if (!std::exchange(*resuelto, true))
            paso(Paso::Resuelto);
    };
    connect(s, &QTcpSocket::stateChanged, this, [this, hostResuelto](QAbstractSocket::SocketState st) {
        if (st == QAbstractSocket::HostLookupState) {
            paso(Paso::Resolviendo);
        } else if (st == QAbstractSocket::ConnectingState) {
            hostResuelto();
            paso(Paso::Conectando);
        }
    });
    connect(s, &QTcpSocket::hostFound, this, hostResuelto);
    connect(s, &QTcpSocket::connected, this, &Cliente::conectado_);
    connect(s, &QTcpSocket::errorOccurred, this, &Cliente::fallar);

    espera_.start(esperaConexionMs);
    if (puerto < 1 || puerto > 65535) {
        // No such port: the attempt fails as a refused one would.
        QTimer::singleShot(0, this, &Cliente::fallar);
        return;
    }
    s->connectToHost(ipaddress, static_cast<quint16>(puerto));
}

void Cliente::fallar()
{
    if (sentado_)
        return;
    cerrar();
    paso(Paso::Error);
    emit terminado(false);
}

void Cliente::conectado_()
{
    QTcpSocket* s = intento_;
    intento_ = nullptr;
    s->disconnect(this);
    paso(Paso::Conectado);

    auto* c = new Conexion(s, this);
    tcpClient_ = c;
    c->alRecibir = [this](const QString& m) { recibir(m); };
    c->alPerderse = [this] {
        if (!sentado_)
            return fallar();
        if (alPerderse)
            alPerderse();
    };
    c->enviar(protocolo::kVersion + QString::number(protocolo::kVersionPropia));
    const QString secreto = claves::leer(archivoClaves_, s->peerAddress(), s->peerPort(), nombre_);
    if (!secreto.isEmpty())
        c->enviar(protocolo::kVolver + secreto);
    c->enviar(protocolo::kJoined + nombre_);
}

void Cliente::recibir(const QString& linea)
{
    // A server says a few dozen lines before it names the seat (the seats,
    // the mode, who is away, the secret); one that goes on and on is not a
    // server.
    if (!sentado_ && ++sinAsiento_ > kAntesDelAsiento)
        return fallar();
    const auto m = protocolo::separar(linea);
    if (m.tag == protocolo::kClave) {
        // One secret a connection: the file is not rewritten at a server's whim.
        if (!std::exchange(claveOida_, true) && tcpClient_ && tcpClient_->socket() && !m.carga.isEmpty())
            claves::guardar(archivoClaves_, tcpClient_->socket()->peerAddress(), tcpClient_->socket()->peerPort(), nombre_, m.carga);
        return;
    }
    if (sentado_) {
        if (alRecibir)
            alRecibir(linea);
        return;
    }
    if (m.tag == protocolo::kRechazado) {
        rechazado_ = true;
        for (const QChar c : m.carga)
            if (c.isPrint() && motivo_.size() < kLargoMotivo)
                motivo_ += c;
        fallar();
        return;
    }
    antesDelAsiento_ << linea;
    const int asiento = protocolo::enteroInicial(m.carga);
    if (m.tag != protocolo::kIdentificacion || asiento < 1 || asiento > protocolo::kAsientos)
        return;
    // The seat is known: the layer above sets its table up, then hears
    // everything the server said so far, in order.
    espera_.stop();
    sentado_ = true;
    emit terminado(true);
    for (const QString& l : std::exchange(antesDelAsiento_, {}))
        if (alRecibir)
            alRecibir(l);
}

bool Cliente::conectado() const
{
    return tcpClient_ && tcpClient_->conectada();
}

void Cliente::enviaraservidor(const QString& vsData)
{
    if (sentado_ && conectado()) {
        if (alEnviar)
            alEnviar(vsData);
        tcpClient_->enviar(vsData);
    }
}

void Cliente::cerrar()
{
    espera_.stop();
    if (intento_) {
        intento_->disconnect(this);
        intento_->abort();
        intento_->deleteLater();
        intento_ = nullptr;
    }
    if (tcpClient_) {
        tcpClient_->alPerderse = nullptr;
        tcpClient_->cerrar();
        tcpClient_->deleteLater();
        tcpClient_ = nullptr;
    }
}

QString Cliente::direccionLocal() const
{
    return tcpClient_ && tcpClient_->socket() ? tcpClient_->socket()->localAddress().toString() : QString();
}
