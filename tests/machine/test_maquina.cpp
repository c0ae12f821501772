// The machine player: its search of the board, and its turns through the
// real tick functions (attempt, placer, check), up to a game that plays itself.

#include "dobles.h"
#include "flow/colocador.h"
#include "flow/partidalocal.h"
#include "flow/reloj.h"
#include "flow/vencimiento.h"
#include "game/reparto.h"
#include "game/tablero.h"
#include "machine/busqueda.h"
#include "machine/maquina.h"

#include <QtTest>

namespace {

// Three seats, seat 2 the machine's; only tiles 9, 10, 11 (3, 4, 2) make 14.
void preparar(JuegoDePrueba& p, std::array<int, 7> maquina = {0, 0, 1, 0, 0, 0, 0})
{
    Estado& e = p.j.e;
    e.numJugadores = 3;
    for (int s = 1; s <= 3; ++s) {
        e.datosJugadores[s].nombre = maquina[s] ? nombreDeMaquina(s) : QStringLiteral("Humano %1").arg(s);
        e.Jugadores[s].visible = true;
    }
    e.maquina = maquina;
    for (int k = 1; k <= kFichas; ++k)
        e.Valor[k] = QStringLiteral("1");
    e.Valor[9] = QStringLiteral("3");
    e.Valor[10] = QStringLiteral("4");
    e.Valor[11] = QStringLiteral("2");
    e.fichaRE = QStringLiteral("14");
    e.fichasRedondas = QStringLiteral("*20**21*");
    p.j.maquinas.start();
}

using busqueda::buscar;
using Tablero = std::array<int, 50>;
int k(int fila, int columna) { return tablero::indice(fila, columna); }

}  // namespace

class TestMaquina : public QObject {
    Q_OBJECT
private slots:
    // On zeros, 3, 4, 2 in a row make 14 and 10 read forwards, and 11 and 5
    // read backwards, in either mode and scan direction; nothing else.
    void ordenDelCamino()
    {
        Tablero v{};
        v[k(2, 2)] = 3;
        v[k(2, 3)] = 4;
        v[k(2, 4)] = 2;
        const std::array<int, 4> ida{0, k(2, 2), k(2, 3), k(2, 4)}, vuelta{0, k(2, 4), k(2, 3), k(2, 2)};
        for (bool lineal : {false, true})
            for (bool adelante : {true, false}) {
                for (int t : {14, 10})
                    QCOMPARE(buscar(v, t, lineal, adelante).jugada, ida);
                for (int t : {11, 5})
                    QCOMPARE(buscar(v, t, lineal, adelante).jugada, vuelta);
                for (int t : {13, 15, 9, 6, 1, 50})
                    QVERIFY(!buscar(v, t, lineal, adelante).encontrada);
            }
    }

    // Right then down makes 9·5 + 5: a pick in Continuo, never in Lineal.
    void caminoDoblado()
    {
        Tablero v{};
        v[k(4, 4)] = 9;
        v[k(4, 5)] = 5;
        v[k(5, 5)] = 5;
        QCOMPARE(buscar(v, 50, false, true).jugada, (std::array<int, 4>{0, k(4, 4), k(4, 5), k(5, 5)}));
        QVERIFY(!buscar(v, 50, true, true).encontrada);
        QVERIFY(!buscar(v, 50, true, false).encontrada);
    }

    // 5·5 + 5 needs three fives; going back onto the first or standing still
    // never counts.
    void nuncaRepiteFicha()
    {
        Tablero v{};
        v[k(3, 3)] = v[k(3, 4)] = 5;
        for (bool lineal : {false, true})
            for (bool adelante : {true, false})
                QVERIFY(!buscar(v, 30, lineal, adelante).encontrada);
    }

