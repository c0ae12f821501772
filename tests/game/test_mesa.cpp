// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

// The table's transitions on a plain Estado, one table of rows per family: a starting table, one transition,
// what changed and what follows (notices, sounds, messages, timers). Then the sum, the pool, the deal.

#include "dobles.h"
#include "game/combinacion.h"
#include "game/marcador.h"
#include "game/mesa.h"
#include "partida.h"
#include "prueba.h"

#include <set>

namespace {

// A row's starting table and its transition, written as their bodies.
#define PREP(...) [=](Estado& e, AzarGuion& a) { (void)e, (void)a; __VA_ARGS__; }
#define PASO(...) [=](Estado& e, Salida& o, Azar& a) { (void)e, (void)o, (void)a; __VA_ARGS__; }
bool acepta = true;  // what a judging transition answered; a refusal shows as "NO"

// Ana, Beto and Carla in play on kTablero, target 19, the clock at 2:30, a local station.
Estado mesaDePrueba()
{
    Estado e;
    mesa::mesaNueva(e);
    for (int s = 1; s <= 3; ++s)
        e.datosJugadores[s].nombre = QStringList{"Ana", "Beto", "Carla"}[s - 1], e.Jugadores[s].visible = true;
    for (int k = 1; k <= kFichas; ++k)
        e.Valor[k] = QString(QLatin1Char(kTablero[k - 1]));
    e.numJugadores = 3, e.fichaRE = QStringLiteral("19"), e.fichasRedondas = pozo::quitar(pozo::completo(), QStringLiteral("19"));
    e.enPartida = e.Command1.habilitado = true;
    e.minutosPasados = 1, e.minutos = 2, e.segundos = 30;
    return e;
}
// This station becomes the server (seat 1) or a client (seat 2).
void enRed(Estado& e, bool servidor) { e.juegoLocal = false, e.esServidor = servidor, e.miJugador = servidor ? 1 : 2; }
// Seat s claims and picks tiles ks as its own station would.
void tiene(Estado& e, int s, std::initializer_list<int> ks = {})
{
    Salida o;
    AzarGuion a;
    const int yo = std::exchange(e.miJugador, e.juegoLocal ? e.miJugador : s);
    e.juegoLocal ? mesa::reclamarConTecla(e, o, s) : mesa::reclamarPropio(e, o);
    for (int k : ks)
        mesa::pulsarFicha(e, o, a, k);
    e.miJugador = yo;
}
// On this server, client seat 2 holds the turn it was granted, with tiles ks picked.
void cliente2(Estado& e, std::initializer_list<int> ks = {}, bool lineal = false)
{
    Salida o;
    AzarGuion a;
    enRed(e, true);
    e.modoLineal = lineal;
    mesa::concederTurno(e, o, 2);
    for (int k : ks)
        mesa::fichaDeCliente(e, o, a, 2, k, true);
}
// The full pool without a and b (b none when empty).
QString pozoSin(const char* a, const char* b = "19") { return pozo::quitar(*b ? pozo::quitar(pozo::completo(), b) : pozo::completo(), a); }

// The facts a row may change, by name.
std::vector<std::pair<const char*, QString>> hechos(const Estado& e)
{
    QString opacas, grises, verdes, fichas, partidas, intentos, tablero;
    for (int s = 1; s <= kMaxJugadores; ++s)
        opacas += e.Jugadores[s].opaca ? QString::number(s) : "", fichas += e.Fichas[s].texto + u',',
            partidas += e.Partidas[s].texto, intentos += "NAJ"[int(e.intento[s])];
    for (int k = 1; k <= kFichas; ++k) {
        const auto& f = e.fichaCU[k];
        const QString m = f.marca ? QStringLiteral("#%1").arg(f.marca) : QString();
        if (f.fondo == color::gris)
            grises += QStringLiteral("%1%2,").arg(k).arg(m);
        else if (f.fondo == color::verde || f.marca)
            verdes += QStringLiteral("%1%2%3,").arg(k).arg(f.fondo == color::verde ? "" : "b", m);
        tablero += e.Valor[k];
    }
    const auto b = [](bool x) { return QString::number(x); };
    return {{"turno", QString::number(e.turno)}, {"opacas", opacas}, {"elegidas", QString::number(e.fichasElegidas)},
            {"comb", e.combinacion}, {"ultima", e.ultimaFicha}, {"grises", grises}, {"verdes", verdes}, {"fichas", fichas},
            {"partidas", partidas}, {"objetivo", e.fichaRE}, {"pozo", QString::number(pozo::cantidad(e.fichasRedondas))},
            {"reloj", QStringLiteral("%1:%2:%3").arg(e.minutosPasados).arg(e.minutos).arg(e.segundos)}, {"relog", e.relog.texto},
            {"intentos", intentos}, {"espera", b(e.chequeoEnEspera)}, {"confirmado", b(e.turnoConfirmado)},
            {"finRonda", b(e.finDeRondaPendiente)}, {"Turno", b(e.Command1.habilitado)},
            {"lineal", b(e.modoLineal) + b(e.mn_mod[1].marcado) + b(e.mn_mod[2].marcado)}, {"ganador", QString::number(e.ganador)},
            {"finalizando", b(e.finalizando)}, {"enPartida", b(e.enPartida)}, {"aviso", b(e.avisoAbierto)},
            {"colocador", QString::number(e.pasoColocador)}, {"tablero", tablero == QLatin1String(kTablero) ? "" : "otro"}};
}

// What follows, in order; notices shortened by a legend of whole endings, so a changed text still shows.
QString que(const Salida& o)
{
    static const std::pair<const char*, const char*> leyenda[] = {{", Te has ganado esta ficha", " +1"},
        {" La combinacion elegida no es correcta, perdera un punto", " -1"}, {" se le a vencido el tiempo de su turno perdera una ficha", " tiempo"}};
    QStringList l;
    for (QString t : o.avisos) {
        for (auto [largo, corto] : leyenda)
            if (t.endsWith(QLatin1String(largo)))
                t = t.chopped(int(strlen(largo))) + QLatin1String(corto);
        l << u'!' + t;
    }
    for (int i = 0; i < o.beeps; ++i)
        l << "beep";
    if (o.click)
        l << "click";
    for (const QString& c : o.chat)
        l << "chat " + c;
    qsizetype valores = 0, reparto = 0;  // a deal shows as its first tile and how many it sent
    for (const auto& m : o.envios)
        if (const bool valor = m.texto.startsWith(QLatin1String("[fichaValor]")); !valor || !valores++)
            reparto = valor ? l.size() : reparto, l << m.texto + (m.vbSelf ? "*" : "") + (m.salvo ? QStringLiteral("-%1").arg(m.salvo) : QString());
    if (valores > 1)
        l.insert(reparto + 1, QStringLiteral("x%1").arg(valores));
    const std::pair<bool, const char*> flags[] = {{o.turnoArranca, "T2+"}, {o.turnoPara, "T2-"}, {o.colocadorArranca, "col+"},
        {o.colocadorPara, "col-"}, {o.maquinasDeNuevo, "maq"}, {o.arbitroArranca, "arb+"}, {o.arbitroSeAlarga, "arb>"}, {!acepta, "NO"}};
    for (auto [si, nombre] : flags)
        if (si)
            l << QLatin1String(nombre);
    return l.join(u';');
}

struct Caso {
    const char* caso;
    std::function<void(Estado&, AzarGuion&)> prep;
    std::function<void(Estado&, Salida&, Azar&)> paso;
    QString cambia, sale;
};

void jugarTabla(const std::vector<Caso>& casos)
{
    for (const auto& c : casos) {
        Estado e = mesaDePrueba();
        AzarGuion a;
        c.prep(e, a);
        const auto antes = hechos(e);
        Salida o;
        acepta = true;
        c.paso(e, o, a);
        QStringList cambios;
        const auto despues = hechos(e);
        for (std::size_t i = 0; i < antes.size(); ++i)
            if (antes[i].second != despues[i].second)
                cambios << QLatin1String(despues[i].first) + u'=' + despues[i].second;
        QCOMPARE(QString(c.caso) + " | " + cambios.join(u' ') + " | " + que(o), QString(c.caso) + " | " + c.cambia + " | " + c.sale);
    }
}

const char* const kNoContinua = "!Esta ficha no es continua a la ficha anteriormente elegida;beep";
const char* const kNoLineal = "!Esta ficha no es continua (Horizontal - Vertical - Diagonal);beep";
const char* const kSuelta = "turno=0 opacas= elegidas=0 comb= ultima= grises=";  // the turn ended with its picks

}  // namespace

