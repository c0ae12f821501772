#include "net/partidared.h"

#include "game/envio.h"
#include "game/juego.h"
#include "game/marcador.h"
#include "game/pozo.h"
#include "game/reparto.h"
#include "net/anunciador.h"
#include "net/cierre.h"
#include "net/cliente.h"
#include "net/procesardatos.h"
#include "net/protocolo.h"
#include "net/servidor.h"

#include <QAbstractSocket>
#include <QHostInfo>
#include <QNetworkInterface>
#include <QScopedValueRollback>
#include <algorithm>

namespace {

void advertir(Juego& j, const QString& texto)
{
    j.caja->mostrar(CajaMensaje::Icono::Advertencia, texto);
}

// Whatever ran before is given up: a local game's clocks and machine
// players, and any earlier network game with its connections.
void dejarLoAnterior(Juego& j)
{
    Estado& e = j.e;
    cerrarConexiones(j);
    j.Timer1.stop();
    j.Timer2.stop();
    j.maquinas.stop();
    j.colocador.stop();
    e.maquina.fill(0);
    e.pasoColocador = 0;
    e.numJugadores = 0;
    e.numConexiones = 0;
    e.desconectados = 0;
    e.turno = 0;
    marcador::soltarSeleccion(e);
    marcador::tableroEnBlanco(e);
}

// The table of a network game as it opens: only the own row (if the seat is
// known), nothing won, the chat and the "Turno" button shown.
void abrirMesa(Juego& j)
{
    Estado& e = j.e;
    for (int k = 1; k <= kMaxJugadores; ++k) {
        if (k != e.miJugador) {
            e.datosJugadores[k].nombre.clear();
            e.Jugadores[k] = {QString(), false, false};
            e.Partidas[k].visible = false;
            e.Fichas[k].visible = false;
        }
        e.Jugadores[k].opaca = false;
        e.datosJugadores[k].fichas = 0;
        e.partidasGanadas[k] = 0;
        e.Fichas[k].texto = QStringLiteral("0");
        e.Partidas[k].texto = QStringLiteral("0");
    }
    e.chatHabilitado = true;
    e.Command1.visible = true;
    e.Command1.habilitado = false;
    e.Label3.visible = true;
    e.relog = {QStringLiteral("3:00"), true, false};
    marcador::relojACero(e);
    e.juegoLocal = false;
    e.mn_pausar.habilitado = false;
    // The server owns the deal.
    if (!e.esServidor)
        e.mn_repar.habilitado = false;
    j.cambio();
}

}  // namespace

int puertoDeTexto(const QString& texto)
{
    // Leading blanks are skipped and a text with no number reads as 0.
    return protocolo::enteroInicial(texto);
}

bool eleccionRedValida(Juego& j, const EleccionRed& el)
{
    if (el.rol == EleccionRed::Ninguno) {
        advertir(j, QStringLiteral("Seleccione un forma de juego"));
        return false;
    }
    if (el.nombre.isEmpty()) {
        advertir(j, QStringLiteral("Inserte algún nombre"));
        return false;
    }
    if (el.rol == EleccionRed::Conectarse && (el.servidor.isEmpty() || el.puerto.isEmpty())) {
        advertir(j, QStringLiteral("No se puede dejar en blanco el nombre del\nservidor o puerto"));
        return false;
    }
    return true;
}

QString motivoPuerto(int puerto, int errorDeSocket)
{
    if (puerto < 0 || puerto > 65535)
        return QStringLiteral("Los puertos van del 1 al 65535; elija uno desde 1024, por ejemplo 5001.");
    if (errorDeSocket == QAbstractSocket::SocketAccessError || (puerto > 0 && puerto < 1024))
        return QStringLiteral("Los puertos menores que 1024 necesitan permisos de administrador; "
                              "elija uno desde 1024, por ejemplo 5001.");
    if (errorDeSocket == QAbstractSocket::AddressInUseError)
        return QStringLiteral("Otro programa ya usa ese puerto; elija otro, por ejemplo 5001.");
    return QStringLiteral("El sistema no deja escuchar en ese puerto; elija otro, por ejemplo 5001.");
}

