// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

// The game itself: dealing the board, drawing targets, restarting a match and what the game menu
// sends; claiming the turn by key, picking tiles in both modes, the rule and the check that scores.

#include "flow/mandos.h"
#include "game/combinacion.h"
#include "game/marcador.h"
#include "game/reparto.h"
#include "partida.h"
#include "prueba.h"

#include <set>

namespace {
const QString kNoContinua = QStringLiteral("Esta ficha no es continua a la ficha anteriormente elegida");
const QString kNoLineal = QStringLiteral("Esta ficha no es continua (Horizontal - Vertical - Diagonal)");
}  // namespace

class TestJuego : public QObject {
    Q_OBJECT

    // Right or wrong, the attempt ends the same way.
    static bool terminado(const JuegoDePrueba& p)
    {
        const Estado& e = p.j.e;
        return grises(e) == 0 && e.turno == 0 && e.combinacion.isEmpty() && !e.Jugadores[2].opaca &&
               !p.j.Timer2.isActive() && e.minutos + e.segundos + e.minutosPasados == 0;
    }

private slots:
    // Claims by key; unmarking takes its digit out once and the other tile is the one to touch next.
    void reclamarYDesmarcar()
    {
        JuegoDePrueba p;
        Estado& e = p.j.e;
        e.ruta = QStringLiteral("/juego");
        jugar(p, '1', {1, 1});  // no game yet: a beep, no notice
        QVERIFY(empezarLocal(p, {"Ana", "Beto", "Carla"}, 19, {false, false, false, true}));
        p.sonido.archivos.clear();
        jugar(p, 0, {1, 1});
        QCOMPARE(p.aviso.textos, QStringList{"No se ha seleccionado ningun jugador"});
        for (char c : {'4', '0', '7', 'a', '3'})  // beyond the count, no seat, a letter, a machine
            jugar(p, c);
        QVERIFY(p.sonido.beeps == 6 && e.turno == 0 && !p.j.Timer2.isActive());
        jugar(p, '2');
        QVERIFY(e.turno == 2 && e.Jugadores[2].opaca && p.j.Timer2.isActive());
        QCOMPARE(p.sonido.archivos, QStringList{"/juego/Click.wav"});
        jugar(p, '1');  // held by seat 2
        QVERIFY(p.sonido.beeps == 7 && e.turno == 2);

        jugar(p, 0, {2, 5, 1, 4, 1, 4});  // both hold a 1
        QCOMPARE((QStringList{e.combinacion, e.ultimaFicha}), (QStringList{"1", "25"}));
        jugar(p, 0, {3, 6});  // touches (2,5), not (1,4)
        QCOMPARE(e.fichasElegidas, 2);
        jugar(p, 0, {3, 6, 2, 5});
        QVERIFY(e.fichasElegidas == 0 && e.combinacion.isEmpty() && grises(e) == 0);
        QVERIFY(p.aviso.textos.size() == 1 && p.sonido.beeps == 7);
    }

    // Each pick in both modes (tiles as row, column), refused or reaching the check: none of the
    // accepted ones makes 19, and a refused tile leaves the others marked.
    void elegir()
    {
        const std::tuple<bool, QList<int>, QString> casos[] = {
            {false, {1, 1, 2, 2, 1, 3}, {}}, {false, {1, 1, 1, 3}, kNoContinua},           // Continuo: bent; a jump
            {true, {1, 1, 1, 3}, kNoContinua}, {true, {1, 1, 2, 2, 2, 3}, kNoLineal},       // Lineal: a jump; bent;
            {true, {1, 1, 1, 2, 2, 2}, kNoLineal}, {true, {1, 1, 2, 2, 3, 3}, {}},          // a corner; diagonal,
            {true, {4, 4, 4, 5, 4, 6}, {}}, {true, {5, 2, 4, 3, 3, 4}, {}}, {true, {3, 7, 2, 7, 1, 7}, {}}};  // across, up
        for (const auto& [lineal, casillas, rechazo] : casos) {
            EnJuego p({"Ana", "Beto"});
            p.j.e.modoLineal = lineal;
            jugar(p, '1', casillas);
            const bool ok = rechazo.isEmpty();
            QCOMPARE(p.aviso.textos, QStringList{ok ? "Ana La combinacion elegida no es correcta, perdera un punto" : rechazo});
            const int n = ok ? 0 : static_cast<int>(casillas.size()) / 2 - 1;
            const Estado& e = p.j.e;
            QCOMPARE((QList<int>{e.fichasElegidas, grises(e), int(e.combinacion.size()), e.turno, p.sonido.beeps}),
                     (QList<int>{n, n, n, ok ? 0 : 1, 1}));
        }
    }