class TestMesa : public QObject {
    Q_OBJECT
private slots:
    // Who may claim, and how each kind of seat's claim starts its turn or loses the race.
    void reclamar()
    {
        jugarTabla({
            {"tecla 2", PREP(), PASO(mesa::reclamarConTecla(e, o, 2)), "turno=2 opacas=2", "click;T2+"},
            {"tecla sin asiento", PREP(), PASO(mesa::reclamarConTecla(e, o, 4)), "", "beep"},
            {"tecla de una maquina", PREP(e.maquina[3] = 1), PASO(mesa::reclamarConTecla(e, o, 3)), "", "beep"},
            {"tecla con el turno tomado", PREP(tiene(e, 1)), PASO(mesa::reclamarConTecla(e, o, 2)), "", "beep"},
            {"tecla en red", PREP(enRed(e, true)), PASO(mesa::reclamarConTecla(e, o, 1)), "", "beep"},
            {"Turno de un cliente", PREP(enRed(e, false)), PASO(mesa::reclamarPropio(e, o)), "turno=2 opacas=2 Turno=0", "[TurnoON]2;T2+"},
            {"Turno del servidor", PREP(enRed(e, true)), PASO(mesa::reclamarPropio(e, o)), "turno=1 opacas=1 confirmado=1 Turno=0", "[TurnoON]1;T2+"},
            {"Turno tomado", PREP(enRed(e, false), tiene(e, 3)), PASO(mesa::reclamarPropio(e, o)), "", "beep"},
            {"Turno al finalizar", PREP(enRed(e, false), e.finalizando = true), PASO(mesa::reclamarPropio(e, o)), "", "beep"},
            {"maquina", PREP(), PASO(mesa::reclamarMaquina(e, o, 3, {0, 1, 2, 3})), "turno=3 opacas=3", "T2-;col+"},
            {"maquina del servidor", PREP(enRed(e, true), e.maquina[3] = 1, e.intento[2] = Intento::Juzgado),
             PASO(mesa::reclamarMaquina(e, o, 3, {0, 1, 2, 3})), "turno=3 opacas=3 intentos=NNNNNN", "[TurnoON]3;T2-;col+"},
            {"maquina del servidor tarde", PREP(enRed(e, true), e.maquina[3] = 1, cliente2(e)), PASO(mesa::reclamarMaquina(e, o, 3, {0, 1, 2, 3})), "", ""},
            {"el servidor concede", PREP(enRed(e, true), e.intento[3] = Intento::Juzgado), PASO(acepta = mesa::concederTurno(e, o, 2)),
             "turno=2 opacas=2 intentos=NANNNN", "arb+"},
            {"el servidor no concede", PREP(enRed(e, true), tiene(e, 3)), PASO(acepta = mesa::concederTurno(e, o, 2)), "", "NO"},
            {"un cliente pierde la carrera", PREP(enRed(e, false), tiene(e, 2, {1})), PASO(mesa::turnoSegunServidor(e, o, a, 3)),
             "turno=3 opacas=3 elegidas=0 comb= ultima= grises= Turno=1", "T2-"},
            {"confirmado con la eleccion en espera", PREP(enRed(e, false), e.servidorConfirma = true, tiene(e, 2, {1, 2, 3})),
             PASO(mesa::turnoSegunServidor(e, o, a, 2)), "turno=0 opacas= comb= ultima= grises= fichas=0,1,0,0,0,0, reloj=0:0:0 espera=0 Turno=1",
             "!Beto +1;[ficharedonda];[TurnoOFF]2;[Puntaje]2,1;T2-;maq"},
            {"confirmado tras vencer", PREP(enRed(e, false)), PASO(mesa::turnoSegunServidor(e, o, a, 2)), "", ""},
        });
    }

