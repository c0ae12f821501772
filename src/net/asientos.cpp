// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#include "net/asientos.h"

#include "game/envio.h"
#include "game/juego.h"
#include "game/marcador.h"
#include "game/mensajes.h"
#include "game/reparto.h"
#include "game/turno.h"
#include "net/enlaces.h"
#include "net/protocolo.h"

#include <algorithm>

using namespace protocolo;

namespace {

// What only this program's clients understand goes to them alone, so a
// peer that speaks only the original messages sees nothing new.
void aLosNuestros(Servidor& srv, const QString& mensaje, int salvo = 0)
{
    for (int k = 1; k <= srv.asientos(); ++k)
        if (k != salvo && srv.version(k) >= kVersionPropia)
            srv.enviarpersona(mensaje, k);
}

void marcarAusente(Juego& j, Servidor& srv, int s, bool ausente)
{
    Estado& e = j.e;
    e.ausente[s] = ausente;
    e.desconectados = srv.asientos() - clientesPresentes(j);
    aLosNuestros(srv, conDosNumeros(kAusente, s, ausente ? 1 : 0), s - 1);
}

// Every client away: the clock stops and the table waits for them, or, once
// "Finalizar partida" was chosen, the game ends on the server too.
void mesaSinClientes(Juego& j)
{
    Estado& e = j.e;
    if (e.finalizando) {
        if (Servidor* srv = servidorDe(j))
            srv->enviarami(kFinalizarpartidas);
        return;
    }
    if (!e.enPartida)
        return;  // a lobby simply goes on waiting
    e.mesaEnEspera = true;
    j.sincronizar();
    e.barra = QStringLiteral("Esperando a que vuelvan los jugadores... \"Finalizar partida\" termina el juego.");
}

// The table as it stands, for a player who takes a seat back.
void restaurar(Juego& j, Servidor& srv, int k)
{
    const Estado& e = j.e;
    const int yo = k + 1;
    auto a = [&](const QString& m) { srv.enviarpersona(m, k); };
    for (int s = 1; s <= srv.asientos() + 1; ++s)
        a(conPresentacion(e.datosJugadores[s].nombre, s));
    a(kIdentificacion + QString::number(yo));
    a(mensajes::modo(e.modoLineal));
    for (int s = 2; s <= srv.asientos() + 1; ++s)
        if (e.ausente[s])
            a(conDosNumeros(kAusente, s, 1));
    if (!e.enPartida)
        return;
    for (int t = 1; t <= kFichas; ++t)
        a(kFichaValor + QString::number(t) + QLatin1Char(',') + e.Valor[t]);
    corregir(j, k);
    if (e.turno != 0) {
        a(kTurnoON + QString::number(e.turno));
        for (int t = 1; t <= kFichas; ++t)
            if (e.fichaCU[t].fondo == color::gris)
                a(kFichaON + QString::number(t));
    }
    a(kRelog + e.relog.texto);
}

}  // namespace

QString filaDeRed(int s, const QString& nombre)
{
    return QStringLiteral(" %1  %2").arg(s).arg(nombre);
}

void mostrarFila(Estado& e, int s, const QString& nombre)
{
    e.datosJugadores[s].nombre = nombre;
    e.Jugadores[s] = {filaDeRed(s, nombre), true, false};
    e.Fichas[s].visible = true;
    e.Partidas[s].visible = true;
}

int clientesPresentes(const Juego& j)
{
    const Servidor* srv = servidorDe(j);
    int n = 0;
    for (int k = 1; srv && k <= srv->asientos(); ++k)
        n += srv->conectada(k);
    return n;
}