    void regla()
    {
        // x * y + z or x * y - z, in order; a missing or non-digit character counts 0.
        const std::tuple<const char*, int, bool> casos[] = {
            {"347", 19, true},  {"347", 5, true},   {"734", 25, true},  {"734", 17, true},
            {"955", 50, true},  {"669", 27, true},  {"34", 12, true},   {"3x7", 7, true},   {"347", 12, false},
            {"111", 1, false},  {"959", 50, false}, {"473", 19, false}};
        for (auto [digitos, objetivo, correcta] : casos)
            QVERIFY2(combinacionCorrecta(QLatin1String(digitos), objetivo) == correcta,
                     qPrintable(QStringLiteral("%1 -> %2").arg(digitos).arg(objetivo)));
    }

    // A wrong pick costs a tile, and the clock waits for its notice; then the last target wins the
    // match, its notice following the tile's.
    void malaYLuegoLaUltima()
    {
        EnJuego p({"Ana", "Beto", "Carla"}, 12);
        Estado& e = p.j.e;
        tics(p, 179);
        jugar(p, '2', {1, 1, 1, 2, 1, 3});  // 347
        QCOMPARE(p.aviso.textos, QStringList{"Beto La combinacion elegida no es correcta, perdera un punto"});
        QVERIFY(e.Fichas[2].texto == QStringLiteral("-1") && p.sonido.beeps == 1 && terminado(p));
        QVERIFY(!p.j.Timer1.isActive() && e.relog.texto == QStringLiteral("0 : 01"));
        p.j.cerrarAviso();
        QVERIFY(p.j.Timer1.isActive());

        e.fichaRE = QStringLiteral("50");
        e.fichasRedondas.clear();
        marcador::sumarFichas(e, 1, 9);
        e.partidasGanadas[2] = 1;
        e.Valor[ficha(1, 1)].clear();
        p.aviso.textos.clear();
        guionReparto(p.azar);
        guionObjetivo(p.azar, pozo::completo(), 8);
        jugar(p, '2', {4, 7, 5, 6, 6, 7});  // 955
        p.j.cerrarAviso();
        QCOMPARE(p.aviso.textos, (QStringList{"Beto, Te has ganado esta ficha", "Beto, has ganado esta partida"}));
        // Matches won, every seat's tiles, a new board, a new target from a full pool.
        QCOMPARE((QStringList{e.Partidas[2].texto, e.Fichas[1].texto, e.Fichas[2].texto, e.Valor[ficha(1, 1)], e.fichaRE}),
                 (QStringList{"2", "0", "0", "3", "8"}));
        QVERIFY(pozo::cantidad(e.fichasRedondas) == 49 && terminado(p));
    }

    // A network server tells the others in this order; the match is told by "[Partidas]".
    void enRedEnviaEnOrden()
    {
        EnJuego s({"Ana", "Beto"}, 50);
        s.enRed(true);
        s.j.e.miJugador = 1;
        s.j.e.fichasRedondas.clear();
        guionReparto(s.azar);
        guionObjetivo(s.azar, pozo::completo(), 8);
        Command1_Click(s.j);
        Command1_Click(s.j);  // already held: a beep
        QVERIFY(!s.j.e.Command1.habilitado);
        jugar(s, 0, {4, 7, 4, 7, 4, 7, 5, 6, 6, 7});
        const QStringList t = s.enlace.textos();  // then the rest of the new board
        QCOMPARE(t.mid(0, 8), (QStringList{"[TurnoON]1", "[fichaON]28", "[fichaOFF]28", "[fichaON]28", "[fichaON]34",
                                           "[fichaON]42", "[Partidas]1,1", "[fichaValor]1,3"}));
        QCOMPARE(t.mid(56), (QStringList{"[ficharedonda]8," + s.j.e.fichasRedondas, "[TurnoOFF]1", "[Puntaje]1,0"}));
        s.j.cerrarAviso();
        QCOMPARE(s.aviso.textos, (QStringList{"Ana, Te has ganado esta ficha", "El ganador de esta partida es Ana"}));
        QVERIFY(!s.enlace.envios[6].vbSelf && s.j.e.Command1.habilitado && s.sonido.beeps == 1);
    }

    // Real clock-mixed draws: six each of 1..4, five each of 5..9, the five border colours, and
    // back-to-back deals that still differ: a re-seed never restarts the sequence.
    void repartosReales()
    {
        Juego j;
        std::set<std::uint32_t> vistos;
        std::set<QString> tableros;
        for (int vez = 0; vez < 500; ++vez) {
            repartirFichas(j);
            std::array<int, 10> n{};
            QString t;
            for (int k = 1; k <= kFichas; ++k) {
                ++n[j.e.Valor[k].toInt()];
                t += j.e.Valor[k];
                vistos.insert(j.e.fichaCU[k].borde);
            }
            for (int v = 1; v <= 9; ++v)
                QCOMPARE(n[v], v < 5 ? 6 : 5);
            tableros.insert(t);
        }
        QCOMPARE(tableros.size(), std::size_t(500));
        QCOMPARE(vistos, (std::set<std::uint32_t>{0xC0, 0xFF0000, 0xC000, 0x80FF, 0xC0C0}));
    }