    // Picking and taking back in both modes; the third tile is judged at once.
    void elegir()
    {
        const QString mal = QString(kSuelta) + " fichas=-1,0,0,0,0,0, reloj=0:0:0";
        jugarTabla({
            {"sin turno", PREP(), PASO(mesa::pulsarFicha(e, o, a, 1)), "", "!No se ha seleccionado ningun jugador"},
            {"la primera", PREP(tiene(e, 1)), PASO(mesa::pulsarFicha(e, o, a, 1)), "elegidas=1 comb=3 ultima=11 grises=1,", "[fichaON]1"},
            {"salta una", PREP(tiene(e, 1, {1})), PASO(mesa::pulsarFicha(e, o, a, 3)), "", kNoContinua},
            {"desmarcar", PREP(tiene(e, 1, {1})), PASO(mesa::pulsarFicha(e, o, a, 1)), "elegidas=0 comb= grises=", "[fichaOFF]1"},
            // (2,5) and (1,4) both hold a 1: the next tile must touch the one left
            {"desmarcar la ultima", PREP(tiene(e, 1, {12, 4})), PASO(mesa::pulsarFicha(e, o, a, 4)), "elegidas=1 comb=1 ultima=25 grises=12,", "[fichaOFF]4"},
            {"Continuo doblada", PREP(tiene(e, 1, {1, 9})), PASO(mesa::pulsarFicha(e, o, a, 3)), mal, "!Ana -1;beep;[fichaON]3;T2-"},
            {"la buena", PREP(tiene(e, 1, {1, 2})), PASO(mesa::pulsarFicha(e, o, a, 3)),
             QString(kSuelta) + " fichas=1,0,0,0,0,0, objetivo=1 pozo=48 reloj=0:0:0", "!Ana +1;[fichaON]3;[ficharedonda]1," + pozoSin("01") + ";T2-;maq"},
            {"la ultima de la partida", PREP(e.fichasRedondas.clear(), tiene(e, 1, {1, 2}), guionReparto(a), guionObjetivo(a, pozo::completo(), 8)),
             PASO(mesa::pulsarFicha(e, o, a, 3)), QString(kSuelta) + " partidas=100000 objetivo=8 pozo=49 reloj=0:0:0",
             "!Ana +1;!Ana, has ganado esta partida;[fichaON]3;[fichaValor]1,3;x49;[ficharedonda]8," + pozoSin("08", "") + ";T2-;maq"},
            {"la ultima en el servidor", PREP(enRed(e, true), e.fichasRedondas.clear(), tiene(e, 1, {1, 2}), guionReparto(a), guionObjetivo(a, pozo::completo(), 8)),
             PASO(mesa::pulsarFicha(e, o, a, 3)), QString(kSuelta) + " partidas=100000 objetivo=8 pozo=49 reloj=0:0:0 confirmado=0 Turno=1",
             "!Ana +1;!El ganador de esta partida es Ana;[fichaON]3;[Partidas]1,1;[fichaValor]1,3;x49;[ficharedonda]8," + pozoSin("08", "") +
                 ";[TurnoOFF]1;[Puntaje]1,0;T2-;maq"},
            {"Lineal salta", PREP(e.modoLineal = true, tiene(e, 1, {1})), PASO(mesa::pulsarFicha(e, o, a, 3)), "", kNoContinua},
            {"Lineal doblada", PREP(e.modoLineal = true, tiene(e, 1, {1, 9})), PASO(mesa::pulsarFicha(e, o, a, 10)), "", kNoLineal},
            {"Lineal esquina", PREP(e.modoLineal = true, tiene(e, 1, {1, 2})), PASO(mesa::pulsarFicha(e, o, a, 9)), "", kNoLineal},
            {"Lineal diagonal", PREP(e.modoLineal = true, tiene(e, 1, {1, 9})), PASO(mesa::pulsarFicha(e, o, a, 17)), mal, "!Ana -1;beep;[fichaON]17;T2-"},
            {"Lineal hacia arriba", PREP(e.modoLineal = true, tiene(e, 1, {21, 14})), PASO(mesa::pulsarFicha(e, o, a, 7)), mal, "!Ana -1;beep;[fichaON]7;T2-"},
            {"el raton en turno de maquina", PREP(e.maquina[3] = 1, e.turno = 3), PASO(mesa::pulsarFicha(e, o, a, 1)), "", ""},
            {"cliente en turno ajeno", PREP(enRed(e, false), tiene(e, 3)), PASO(mesa::pulsarFicha(e, o, a, 1)), "", "beep"},
            {"cliente esperando al servidor", PREP(enRed(e, false), e.servidorConfirma = true, tiene(e, 2, {1, 2})),
             PASO(mesa::pulsarFicha(e, o, a, 3)), "elegidas=0 comb=347 ultima=13 grises=1,2,3, espera=1", "[fichaON]3;T2-"},
            {"cliente confirmado, mal", PREP(enRed(e, false), tiene(e, 2, {1, 9})), PASO(mesa::pulsarFicha(e, o, a, 3)),
             QString(kSuelta) + " fichas=0,-1,0,0,0,0, reloj=0:0:0 Turno=1", "!Beto -1;beep;[fichaON]3;[TurnoOFF]2;[Puntaje]2,-1;T2-"},
        });
    }

