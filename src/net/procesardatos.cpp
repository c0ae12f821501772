// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#include "net/procesardatos.h"

#include "game/juego.h"
#include "game/marcador.h"
#include "game/mensajes.h"
#include "game/pozo.h"
#include "game/tiempos.h"
#include "net/asientos.h"
#include "net/chat.h"
#include "net/cierre.h"
#include "net/redpartida.h"
#include "transporte/cliente.h"
#include "transporte/servidor.h"

#include <algorithm>
#include <utility>

using namespace protocolo;
using namespace mensajes;

namespace {

// One message's handler: the payload, and the client seat it came from on
// the server (0 for the server's word on a client, or the server's own).
using Manejador = void (*)(Juego& j, const QString& carga, int origen);

Servidor* servidorDe(const Juego& j)
{
    return j.red ? j.red->servidor() : nullptr;
}

// A station whose outcome the server refused is given the table as the
// server has it.
void corregirA(Juego& j, int s)
{
    if (Servidor* srv = servidorDe(j))
        corregir(j, *srv, s);
}

template <class F>
void mesaDe(Juego& j, F&& f)
{
    j.transicion(std::forward<F>(f));
}

// ----------------------------------------------------------------- server
// What a client may say, each for its own seat only. Anything else it sends
// is dropped, unapplied and unrelayed; an outcome the server did not judge
// so is refused and that station set right.

void relevar(Juego& j, const QString& mensaje, int origen)
{
    mesaDe(j, [&](Estado&, Salida& o) { o.enviar(mensaje, false, origen); });
}

void turnoOnDeCliente(Juego& j, const QString& carga, int s)
{
    if (asiento(carga) != s)
        return;
    Servidor* srv = servidorDe(j);
    bool concedido = false;
    mesaDe(j, [&](Estado& e, Salida& o) {
        if ((concedido = mesa::concederTurno(e, o, s)))
            o.enviar(mensajes::turnoOn(s), false, s);
    });
    const int quien = j.e.turno;
    // A station that says it can wait for it is told its claim stands; a
    // late claimer is told who won.
    if (srv && (concedido ? srv->version(s) >= kVersionPropia : quien != s))
        srv->enviarpersona(mensajes::turnoOn(quien), s);
}

void turnoOffDeCliente(Juego& j, const QString& carga, int s)
{
    if (asiento(carga) != s || j.e.turno != s)
        return;
    mesaDe(j, [&](Estado& e, Salida& o) {
        mesa::turnoDejado(e, o, s);
        o.enviar(mensajes::turnoOff(s), false, s);
    });
}

void fichaDeCliente(Juego& j, const QString& carga, int s, bool marcada)
{
    const auto k = ficha(carga);
    if (k)
        mesaDe(j, [&](Estado& e, Salida& o) { mesa::fichaDeCliente(e, o, *j.azar, s, *k, marcada); });
}
void fichaOnDeCliente(Juego& j, const QString& carga, int s) { fichaDeCliente(j, carga, s, true); }
void fichaOffDeCliente(Juego& j, const QString& carga, int s) { fichaDeCliente(j, carga, s, false); }

void puntajeDeCliente(Juego& j, const QString& carga, int s)
{
    const auto p = asientoYValor(carga);
    if (!p || p->asiento != s)
        return;
    bool aceptado = false;
    mesaDe(j, [&](Estado& e, Salida& o) { aceptado = mesa::resultadoDeCliente(e, o, s, p->valor); });
    if (!aceptado)
        corregirA(j, s);
}

// The match of the last target is credited where its pick was judged; the
// seat's own word only shows whether its station needs setting right.
void partidasDeCliente(Juego& j, const QString& carga, int s)
{
    const auto p = asientoYValor(carga);
    if (p && p->asiento == s && p->valor != j.e.partidasGanadas[s])
        corregirA(j, s);
}

// A line speaks for its sender: it must begin with the seat's own name, as
// the sender's station composes it. What the program says itself (who left,
// who came back) comes only from the server.
void chatDeCliente(Juego& j, const QString& carga, int s)
{
    // The sender's station writes its name as its player typed it; the
    // server keeps it cut and cleaned.
    const QString& nombre = j.e.datosJugadores[s].nombre;
    const QString linea = imprimible(carga);
    const qsizetype dos = linea.indexOf(QStringLiteral(": "));
    if (nombre.isEmpty() || dos < 0 || nombreDeRed(linea.left(dos)) != nombre)
        return;
    UpdateDialog(j, linea);
    relevar(j, mensajes::chat(linea), s);
}

// ----------------------------------------------------------------- client
// The server's word, applied as it comes once it is well formed.

void relog(Juego& j, const QString& carga, int) { j.e.relog.texto = carga; }

void objetivo(Juego& j, const QString& carga, int)
{
    const auto c = dosCampos(carga);
    const auto n = enteroInicial(c.primero);
    if (c.tieneComa && c.primero == QString::number(n) && n >= 1 && n <= 50 && pozo::valido(c.segundo))
        mesa::objetivoDelServidor(j.e, c.primero, c.segundo);
}

void fichaValor(Juego& j, const QString& carga, int)
{
    const auto c = dosCampos(carga);
    const auto k = ficha(c.primero);
    if (k && c.segundo.size() == 1 && c.segundo[0] >= QLatin1Char('1') && c.segundo[0] <= QLatin1Char('9'))
        mesa::fichaDelServidor(j.e, *j.azar, *k, c.segundo);
}

void fichaOn(Juego& j, const QString& carga, int)
{
    if (const auto k = ficha(carga))
        mesa::fichaRemota(j.e, *k, true);
}
void fichaOff(Juego& j, const QString& carga, int)
{
    if (const auto k = ficha(carga))
        mesa::fichaRemota(j.e, *k, false);
}

void desconectado(Juego& j, const QString&, int) { j.e.barra = QStringLiteral("Desconectado"); }

void turnoOn(Juego& j, const QString& carga, int)
{
    if (const auto n = asiento(carga))
        mesaDe(j, [&](Estado& e, Salida& o) { mesa::turnoSegunServidor(e, o, *j.azar, *n); });
}

void turnoOff(Juego& j, const QString& carga, int)
{
    if (const auto n = asiento(carga))
        mesaDe(j, [&](Estado& e, Salida& o) { mesa::turnoTerminado(e, o, *n); });
}

void identificacion(Juego& j, const QString& carga, int)
{
    if (const auto n = asiento(carga)) {
        j.e.miJugador = *n;
        // The server's row for us came first, with the name as it keeps it.
        if (j.e.datosJugadores[*n].nombre.isEmpty())
            j.e.datosJugadores[*n].nombre = j.e.miNombre;
    }
}

void presentacion(Juego& j, const QString& carga, int)
{
    const auto p = leerPresentacion(carga);
    if (!p)
        return;
    mostrarFila(j.e, p->asiento, p->nombre);
    j.e.Fichas[p->asiento].texto = QStringLiteral("0");
    j.e.Partidas[p->asiento].texto = QStringLiteral("0");
}

void partidas(Juego& j, const QString& carga, int)
{
    if (const auto p = asientoYValor(carga))
        mesaDe(j, [&](Estado& e, Salida& o) { mesa::finDePartida(e, o, *j.azar, p->asiento, true, p->valor); });
}

void puntaje(Juego& j, const QString& carga, int)
{
    if (const auto p = asientoYValor(carga)) {
        j.e.datosJugadores[p->asiento].fichas = p->valor;
        j.e.Fichas[p->asiento].texto = p->texto;
    }
}

void chat(Juego& j, const QString& carga, int) { UpdateDialog(j, carga); }

void version(Juego& j, const QString& carga, int)
{
    // The server confirms our claims (it answers only clients that speak this).
    j.e.servidorConfirma = enteroInicial(carga) >= kVersionPropia;
}

void ganadas(Juego& j, const QString& carga, int)
{
    if (const auto p = asientoYValor(carga)) {
        j.e.partidasGanadas[p->asiento] = p->valor;
        j.e.Partidas[p->asiento].texto = p->texto;
    }
}

void ausente(Juego& j, const QString& carga, int)
{
    const auto c = dosCampos(carga);
    const auto n = asiento(c.primero);
    if (!n || !c.tieneComa)
        return;
    Estado& e = j.e;
    const int valor = enteroInicial(c.segundo);
    e.ausente[*n] = valor == 1;
    if (valor == kAsientoSoltado && *n != e.miJugador && *n != 1) {
        e.datosJugadores[*n] = {};
        e.partidasGanadas[*n] = 0;
        e.Jugadores[*n].visible = e.Fichas[*n].visible = e.Partidas[*n].visible = false;
    }
}

void modo(Juego& j, const QString& carga, int)
{
    mesaDe(j, [&](Estado& e, Salida& o) { mesa::cambiarModo(e, o, mensajes::modoLinealDe(carga)); });
}

void finalizar(Juego& j, const QString&, int)
{
    Estado& e = j.e;
    // The server named the winner when the game was ended; a client names it
    // from the counts it was given then.
    if (!e.esServidor)
        e.ganador = mesa::ganadorGeneral(e);
    // The clock stops with the game, not when the winner's box is closed.
    e.enPartida = false;
    e.barra = QStringLiteral("Partida finalizada");
    if (j.red && j.red->cliente())
        j.red->cliente()->cerrar();
    j.sincronizar();
    j.caja->mostrar(CajaMensaje::Icono::Informacion,
                    QStringLiteral("El ganador general del juego es ") + e.datosJugadores[e.ganador].nombre);
    if (e.esServidor)
        cerrarConexiones(j, kJuegoTerminado);
    else
        desactivarRed(j);
}

struct Entrada {
    const QString& tag;
    Manejador manejar;
};

// From a client, on the server.
const Entrada kDeCliente[] = {
    {mensajes::kTurnoON, turnoOnDeCliente},   {mensajes::kTurnoOFF, turnoOffDeCliente},
    {mensajes::kFichaON, fichaOnDeCliente},   {mensajes::kFichaOFF, fichaOffDeCliente},
    {mensajes::kPuntaje, puntajeDeCliente},   {mensajes::kPartidas, partidasDeCliente},
    {mensajes::kMessage, chatDeCliente},
};
// The server's own, through its handler (vbSelf).
const Entrada kPropios[] = {
    {mensajes::kMessage, chat},
    {mensajes::kFinalizarpartidas, finalizar},
};
// From the server, on a client.
const Entrada kDelServidor[] = {
    {mensajes::kRelog, relog},
    {mensajes::kFichaRedonda, objetivo},
    {mensajes::kFichaValor, fichaValor},
    {mensajes::kFichaON, fichaOn},
    {mensajes::kFichaOFF, fichaOff},
    {mensajes::kDisconnected, desconectado},
    {mensajes::kTurnoON, turnoOn},
    {mensajes::kTurnoOFF, turnoOff},
    {protocolo::kIdentificacion, identificacion},
    {protocolo::kJoined, presentacion},
    {mensajes::kPartidas, partidas},
    {mensajes::kPuntaje, puntaje},
    {mensajes::kMessage, chat},
    {kVersion, version},
    {mensajes::kGanadas, ganadas},
    {mensajes::kAusente, ausente},
    {mensajes::kModoJuego, modo},
    {mensajes::kFinalizarpartidas, finalizar},
};

template <std::size_t N>
Manejador buscar(const Entrada (&tabla)[N], const QString& tag)
{
    const auto it = std::find_if(std::begin(tabla), std::end(tabla), [&](const Entrada& x) { return x.tag == tag; });
    return it == std::end(tabla) ? nullptr : it->manejar;
}

}  // namespace

void procesarMensaje(Juego& j, const QString& mensaje, int origen)
{
    if (j.traza)
        j.traza(false, origen, mensaje);
    const Mensaje m = separar(mensaje);
    const bool deCliente = j.e.esServidor && origen >= 1;
    // Once the game has ended nothing more is played; the chat goes on.
    if (deCliente && j.e.finalizando && m.tag != mensajes::kMessage)
        return;
    const Manejador manejar = deCliente        ? buscar(kDeCliente, m.tag)
                              : j.e.esServidor ? buscar(kPropios, m.tag)
                                               : buscar(kDelServidor, m.tag);
    if (!manejar)
        return;
    manejar(j, m.carga, deCliente ? origen : 0);
    j.cambio();
}