    // The last number of the pool is drawn only when it is alone; a match
    // draws every number once, 50 last, none shown with a leading zero.
    void sorteoDelPozo()
    {
        const std::tuple<QString, double, const char*> casos[] = {{"*50*", 0.7, "50"}, {"*12**50*", 0.999, "12"},
            {pozo::completo(), 0.0, "01"}, {pozo::completo(), 0.99999, "49"}, {pozo::completo(), 0.5, "25"}};
        for (const auto& [pool, r, sale] : casos)
            QCOMPARE(pozo::elegir(pool, r), QLatin1String(sale));
        Juego j;
        j.e.fichasRedondas = pozo::completo();
        std::set<QString> vistos, todos;
        for (int n = 1; n <= 50; ++n) {
            todos.insert(QString::number(n));
            nuevaFichaRedonda(j);
            vistos.insert(j.e.fichaRE);
        }
        QVERIFY(vistos == todos && j.e.fichaRE == QStringLiteral("50") && j.e.fichasRedondas.isEmpty());
    }

    // Only the server draws; a client asks. "Repartir" on a server takes the turn back, zeroes every
    // seat for all, then sends the target with the pool left and each tile; a local game sends nothing.
    // A server sends the mode on every click, even of the entry checked; a client tells nobody.
    void enRed()
    {
        JuegoDePrueba cliente(false), servidor(false), local(false);
        cliente.enRed(false);
        cliente.j.e.fichaRE = QStringLiteral("33");
        cliente.j.e.fichasRedondas = pozo::completo();
        nuevaFichaRedonda(cliente.j);
        mn_mod_Click(cliente.j, 2);
        QVERIFY(cliente.j.e.fichaRE == "33" && cliente.j.e.fichasRedondas == pozo::completo() && cliente.j.e.modoLineal);
        QCOMPARE(cliente.enlace.textos(), QStringList{QStringLiteral("[ficharedonda]")});

        servidor.enRed(true);
        Estado& e = servidor.j.e;
        for (int m : {2, 2, 1})
            mn_mod_Click(servidor.j, m);
        QVERIFY(!e.modoLineal && e.mn_mod[1].marcado && !e.mn_mod[2].marcado);
        e.numJugadores = e.turno = 2;
        mn_repar_Click(servidor.j);
        QStringList esperado{"[modojuego] Verdadero", "[modojuego] Verdadero", "[modojuego] Falso", "[TurnoOFF]2",
                             "[Puntaje]1,0", "[Puntaje]2,0", "[ficharedonda]" + e.fichaRE + "," + e.fichasRedondas};
        for (int k = 1; k <= kFichas; ++k)
            esperado << QStringLiteral("[fichaValor]%1,%2").arg(k).arg(e.Valor[k]);
        QCOMPARE(servidor.enlace.textos(), esperado);
        QVERIFY(!servidor.enlace.envios[7].vbSelf && e.turno == 0);

        local.j.enlace = &local.enlace;
        mn_repar_Click(local.j);
        QVERIFY(local.enlace.envios.empty());
    }

    // "Repartir" mid-attempt: a fresh match and board, the clock running, and
    // the attempt ended with the turn: picks of the old board never count.
    void repartirDuranteUnIntento()
    {
        JuegoDePrueba p(false);
        Estado& e = p.j.e;
        e.enPartida = true;
        e.datosJugadores[2].fichas = 4;
        e.partidasGanadas[2] = 2;
        e.turno = 2;
        e.Jugadores[2].opaca = true;
        e.fichasElegidas = 2;
        e.combinacion = QStringLiteral("34");
        e.fichaCU[9].fondo = color::gris;
        e.minutos = e.segundos = e.minutosPasados = e.ganador = 1;
        p.j.Timer2.start();
        mn_repar_Click(p.j);
        QCOMPARE((QList<int>{e.datosJugadores[2].fichas, e.Fichas[2].texto.toInt(), e.partidasGanadas[2], e.turno,
                             e.fichasElegidas, e.minutos + e.segundos + e.minutosPasados + e.ganador,
                             pozo::cantidad(e.fichasRedondas)}),
                 (QList<int>{0, 0, 2, 0, 0, 0, 49}));
        QVERIFY(!e.Jugadores[2].opaca && e.combinacion.isEmpty() && e.fichaCU[9].fondo == color::blanco);
        QVERIFY(!p.j.Timer2.isActive() && p.j.Timer1.isActive() && !e.Valor[49].isEmpty());
    }
};

ZUMBARTA_PRUEBA(TestJuego);
#include "test_juego.moc"