    // The turn's six seconds, and the placer laying a machine's pick (on a server, without a notice).
    void vencerYColocar()
    {
        const auto maquina = [](Estado& e, int paso) {
            Salida o;
            e.maquina[3] = 1;
            mesa::reclamarMaquina(e, o, 3, {0, 1, 2, 3});
            for (e.pasoColocador = 0; e.pasoColocador < paso;)
                mesa::fichaRemota(e, ++e.pasoColocador, true);
        };
        jugarTabla({
            {"vence", PREP(tiene(e, 3, {1, 2})), PASO(mesa::vencerTurno(e, o)), QString(kSuelta) + " fichas=0,0,-1,0,0,0,", "!Carla tiempo;beep;T2-"},
            {"sin turno", PREP(), PASO(mesa::vencerTurno(e, o)), "", "T2-"},
            {"turno de maquina", PREP(maquina(e, 1)), PASO(mesa::vencerTurno(e, o)), "", "T2-"},
            {"el propio en red", PREP(enRed(e, false), tiene(e, 2, {1})), PASO(mesa::vencerTurno(e, o)),
             QString(kSuelta) + " fichas=0,-1,0,0,0,0, Turno=1", "!Beto tiempo;beep;[Puntaje]2,-1;[TurnoOFF]2;T2-"},
            {"ajeno en red", PREP(enRed(e, false), tiene(e, 3)), PASO(mesa::vencerTurno(e, o)), "", "T2-"},
            {"eleccion esperando al servidor", PREP(enRed(e, false), e.servidorConfirma = true, tiene(e, 2, {1, 2, 3})), PASO(mesa::vencerTurno(e, o)), "", "T2-"},
            {"coloca la primera", PREP(maquina(e, 0)), PASO(mesa::colocarFicha(e, o, a)), "grises=1, colocador=1", ""},
            {"coloca la tercera", PREP(maquina(e, 2)), PASO(mesa::colocarFicha(e, o, a)),
             "turno=0 opacas= grises= fichas=0,0,1,0,0,0, objetivo=1 pozo=48 reloj=0:0:0 colocador=0", "!Carla +1;[ficharedonda]1," + pozoSin("01") + ";T2-;col-;maq"},
            {"coloca en el servidor", PREP(enRed(e, true), maquina(e, 0)), PASO(mesa::colocarFicha(e, o, a)), "grises=1, colocador=1", "[fichaON]1"},
            {"la tercera en el servidor", PREP(enRed(e, true), maquina(e, 2)), PASO(mesa::colocarFicha(e, o, a)),
             "turno=0 opacas= grises= fichas=0,0,1,0,0,0, objetivo=1 pozo=48 reloj=0:0:0 colocador=0",
             "[fichaON]3;[ficharedonda]1," + pozoSin("01") + ";[TurnoOFF]3;[Puntaje]3,1;T2-;col-;maq"},
            {"el arbitro no corta a la maquina", PREP(enRed(e, true), maquina(e, 1)), PASO(mesa::limiteDelTurno(e, o, 3)), "", ""},
            {"turno perdido bajo el colocador", PREP(maquina(e, 2), e.turno = 0), PASO(mesa::colocarFicha(e, o, a)), "grises= colocador=0", "col-;maq"},
        });
    }

