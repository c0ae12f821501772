// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#include "net/procesardatos.h"

#include "game/avisos.h"
#include "game/combinacion.h"
#include "game/juego.h"
#include "game/marcador.h"
#include "game/pozo.h"
#include "game/reparto.h"
#include "game/tiempos.h"
#include "game/turno.h"
#include "net/asientos.h"
#include "net/chat.h"
#include "net/cierre.h"
#include "net/protocolo.h"
#include "net/redpartida.h"
#include "net/transporte/cliente.h"
#include "net/transporte/servidor.h"

#include <algorithm>
#include <cstdlib>

using namespace protocolo;

namespace {

Servidor* servidorActivo(const Juego& j)
{
    return j.red ? j.red->servidor() : nullptr;
}

void relevar(Juego& j, const QString& mensaje, int origen)
{
    // The server's own messages have already gone to every client.
    if (origen < 1)
        return;
    if (Servidor* s = servidorActivo(j))
        s->SendToAllButOriginator(mensaje, origen);
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
        e.enPartida = true;
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
    if (e.esServidor) {
        Servidor* srv = servidorActivo(j);
        if (e.turno != 0) {
            // The first claim the server handled holds; a late claimer is told who won.
            if (e.turno != n && srv)
                srv->enviarpersona(kTurnoON + QString::number(e.turno), origen);
            return;
        }
        if (origen >= 1) {
            e.intentoAbierto[n] = true;
            arbitrar(j, n, j.ms(tiempos::kTurno + tiempos::kMargenArbitro));
            // A station that says it can wait for it is told its claim stands.
            if (srv && srv->version(origen) >= kVersionPropia)
                srv->enviarpersona(kTurnoON + QString::number(n), origen);
        }
    } else if (n == e.miJugador) {
        // Our own claim, confirmed: a pick that waited for this is judged now.
        // A claim that has meanwhile run out here is not taken up again.
        if (e.turno == n) {
            e.turnoConfirmado = true;
            if (e.chequeoEnEspera)
                verificarCombinacion(j);
        }
        return;
    } else if (e.turno == e.miJugador && marcador::esAsiento(e.miJugador)) {
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
    if (origen >= 1) {
        // A client took the last target of the pool. The server credits the
        // match by its own count and starts the next one at once, before any
        // notice lets the round clock run out on an empty pool: one pool,
        // one match.
        marcador::sumarPartida(e, p.asiento);
        marcador::fichasACero(e);
        e.intentoAbierto[p.asiento] = true;  // its tiles, now 0, still come
        e.fichasRedondas = pozo::completo();
        if (Servidor* s = servidorActivo(j))
            s->enviaratodos(kPartidas + QString::number(p.asiento) + QLatin1Char(',') + e.Partidas[p.asiento].texto, false);
        repartirFichas(j);
        mostrarAviso(j, QStringLiteral("El ganador de esta partida es ") + e.datosJugadores[p.asiento].nombre);
        return;
    }
    e.partidasGanadas[p.asiento] = p.valor;
    e.Partidas[p.asiento].texto = p.texto;
    mostrarAviso(j, QStringLiteral("El ganador de esta partida es ") + e.datosJugadores[p.asiento].nombre);
    marcador::fichasACero(e);
}

void puntaje(Juego& j, const AsientoValor& p, int origen)
{
    Estado& e = j.e;
    if (origen >= 1)
        e.intentoAbierto[p.asiento] = false;  // one outcome per claim
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

// The picks of a client's turn reach the server one by one; with the third
// the attempt is complete, and its outcome follows the player's notice.
void ficha(Juego& j, const Mensaje& m, int k, int origen)
{
    Estado& e = j.e;
    e.fichaCU[k].fondo = m.tag == kFichaON ? color::gris : color::blanco;
    relevar(j, m.tag + QString::number(k), origen);
    if (origen >= 1 && m.tag == kFichaON
        && std::count_if(e.fichaCU.begin() + 1, e.fichaCU.end(), [](const FichaCU& f) { return f.fondo == color::gris; }) == 3)
        arbitrar(j, e.turno, j.ms(tiempos::kAviso + tiempos::kMargenArbitro));
}

void finalizar(Juego& j)
{
    Estado& e = j.e;
    e.ganador = ganadorGeneral(e);
    // The clock stops with the game, not when the winner's box is closed.
    e.enPartida = false;
    j.Timer1.stop();
    e.barra = QStringLiteral("Partida finalizada");
    if (j.red && j.red->cliente())
        j.red->cliente()->cerrar();
    j.cambio();
    j.caja->mostrar(CajaMensaje::Icono::Informacion,
                    QStringLiteral("El ganador general del juego es ") + e.datosJugadores[e.ganador].nombre);
    if (e.esServidor)
        cerrarConexiones(j);
    else
        desactivarRed(j);
}

// What a client on seat s may say: only for its own seat, picks only
// while that seat holds the turn on the server, and the outcome of an
// attempt only while the server still waits for it. A late outcome is
// dropped and its station is set right.
bool permitido(Juego& j, const Mensaje& m, int s)
{
    const Estado& e = j.e;
    if (m.tag == kMessage)
        return true;
    if (m.tag == kTurnoON)
        return asiento(m.carga) == s;
    if (m.tag == kTurnoOFF)
        return asiento(m.carga) == s && e.turno == s;
    if (m.tag == kPuntaje || m.tag == kPartidas) {
        const auto p = asientoYValor(m.carga);
        if (!p || p->asiento != s)
            return false;
        // The last target's match comes only from the seat that took it
        // (anything else is no outcome at all), and an attempt moves its
        // tiles by one at most.
        if (e.intentoAbierto[s] && m.tag == kPartidas)
            return e.fichasRedondas.isEmpty();
        if (e.intentoAbierto[s] && std::abs(p->valor - e.datosJugadores[s].fichas) <= 1)
            return true;
        // An attempt the server has waived, or a count that went astray:
        // that station is set right (its next outcome comes after this).
        if (Servidor* srv = servidorActivo(j))
            corregir(j, *srv, s);
        return false;
    }
    if (m.tag == kFichaON || m.tag == kFichaOFF)
        return e.turno == s;
    if (m.tag == kFichaRedonda)
        return m.carga.isEmpty() && e.turno == s;
    return false;
}

}  // namespace

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

void procesarMensaje(Juego& j, const QString& mensaje, int origen)
{
    if (j.traza)
        j.traza(false, origen, mensaje);
    Estado& e = j.e;
    const Mensaje m = separar(mensaje);
    const bool deCliente = e.esServidor && origen >= 1;
    if (deCliente && !permitido(j, m, origen))
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
        const auto k = protocolo::ficha(m.carga);
        if (!k)
            return;
        ficha(j, m, *k, origen);
    } else if (m.tag == kDisconnected) {
        if (!e.esServidor)
            e.barra = QStringLiteral("Desconectado");
    } else if (m.tag == kTurnoON) {
        if (const auto n = asiento(m.carga))
            turnoOn(j, *n, origen);
    } else if (m.tag == kTurnoOFF) {
        if (const auto n = asiento(m.carga))
            turnoOff(j, *n, origen);
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
            partidas(j, *p, origen);
    } else if (m.tag == kPuntaje) {
        if (const auto p = asientoYValor(m.carga))
            puntaje(j, *p, origen);
    } else if (m.tag == kMessage) {
        UpdateDialog(j, m.carga);
        relevar(j, mensaje, origen);
    } else if (m.tag == kVersion) {
        // The server confirms our claims (it answers only clients that speak this).
        if (!e.esServidor)
            e.servidorConfirma = enteroInicial(m.carga) >= kVersionPropia;
    } else if (m.tag == kGanadas) {
        if (const auto p = asientoYValor(m.carga); p && !e.esServidor) {
            e.partidasGanadas[p->asiento] = p->valor;
            e.Partidas[p->asiento].texto = p->texto;
        }
    } else if (m.tag == kAusente) {
        const auto c = dosCampos(m.carga);
        if (const auto n = asiento(c.primero); n && !e.esServidor && c.tieneComa)
            e.ausente[*n] = enteroInicial(c.segundo) != 0;
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
