// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#include "transporte/servidor.h"

#include "transporte/conexion.h"
#include "transporte/lineas.h"

#include <QRandomGenerator>
#include <QTcpSocket>
#include <QTimer>
#include <algorithm>

namespace {

// A seat's secret: 128 random bits, nothing a player could guess from a name.
QString secretoNuevo()
{
    quint32 bits[4];
    QRandomGenerator::system()->fillRange(bits);
    return QByteArray(reinterpret_cast<const char*>(bits), sizeof bits).toHex();
}

}  // namespace

Servidor::Servidor(const Ajustes& ajustes, QObject* parent)
    : QObject(parent),
      esperaPresentacionMs(ajustes.esperaPresentacionMs),
      pausaChatMs(ajustes.pausaChatMs),
      pausaFichasMs(ajustes.pausaFichasMs),
      esperaEnSalaMs(ajustes.esperaEnSalaMs),
      lineaDeChat_(ajustes.lineaDeChat),
      lineasDeFicha_(ajustes.lineasDeFicha)
{
    connect(&listener_, &QTcpServer::newConnection, this, &Servidor::aceptar);
}

Servidor::~Servidor()
{
    // Sockets closing as they go must not report to a game that is going too.
    for (auto& a : asiento_)
        if (a.c)
            a.c->alPerderse = nullptr;
    for (const Espera& w : esperando_)
        w.c->alPerderse = nullptr;
}

bool Servidor::servidor(int puerto, const QHostAddress& direccion)
{
    if (puerto < 0 || puerto > 65535)
        return false;
    return listener_.listen(direccion, static_cast<quint16>(puerto));
}

void Servidor::aceptar()
{
    while (QTcpSocket* s = listener_.nextPendingConnection()) {
        auto* c = new Conexion(s, this);
        esperando_.push_back({c, 0});
        if (esperando() > kMaxEsperando)
            despedir(esperando_.front().c);
        c->alRecibir = [this, c](const QString& m) { recibirEnEspera(c, m); };
        c->alPerderse = [this, c] { despedir(c); };
        QTimer::singleShot(esperaPresentacionMs, c, [this, c] { despedir(c); });
        if (saludo)
            for (const QString& linea : saludo())
                c->enviar(linea);
    }
}

std::deque<Servidor::Espera>::iterator Servidor::buscar(Conexion* c)
{
    return std::find_if(esperando_.begin(), esperando_.end(), [c](const Espera& w) { return w.c == c; });
}

void Servidor::despedir(Conexion* c)
{
    const auto it = buscar(c);
    if (it == esperando_.end())
        return;
    esperando_.erase(it);
    c->cerrar();
    c->deleteLater();
}

void Servidor::rechazar(Conexion* c, const QString& motivo)
{
    c->enviar(protocolo::kRechazado + motivo);
    despedir(c);
}

void Servidor::recibirEnEspera(Conexion* c, const QString& mensaje)
{
    // Until it has a seat a connection may only say which protocol it
    // speaks, take its seat back, or introduce itself.
    const auto it = buscar(c);
    if (it == esperando_.end())
        return;
    const auto m = protocolo::separar(mensaje);
    if (cerrada_ && (m.tag == protocolo::kVolver || m.tag == protocolo::kJoined))
        return rechazar(c, motivoSinAsiento);
    if (m.tag == protocolo::kVersion) {
        it->version = std::clamp(protocolo::enteroInicial(m.carga), 0, 99);
    } else if (m.tag == protocolo::kVolver) {
        for (int s = kPrimero; s <= ultimo(); ++s) {
            if (!m.carga.isEmpty() && asiento_[s].secreto == m.carga) {
                sentar(c, s, it->version);
                if (alVolver)
                    alVolver(s);
                return;
            }
        }
    } else if (m.tag == protocolo::kJoined) {
        const int s = asientoLibre();
        if (!admiteNuevos || s > kUltimo)
            return rechazar(c, motivoSinAsiento);
        if (const QString motivo = rechazo ? rechazo(m.carga) : QString(); !motivo.isEmpty())
            return rechazar(c, motivo);
        ocupar(s);
        asiento_[s].secreto = secretoNuevo();
        asiento_[s].chat.empezar(kRafagaChat);
        asiento_[s].fichas.empezar(kRafagaFichas);
        sentar(c, s, it->version);
        if (alPresentarse)
            alPresentarse(s, m.carga);
    }
}

int Servidor::asientoLibre() const
{
    int s = kPrimero;
    while (s <= ultimo() && !asiento_[s].libre)
        ++s;
    return s;
}

void Servidor::ocupar(int s)
{
    if (s > ultimo())
        ++asientos_;
    asiento_[s].libre = false;
}

int Servidor::reservar()
{
    const int s = asientoLibre();
    if (!admiteNuevos || s > kUltimo)
        return 0;
    ocupar(s);
    asiento_[s].reservado = true;
    return s;
}

void Servidor::sentar(Conexion* c, int s, int version)
{
    esperando_.erase(buscar(c));
    Asiento& a = asiento_[s];
    // Whoever presents the secret last has the seat; an older connection
    // still holding it is closed.
    if (a.c != c)
        cortar(a);
    a.c = c;
    a.version = version;
    if (a.espera)
        a.espera->stop();
    c->alRecibir = [this, s](const QString& m) { recibir(s, m); };
    c->alPerderse = [this, s, c] { perdida(s, c); };
    if (version >= protocolo::kVersionPropia) {
        c->enviar(protocolo::kVersion + QString::number(protocolo::kVersionPropia));
        c->enviar(protocolo::kClave + a.secreto);
    }
}

