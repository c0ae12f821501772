#include "net/servidor.h"

#include "flow/mandos.h"
#include "game/juego.h"
#include "net/conexion.h"
#include "net/procesardatos.h"
#include "net/protocolo.h"

#include <QTcpSocket>
#include <QTimer>
#include <algorithm>

Servidor* servidorDe(Juego& j)
{
    return dynamic_cast<Servidor*>(j.enlace);
}

Servidor::Servidor(Juego& j) : QObject(&j), j_(j)
{
    connect(&listener_, &QTcpServer::newConnection, this, &Servidor::aceptar);
}

Servidor::~Servidor()
{
    // Sockets closing as they go must not report to a game that is going too.
    for (auto& c : sckServer_)
        if (c)
            c->alPerderse = nullptr;
    for (Conexion* c : esperando_)
        c->alPerderse = nullptr;
}

bool Servidor::servidor(int puerto, const QHostAddress& direccion)
{
    j_.e.numConexiones = 0;
    j_.e.desconectados = 0;
    if (puerto < 0 || puerto > 65535)
        return false;
    return listener_.listen(direccion, static_cast<quint16>(puerto));
}

void Servidor::aceptar()
{
    while (QTcpSocket* s = listener_.nextPendingConnection()) {
        if (!j_.e.aceptando) {
            s->abort();
            s->deleteLater();
            continue;
        }
        auto* c = new Conexion(s, this);
        esperando_.push_back(c);
        if (esperando() > kMaxEsperando)
            despedir(esperando_.front());
        c->alRecibir = [this, c](const QString& m) { recibirEnEspera(c, m); };
        c->alPerderse = [this, c] { despedir(c); };
        QTimer::singleShot(esperaPresentacionMs, c, [this, c] { despedir(c); });

        const Estado& e = j_.e;
        c->enviar(protocolo::kJoined + e.datosJugadores[1].nombre + QStringLiteral("(1)"));
        c->enviar(protocolo::kModoJuego + textoModoJuego(e.modoLineal));
    }
}

void Servidor::despedir(Conexion* c)
{
    const auto it = std::find(esperando_.begin(), esperando_.end(), c);
    if (it == esperando_.end())
        return;
    esperando_.erase(it);
    c->cerrar();
    c->deleteLater();
}

void Servidor::recibirEnEspera(Conexion* c, const QString& mensaje)
{
    // Until it has introduced itself a connection has no seat to speak for.
    const auto m = protocolo::separar(mensaje);
    if (m.tag != protocolo::kJoined)
        return;
    if (!j_.e.aceptando || j_.e.numConexiones >= kMaxJugadores - 1) {
        despedir(c);
        return;
    }
    esperando_.erase(std::find(esperando_.begin(), esperando_.end(), c));
    const int k = ++j_.e.numConexiones;
    sckServer_[k] = c;
    c->alRecibir = [this, k](const QString& m) { procesarMensaje(j_, m, k); };
    c->alPerderse = [this, k] { perdida(k); };
    presentarJugador(j_, k, m.carga);
}

void Servidor::perdida(int k)
{
    Estado& e = j_.e;
    const int s = k + 1;
    enviaratodos(protocolo::kMessage + e.datosJugadores[s].nombre + QStringLiteral(" ") + QStringLiteral(" se ha desconectado"), true);
    // Whoever leaves holding the turn gives it back, or nobody could play on.
    if (e.turno == s)
        enviaratodos(protocolo::kTurnoOFF + QString::number(s), true);
    ++e.desconectados;
    if (e.desconectados == e.numConexiones)
        enviarami(protocolo::kFinalizarpartidas);
}

void Servidor::dejarDeEscuchar()
{
    listener_.close();
    while (!esperando_.empty())
        despedir(esperando_.front());
}

void Servidor::cerrarTodo()
{
    dejarDeEscuchar();
    for (auto& c : sckServer_) {
        if (c)
            c->cerrar();
    }
}

bool Servidor::conectada(int k) const
{
    return k >= 1 && k < static_cast<int>(sckServer_.size()) && sckServer_[k] && sckServer_[k]->conectada();
}

void Servidor::enviarpersona(const QString& vsData, int viconnection)
{
    if (viconnection >= 1 && viconnection < static_cast<int>(sckServer_.size()) && sckServer_[viconnection]) {
        if (j_.traza && sckServer_[viconnection]->conectada())
            j_.traza(true, viconnection, vsData);
        sckServer_[viconnection]->enviar(vsData);
    }
}

void Servidor::enviaratodos(const QString& vsData, bool vbSelf)
{
    const int n = j_.e.numConexiones;
    for (int k = 1; k <= n; ++k) {
        if (conectada(k))
            enviarpersona(vsData, k);
    }
    if (vbSelf)
        enviarami(vsData);
}

void Servidor::SendToAllButOriginator(const QString& vsData, int viconnection)
{
    const int n = j_.e.numConexiones;
    for (int k = 1; k <= n; ++k) {
        if (conectada(k) && k != viconnection)
            enviarpersona(vsData, k);
    }
}

void Servidor::enviarami(const QString& vsData)
{
    Procesardatos(j_, vsData + QStringLiteral("\r\n"), -1);
}
