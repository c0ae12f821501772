// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#include "net/asientos.h"

#include "game/envio.h"
#include "game/juego.h"
#include "game/marcador.h"
#include "game/mensajes.h"
#include "game/reparto.h"
#include "game/turno.h"
#include "game/mensajes.h"
#include "net/redpartida.h"
#include "transporte/anunciador.h"
#include "transporte/servidor.h"

#include <algorithm>

using namespace protocolo;
using namespace mensajes;

namespace {

// What only this program's clients understand goes to them alone, so a
// peer that speaks only the original messages sees nothing new.
Servidor* servidorActivo(const Juego& j)
{
    return j.red ? j.red->servidor() : nullptr;
}

void aLosNuestros(Servidor& srv, const QString& mensaje, int salvo = 0)
{
    for (int s = Servidor::kPrimero; s <= srv.asientos() + 1; ++s)
        if (s != salvo && srv.version(s) >= kVersionPropia)
            srv.enviarpersona(mensaje, s);
}

int maquinasSentadas(const Estado& e)
{
    return static_cast<int>(std::count(e.maquina.begin() + Servidor::kPrimero, e.maquina.end(), 1));
}

void marcarAusente(Juego& j, Servidor& srv, int s, bool ausente)
{
    j.e.ausente[s] = ausente;
    aLosNuestros(srv, conDosNumeros(kAusente, s, ausente ? 1 : 0), s);
}

// Every client away: the clock stops and the table waits for them, or, once
// "Finalizar partida" was chosen, the game ends on the server too.
void mesaSinClientes(Juego& j)
{
    Estado& e = j.e;
    if (e.finalizando) {
        if (Servidor* srv = servidorActivo(j))
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
void restaurar(Juego& j, Servidor& srv, int yo)
{
    const Estado& e = j.e;
    auto a = [&](const QString& m) { srv.enviarpersona(m, yo); };
    for (int s = 1; s <= srv.asientos() + 1; ++s)
        if (e.Jugadores[s].visible)
            a(mensajes::presentacion(e.datosJugadores[s].nombre, s));
    a(kIdentificacion + QString::number(yo));
    a(mensajes::modo(e.modoLineal));
    for (int s = 2; s <= srv.asientos() + 1; ++s)
        if (e.ausente[s])
            a(conDosNumeros(kAusente, s, 1));
    if (!e.enPartida)
        return;
    for (int t = 1; t <= kFichas; ++t)
        a(kFichaValor + QString::number(t) + QLatin1Char(',') + e.Valor[t]);
    corregir(j, srv, yo);
    if (e.turno != 0) {
        a(kTurnoON + QString::number(e.turno));
        for (int t = 1; t <= kFichas; ++t)
            if (e.fichaCU[t].fondo == color::gris)
                a(kFichaON + QString::number(t));
    }
    a(kRelog + e.relog.texto);
}

}  // namespace

QString imprimible(const QString& texto)
{
    QString limpio;
    limpio.reserve(texto.size());
    for (const QChar c : texto)
        if (c.isPrint())
            limpio += c;
    return limpio;
}

QString nombreDeRed(const QString& nombre)
{
    return imprimible(nombre).trimmed().left(kLargoNombre).trimmed();
}

QString rechazoDeNombre(const Estado& e, const QString& nombre)
{
    const QString corto = nombreDeRed(nombre);
    if (corto.isEmpty())
        return QStringLiteral("Escriba un nombre para jugar.");
    // Two players of one name could not tell their lines and rows apart,
    // and one could speak for the other.
    for (int s = 1; s <= kMaxJugadores; ++s)
        if (e.Jugadores[s].visible && e.datosJugadores[s].nombre.compare(corto, Qt::CaseInsensitive) == 0)
            return QStringLiteral("Ya hay un jugador llamado %1 en la mesa; elija otro nombre.").arg(corto);
    return {};
}

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
    const Servidor* srv = servidorActivo(j);
    return srv ? srv->presentes() : 0;
}

int clientesSentados(const Juego& j)
{
    const Servidor* srv = servidorActivo(j);
    return srv ? srv->asientos() : 0;
}

bool admiteNuevos(const Juego& j)
{
    const Servidor* srv = servidorActivo(j);
    return srv && srv->admiteNuevos;
}

bool caberMaquina(const Juego& j)
{
    const Servidor* srv = servidorActivo(j);
    return srv && srv->hayAsientoLibre();
}

bool hayMaquina(const Juego& j)
{
    return admiteNuevos(j) && maquinasSentadas(j.e) > 0;
}

bool sentarMaquina(Juego& j)
{
    Servidor* srv = servidorActivo(j);
    const int s = srv && !j.e.enPartida ? srv->reservar() : 0;
    if (s == 0)
        return false;
    const QString nombre = marcador::nombreDeMaquina(s);
    if (!rechazoDeNombre(j.e, nombre).isEmpty()) {
        srv->soltarAsiento(s);  // a player took that name: two rows would read alike
        return false;
    }
    j.e.maquina[s] = 1;
    mostrarFila(j.e, s, nombre);
    srv->enviaratodos(mensajes::presentacion(nombre, s), false);
    anunciarPartida(j);
    j.cambio();
    return true;
}

bool quitarMaquina(Juego& j)
{
    Servidor* srv = servidorActivo(j);
    int s = kMaxJugadores;
    while (s >= Servidor::kPrimero && j.e.maquina[s] != 1)
        --s;
    if (!srv || !srv->admiteNuevos || s < Servidor::kPrimero)
        return false;
    srv->soltarAsiento(s);
    soltarFila(j, *srv, s);
    return true;
}

void presentarJugador(Juego& j, Servidor& srv, int s, const QString& nombre)
{
    if (s < Servidor::kPrimero || s > kMaxJugadores)
        return;
    Estado& e = j.e;
    const QString corto = nombreDeRed(nombre);
    for (int i = Servidor::kPrimero; i <= srv.asientos() + 1; ++i)
        if (i != s && e.Jugadores[i].visible)
            srv.enviarpersona(mensajes::presentacion(e.datosJugadores[i].nombre, i), s);
    // The greeting's mode may have changed since, and who left the lobby
    // before this player came is away for it too.
    srv.enviarpersona(mensajes::modo(e.modoLineal), s);
    if (srv.version(s) >= kVersionPropia)
        for (int i = Servidor::kPrimero; i <= srv.asientos() + 1; ++i)
            if (e.ausente[i])
                srv.enviarpersona(conDosNumeros(kAusente, i, 1), s);
    mostrarFila(e, s, corto);
    srv.enviaratodos(mensajes::presentacion(corto, s), false);
    srv.enviarpersona(kIdentificacion + QString::number(s), s);
    j.cambio();
    // The last seat taken fills the table: the game starts as F2 would
    // start it, but only with every seat's player here.
    if (srv.presentes() + maquinasSentadas(j.e) == kMaxJugadores - 1)
        empezarPartidaRed(j);
    else
        anunciarPartida(j);
}

void perderAsiento(Juego& j, Servidor& srv, int s)
{
    srv.enviaratodos(mensajes::chat(mensajes::lineaSeFue(j.e.datosJugadores[s].nombre)), true);
    // Whoever leaves holding the turn gives it back, or nobody could play on.
    terminarTurnoDesdeServidor(j, s);
    marcarAusente(j, srv, s, true);
    if (clientesPresentes(j) == 0)
        mesaSinClientes(j);
    anunciarPartida(j);
    j.cambio();
}

void soltarFila(Juego& j, Servidor& srv, int s)
{
    Estado& e = j.e;
    e.ausente[s] = false;
    e.maquina[s] = 0;
    e.datosJugadores[s] = {};
    e.partidasGanadas[s] = 0;
    e.Jugadores[s].visible = e.Fichas[s].visible = e.Partidas[s].visible = false;
    aLosNuestros(srv, conDosNumeros(kAusente, s, kAsientoSoltado));
    anunciarPartida(j);
    j.cambio();
}

void corregir(Juego& j, Servidor& srv, int s)
{
    const Estado& e = j.e;
    if (!e.fichaRE.isEmpty())
        srv.enviarpersona(kFichaRedonda + e.fichaRE + QLatin1Char(',') + e.fichasRedondas, s);
    for (int t = 1; t <= kMaxJugadores; ++t) {
        if (!e.Jugadores[t].visible)
            continue;
        srv.enviarpersona(conDosNumeros(kPuntaje, t, e.datosJugadores[t].fichas), s);
        if (srv.version(s) >= kVersionPropia)
            srv.enviarpersona(conDosNumeros(kGanadas, t, e.partidasGanadas[t]), s);
    }
}

void volverAsiento(Juego& j, Servidor& srv, int s)
{
    Estado& e = j.e;
    // A turn held by the connection this one replaced cannot go on here.
    terminarTurnoDesdeServidor(j, s);
    marcarAusente(j, srv, s, false);
    restaurar(j, srv, s);
    srv.enviaratodos(mensajes::chat(mensajes::lineaVolvio(e.datosJugadores[s].nombre)), true);
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
    if (Servidor* srv = servidorActivo(j)) {
        // The game is played by those here: a seat whose player left the
        // lobby is given up.
        for (int s = Servidor::kPrimero; s <= srv->asientos() + 1; ++s)
            if (!srv->conectada(s) && !srv->libre(s) && !srv->reservado(s)) {
                srv->soltarAsiento(s);
                soltarFila(j, *srv, s);
            }
        srv->admiteNuevos = false;
        srv->motivoSinAsiento = kSinAsiento;
    }
    e.numJugadores = clientesSentados(j) + 1;
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
    Anunciador* a = j.red ? j.red->anunciador() : nullptr;
    if (!a)
        return;
    const Estado& e = j.e;
    const Servidor* srv = servidorActivo(j);
    const int ausentes = e.enPartida && srv ? srv->ausentes() : 0;
    anuncio::Partida p = a->partida();
    if (admiteNuevos(j)) {
        p.ocupados = clientesSentados(j) + 1;
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
    if (j.red)
        j.red->arbitro.stop();
    if (j.e.esServidor)
        j.transicion([](Estado& e, Salida& o) { mesa::limiteDelTurno(e, o, e.turno); });
}