void Servidor::perdida(int s, Conexion* c)
{
    if (asiento_[s].c != c)
        return;
    asiento_[s].c = nullptr;
    c->deleteLater();
    if (admiteNuevos && esperaEnSalaMs > 0) {
        // Held a while for its player; a host that joins and leaves again
        // and again cannot keep the lobby full.
        QTimer*& t = asiento_[s].espera;
        if (!t) {
            t = new QTimer(this);
            t->setSingleShot(true);
            connect(t, &QTimer::timeout, this, [this, s] {
                if (admiteNuevos && !conectada(s) && !asiento_[s].libre) {
                    soltarAsiento(s);
                    if (alSoltar)
                        alSoltar(s);
                }
            });
        }
        t->start(esperaEnSalaMs);
    }
    if (alPerder)
        alPerder(s);
}

void Servidor::soltarAsiento(int s)
{
    if (!valido(s) || s > ultimo())
        return;
    Asiento& a = asiento_[s];
    cortar(a);
    if (a.espera)
        a.espera->stop();
    a.secreto.clear();
    a.libre = true;
    a.reservado = false;
    // The highest seats given up are simply not taken any more.
    while (asientos_ > 0 && asiento_[ultimo()].libre) {
        asiento_[ultimo()].libre = false;
        --asientos_;
    }
}

bool Servidor::Ritmo::permite(int pausaMs, int rafaga)
{
    if (pausaMs <= 0)
        return true;
    // What is left of a pause counts towards the next line: a player at
    // exactly the pace is never refused. A full burst banks nothing more.
    const qint64 ahora = reloj.elapsed(), nuevos = (ahora - desde) / pausaMs;
    if (nuevos > 0) {
        disponibles = static_cast<int>(std::min<qint64>(rafaga, disponibles + nuevos));
        desde = disponibles == rafaga ? ahora : desde + nuevos * pausaMs;
    }
    if (disponibles <= 0)
        return false;
    --disponibles;
    return true;
}

void Servidor::recibir(int s, const QString& mensaje)
{
    Asiento& a = asiento_[s];
    if (!lineaDeChat_.isEmpty() && mensaje.startsWith(lineaDeChat_) && !a.chat.permite(pausaChatMs, kRafagaChat))
        return;
    const auto esFicha = [&](const QString& p) { return mensaje.startsWith(p); };
    if (std::any_of(lineasDeFicha_.begin(), lineasDeFicha_.end(), esFicha) && !a.fichas.permite(pausaFichasMs, kRafagaFichas))
        return;
    if (alRecibir)
        alRecibir(s, mensaje);
}

void Servidor::cerrarTodo()
{
    listener_.close();
    while (!esperando_.empty())
        despedir(esperando_.front().c);
    for (auto& a : asiento_)
        cortar(a), a.secreto.clear();
}

void Servidor::cerrarMesa(const QString& motivo)
{
    saludo = nullptr;
    alRecibir = nullptr;
    alEnviar = nullptr;
    alPresentarse = nullptr;
    alPerder = nullptr;
    alVolver = nullptr;
    rechazo = nullptr;
    admiteNuevos = false;
    cerrada_ = true;
    motivoSinAsiento = motivo;
    for (auto& a : asiento_)
        cortar(a), a.secreto.clear();
}

void Servidor::cortar(Asiento& a)
{
    // Closed from this side: nothing is reported.
    if (a.c) {
        a.c->alPerderse = nullptr;
        a.c->cerrar();
        a.c->deleteLater();
        a.c = nullptr;
    }
}

bool Servidor::conectada(int s) const
{
    return valido(s) && asiento_[s].c && asiento_[s].c->conectada();
}

int Servidor::presentes() const
{
    int n = 0;
    for (int s = kPrimero; s <= ultimo(); ++s)
        n += conectada(s);
    return n;
}

int Servidor::ausentes() const
{
    int n = 0;
    for (int s = kPrimero; s <= ultimo(); ++s)
        n += !asiento_[s].libre && !asiento_[s].reservado && !conectada(s);
    return n;
}

void Servidor::enviarpersona(const QString& vsData, int asiento)
{
    if (valido(asiento) && asiento_[asiento].c) {
        if (alEnviar && asiento_[asiento].c->conectada())
            alEnviar(asiento, vsData);
        asiento_[asiento].c->enviar(vsData);
    }
}

void Servidor::enviaratodos(const QString& vsData, bool vbSelf)
{
    for (int s = kPrimero; s <= ultimo(); ++s) {
        if (conectada(s))
            enviarpersona(vsData, s);
    }
    if (vbSelf)
        enviarami(vsData);
}

void Servidor::SendToAllButOriginator(const QString& vsData, int asiento)
{
    for (int s = kPrimero; s <= ultimo(); ++s) {
        if (conectada(s) && s != asiento)
            enviarpersona(vsData, s);
    }
}

void Servidor::enviarami(const QString& vsData)
{
    if (alRecibir)
        alRecibir(0, vsData);
}
