#include "net/procesardatos.h"

#include "game/avisos.h"
#include "game/juego.h"
#include "game/marcador.h"
#include "game/pozo.h"
#include "game/reparto.h"
#include "game/turno.h"
#include "net/chat.h"
#include "net/cierre.h"
#include "net/cliente.h"
#include "net/partidared.h"
#include "net/protocolo.h"
#include "net/servidor.h"


using namespace protocolo;

namespace {

void relevar(Juego& j, const QString& mensaje, int origen)
{
    // The server's own messages have already gone to every client.
    if (origen < 1)
        return;
    if (Servidor* s = servidorDe(j))
        s->SendToAllButOriginator(mensaje, origen);
}

void mostrarFila(Estado& e, int s, const QString& nombre)
{
    e.datosJugadores[s].nombre = nombre;
    e.Jugadores[s].texto = filaDeRed(s, nombre);
    e.Jugadores[s].visible = true;
    e.Fichas[s].visible = true;
    e.Partidas[s].visible = true;
}

void fichaValor(Juego& j, const QString& carga)
{
    Estado& e = j.e;
    const auto c = dosCampos(carga);
    const auto k = ficha(c.primero);
    if (!k || c.segundo.size() != 1 || c.segundo[0] < QLatin1Char('1') || c.segundo[0] > QLatin1Char('9'))
        return;
    if (*k == 1) {
        for (int i = 1; i <= kFichas; ++i)
            e.fichaCU[i].borde = bordeAlAzar(j);
    }
    e.Valor[*k] = c.segundo;
    if (*k == kFichas) {
        e.Command1.habilitado = true;
        e.barra = QStringLiteral("Presione el boton turno para elegir la combinacion");
    }
}

void fichaRedonda(Juego& j, const QString& carga)
{
    Estado& e = j.e;
    if (!e.esServidor) {
        const auto c = dosCampos(carga);
        const auto n = enteroInicial(c.primero);
        if (!c.tieneComa || c.primero != QString::number(n) || n < 1 || n > 50 || !poolValido(c.segundo))
            return;
        e.fichaRE = c.primero;
        e.fichasRedondas = c.segundo;
        return;
    }
    // A client that would draw asks the server to.
    marcador::relojACero(e);
    if (e.fichasRedondas.isEmpty()) {
        e.fichasRedondas = pozo::completo();
        repartirFichas(j);
    }
    nuevaFichaRedonda(j);
}

void turnoOn(Juego& j, int n, int origen)
{
    Estado& e = j.e;
    if (e.esServidor && e.turno != 0) {
        // The first claim the server handled holds; a late claimer is told who won.
        if (e.turno != n)
            if (Servidor* s = servidorDe(j))
                s->enviarpersona(kTurnoON + QString::number(e.turno), origen);
        return;
    }
    if (!e.esServidor && e.turno == e.miJugador && n != e.miJugador && marcador::esAsiento(e.miJugador)) {
        // Our own claim lost the race at the server.
        terminarTurnoPropio(j);
        marcador::tableroEnBlanco(e);
    }
    marcador::resaltar(e, e.turno, false);
    marcador::resaltar(e, n, true);
    e.turno = n;
    relevar(j, kTurnoON + QString::number(n), origen);
}

void turnoOff(Juego& j, int n, int origen)
{
    Estado& e = j.e;
    marcador::resaltar(e, n, false);
    // The end of an earlier turn that crossed our own claim on the way: the
    // claim stands until the server says otherwise.
    if (!e.esServidor && e.turno != 0 && e.turno != n)
        return;
    marcador::resaltar(e, e.turno, false);
    e.turno = 0;
    marcador::tableroEnBlanco(e);
    if (n == e.miJugador)
        terminarTurnoPropio(j);
    relevar(j, kTurnoOFF + QString::number(n), origen);
}

void partidas(Juego& j, const AsientoValor& p, int origen)
{
    Estado& e = j.e;
    // Every station announces the match, the winner's own included.
    if (origen >= 1)
        if (Servidor* s = servidorDe(j))
            s->enviaratodos(kPartidas + QString::number(p.asiento) + QLatin1Char(',') + p.texto, false);
    e.partidasGanadas[p.asiento] = p.valor;
    e.Partidas[p.asiento].texto = p.texto;
    mostrarAviso(j, QStringLiteral("El ganador de esta partida es ") + e.datosJugadores[p.asiento].nombre);
    marcador::fichasACero(e);
}

void puntaje(Juego& j, const AsientoValor& p, int origen)
{
    Estado& e = j.e;
    e.datosJugadores[p.asiento].fichas = p.valor;
    e.Fichas[p.asiento].texto = p.texto;
    relevar(j, kPuntaje + QString::number(p.asiento) + QLatin1Char(',') + p.texto, origen);
}

void presentacion(Estado& e, const QString& carga)
{
    const auto p = leerPresentacion(carga);
    if (!p)
        return;
    mostrarFila(e, p->asiento, p->nombre);
    e.Fichas[p->asiento].texto = QStringLiteral("0");
    e.Partidas[p->asiento].texto = QStringLiteral("0");
}

void finalizar(Juego& j)
{
    Estado& e = j.e;
    e.ganador = ganadorGeneral(e);
    e.barra = QStringLiteral("Partida finalizada");
    if (Cliente* c = clienteDe(j))
        c->cerrar();
    j.cambio();
    j.caja->mostrar(CajaMensaje::Icono::Informacion,
                    QStringLiteral("El ganador general del juego es ") + e.datosJugadores[e.ganador].nombre);
    if (e.esServidor)
        cerrarConexiones(j);
    else
        desactivarRed(j);
}

// What a client on connection k may say: only for its own seat, and picks
// only while that seat holds the turn on the server.
bool permitido(const Estado& e, const Mensaje& m, int k)
{
    const int s = k + 1;
    if (m.tag == kMessage)
        return true;
    if (m.tag == kTurnoON)
        return asiento(m.carga) == s;
    if (m.tag == kTurnoOFF)
        return asiento(m.carga) == s && e.turno == s;
    if (m.tag == kPuntaje || m.tag == kPartidas) {
        const auto p = asientoYValor(m.carga);
        return p && p->asiento == s;
    }
    if (m.tag == kFichaON || m.tag == kFichaOFF)
        return e.turno == s;
    if (m.tag == kFichaRedonda)
        return m.carga.isEmpty() && e.turno == s;
    return false;
}

}  // namespace

