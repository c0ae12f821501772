// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#include "net/partidared.h"

#include "game/envio.h"
#include "game/juego.h"
#include "game/marcador.h"
#include "game/mensajes.h"
#include "game/pozo.h"
#include "game/tiempos.h"
#include "net/asientos.h"
#include "net/chat.h"
#include "net/cierre.h"
#include "net/procesardatos.h"
#include "game/mensajes.h"
#include "net/redpartida.h"
#include "transporte/anunciador.h"
#include "transporte/cliente.h"
#include "transporte/servidor.h"

#include <QAbstractSocket>
#include <QFile>
#include <QHostInfo>
#include <QNetworkInterface>
#include <QTimer>
#include <algorithm>

#ifdef Q_OS_LINUX
#include <unistd.h>
#endif

namespace {

void advertir(Juego& j, const QString& texto)
{
    j.caja->mostrar(CajaMensaje::Icono::Advertencia, texto);
}

// Whatever ran before is given up: a local game's clocks and machine
// players, and any earlier network game with its connections. Only once the
// new game really starts: a refused setup leaves the old one running.
void dejarLoAnterior(Juego& j)
{
    Estado& e = j.e;
    cerrarConexiones(j);
    j.Timer2.stop();
    j.maquinas.stop();
    j.colocador.stop();
    e.maquina.fill(0);
    e.numJugadores = 0;
    mesa::mesaNueva(e);
    e.ausente.fill(false);
    e.servidorConfirma = false;
    e.mesaEnEspera = e.finalizando = false;
}

// The table of a network game as it opens: only the own row (if the seat is
// known), nothing won, no board, target or chat of an earlier game, the chat
// and the "Turno" button shown.
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
    for (int k = 1; k <= kFichas; ++k) {
        e.Valor[k].clear();
        e.fichaCU[k] = FichaCU{color::blanco, 0, e.fichaCU[k].tag, 0};
    }
    e.fichaRE.clear();
    e.txtDialog.clear();
    e.chatHabilitado = true;
    e.Command1.visible = true;
    e.Command1.habilitado = false;
    e.Label3.visible = true;
    e.relog = {QStringLiteral("3:00"), true, false};
    marcador::relojACero(e);
    e.juegoLocal = false;
    e.mn_pausar.habilitado = false;
    // "Repartir" belongs to the server, from the start of the game to its end.
    e.mn_repar.habilitado = false;
    j.cambio();
}

}  // namespace

int puertoDeTexto(const QString& texto)
{
    // Leading blanks are skipped and a text with no number reads as 0.
    return protocolo::enteroInicial(texto);
}

int puertoPorDefecto([[maybe_unused]] const QString& rutaPrimerLibre, [[maybe_unused]] unsigned usuarioEfectivo)
{
    constexpr int kPuertoDeSiempre = 1001;
#ifdef Q_OS_LINUX
    if (usuarioEfectivo == 0)
        return kPuertoDeSiempre;
    // Unreadable or unparsable: the kernel's own default, 1024, holds.
    QFile f(rutaPrimerLibre);
    bool leido = false;
    const int primerLibre = f.open(QIODevice::ReadOnly) ? f.read(16).trimmed().toInt(&leido) : 0;
    if (!leido || primerLibre > kPuertoDeSiempre)
        return 5001;
#endif
    return kPuertoDeSiempre;
}