    // Two separate paths for 14: forward finds the one starting lowest,
    // backward the one starting highest. From one first tile the steps go
    // dr, dc from -1 up, so up-left comes before up-right.
    void ordenDelBarrido()
    {
        Tablero v{};
        for (int t : {k(1, 1), k(7, 7)})
            v[t] = 3;
        v[k(1, 2)] = v[k(7, 6)] = 4;
        v[k(1, 3)] = v[k(7, 5)] = 2;
        QCOMPARE(buscar(v, 14, false, true).jugada[1], k(1, 1));
        QCOMPARE(buscar(v, 14, false, false).jugada[1], k(7, 7));

        Tablero c{};
        c[k(4, 4)] = 6;
        c[k(3, 3)] = c[k(3, 5)] = 7;
        c[k(2, 2)] = c[k(2, 6)] = 1;
        const auto r = buscar(c, 43, true, true);
        QCOMPARE(r.jugada, (std::array<int, 4>{0, k(4, 4), k(3, 3), k(2, 2)}));
        QCOMPARE(r.direccion[1], std::int16_t(1));
        QCOMPARE(r.direccion[2], std::int16_t(1));
    }

    // No machine seat in play stops the timer; a human's turn or a target
    // with no path leaves everything as it was.
    void laMaquinaNoJuega()
    {
        for (const auto flags : {std::array<int, 7>{}, std::array<int, 7>{0, 0, 0, 0, 0, 1, 0}}) {
            JuegoDePrueba p;
            preparar(p, flags);
            maquinas_Timer(p.j);
            QVERIFY(!p.j.maquinas.isActive());
            QCOMPARE(p.j.e.turno, 0);
        }
        for (int turno : {1, 0}) {
            JuegoDePrueba p;
            preparar(p);
            p.j.e.turno = turno;
            p.j.e.fichaRE = turno ? QStringLiteral("14") : QStringLiteral("50");
            maquinas_Timer(p.j);
            QCOMPARE(p.j.e.turno, turno);
            QVERIFY(p.j.maquinas.isActive());
            QVERIFY(!p.j.colocador.isActive());
        }
    }

    // The whole turn: claim, three tiles greyed half a second apart, the check.
    void turnoCompletoDeLaMaquina()
    {
        JuegoDePrueba p;
        preparar(p);
        Estado& e = p.j.e;
        // Scan forward (0.6), then draw seats 1 (0.0: human, refused) and 2 (0.2).
        p.azar.guion = {0.6, 0.0, 0.2};
        p.j.Timer2.start();  // a person's turn timer that "Repartir" left running
        maquinas_Timer(p.j);
        QVERIFY(e.turno == 2 && e.Jugadores[2].opaca);
        QCOMPARE(e.jugadaMaquina, (std::array<int, 4>{0, 9, 10, 11}));
        QVERIFY(p.j.colocador.isActive() && !p.j.maquinas.isActive());
        QVERIFY(!p.j.Timer2.isActive());  // a machine's turn never times out
        p.j.Timer2.start();  // not even if its timer runs all the same
        Timer2_Timer(p.j);
        QVERIFY(e.turno == 2 && p.aviso.textos.isEmpty() && !p.j.Timer2.isActive());

        QString alComprobar;
        p.aviso.mientrasAbierto = [&] { alComprobar = e.combinacion; };
        for (int paso = 1; paso <= 3; ++paso) {
            QVERIFY(p.aviso.textos.isEmpty());
            colocador_Timer(p.j);
            if (paso < 3) {
                for (int i = 1; i <= 3; ++i)
                    QCOMPARE(e.fichaCU[e.jugadaMaquina[i]].fondo, i <= paso ? color::gris : color::blanco);
            }
        }
        QCOMPARE(alComprobar, QStringLiteral("342"));
        QCOMPARE(p.aviso.textos, QStringList{QStringLiteral("Maquina 2, Te has ganado esta ficha")});
        QCOMPARE(e.Fichas[2].texto, QStringLiteral("1"));
        QVERIFY(e.turno == 0 && !e.Jugadores[2].opaca && e.fichaCU[9].fondo == color::blanco);
        QVERIFY(!p.j.colocador.isActive() && e.pasoColocador == 0);
        QVERIFY(p.j.maquinas.isActive());  // restarted by the correct pick
    }

