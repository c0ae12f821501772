// Claiming the turn and picking tiles with the mouse, in both game modes.

#include "dobles.h"
#include "game/seleccion.h"
#include "game/turno.h"
#include "partida.h"

#include <QtTest>

class TestSeleccion : public QObject {
    Q_OBJECT

    // A three-player local game on kTablero, target 19, seat 1 to pick.
    static void conTurno(JuegoDePrueba& p, bool lineal = false)
    {
        QVERIFY(empezarLocal(p, {"Ana", "Beto", "Carla"}, 19));
        p.j.e.modoLineal = lineal;
        Form_KeyPress(p.j, QLatin1Char('1'));
        QCOMPARE(p.j.e.turno, 1);
    }

    static void pulsar(JuegoDePrueba& p, const std::vector<std::pair<int, int>>& casillas)
    {
        for (auto [f, c] : casillas)
            Valor_Click(p.j, ficha(f, c));
    }

    static int grises(const Estado& e)
    {
        int n = 0;
        for (int k = 1; k <= kFichas; ++k)
            n += e.fichaCU[k].fondo == color::gris;
        return n;
    }

private slots:
    void reclamarConTecla()
    {
        JuegoDePrueba p;
        p.j.e.ruta = QStringLiteral("/juego");
        // Before any game every key is refused.
        Form_KeyPress(p.j, QLatin1Char('1'));
        QCOMPARE(p.sonido.beeps, 1);
        QVERIFY(empezarLocal(p, {"Ana", "Beto", "Carla"}, 19, {false, false, false, true}));
        p.sonido.archivos.clear();
        for (QChar c : {QChar('4'), QChar('0'), QChar('7'), QChar('a'), QChar(' '), QChar('3')})
            Form_KeyPress(p.j, c);  // beyond the count, not a seat, the machine seat
        QCOMPARE(p.sonido.beeps, 7);
        QCOMPARE(p.j.e.turno, 0);
        QVERIFY(!p.j.Timer2.isActive());

        Form_KeyPress(p.j, QLatin1Char('2'));
        QCOMPARE(p.j.e.turno, 2);
        QVERIFY(p.j.e.Jugadores[2].opaca);
        QVERIFY(p.j.Timer2.isActive());
        QCOMPARE(p.sonido.archivos, QStringList{"/juego/Click.wav"});

        // Held: the next claim beeps and changes nothing.
        Form_KeyPress(p.j, QLatin1Char('1'));
        QCOMPARE(p.sonido.beeps, 8);
        QCOMPARE(p.j.e.turno, 2);
        QVERIFY(!p.j.e.Jugadores[1].opaca);
    }

    // The "Turno" button of a network station claims for its own seat.
    void reclamarConBoton()
    {
        JuegoDePrueba p;
        p.enRed(false);
        p.j.e.miJugador = 3;
        p.j.e.Command1.habilitado = true;
        Command1_Click(p.j);
        QCOMPARE(p.j.e.turno, 3);
        QVERIFY(p.j.e.Jugadores[3].opaca);
        QVERIFY(!p.j.e.Command1.habilitado);
        QVERIFY(p.j.Timer2.isActive());
        QCOMPARE(p.enlace.textos(), QStringList{"[TurnoON]3"});
        QVERIFY(p.sonido.archivos.isEmpty());
        Command1_Click(p.j);
        QCOMPARE(p.sonido.beeps, 1);
        QCOMPARE(p.enlace.envios.size(), std::size_t(1));
    }

    void sinTurnoNoSeElige()
    {
        JuegoDePrueba p;
        Valor_Click(p.j, 1);  // no game at all: nothing
        QVERIFY(p.aviso.textos.isEmpty());
        QVERIFY(empezarLocal(p, {"Ana", "Beto"}, 19));
        Valor_Click(p.j, 1);
        QCOMPARE(p.aviso.textos, QStringList{"No se ha seleccionado ningun jugador"});
        QCOMPARE(p.sonido.beeps, 0);
        QCOMPARE(grises(p.j.e), 0);
    }

    void continuo_data()
    {
        QTest::addColumn<bool>("lineal");
        QTest::newRow("Continuo") << false;
        QTest::newRow("Lineal") << true;
    }
    // Bends are fine in Continuo; a gap is refused in both modes.
    void continuo()
    {
        QFETCH(bool, lineal);
        JuegoDePrueba p;
        conTurno(p, lineal);
        pulsar(p, {{1, 1}, {1, 3}});
        QCOMPARE(p.aviso.textos, QStringList{"Esta ficha no es continua a la ficha anteriormente elegida"});
        QCOMPARE(p.sonido.beeps, 1);
        QCOMPARE(p.j.e.fichasElegidas, 1);
        QCOMPARE(p.j.e.fichaCU[ficha(1, 3)].fondo, color::blanco);
        if (lineal)
            return;
        // (1,1) 3, (2,2) 5, (1,3) 7: 3 x 5 + 7 = 22, not 19.
        pulsar(p, {{2, 2}, {1, 3}});
        QCOMPARE(p.aviso.textos.last(), QStringLiteral("Ana La combinacion elegida no es correcta, perdera un punto"));
    }