QString filaDeRed(int s, const QString& nombre)
{
    return QStringLiteral(" %1  %2").arg(s).arg(nombre);
}

int ganadorGeneral(const Estado& e)
{
    int g = 1;
    for (int i = 2; i <= kMaxJugadores; ++i) {
        // Only seats with a player can win; tiles won break a tie, as numbers.
        if (!e.Jugadores[i].visible)
            continue;
        const int pi = e.partidasGanadas[i], pg = e.partidasGanadas[g];
        if (pi > pg || (pi == pg && e.datosJugadores[i].fichas > e.datosJugadores[g].fichas))
            g = i;
    }
    return g;
}

void Procesardatos(Juego& j, const QString& vsData, int viconnection)
{
    qsizetype desde = 0;
    for (;;) {
        const qsizetype fin = vsData.indexOf(QStringLiteral("\r\n"), desde);
        if (fin < 0)
            break;
        procesarMensaje(j, vsData.mid(desde, fin - desde), viconnection);
        desde = fin + 2;
    }
}

void procesarMensaje(Juego& j, const QString& mensaje, int viconnection)
{
    if (j.traza)
        j.traza(false, viconnection, mensaje);
    Estado& e = j.e;
    const Mensaje m = separar(mensaje);
    const bool deCliente = e.esServidor && viconnection >= 1;
    if (deCliente && !permitido(e, m, viconnection))
        return;

    if (m.tag == kRelog) {
        if (!e.esServidor)
            e.relog.texto = m.carga;
    } else if (m.tag == kFichaRedonda) {
        fichaRedonda(j, m.carga);
    } else if (m.tag == kFichaValor) {
        if (!e.esServidor)
            fichaValor(j, m.carga);
    } else if (m.tag == kFichaOFF || m.tag == kFichaON) {
        const auto k = ficha(m.carga);
        if (!k)
            return;
        e.fichaCU[*k].fondo = m.tag == kFichaON ? color::gris : color::blanco;
        relevar(j, m.tag + QString::number(*k), viconnection);
    } else if (m.tag == kDisconnected) {
        if (!e.esServidor)
            e.barra = QStringLiteral("Desconectado");
    } else if (m.tag == kTurnoON) {
        if (const auto n = asiento(m.carga))
            turnoOn(j, *n, viconnection);
    } else if (m.tag == kTurnoOFF) {
        if (const auto n = asiento(m.carga))
            turnoOff(j, *n, viconnection);
    } else if (m.tag == kIdentificacion) {
        const auto n = asiento(m.carga);
        if (e.esServidor || !n)
            return;
        e.miJugador = *n;
        e.datosJugadores[*n].nombre = e.miNombre;
    } else if (m.tag == kJoined) {
        // A server seats a connection only through presentarJugador.
        if (!e.esServidor)
            presentacion(e, m.carga);
    } else if (m.tag == kPartidas) {
        if (const auto p = asientoYValor(m.carga))
            partidas(j, *p, viconnection);
    } else if (m.tag == kPuntaje) {
        if (const auto p = asientoYValor(m.carga))
            puntaje(j, *p, viconnection);
    } else if (m.tag == kMessage) {
        UpdateDialog(j, m.carga);
        relevar(j, mensaje, viconnection);
    } else if (m.tag == kModoJuego) {
        if (!e.esServidor)
            e.modoLineal = modoLinealDe(m.carga);
    } else if (m.tag == kFinalizarpartidas) {
        finalizar(j);
        return;
    } else {
        return;
    }
    j.cambio();
}

void presentarJugador(Juego& j, int k, const QString& nombre)
{
    Servidor* srv = servidorDe(j);
    if (!srv || k < 1 || k >= kMaxJugadores)
        return;
    Estado& e = j.e;
    const QString corto = nombre.left(kLargoNombre);
    for (int i = 1; i <= e.numConexiones - 1; ++i)
        srv->enviarpersona(kJoined + e.datosJugadores[i + 1].nombre + QStringLiteral("(%1)").arg(i + 1), k);
    mostrarFila(e, k + 1, corto);
    srv->enviaratodos(kJoined + corto + QStringLiteral("(%1)").arg(k + 1), false);
    srv->enviarpersona(kIdentificacion + QString::number(k + 1), k);
    j.cambio();
    // The sixth seat fills the table: the game starts as F2 would start it.
    if (e.numConexiones == kMaxJugadores - 1)
        empezarPartidaRed(j);
}