    // The round clock, the round that runs out showing a pick that would have made it, and its close.
    void ronda()
    {
        const auto al = [](Estado& e, int pasados, int minutos, int segundos, const char* objetivo = "19") {
            e.minutosPasados = pasados, e.minutos = minutos, e.segundos = segundos, e.fichaRE = QLatin1String(objetivo);
        };
        const auto vencida = [=](Estado& e, AzarGuion& a) {
            Salida o;
            al(e, 3, 0, 1), mesa::tic(e, o), e.avisoAbierto = true, guionObjetivo(a, e.fichasRedondas, 7);
        };
        const QString fin = "!Ha finalizado el tiempo;beep", sol = "Una soluci\u00F3n era ", vencio = "reloj=3:0:0 relog=0 : 00 finRonda=1";
        const QString cerrada = QString(kSuelta) + " verdes= objetivo=7 pozo=48 reloj=0:0:0", siguiente = "[ficharedonda]7," + pozoSin("07");
        jugarTabla({
            {"3:00", PREP(al(e, 0, 0, 0)), PASO(mesa::tic(e, o)), "reloj=1:2:59 relog=2 : 59", ""},
            {"1:00", PREP(al(e, 2, 1, 0)), PASO(mesa::tic(e, o)), "reloj=3:0:59 relog=0 : 59", ""},
            {"0:01", PREP(al(e, 3, 0, 1)), PASO(mesa::tic(e, o)), "verdes=1#1,2#2,3#3, " + vencio, fin + ";chat " + sol + "3 \u00D7 4 + 7 = 19"},
            {"48, la elegida sigue gris", PREP(tiene(e, 1, {1}), al(e, 3, 0, 1, "48")), PASO(mesa::tic(e, o)), "grises=1#3, verdes=9#2,10#1, " + vencio,
             fin + ";chat " + sol + "9 \u00D7 5 + 3 = 48"},
            {"50, restando", PREP(al(e, 3, 0, 1, "50")), PASO(mesa::tic(e, o)), "verdes=11#1,19#2,26#3, " + vencio, fin + ";chat " + sol + "8 \u00D7 7 - 6 = 50"},
            {"48 en Lineal", PREP(e.modoLineal = true, al(e, 3, 0, 1, "48")), PASO(mesa::tic(e, o)), vencio,
             fin + ";chat Este tablero no ten\u00EDa soluci\u00F3n para 48"},
            {"el servidor", PREP(enRed(e, true), al(e, 3, 0, 1)), PASO(mesa::tic(e, o)), "verdes=1#1,2#2,3#3, " + vencio,
             fin + ";[Message]Finalizo el tiempo y nadie gano la ficha 19*;[Message]" + sol + "3 \u00D7 4 + 7 = 19*;[Relog]0 : 00"},
            {"el servidor cada segundo", PREP(enRed(e, true), al(e, 0, 0, 0)), PASO(mesa::tic(e, o)), "reloj=1:2:59 relog=2 : 59", "[Relog]2 : 59"},
            {"se cierra el aviso", PREP(tiene(e, 2, {1}), vencida(e, a)), PASO(mesa::avisoCerrado(e, o, a)), cerrada + " finRonda=0 aviso=0", siguiente + ";T2-"},
            {"se cierra sin turno", PREP(vencida(e, a)), PASO(mesa::avisoCerrado(e, o, a)), "verdes= objetivo=7 pozo=48 reloj=0:0:0 finRonda=0 aviso=0", siguiente},
            {"se cierra en el servidor", PREP(cliente2(e, {1}), vencida(e, a)), PASO(mesa::avisoCerrado(e, o, a)),
             cerrada + " intentos=NNNNNN finRonda=0 aviso=0", siguiente + ";[TurnoOFF]2"},
            {"una mesa nueva bajo el aviso", PREP(tiene(e, 2, {1}), vencida(e, a)), PASO(mesa::mesaNueva(e)),
             QString(kSuelta) + " verdes= pozo=50 reloj=0:0:0 finRonda=0", ""},
            {"un aviso sin ronda vencida", PREP(e.avisoAbierto = true), PASO(mesa::avisoCerrado(e, o, a)), "aviso=0", ""},
        });
    }