    // A new deal while the machine is placing its tiles: the pick is void,
    // nobody is scored, and the machines look at the new board.
    void repartirDuranteLaColocacion()
    {
        JuegoDePrueba p;
        preparar(p);
        Estado& e = p.j.e;
        p.azar.guion = {0.6, 0.2};
        maquinas_Timer(p.j);
        colocador_Timer(p.j);
        QCOMPARE(e.fichaCU[9].fondo, color::gris);
        p.azar.guion = {0.0};
        mn_repar_Click(p.j);
        colocador_Timer(p.j);
        QVERIFY(!p.j.colocador.isActive() && p.j.maquinas.isActive());
        QVERIFY(p.aviso.textos.isEmpty());
        QCOMPARE(e.datosJugadores[2].fichas, 0);
        QCOMPARE(e.fichaCU[9].fondo, color::blanco);
    }

    // Both scan directions and every machine seat come up, evenly.
    void sorteosParejos()
    {
        JuegoDePrueba p(false);
        preparar(p, {0, 1, 0, 0, 1, 0, 1});
        Estado& e = p.j.e;
        e.numJugadores = 6;
        e.Valor[45] = QStringLiteral("3");
        e.Valor[46] = QStringLiteral("4");
        e.Valor[47] = QStringLiteral("2");
        std::array<int, 7> asientos{};
        int adelante = 0;
        const int vueltas = 3000;
        for (int i = 0; i < vueltas; ++i) {
            e.turno = 0;
            maquinas_Timer(p.j);
            ++asientos[e.turno];
            adelante += e.jugadaMaquina[1] < 25;
        }
        QCOMPARE(asientos[1] + asientos[4] + asientos[6], vueltas);
        for (int s : {1, 4, 6})
            QVERIFY2(asientos[s] > vueltas / 3 * 0.85 && asientos[s] < vueltas / 3 * 1.15, qPrintable(QString::number(asientos[s])));
        QVERIFY2(adelante > vueltas / 2 * 0.9 && adelante < vueltas / 2 * 1.1, qPrintable(QString::number(adelante)));
    }

    // Two machine seats, set up through the local game's own "Aceptar", play
    // a whole match by themselves, driven only by the timers' ticks.
    void partidaSoloDeMaquinas()
    {
        JuegoDePrueba p(false);
        EleccionLocal eleccion;
        eleccion.numJugadores = 2;
        eleccion.maquina = {false, true, true, false, false, false, false};
        eleccion.nombres[1] = nombreDeMaquina(1);
        eleccion.nombres[2] = nombreDeMaquina(2);
        QVERIFY(aceptarPartidaLocal(p.j, eleccion));
        elegirNivel(p.j, 4);
        QCOMPARE(p.j.maquinas.interval(), 3000);
        const Estado& e = p.j.e;

        int picks = 0, vueltas = 0;
        while (e.partidasGanadas[1] + e.partidasGanadas[2] == 0 && vueltas++ < 20000) {
            if (p.j.colocador.isActive()) {
                colocador_Timer(p.j);
                picks += !p.j.colocador.isActive();
            } else if (p.j.maquinas.isActive()) {
                const QString objetivo = e.fichaRE;
                maquinas_Timer(p.j);
                if (!p.j.colocador.isActive()) {
                    // No path for this target: let the round run out.
                    for (int t = 0; t < 180 && e.fichaRE == objetivo; ++t)
                        Timer1_Timer(p.j);
                }
            } else {
                QFAIL("the machines stopped playing");
            }
        }
        QCOMPARE(e.partidasGanadas[1] + e.partidasGanadas[2], 1);
        QVERIFY(picks > 0);
        const int ganador = e.partidasGanadas[1] ? 1 : 2;
        QVERIFY(p.aviso.textos.contains(nombreDeMaquina(ganador) + QStringLiteral(", has ganado esta partida")) ||
                p.aviso.textos.contains(QStringLiteral("El ganador de esta partida es ") + nombreDeMaquina(ganador)));
        QVERIFY(!p.aviso.textos.filter(QStringLiteral("no es correcta")).size());
        QCOMPARE(e.fichasRedondas.size(), 196);  // a fresh pool, less the new target
    }
};

QTEST_GUILESS_MAIN(TestMaquina)
#include "test_maquina.moc"