bool iniciarServidor(Juego& j, const EleccionRed& el, const QHostAddress& direccion)
{
    dejarLoAnterior(j);
    Estado& e = j.e;
    e.puerto = puertoDeTexto(el.puerto);
    auto* srv = new Servidor(j);
    if (!srv->servidor(e.puerto, direccion)) {
        const QString motivo = motivoPuerto(e.puerto, srv->error());
        delete srv;
        advertir(j, QStringLiteral("No se puede usar el puerto ") + QString::number(e.puerto) + QStringLiteral(".\n") + motivo);
        return false;
    }
    j.enlace = srv;
    e.esServidor = true;
    e.aceptando = true;
    e.mn_finpartida.habilitado = true;
    e.fichasRedondas = pozo::completo();
    e.miJugador = 1;
    e.datosJugadores[1].nombre = el.nombre;
    e.Jugadores[1] = {filaDeRed(1, el.nombre), true, false};
    e.Fichas[1] = {QStringLiteral("0"), true, false};
    e.Partidas[1] = {QStringLiteral("0"), true, false};
    e.barra = QStringLiteral("Esperando a los otros... Presione F2 para comenzar con estos jugadores.");
    j.timer3.start();
    abrirMesa(j);
    if (el.anunciar) {
        auto* a = new Anunciador(direccion.isLoopback(), srv);
        a->actualizar({0, srv->puertoEscucha(), el.nombre});
        anunciarPartida(j);
    }
    return true;
}

Anunciador* anunciadorDe(Juego& j)
{
    Servidor* s = servidorDe(j);
    return s ? s->findChild<Anunciador*>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
}

void anunciarPartida(Juego& j, int ausentes)
{
    Anunciador* a = anunciadorDe(j);
    if (!a)
        return;
    const Estado& e = j.e;
    anuncio::Partida p = a->partida();
    if (e.aceptando) {
        p.ocupados = e.numConexiones + 1;
        p.estado = anuncio::Estado::Esperando;
    } else if (ausentes > 0) {
        p.ocupados = e.numJugadores - ausentes;
        p.estado = anuncio::Estado::Ausentes;
    } else {
        a->terminar();
        return;
    }
    p.ocupados = std::clamp(p.ocupados, 1, kMaxJugadores);
    p.libres = std::clamp(ausentes > 0 ? ausentes : kMaxJugadores - p.ocupados, 0, kMaxJugadores - p.ocupados);
    if (p.libres == 0)
        p.estado = anuncio::Estado::Llena;
    a->empezar(p);
}

Cliente* iniciarCliente(Juego& j, const EleccionRed& el)
{
    dejarLoAnterior(j);
    Estado& e = j.e;
    e.esServidor = false;
    e.aceptando = false;
    e.miJugador = 0;  // known once the server says which seat is ours
    e.puerto = puertoDeTexto(el.puerto);
    auto* cli = new Cliente(j);
    j.enlace = cli;
    cli->conectar(el.servidor, el.nombre);
    return cli;
}

bool terminarConexion(Juego& j, bool conectado)
{
    if (!conectado) {
        j.enlace = nullptr;
        advertir(j, QStringLiteral("No se encuentra el equipo o no se ha iniciado el servidor"));
        return false;
    }
    abrirMesa(j);
    return true;
}

void empezarPartidaRed(Juego& j)
{
    Estado& e = j.e;
    e.aceptando = false;
    if (Servidor* s = servidorDe(j))
        s->dejarDeEscuchar();
    e.numJugadores = e.numConexiones + 1;
    repartirFichas(j);
    nuevaFichaRedonda(j);
    e.barra = QStringLiteral("Presione el boton turno para elegir la combinacion");
    anunciarPartida(j);
    j.timer3.stop();
    j.Timer1.start();
    e.Command1.habilitado = true;
    j.cambio();
}

void timer3_Timer(Juego& j)
{
    if (j.puertaEnTic || !j.f2->pulsada())
        return;
    QScopedValueRollback<bool> enTic(j.puertaEnTic, true);
    if (!j.e.esServidor || !j.e.aceptando) {
        j.timer3.stop();
        return;
    }
    if (j.e.numConexiones == 0) {
        advertir(j, QStringLiteral("Para inicar la partida de haber al menos dos jugadores"));
        return;
    }
    empezarPartidaRed(j);
}

void mn_finpartida_Click(Juego& j)
{
    Estado& e = j.e;
    // Each client announces the winner and leaves; the last one to go ends
    // the game on the server too.
    if (e.esServidor)
        enviar(j, protocolo::kFinalizarpartidas);
    e.mn_finpartida.habilitado = false;
    j.cambio();
}

QString ipLocal()
{
    const auto interfaces = QNetworkInterface::allInterfaces();
    for (const QNetworkInterface& i : interfaces) {
        const auto f = i.flags();
        if (!(f & QNetworkInterface::IsUp) || !(f & QNetworkInterface::IsRunning) || (f & QNetworkInterface::IsLoopBack))
            continue;
        for (const QNetworkAddressEntry& a : i.addressEntries()) {
            if (a.ip().protocol() == QAbstractSocket::IPv4Protocol && !a.ip().isLoopback())
                return a.ip().toString();
        }
    }
    return QStringLiteral("127.0.0.1");
}

QString textoIpLocal()
{
    return QStringLiteral("El IP de este equipo es ") + ipLocal() + QLatin1Char('\n')
           + QStringLiteral("El nombre del equipo es ") + QHostInfo::localHostName();
}