    // A match won, "Repartir", the mode and "Finalizar partida". The last round runs out: most tiles win, a
    // tie the lower seat, all below zero the least below; seat 4 (out) never.
    void partidas()
    {
        const auto ultima = [](Estado& e, AzarGuion& a, std::array<int, 4> fichas) {
            for (int s = 1; s <= 4; ++s)
                marcador::sumarFichas(e, s, fichas[s - 1]);
            e.fichasRedondas.clear(), e.finDeRondaPendiente = true, guionReparto(a);
        };
        const auto ganados = [](Estado& e, AzarGuion& a) {
            marcador::sumarFichas(e, 2, 4), e.partidasGanadas[2] = 2, e.ganador = 1;
            guionObjetivo(a, pozo::completo(), 8), guionReparto(a);
        };
        const QString otra = ";[fichaValor]1,3;x49;[ficharedonda]14," + pozoSin("14", ""), vencida = " objetivo=14 pozo=49 reloj=0:0:0 finRonda=0 ganador=";
        const QString nuevo = "[ficharedonda]8," + pozoSin("08", "") + ";[fichaValor]1,3;x49", cero = "fichas=0,0,0,0,0,0, objetivo=8 reloj=0:0:0";
        jugarTabla({
            {"el servidor dice la partida", PREP(enRed(e, false), marcador::sumarFichas(e, 2, 3)), PASO(mesa::finDePartida(e, o, a, 2, true, 3)),
             "fichas=0,0,0,0,0,0, partidas=030000 pozo=50", "!El ganador de esta partida es Beto"},
            {"la ultima ronda", PREP(ultima(e, a, {2, 5, 5, 99})), PASO(mesa::avisoCerrado(e, o, a)), "fichas=0,0,0,0,0,0, partidas=010000" + vencida + "2",
             "!El ganador de esta partida es Beto" + otra},
            {"la ultima ronda, a cero", PREP(ultima(e, a, {0, 0, 0, 99})), PASO(mesa::avisoCerrado(e, o, a)), "fichas=0,0,0,0,0,0, partidas=100000" + vencida + "1",
             "!El ganador de esta partida es Ana" + otra},
            {"la ultima ronda, debajo", PREP(ultima(e, a, {-3, -1, -2, 99})), PASO(mesa::avisoCerrado(e, o, a)), "fichas=0,0,0,0,0,0, partidas=010000" + vencida + "2",
             "!El ganador de esta partida es Beto" + otra},
            {"el cliente cuenta la suya", PREP(enRed(e, false)), PASO(mesa::finDePartida(e, o, a, 2, true)), "partidas=010000 pozo=50", "[Partidas]2,1"},
            {"Repartir a media eleccion", PREP(ganados(e, a), tiene(e, 2, {1, 2})), PASO(mesa::repartirDeNuevo(e, o, a)),
             QString(kSuelta) + " " + cero + " ganador=0", nuevo + ";T2-;maq"},
            {"Repartir en el servidor", PREP(ganados(e, a), cliente2(e, {1})), PASO(mesa::repartirDeNuevo(e, o, a)),
             QString(kSuelta) + " " + cero + " intentos=NNNNNN ganador=0", "[TurnoOFF]2;[Puntaje]1,0;[Puntaje]2,0;[Puntaje]3,0;" + nuevo + ";maq"},
            {"Repartir bajo el aviso de la ronda", PREP(ganados(e, a), e.fichaCU[5].fondo = color::verde, e.fichaCU[5].marca = 1, e.finDeRondaPendiente = true),
             PASO(mesa::repartirDeNuevo(e, o, a)), "verdes= " + cero + " finRonda=0 ganador=0", nuevo + ";maq"},
            {"Lineal", PREP(), PASO(mesa::cambiarModo(e, o, true)), "lineal=101", ""},
            {"Lineal en el servidor", PREP(enRed(e, true)), PASO(mesa::cambiarModo(e, o, true)), "lineal=101", "[modojuego] Verdadero"},
            {"Continuo en el servidor", PREP(enRed(e, true)), PASO(mesa::cambiarModo(e, o, false)), "", "[modojuego] Falso"},
            {"Lineal en un cliente", PREP(enRed(e, false)), PASO(mesa::cambiarModo(e, o, true)), "lineal=101", ""},
            {"Finalizar", PREP(cliente2(e, {1}), marcador::sumarFichas(e, 3, 2), e.partidasGanadas[1] = e.partidasGanadas[3] = 1),
             PASO(mesa::finalizar(e, o)), QString(kSuelta) + " intentos=NNNNNN Turno=0 ganador=3 finalizando=1 enPartida=0",
             "[TurnoOFF]2;[Puntaje]1,0;[Puntaje]2,0;[Puntaje]3,2;[Finalizarpartidas]"},
        });
    }

