#include "net/cliente.h"

#include "game/juego.h"
#include "net/cierre.h"
#include "net/conexion.h"
#include "net/procesardatos.h"
#include "net/protocolo.h"

#include <QTcpSocket>
#include <memory>
#include <utility>

Cliente* clienteDe(Juego& j)
{
    return dynamic_cast<Cliente*>(j.enlace);
}

Cliente::Cliente(Juego& j) : QObject(&j), j_(j)
{
    espera_.setSingleShot(true);
    connect(&espera_, &QTimer::timeout, this, &Cliente::fallar);
}

Cliente::~Cliente()
{
    if (tcpClient_)
        tcpClient_->alPerderse = nullptr;
}

void Cliente::conectar(const QString& ipaddress, const QString& nombre)
{
    j_.e.miNombre = nombre;
    cerrar();

    auto* s = new QTcpSocket(this);
    intento_ = s;
    auto estado = [this](const QString& texto) {
        j_.e.barra = texto;
        j_.cambio();
    };
    // The lookup's end and the start of connecting come in one go, in either
    // order; the player reads them in the order they happen.
    auto resuelto = std::make_shared<bool>(false);
    auto hostResuelto = [estado, resuelto] {
        if (!std::exchange(*resuelto, true))
            estado(QStringLiteral("Host resuelto"));
    };
    connect(s, &QTcpSocket::stateChanged, this, [estado, hostResuelto](QAbstractSocket::SocketState st) {
        if (st == QAbstractSocket::HostLookupState) {
            estado(QStringLiteral("Resolviendo host"));
        } else if (st == QAbstractSocket::ConnectingState) {
            hostResuelto();
            estado(QStringLiteral("Conectando..."));
        }
    });
    connect(s, &QTcpSocket::hostFound, this, hostResuelto);
    connect(s, &QTcpSocket::connected, this, &Cliente::conectado_);
    connect(s, &QTcpSocket::errorOccurred, this, &Cliente::fallar);

    espera_.start(esperaConexionMs);
    const int puerto = j_.e.puerto;
    if (puerto < 1 || puerto > 65535) {
        // No such port: the attempt fails as a refused one would.
        QTimer::singleShot(0, this, &Cliente::fallar);
        return;
    }
    s->connectToHost(ipaddress, static_cast<quint16>(puerto));
}

void Cliente::fallar()
{
    if (!intento_)
        return;
    espera_.stop();
    QTcpSocket* s = intento_;
    intento_ = nullptr;
    s->disconnect(this);
    s->abort();
    s->deleteLater();
    j_.e.barra = QStringLiteral("Error");
    j_.cambio();
    emit terminado(false);
}

void Cliente::conectado_()
{
    espera_.stop();
    QTcpSocket* s = intento_;
    intento_ = nullptr;
    s->disconnect(this);
    j_.e.barra = QStringLiteral("Conectado");
    j_.cambio();

    auto* c = new Conexion(s, this);
    tcpClient_ = c;
    c->alRecibir = [this](const QString& m) { procesarMensaje(j_, m, -1); };
    c->alPerderse = [this] {
        // The server went away.
        desactivarRed(j_);
        j_.e.barra = QStringLiteral("Desconectado");
        j_.cambio();
    };
    enviaraservidor(protocolo::kJoined + j_.e.miNombre);
    emit terminado(true);
}

bool Cliente::conectado() const
{
    return tcpClient_ && tcpClient_->conectada();
}

void Cliente::enviaraservidor(const QString& vsData)
{
    if (conectado()) {
        if (j_.traza)
            j_.traza(true, -1, vsData);
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
        tcpClient_->cerrar();
        tcpClient_->deleteLater();
        tcpClient_ = nullptr;
    }
}

QString Cliente::direccionLocal() const
{
    return tcpClient_ && tcpClient_->socket() ? tcpClient_->socket()->localAddress().toString() : QString();
}