int puertoPorDefecto()
{
#ifdef Q_OS_LINUX
    return puertoPorDefecto(QStringLiteral("/proc/sys/net/ipv4/ip_unprivileged_port_start"), ::geteuid());
#else
    return puertoPorDefecto(QString(), 0);
#endif
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

bool iniciarServidor(Juego& j, const EleccionRed& el)
{
    const int puerto = puertoDeTexto(el.puerto);
    const QHostAddress& direccion = j.entorno.escucha;
    // This station's own lobby on that very port makes way for the new one.
    // An ended game, still telling latecomers so, makes way too.
    if (j.terminada || (j.red && j.red->servidor() && puerto != 0 && j.red->servidor()->puertoEscucha() == puerto))
        dejarLoAnterior(j);
    auto* red = new RedPartida(j, RedPartida::Rol::Servidor);
    Servidor* srv = red->servidor();
    if (!srv->servidor(puerto, direccion)) {
        const QString motivo = motivoPuerto(puerto, srv->error());
        delete red;
        advertir(j, QStringLiteral("No se puede usar el puerto ") + QString::number(puerto) + QStringLiteral(".\n") + motivo);
        return false;
    }
    dejarLoAnterior(j);
    Estado& e = j.e;
    srv->saludo = [&j] {
        return QStringList{mensajes::presentacion(j.e.datosJugadores[1].nombre, 1),
                           mensajes::modo(j.e.modoLineal)};
    };
    srv->alRecibir = [&j](int s, const QString& m) { procesarMensaje(j, m, s); };
    srv->alPresentarse = [&j, srv](int s, const QString& nombre) { presentarJugador(j, *srv, s, nombre); };
    srv->alPerder = [&j, srv](int s) { perderAsiento(j, *srv, s); };
    srv->alVolver = [&j, srv](int s) { volverAsiento(j, *srv, s); };
    srv->alSoltar = [&j, srv](int s) { soltarFila(j, *srv, s); };
    srv->rechazo = [&j](const QString& nombre) { return rechazoDeNombre(j.e, nombre); };
    srv->motivoSinAsiento = kMesaLlena;
    srv->alEnviar = [&j](int s, const QString& m) {
        if (j.traza)
            j.traza(true, s, m);
    };
    j.red = red;
    j.enlace = red;
    e.esServidor = true;
    e.mn_finpartida.habilitado = true;
    e.fichasRedondas = pozo::completo();
    e.miJugador = 1;
    e.miNombre = el.nombre;
    mostrarFila(e, 1, el.nombre);
    e.Fichas[1].texto = QStringLiteral("0");
    e.Partidas[1].texto = QStringLiteral("0");
    e.barra = QStringLiteral("Esperando a los otros... Presione F2 para comenzar con estos jugadores.");
    // An F2 pressed before the lobby opened does not start it.
    j.f2->pulsada();
    j.timer3.start();
    abrirMesa(j);
    if (el.anunciar) {
        red->anunciar(direccion.isLoopback())->actualizar({0, srv->puertoEscucha(), el.nombre});
        anunciarPartida(j);
    }
    return true;
}

RedPartida* iniciarCliente(Juego& j, const EleccionRed& el)
{
    // Whatever runs here goes on until the server has given us a seat.
    auto* red = new RedPartida(j, RedPartida::Rol::Cliente);
    Cliente* cli = red->cliente();
    cli->alPaso = [&j](Cliente::Paso p) {
        static const char* const textos[] = {"Resolviendo host", "Host resuelto", "Conectando...", "Conectado", "Error"};
        j.e.barra = QLatin1String(textos[static_cast<int>(p)]);
        j.cambio();
    };
    cli->alRecibir = [&j](const QString& m) { procesarMensaje(j, m, 0); };
    cli->alEnviar = [&j](const QString& m) {
        if (j.traza)
            j.traza(true, 0, m);
    };
    cli->alPerderse = [&j] {
        // The server went away, or this station lost the network.
        desactivarRed(j);
        j.e.barra = QStringLiteral("Desconectado");
        UpdateDialog(j, QStringLiteral("Se ha perdido la conexi\u00f3n con el servidor."));
    };
    cli->conectar(el.servidor, el.nombre, puertoDeTexto(el.puerto));
    return red;
}

bool terminarConexion(Juego& j, RedPartida* red, bool conectado)
{
    const Cliente* cli = red->cliente();
    if (!conectado) {
        red->deleteLater();
        advertir(j, !cli->rechazado()                 ? QStringLiteral("No se encuentra el equipo o no se ha iniciado el servidor")
                    : cli->motivoRechazo().isEmpty() ? kSinAsiento
                                                     : cli->motivoRechazo());
        return false;
    }
    dejarLoAnterior(j);
    Estado& e = j.e;
    e.esServidor = false;
    e.miJugador = 0;  // known once the server says which seat is ours
    e.miNombre = cli->nombre();
    j.red = red;
    j.enlace = red;
    abrirMesa(j);
    return true;
}

void timer3_Timer(Juego& j)
{
    if (!j.f2->pulsada())
        return;
    if (!j.e.esServidor || !admiteNuevos(j)) {
        j.timer3.stop();
        return;
    }
    // Seats whose players have gone again do not make a table.
    if (clientesPresentes(j) == 0) {
        advertir(j, QStringLiteral("Para inicar la partida de haber al menos dos jugadores"));
        return;
    }
    empezarPartidaRed(j);
}

void mn_finpartida_Click(Juego& j)
{
    Estado& e = j.e;
    // Each client announces the winner and leaves; the last one to go ends
    // the game on the server too, and with nobody here it ends at once.
    e.mn_finpartida.habilitado = false;
    j.cambio();
    if (!e.esServidor || e.finalizando)
        return;
    // The result is fixed now: the clock stops, nothing more is played, and
    // every station is given the counts the winner is named from.
    j.transicion([](Estado& es, Salida& o) { mesa::finalizar(es, o); });
    Servidor* srv = j.red ? j.red->servidor() : nullptr;
    if (!srv)
        return;
    if (clientesPresentes(j) == 0) {
        srv->enviarami(mensajes::kFinalizarpartidas);
        return;
    }
    // A client that does not leave is not waited for long.
    QTimer::singleShot(j.ms(tiempos::kCierreFinal), srv, [srv] { srv->enviarami(mensajes::kFinalizarpartidas); });
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