    // The server judges its client's attempt: each pick, the outcome once, the turn ended by the seat or limit.
    void arbitro()
    {
        const auto juzgado = [](Estado& e, std::initializer_list<int> ks) {
            Salida o;
            AzarGuion a;
            cliente2(e, ks), mesa::fichaDeCliente(e, o, a, 2, 3, true);
        };
        const QString juzga = "elegidas=0 comb= ultima=13 ", abierto = QString(kSuelta) + " fichas=0,-1,0,0,0,0, intentos=NNNNNN";
        jugarTabla({
            {"contigua", PREP(cliente2(e, {1})), PASO(acepta = mesa::fichaDeCliente(e, o, a, 2, 2, true)), "elegidas=2 comb=34 ultima=12 grises=1,2,", "[fichaON]2-2"},
            {"salta", PREP(cliente2(e, {1})), PASO(acepta = mesa::fichaDeCliente(e, o, a, 2, 3, true)), "", "NO"},
            {"fuera del tablero", PREP(cliente2(e)), PASO(acepta = mesa::fichaDeCliente(e, o, a, 2, 50, true)), "", "NO"},
            {"ya gris", PREP(cliente2(e, {1})), PASO(acepta = mesa::fichaDeCliente(e, o, a, 2, 1, true)), "", "NO"},
            {"sin el turno", PREP(cliente2(e), e.turno = 3), PASO(acepta = mesa::fichaDeCliente(e, o, a, 2, 1, true)), "", "NO"},
            {"tras su resultado", PREP(juzgado(e, {1, 2})), PASO(acepta = mesa::fichaDeCliente(e, o, a, 2, 10, true)), "", "NO"},
            {"Lineal doblada", PREP(cliente2(e, {1, 9}, true)), PASO(acepta = mesa::fichaDeCliente(e, o, a, 2, 10, true)), "", "NO"},
            {"quita una gris", PREP(cliente2(e, {1})), PASO(acepta = mesa::fichaDeCliente(e, o, a, 2, 1, false)), "elegidas=0 comb= grises=", "[fichaOFF]1-2"},
            {"quita una blanca", PREP(cliente2(e, {1})), PASO(acepta = mesa::fichaDeCliente(e, o, a, 2, 2, false)), "", "NO"},
            {"la buena", PREP(cliente2(e, {1, 2})), PASO(acepta = mesa::fichaDeCliente(e, o, a, 2, 3, true)),
             juzga + "grises=1,2,3, fichas=0,1,0,0,0,0, objetivo=1 pozo=48 reloj=0:0:0 intentos=NJNNNN", "[fichaON]3-2;[ficharedonda]1," + pozoSin("01") + ";[Puntaje]2,1;arb>"},
            {"la mala", PREP(cliente2(e, {1, 9})), PASO(acepta = mesa::fichaDeCliente(e, o, a, 2, 3, true)),
             juzga + "grises=1,3,9, fichas=0,-1,0,0,0,0, reloj=0:0:0 intentos=NJNNNN", "[fichaON]3-2;[Puntaje]2,-1;arb>"},
            {"su resultado coincide", PREP(juzgado(e, {1, 2})), PASO(acepta = mesa::resultadoDeCliente(e, o, 2, 1)), "intentos=NNNNNN", ""},
            {"su resultado no coincide", PREP(juzgado(e, {1, 2})), PASO(acepta = mesa::resultadoDeCliente(e, o, 2, 2)), "intentos=NNNNNN", "NO"},
            {"el resultado dos veces", PREP(Salida o; juzgado(e, {1, 2}), mesa::resultadoDeCliente(e, o, 2, 1)),
             PASO(acepta = mesa::resultadoDeCliente(e, o, 2, 1)), "", "NO"},
            {"se le vencio el tiempo", PREP(cliente2(e, {1})), PASO(acepta = mesa::resultadoDeCliente(e, o, 2, -1)), "fichas=0,-1,0,0,0,0, intentos=NNNNNN", "[Puntaje]2,-1-2"},
            {"un resultado inventado", PREP(cliente2(e, {1})), PASO(acepta = mesa::resultadoDeCliente(e, o, 2, 5)), "", "NO"},
            {"deja el turno abierto", PREP(cliente2(e, {1})), PASO(mesa::turnoDejado(e, o, 2)), abierto, "[Puntaje]2,-1"},
            {"deja el turno juzgado", PREP(juzgado(e, {1, 2})), PASO(mesa::turnoDejado(e, o, 2)), "turno=0 opacas= ultima= grises=", ""},
            {"deja un turno ajeno", PREP(cliente2(e), e.turno = 3), PASO(mesa::turnoDejado(e, o, 2)), "", ""},
            {"el limite, abierto", PREP(cliente2(e, {1})), PASO(mesa::limiteDelTurno(e, o, 2)), abierto, "[Puntaje]2,-1;[TurnoOFF]2"},
            {"el limite, juzgado", PREP(juzgado(e, {1, 2})), PASO(mesa::limiteDelTurno(e, o, 2)), "turno=0 opacas= ultima= grises= intentos=NNNNNN", "[TurnoOFF]2"},
            {"el limite del propio", PREP(enRed(e, true), tiene(e, 1)), PASO(mesa::limiteDelTurno(e, o, 1)), "", ""},
        });
    }