    void lineal_data()
    {
        QTest::addColumn<QList<int>>("casillas");  // row, column pairs
        QTest::addColumn<bool>("aceptada");
        QTest::newRow("diagonal (1,1) (2,2) (3,3)") << QList<int>{1, 1, 2, 2, 3, 3} << true;
        QTest::newRow("quiebro (1,1) (2,2) (2,3)") << QList<int>{1, 1, 2, 2, 2, 3} << false;
        QTest::newRow("horizontal (4,4) (4,5) (4,6)") << QList<int>{4, 4, 4, 5, 4, 6} << true;
        QTest::newRow("antidiagonal (5,2) (4,3) (3,4)") << QList<int>{5, 2, 4, 3, 3, 4} << true;
        QTest::newRow("vertical hacia arriba (3,7) (2,7) (1,7)") << QList<int>{3, 7, 2, 7, 1, 7} << true;
        QTest::newRow("esquina (1,1) (1,2) (2,2)") << QList<int>{1, 1, 1, 2, 2, 2} << false;
    }
    void lineal()
    {
        QFETCH(QList<int>, casillas);
        QFETCH(bool, aceptada);
        JuegoDePrueba p;
        conTurno(p, true);
        for (int i = 0; i < casillas.size(); i += 2)
            Valor_Click(p.j, ficha(casillas[i], casillas[i + 1]));
        if (aceptada) {
            QCOMPARE(p.aviso.textos.size(), 1);
            QVERIFY(!p.aviso.textos[0].startsWith(QStringLiteral("Esta ficha")));
            QCOMPARE(p.j.e.turno, 0);  // the check has run
        } else {
            QCOMPARE(p.aviso.textos, QStringList{"Esta ficha no es continua (Horizontal - Vertical - Diagonal)"});
            QCOMPARE(p.sonido.beeps, 1);
            QCOMPARE(p.j.e.fichasElegidas, 2);
            QCOMPARE(grises(p.j.e), 2);
            QCOMPARE(p.j.e.combinacion.size(), 2);
        }
    }

    // Unmarking takes its digit out once and leaves the other tile as the
    // one the next pick must touch.
    void desmarcar()
    {
        JuegoDePrueba p;
        conTurno(p);
        // (1,4) and (2,5) both hold a 1.
        pulsar(p, {{1, 4}, {2, 5}});
        QCOMPARE(p.j.e.combinacion, QStringLiteral("11"));
        pulsar(p, {{1, 4}});
        QCOMPARE(p.j.e.combinacion, QStringLiteral("1"));
        QCOMPARE(p.j.e.fichasElegidas, 1);
        QCOMPARE(p.j.e.ultimaFicha, QStringLiteral("25"));
        QCOMPARE(p.j.e.fichaCU[ficha(1, 4)].fondo, color::blanco);
        // (3,6) touches (2,5) but not the unmarked (1,4).
        pulsar(p, {{3, 6}});
        QCOMPARE(p.j.e.fichasElegidas, 2);
        pulsar(p, {{3, 6}, {2, 5}});
        QCOMPARE(p.j.e.fichasElegidas, 0);
        QCOMPARE(p.j.e.combinacion, QString());
        QCOMPARE(grises(p.j.e), 0);
        QVERIFY(p.aviso.textos.isEmpty());
        QCOMPARE(p.sonido.beeps, 0);
    }

    // The third tile goes straight to the check: no chance to take it back.
    void terceraFichaVaALaComprobacion()
    {
        JuegoDePrueba p;
        conTurno(p);
        pulsar(p, {{1, 1}, {1, 2}, {1, 3}});  // 3 x 4 + 7 = 19
        QCOMPARE(p.aviso.textos, QStringList{"Ana, Te has ganado esta ficha"});
        QCOMPARE(p.j.e.Fichas[1].texto, QStringLiteral("1"));
        QCOMPARE(grises(p.j.e), 0);
        QCOMPARE(p.j.e.fichasElegidas, 0);
    }

    void maquinaYOtraEstacionNoEligen()
    {
        JuegoDePrueba p;
        QVERIFY(empezarLocal(p, {"Ana", "Maquina 2"}, 19, {false, false, true}));
        p.j.e.turno = 2;  // as the machine player claims
        Valor_Click(p.j, 1);
        QCOMPARE(grises(p.j.e), 0);
        QCOMPARE(p.sonido.beeps, 0);
        QVERIFY(p.aviso.textos.isEmpty());

        JuegoDePrueba red;
        red.enRed(true);
        red.j.e.miJugador = 1;
        red.j.e.turno = 2;
        Valor_Click(red.j, 1);
        QCOMPARE(red.sonido.beeps, 1);
        QVERIFY(red.enlace.envios.empty());
        red.j.e.turno = 1;
        Valor_Click(red.j, 1);
        Valor_Click(red.j, 1);
        QCOMPARE(red.enlace.textos(), (QStringList{"[fichaON]1", "[fichaOFF]1"}));
    }
};

QTEST_GUILESS_MAIN(TestSeleccion)
#include "test_seleccion.moc"