void presentarJugador(Juego& j, int k, const QString& nombre)
{
    Servidor* srv = servidorDe(j);
    if (!srv || k < 1 || k >= kMaxJugadores)
        return;
    Estado& e = j.e;
    e.numConexiones = srv->asientos();
    const QString corto = nombre.left(kLargoNombre);
    for (int i = 1; i <= e.numConexiones - 1; ++i)
        srv->enviarpersona(conPresentacion(e.datosJugadores[i + 1].nombre, i + 1), k);
    mostrarFila(e, k + 1, corto);
    srv->enviaratodos(conPresentacion(corto, k + 1), false);
    srv->enviarpersona(kIdentificacion + QString::number(k + 1), k);
    j.cambio();
    // The sixth seat fills the table: the game starts as F2 would start it.
    if (e.numConexiones == kMaxJugadores - 1)
        empezarPartidaRed(j);
    else
        anunciarPartida(j);
}

void perderAsiento(Juego& j, int k)
{
    Servidor* srv = servidorDe(j);
    if (!srv)
        return;
    const int s = k + 1;
    srv->enviaratodos(kMessage + j.e.datosJugadores[s].nombre + QStringLiteral("  se ha desconectado"), true);
    // Whoever leaves holding the turn gives it back, or nobody could play on.
    terminarTurnoDesdeServidor(j, s);
    marcarAusente(j, *srv, s, true);
    if (clientesPresentes(j) == 0)
        mesaSinClientes(j);
    anunciarPartida(j);
    j.cambio();
}

void corregir(Juego& j, int k)
{
    Servidor* srv = servidorDe(j);
    if (!srv)
        return;
    const Estado& e = j.e;
    if (!e.fichaRE.isEmpty())
        srv->enviarpersona(kFichaRedonda + e.fichaRE + QLatin1Char(',') + e.fichasRedondas, k);
    for (int s = 1; s <= kMaxJugadores; ++s) {
        if (!e.Jugadores[s].visible)
            continue;
        srv->enviarpersona(conDosNumeros(kPuntaje, s, e.datosJugadores[s].fichas), k);
        if (srv->version(k) >= kVersionPropia)
            srv->enviarpersona(conDosNumeros(kGanadas, s, e.partidasGanadas[s]), k);
    }
}

void volverAsiento(Juego& j, int k)
{
    Servidor* srv = servidorDe(j);
    if (!srv)
        return;
    Estado& e = j.e;
    const int s = k + 1;
    // A turn held by the connection this one replaced cannot go on here.
    terminarTurnoDesdeServidor(j, s);
    marcarAusente(j, *srv, s, false);
    restaurar(j, *srv, k);
    srv->enviaratodos(kMessage + e.datosJugadores[s].nombre + QStringLiteral(" ha vuelto"), true);
    if (e.mesaEnEspera) {
        e.mesaEnEspera = false;
        e.barra = QStringLiteral("Presione el boton turno para elegir la combinacion");
        j.sincronizar();
    }
    anunciarPartida(j);
    j.cambio();
}

void empezarPartidaRed(Juego& j)
{
    Estado& e = j.e;
    e.aceptando = false;
    if (Servidor* s = servidorDe(j))
        s->admiteNuevos = false;
    e.numJugadores = e.numConexiones + 1;
    j.transicion([&](Estado& es, Salida& o) {
        mesa::repartir(es, o, *j.azar);
        mesa::sacarObjetivo(es, o, *j.azar);
    });
    e.barra = QStringLiteral("Presione el boton turno para elegir la combinacion");
    j.timer3.stop();
    e.enPartida = true;
    j.sincronizar();
    e.Command1.habilitado = true;
    e.mn_repar.habilitado = true;
    if (clientesPresentes(j) == 0)
        mesaSinClientes(j);
    anunciarPartida(j);
    j.cambio();
}

void anunciarPartida(Juego& j)
{
    Anunciador* a = anunciadorDe(j);
    if (!a)
        return;
    const Estado& e = j.e;
    const int ausentes = e.enPartida ? e.numConexiones - clientesPresentes(j) : 0;
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

void arbitro_Timer(Juego& j)
{
    j.arbitro.stop();
    if (j.e.esServidor)
        j.transicion([](Estado& e, Salida& o) { mesa::limiteDelTurno(e, o, e.turno); });
}