    // The round clock runs where the table is decided, the machines look only in a local game with a machine
    // seat in play and nobody's turn; both wait for a notice, a pause, the setup and a game.
    void quienCorre()
    {
        const std::pair<const char*, std::function<void(Estado&)>> casos[] = {{"RM", [](Estado&) {}},
            {"--", [](Estado& e) { e.avisoAbierto = true; }}, {"--", [](Estado& e) { e.mn_pausar.marcado = true; }},
            {"--", [](Estado& e) { e.preparando = true; }}, {"--", [](Estado& e) { e.enPartida = false; }}, {"R-", [](Estado& e) { e.turno = 1; }},
            {"R-", [](Estado& e) { e.maquina[3] = 0; }}, {"R-", [](Estado& e) { e.numJugadores = 2; }}, {"RM", [](Estado& e) { enRed(e, true); }},
            {"--", [](Estado& e) { enRed(e, false); }}, {"--", [](Estado& e) { enRed(e, true), e.mesaEnEspera = true; }}};
        for (int fila = 0; const auto& [corre, cambio] : casos) {
            Estado e = mesaDePrueba();
            e.maquina[3] = 1;
            cambio(e);
            QCOMPARE(QString::number(fila) + (mesa::correReloj(e) ? 'R' : '-') + (mesa::buscanMaquinas(e) ? 'M' : '-'), QString::number(fila) + corre);
            ++fila;
        }
    }

    // x * y + z or x * y - z, in order; a missing or non-digit character counts 0.
    void regla()
    {
        const std::tuple<const char*, int, bool> casos[] = {{"347", 19, true}, {"347", 5, true}, {"734", 25, true}, {"734", 17, true},
            {"955", 50, true}, {"669", 27, true}, {"34", 12, true}, {"3x7", 7, true}, {"347", 12, false}, {"111", 1, false}, {"959", 50, false}, {"473", 19, false}};
        for (auto [digitos, objetivo, correcta] : casos)
            QVERIFY2(combinacionCorrecta(QLatin1String(digitos), objetivo) == correcta, digitos);
    }

    // Real clock-mixed draws: six each of 1..4, five each of 5..9, the five border colours, and back-to-back
    // deals that still differ: a re-seed never restarts the sequence. A match draws every number once, 50
    // last (only when alone), none with a leading zero.
    void sorteosReales()
    {
        AzarReloj azar;
        Salida o;
        Estado e;
        std::set<std::uint32_t> vistos;
        std::set<QString> tableros, sacados, todos;
        for (int vez = 0; vez < 500; ++vez) {
            mesa::repartir(e, o, azar);
            std::array<int, 10> n{};
            QString t;
            for (int k = 1; k <= kFichas; ++k)
                ++n[e.Valor[k].toInt()], t += e.Valor[k], vistos.insert(e.fichaCU[k].borde);
            QCOMPARE(n, (std::array<int, 10>{0, 6, 6, 6, 6, 5, 5, 5, 5, 5}));
            tableros.insert(t);
        }
        QCOMPARE(tableros.size(), std::size_t(500));
        QCOMPARE(vistos, (std::set<std::uint32_t>{0xC0, 0xFF0000, 0xC000, 0x80FF, 0xC0C0}));
        e.fichasRedondas = pozo::completo();
        for (int n = 1; n <= 50; ++n)
            todos.insert(QString::number(n)), mesa::sacarObjetivo(e, o, azar), sacados.insert(e.fichaRE);
        QVERIFY(sacados == todos && e.fichaRE == QStringLiteral("50") && e.fichasRedondas.isEmpty());
        QCOMPARE(pozo::elegir(QStringLiteral("*12**50*"), 0.999), QStringLiteral("12"));
    }
};

ZUMBARTA_PRUEBA(TestMesa);
#include "test_mesa.moc"
