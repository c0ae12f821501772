// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/mesa.h"

#include "game/busqueda.h"
#include "game/combinacion.h"
#include "game/marcador.h"
#include "game/mensajes.h"
#include "game/pozo.h"
#include "game/puertos.h"
#include "game/seleccion.h"
#include "game/tablero.h"

#include <array>
#include <cmath>
#include <cstdlib>
#include <utility>

namespace mesa {

namespace {

bool esServidorEnRed(const Estado& e) { return !e.juegoLocal && e.esServidor; }
// Where the table is decided: a local game, or the server of a network game.
bool reparte(const Estado& e) { return e.juegoLocal || e.esServidor; }

QString nombreDe(const Estado& e, int s)
{
    return marcador::esAsiento(s) ? e.datosJugadores[s].nombre : QString();
}

// Machine seats play where the table is decided: a local station, or the
// server of a network game, whose clients see them as any other seat.
bool esMaquina(const Estado& e, int s)
{
    return reparte(e) && s >= 1 && s <= std::min(e.numJugadores, kMaxJugadores) && e.maquina[s] == 1;
}

// Another seat's claim closes every report still owed: the attempt it
// belonged to is over for good.
void cerrarInformes(Estado& e)
{
    for (Intento& i : e.intento)
        if (i == Intento::Juzgado)
            i = Intento::Ninguno;
}

// Seat s holds the turn from now.
void tomarTurno(Estado& e, int s)
{
    marcador::resaltar(e, e.turno, false);
    e.turno = s;
    marcador::resaltar(e, s, true);
}

int digitoDeTag(const QString& tag, int i)
{
    return i < tag.size() && tag[i].isDigit() ? tag[i].digitValue() : 0;
}

void rechazar(Salida& o, const QString& texto)
{
    ++o.beeps;
    o.avisos << texto;
}

void quitar(Estado& e, int k)
{
    e.fichaCU[k].fondo = color::blanco;
    // A tile greyed by someone else (the placer, another station) was never
    // counted here.
    if (e.fichasElegidas > 0)
        --e.fichasElegidas;
    const int pos = e.combinacion.indexOf(e.Valor[k]);
    if (!e.Valor[k].isEmpty() && pos >= 0)
        e.combinacion.remove(pos, e.Valor[k].size());
    if (e.fichasElegidas == 1) {
        for (int m = 1; m <= kFichas; ++m) {
            if (e.fichaCU[m].fondo == color::gris) {
                e.ultimaFicha = e.fichaCU[m].tag;
                break;
            }
        }
    }
}

// Why tile k may not follow the tiles picked so far, or nothing when it may:
// it must touch the last one, and in "Lineal" the three lie on one line.
QString motivoContra(Estado& e, int k)
{
    if (e.fichasElegidas < 1)
        return {};
    const int fila = tablero::fila(k);
    const int columna = tablero::columna(k);
    if (!esContigua(e.ultimaFicha, fila, columna))
        return QStringLiteral("Esta ficha no es continua a la ficha anteriormente elegida");
    if (e.modoLineal) {
        const int paso = e.fichasElegidas;
        if (paso < static_cast<int>(e.direccion.size())) {
            e.direccion[paso] = tablero::codigoDireccion(digitoDeTag(e.ultimaFicha, 0) - fila,
                                                         digitoDeTag(e.ultimaFicha, 1) - columna);
        }
        if (paso == 2 && e.direccion[1] != e.direccion[2])
            return QStringLiteral("Esta ficha no es continua (Horizontal - Vertical - Diagonal)");
    }
    return {};
}

// Tile k joins the attempt; true with the third.
bool anotar(Estado& e, int k)
{
    ++e.fichasElegidas;
    e.fichaCU[k].fondo = color::gris;
    e.combinacion += e.Valor[k];
    e.ultimaFicha = e.fichaCU[k].tag;
    if (e.fichasElegidas < 3)
        return false;
    e.fichasElegidas = 0;
    return true;
}

void desmarcar(Estado& e, Salida& o, int k)
{
    o.enviar(mensajes::fichaOff(k));
    quitar(e, k);
}

void marcar(Estado& e, Salida& o, Azar& azar, int k)
{
    if (const QString motivo = motivoContra(e, k); !motivo.isEmpty())
        return rechazar(o, motivo);
    o.enviar(mensajes::fichaOn(k));
    if (!anotar(e, k))
        return;
    // A client whose server confirms claims does not score a claim that may
    // have lost the race: the pick waits, grey, for the server's word.
    if (!reparte(e) && e.servidorConfirma && !e.turnoConfirmado) {
        e.chequeoEnEspera = true;
        o.turnoPara = true;
        return;
    }
    verificar(e, o, azar);
}

// The line that tells how the target that ran out could have been made.
QString lineaSolucion(const Estado& e, const busqueda::Resultado& r)
{
    if (!r.encontrada)
        return QStringLiteral("Este tablero no ten\u00EDa soluci\u00F3n para ") + e.fichaRE;
    const int x = e.Valor[r.jugada[1]].toInt();
    const int y = e.Valor[r.jugada[2]].toInt();
    const int z = e.Valor[r.jugada[3]].toInt();
    // With z = 0 both signs would do; say "+" then.
    const QString signo = x * y + z == e.fichaRE.toInt() ? QStringLiteral("+") : QStringLiteral("-");
    return QStringLiteral("Una soluci\u00F3n era %1 \u00D7 %2 %3 %4 = %5")
        .arg(QString::number(x), QString::number(y), signo, QString::number(z), e.fichaRE);
}

// One pick for the target that ran out, in green with its order marked,
// found by the forward scan so that every station would find the same. A
// selected tile keeps its grey: turning it green would drop it from the
// attempt behind the back of whoever picked it.
void mostrarSolucion(Estado& e, Salida& o)
{
    const auto r = buscarEnTablero(e, true);
    if (r.encontrada) {
        for (int paso = 1; paso <= 3; ++paso) {
            FichaCU& f = e.fichaCU[r.jugada[paso]];
            f.marca = paso;
            if (f.fondo != color::gris)
                f.fondo = color::verde;
        }
    }
    const QString linea = lineaSolucion(e, r);
    if (e.juegoLocal)
        o.chat << linea;
    else if (e.esServidor)
        o.enviar(mensajes::chat(linea), true);
}

}  // namespace

int ganadorPorFichas(const Estado& e)
{
    int mejor = 1;
    for (int s = 2; s <= std::min(e.numJugadores, kMaxJugadores); ++s) {
        if (e.Jugadores[s].visible && e.datosJugadores[s].fichas > e.datosJugadores[mejor].fichas)
            mejor = s;
    }
    return mejor;
}

QString textoReloj(int minutos, int segundos)
{
    return QStringLiteral("%1 : %2").arg(minutos).arg(segundos, 2, 10, QLatin1Char('0'));
}

namespace {

int sorteo(Azar& azar, int n)
{
    return static_cast<int>(std::floor(azar.rnd() * n)) + 1;
}

// Border colours, chosen by a draw of 1..5.
constexpr std::array<std::uint32_t, 6> kBordes{0, 0xC0, 0xFF0000, 0xC000, 0x80FF, 0xC0C0};

std::uint32_t bordeAlAzar(Azar& azar)
{
    azar.resembrar();
    return kBordes[sorteo(azar, 5)];
}

}  // namespace

void mesaNueva(Estado& e)
{
    marcador::resaltar(e, e.turno, false);
    e.turno = 0;
    marcador::soltarSeleccion(e);
    marcador::tableroEnBlanco(e);
    marcador::relojACero(e);
    e.intento.fill(Intento::Ninguno);
    e.pasoColocador = 0;
    e.chequeoEnEspera = e.turnoConfirmado = false;
    e.finDeRondaPendiente = e.preparando = false;
    e.fichasRedondas = pozo::completo();
    e.ganador = 0;
}

// ---------------------------------------------------------------- claims

void reclamarConTecla(Estado& e, Salida& o, int s)
{
    // In a network game "Turno" claims, so that every station hears of it;
    // machine seats claim on their own timer.
    if (!e.juegoLocal || e.numJugadores <= 0 || s < 1 || s > e.numJugadores || e.turno != 0 || e.maquina[s] == 1) {
        ++o.beeps;
        return;
    }
    o.click = true;
    tomarTurno(e, s);
    o.turnoArranca = true;
}

void reclamarPropio(Estado& e, Salida& o)
{
    if (e.turno != 0 || !marcador::esAsiento(e.miJugador) || e.finalizando) {
        ++o.beeps;
        return;
    }
    o.enviar(mensajes::turnoOn(e.miJugador));
    tomarTurno(e, e.miJugador);
    e.turnoConfirmado = e.esServidor;
    e.Command1.habilitado = false;
    o.turnoArranca = true;
}

void reclamarMaquina(Estado& e, Salida& o, int s, const std::array<int, 4>& jugada)
{
    // On a network table the server takes the machine's claim as a client's:
    // whichever claim it handles first has the turn, and everybody hears.
    if (esServidorEnRed(e)) {
        if (e.turno != 0)
            return;
        cerrarInformes(e);
        o.enviar(mensajes::turnoOn(s));
    }
    tomarTurno(e, s);
    e.jugadaMaquina = jugada;
    e.combinacion.clear();
    e.pasoColocador = 0;
    o.colocadorArranca = true;
    // A person's turn timer may still run ("Repartir" leaves it be); its
    // tick belongs to that turn, not to this one.
    o.turnoPara = true;
}

bool concederTurno(Estado& e, Salida& o, int s)
{
    if (e.turno != 0 || !marcador::esAsiento(s))
        return false;
    tomarTurno(e, s);
    cerrarInformes(e);
    e.intento[s] = Intento::Abierto;
    o.arbitroArranca = true;
    return true;
}

void turnoSegunServidor(Estado& e, Salida& o, Azar& azar, int s)
{
    if (s == e.miJugador) {
        // Our own claim, confirmed: a pick that waited for this is judged
        // now. A claim that has meanwhile run out here is not taken up again.
        if (e.turno == s) {
            e.turnoConfirmado = true;
            if (e.chequeoEnEspera)
                verificar(e, o, azar);
        }
        return;
    }
    // Our own claim lost the race at the server.
    if (e.turno == e.miJugador)
        terminarTurno(e, o, e.miJugador, false);
    tomarTurno(e, s);
}

// ------------------------------------------------------------ end of turn

void terminarTurno(Estado& e, Salida& o, int s, bool avisar)
{
    if (s == 0 || e.turno != s)
        return;
    marcador::resaltar(e, s, false);
    e.turno = 0;
    marcador::tableroEnBlanco(e);
    marcador::soltarSeleccion(e);
    if (e.juegoLocal || s == e.miJugador) {
        o.turnoPara = true;
        e.chequeoEnEspera = false;
        e.turnoConfirmado = false;
        if (!e.juegoLocal)
            e.Command1.habilitado = true;
    }
    if (avisar)
        o.enviar(mensajes::turnoOff(s));
}

void terminarTurnoEnServidor(Estado& e, Salida& o, int s, bool anular)
{
    if (!marcador::esAsiento(s))
        return;
    if (anular)
        e.intento[s] = Intento::Ninguno;
    terminarTurno(e, o, s, true);
}

void turnoTerminado(Estado& e, Salida& o, int s)
{
    marcador::resaltar(e, s, false);
    if (e.turno == s)
        terminarTurno(e, o, s, false);
    else if (e.turno == 0)
        marcador::tableroEnBlanco(e);
    // Otherwise the end of an earlier turn crossed a later claim on the
    // way: that claim stands until the server says otherwise.
}

// ------------------------------------------------------------------ picks

void pulsarFicha(Estado& e, Salida& o, Azar& azar, int k)
{
    if (k < 1 || k > kFichas)
        return;
    if (e.numJugadores <= 0 && e.juegoLocal)
        return;
    if (e.turno == 0) {
        o.avisos << QStringLiteral("No se ha seleccionado ningun jugador");
        return;
    }
    // Another station's turn, or a finished pick waiting for the server's
    // word, cannot change here.
    if ((!e.juegoLocal && e.turno != e.miJugador) || e.chequeoEnEspera) {
        ++o.beeps;
        return;
    }
    // A machine seat's tiles are laid by the placer, not by the mouse.
    if (e.maquina[e.turno] == 1 && e.juegoLocal)
        return;
    if (e.fichaCU[k].fondo == color::gris)
        desmarcar(e, o, k);
    else
        marcar(e, o, azar, k);
}

void fichaRemota(Estado& e, int k, bool marcada)
{
    if (k >= 1 && k <= kFichas)
        e.fichaCU[k].fondo = marcada ? color::gris : color::blanco;
}

void colocarFicha(Estado& e, Salida& o, Azar& azar)
{
    // The machine's turn may have ended under the placer's feet (a new deal,
    // a round that ran out, a new game): its pick is dropped and the
    // machines look at the board afresh.
    if (!esMaquina(e, e.turno)) {
        for (int paso = 1; paso <= std::min(e.pasoColocador, 3); ++paso)
            fichaRemota(e, e.jugadaMaquina[paso], false);
        e.pasoColocador = 0;
        o.colocadorPara = true;
        o.maquinasDeNuevo = true;
        return;
    }
    ++e.pasoColocador;
    fichaRemota(e, e.jugadaMaquina[e.pasoColocador], true);
    if (esServidorEnRed(e))
        o.enviar(mensajes::fichaOn(e.jugadaMaquina[e.pasoColocador]));
    if (e.pasoColocador < 3)
        return;
    e.combinacion = e.Valor[e.jugadaMaquina[1]] + e.Valor[e.jugadaMaquina[2]] + e.Valor[e.jugadaMaquina[3]];
    e.pasoColocador = 0;
    o.colocadorPara = true;
    verificar(e, o, azar);
}

// --------------------------------------------------------------- outcomes

void verificar(Estado& e, Salida& o, Azar& azar)
{
    const int s = e.turno;
    // At a network table a station tells only its own player: the server's
    // machine seats score there as any other seat, without holding the
    // server's player (and the round clock) under a notice.
    const bool avisa = e.juegoLocal || s == e.miJugador;
    e.chequeoEnEspera = false;
    o.turnoPara = true;
    if (combinacionCorrecta(e.combinacion, e.fichaRE.toInt())) {
        if (avisa)
            o.avisos << nombreDe(e, s) + QStringLiteral(", Te has ganado esta ficha");
        marcador::sumarFichas(e, s, 1);
        if (e.fichasRedondas.isEmpty())
            finDePartida(e, o, azar, s, true);
        sacarObjetivo(e, o, azar);
        o.maquinasDeNuevo = true;
    } else {
        if (avisa)
            rechazar(o, nombreDe(e, s) + QStringLiteral(" La combinacion elegida no es correcta, perdera un punto"));
        marcador::sumarFichas(e, s, -1);
    }
    // In a network game the own seat and the server's machine seats pick
    // here: this station ends the turn and reports the outcome.
    terminarTurno(e, o, s, !e.juegoLocal);
    if (!e.juegoLocal && (s == e.miJugador || esMaquina(e, s)))
        o.enviar(mensajes::puntaje(s, e.datosJugadores[s].fichas));
    marcador::relojACero(e);
}

void vencerTurno(Estado& e, Salida& o)
{
    o.turnoPara = true;
    const int s = e.turno;
    // A machine's turn ends with its placed pick, never by the clock, and a
    // finished pick waiting for the server's word is past its time. In a
    // network game only this station's own turn can run out here.
    if (s == 0 || e.chequeoEnEspera || esMaquina(e, s) || (!e.juegoLocal && s != e.miJugador))
        return;
    ++o.beeps;
    o.avisos << nombreDe(e, s) + QStringLiteral(" se le a vencido el tiempo de su turno perdera una ficha");
    marcador::sumarFichas(e, s, -1);
    if (!e.juegoLocal)
        o.enviar(mensajes::puntaje(s, e.datosJugadores[s].fichas));
    terminarTurno(e, o, s, !e.juegoLocal);
}

// ---------------------------------------------- clock, targets and matches

void tic(Estado& e, Salida& o)
{
    if (e.segundos == 0) {
        ++e.minutosPasados;
        e.minutos = 3 - e.minutosPasados;
        e.segundos = 60;
    }
    --e.segundos;
    e.relog.texto = textoReloj(e.minutos, e.segundos);
    if (e.minutos == 0 && e.segundos == 0) {
        // The round ran out: everybody sees how it could have been made
        // while its notice is open; the rest follows once it has closed.
        if (esServidorEnRed(e))
            o.enviar(mensajes::chat(mensajes::lineaFinDeTiempo(e.fichaRE)), true);
        mostrarSolucion(e, o);
        rechazar(o, QStringLiteral("Ha finalizado el tiempo"));
        e.finDeRondaPendiente = true;
    }
    if (esServidorEnRed(e))
        o.enviar(mensajes::relog(e.relog.texto));
}

void cerrarRonda(Estado& e, Salida& o, Azar& azar)
{
    e.finDeRondaPendiente = false;
    if (e.fichasRedondas.isEmpty()) {
        const int g = ganadorPorFichas(e);
        e.ganador = g;
        finDePartida(e, o, azar, g, false);
    }
    sacarObjetivo(e, o, azar);
    // Whoever was picking loses the turn and the picks, but no tile; the
    // server tells everybody, so no client goes on with a turn it lost.
    if (esServidorEnRed(e))
        terminarTurnoEnServidor(e, o, e.turno);
    else
        terminarTurno(e, o, e.turno, false);
    // The pick shown belongs to the target that ran out, not to the next one.
    marcador::soltarSeleccion(e);
    marcador::tableroEnBlanco(e);
    marcador::relojACero(e);
}

void sacarObjetivo(Estado& e, Salida& o, Azar& azar)
{
    if (!reparte(e)) {
        o.enviar(mensajes::pedirObjetivo());
        return;
    }
    if (e.fichasRedondas.isEmpty())
        e.fichasRedondas = pozo::completo();
    azar.resembrar();
    const QString nn = pozo::elegir(e.fichasRedondas, azar.rnd());
    e.fichaRE = QString::number(nn.toInt());
    e.fichasRedondas = pozo::quitar(e.fichasRedondas, nn);
    o.enviar(mensajes::objetivo(e.fichaRE, e.fichasRedondas));
}

void repartir(Estado& e, Salida& o, Azar& azar)
{
    std::array<int, 10> cuenta{};
    for (int k = 1; k <= kFichas; ++k) {
        e.fichaCU[k].borde = bordeAlAzar(azar);
        // A draw is counted even when refused, so a full value stays refused
        // for the rest of the deal; the limits add up to exactly 49. A
        // generator stuck on a full value must not hang the deal: after many
        // refusals the lowest value with room is taken.
        const auto lleno = [&](int n) { return (n < 5 && cuenta[n] > 6) || (n > 4 && cuenta[n] > 5); };
        int v = 0;
        for (int intento = 0; intento < 1000; ++intento) {
            v = sorteo(azar, 9);
            ++cuenta[v];
            if (!lleno(v))
                break;
        }
        for (int n = 1; lleno(v) && n <= 9; ++n)
            if (cuenta[n] < (n < 5 ? 6 : 5))
                ++cuenta[v = n];
        e.Valor[k] = QString::number(v);
        o.enviar(mensajes::fichaValor(k, e.Valor[k]));
    }
}

void fichaDelServidor(Estado& e, Azar& azar, int k, const QString& valor)
{
    if (k == 1) {
        for (int i = 1; i <= kFichas; ++i)
            e.fichaCU[i].borde = bordeAlAzar(azar);
    }
    e.Valor[k] = valor;
    if (k == kFichas) {
        e.enPartida = true;
        e.Command1.habilitado = true;
        e.barra = QStringLiteral("Presione el boton turno para elegir la combinacion");
    }
}

void finDePartida(Estado& e, Salida& o, Azar& azar, int g, bool porObjetivo, int partidas)
{
    if (!marcador::esAsiento(g))
        return;
    if (e.juegoLocal && porObjetivo)
        o.avisos << nombreDe(e, g) + QStringLiteral(", has ganado esta partida");
    else if (reparte(e) || partidas >= 0)
        o.avisos << QStringLiteral("El ganador de esta partida es ") + nombreDe(e, g);
    if (partidas >= 0) {
        e.partidasGanadas[g] = partidas;
        e.Partidas[g].texto = QString::number(partidas);
    } else {
        marcador::sumarPartida(e, g);
    }
    marcador::fichasACero(e);
    // Every station knows the pool is full again; the server's next target
    // says which of it is left.
    e.fichasRedondas = pozo::completo();
    if (partidas >= 0)
        return;  // the server's word, applied on a client
    // A client reports its own match; the server tells everybody, and a
    // local game or the server deals the next board.
    if (!e.juegoLocal)
        o.enviar(mensajes::partidas(g, e.partidasGanadas[g]));
    if (reparte(e))
        repartir(e, o, azar);
}

void repartirDeNuevo(Estado& e, Salida& o, Azar& azar)
{
    // On a network table the turn is given back before anything else, so no
    // station goes on picking on the old board, and every station hears of
    // the counts going back to zero.
    if (esServidorEnRed(e)) {
        terminarTurnoEnServidor(e, o, e.turno);
        marcador::fichasACero(e);
        for (int s = 1; s <= e.numJugadores; ++s)
            o.enviar(mensajes::puntaje(s, 0));
    } else {
        terminarTurno(e, o, e.turno, false);
        marcador::fichasACero(e);
    }
    marcador::relojACero(e);
    // A pick shown for the old board would point at the wrong digits.
    marcador::quitarSolucion(e);
    e.finDeRondaPendiente = false;
    e.fichasRedondas = pozo::completo();
    sacarObjetivo(e, o, azar);
    e.ganador = 0;
    o.maquinasDeNuevo = true;
    repartir(e, o, azar);
}

void cambiarModo(Estado& e, Salida& o, bool lineal)
{
    e.modoLineal = lineal;
    e.mn_mod[1].marcado = !lineal;
    e.mn_mod[2].marcado = lineal;
    if (esServidorEnRed(e))
        o.enviar(mensajes::modo(lineal));
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

void finalizar(Estado& e, Salida& o)
{
    terminarTurnoEnServidor(e, o, e.turno);
    e.finalizando = true;
    e.enPartida = false;
    e.Command1.habilitado = false;
    e.finDeRondaPendiente = false;
    e.ganador = ganadorGeneral(e);
    for (int s = 1; s <= kMaxJugadores; ++s)
        if (e.Jugadores[s].visible)
            o.enviar(mensajes::puntaje(s, e.datosJugadores[s].fichas));
    o.enviar(mensajes::kFinalizarpartidas);
}

void avisoCerrado(Estado& e, Salida& o, Azar& azar)
{
    e.avisoAbierto = false;
    if (e.finDeRondaPendiente)
        cerrarRonda(e, o, azar);
}

void objetivoDelServidor(Estado& e, const QString& fichaRE, const QString& pool)
{
    e.fichaRE = fichaRE;
    e.fichasRedondas = pool;
}

// ------------------------------------------- the server as the referee

bool fichaDeCliente(Estado& e, Salida& o, Azar& azar, int s, int k, bool marcada)
{
    if (e.turno != s || e.intento[s] != Intento::Abierto || k < 1 || k > kFichas)
        return false;
    const bool gris = e.fichaCU[k].fondo == color::gris;
    if (!marcada) {
        if (!gris || e.fichasElegidas == 0)
            return false;
        quitar(e, k);
        o.enviar(mensajes::fichaOff(k), false, s);
        return true;
    }
    if (gris || !motivoContra(e, k).isEmpty())
        return false;
    o.enviar(mensajes::fichaOn(k), false, s);
    if (!anotar(e, k))
        return true;
    // The third tile: the server judges the attempt itself, and everybody,
    // the seat's own station included, hears the outcome from it.
    const int antes = e.datosJugadores[s].fichas;
    if (combinacionCorrecta(e.combinacion, e.fichaRE.toInt())) {
        marcador::sumarFichas(e, s, 1);
        if (e.fichasRedondas.isEmpty())
            finDePartida(e, o, azar, s, true);
        sacarObjetivo(e, o, azar);
    } else {
        marcador::sumarFichas(e, s, -1);
    }
    if (e.datosJugadores[s].fichas != antes)
        o.enviar(mensajes::puntaje(s, e.datosJugadores[s].fichas));
    e.combinacion.clear();
    marcador::relojACero(e);
    e.intento[s] = Intento::Juzgado;
    o.arbitroSeAlarga = true;
    return true;
}

namespace {

// A turn that ran out costs its seat one tile, once; the server applies it
// and tells everybody but `salvo`, who already counted it.
void perderPorTiempo(Estado& e, Salida& o, int s, int salvo)
{
    marcador::sumarFichas(e, s, -1);
    o.enviar(mensajes::puntaje(s, e.datosJugadores[s].fichas), false, salvo);
    e.intento[s] = Intento::Ninguno;
}

}  // namespace

bool resultadoDeCliente(Estado& e, Salida& o, int s, int fichas)
{
    const Intento i = std::exchange(e.intento[s], Intento::Ninguno);
    if (i == Intento::Juzgado)
        return fichas == e.datosJugadores[s].fichas;
    // With its attempt still open, a seat may only say its time ran out.
    if (i == Intento::Abierto && e.turno == s && fichas == e.datosJugadores[s].fichas - 1) {
        perderPorTiempo(e, o, s, s);
        return true;
    }
    e.intento[s] = i;
    return false;
}

void turnoDejado(Estado& e, Salida& o, int s)
{
    if (e.turno != s)
        return;
    // Given up before its third tile and without its time running out
    // first: it costs what running out costs.
    if (e.intento[s] == Intento::Abierto)
        perderPorTiempo(e, o, s, 0);
    terminarTurno(e, o, s, false);
}

void limiteDelTurno(Estado& e, Salida& o, int s)
{
    // A machine's turn ends with its placed pick.
    if (e.turno != s || s == e.miJugador || esMaquina(e, s))
        return;
    if (e.intento[s] == Intento::Abierto)
        perderPorTiempo(e, o, s, 0);
    terminarTurnoEnServidor(e, o, s, true);
}

bool correReloj(const Estado& e)
{
    return e.enPartida && !e.mesaEnEspera && reparte(e) && !e.avisoAbierto && !e.mn_pausar.marcado && !e.preparando;
}

bool buscanMaquinas(const Estado& e)
{
    if (!e.enPartida || e.mesaEnEspera || e.turno != 0 || e.avisoAbierto || e.mn_pausar.marcado || e.preparando)
        return false;
    for (int s = 1; s <= kMaxJugadores; ++s)
        if (esMaquina(e, s))
            return true;
    return false;
}

}  // namespace mesa
