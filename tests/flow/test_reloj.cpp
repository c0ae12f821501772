// The round clock, the turn timeout and the commands that steer a round.

#include "dobles.h"
#include "flow/mandos.h"
#include "flow/reloj.h"
#include "flow/vencimiento.h"
#include "game/marcador.h"
#include "game/seleccion.h"
#include "game/turno.h"
#include "partida.h"

#include <QtTest>

class TestReloj : public QObject {
    Q_OBJECT

    static void tics(JuegoDePrueba& p, int n)
    {
        for (int i = 0; i < n; ++i)
            Timer1_Timer(p.j);
    }

private slots:
    // 180 ticks make a round: nobody wins the target, and whoever was
    // picking loses the turn and the picks, but no tile.
    void unaRondaSinCombinacion()
    {
        JuegoDePrueba p;
        QVERIFY(empezarLocal(p, {"Ana", "Beto", "Carla"}, 19));
        QCOMPARE(p.j.e.relog.texto, QStringLiteral("3:00"));
        QStringList vistos;
        for (int i = 0; i < 179; ++i) {
            Timer1_Timer(p.j);
            vistos << p.j.e.relog.texto;
        }
        QCOMPARE(vistos.first(), QStringLiteral("2 : 59"));
        QCOMPARE(vistos[54], QStringLiteral("2 : 05"));
        QCOMPARE(vistos[60], QStringLiteral("1 : 59"));
        QCOMPARE(vistos.last(), QStringLiteral("0 : 01"));
        Form_KeyPress(p.j, QLatin1Char('2'));
        Valor_Click(p.j, ficha(1, 1));
        Valor_Click(p.j, ficha(1, 2));

        Timer1_Timer(p.j);
        QCOMPARE(p.j.e.relog.texto, QStringLiteral("0 : 00"));
        QCOMPARE(p.aviso.textos, QStringList{"Ha finalizado el tiempo"});
        QCOMPARE(p.sonido.beeps, 1);
        QVERIFY(p.j.e.fichaRE != QStringLiteral("19"));
        QCOMPARE(pozo::cantidad(p.j.e.fichasRedondas), 48);
        QCOMPARE(p.j.e.turno, 0);
        QVERIFY(!p.j.e.Jugadores[2].opaca);
        QCOMPARE(p.j.e.fichasElegidas, 0);
        QCOMPARE(p.j.e.combinacion, QString());
        QCOMPARE(p.j.e.fichaCU[ficha(1, 1)].fondo, color::blanco);
        QCOMPARE(p.j.e.Fichas[2].texto, QStringLiteral("0"));
        Timer1_Timer(p.j);
        QCOMPARE(p.j.e.relog.texto, QStringLiteral("2 : 59"));
    }

    void ganadorPorFichas_data()
    {
        QTest::addColumn<QList<int>>("fichas");
        QTest::addColumn<int>("ganador");
        QTest::newRow("empate: el asiento menor") << QList<int>{2, 5, 5} << 2;
        QTest::newRow("nadie gano nada") << QList<int>{0, 0, 0} << 1;
        QTest::newRow("todos en negativo") << QList<int>{-3, -1, -2} << 2;
        QTest::newRow("el ultimo") << QList<int>{1, 2, 3, 4} << 4;
    }
    void ganadorPorFichas()
    {
        QFETCH(QList<int>, fichas);
        QFETCH(int, ganador);
        Estado e;
        e.numJugadores = static_cast<int>(fichas.size());
        for (int s = 1; s <= e.numJugadores; ++s)
            e.datosJugadores[s].fichas = fichas[s - 1];
        e.datosJugadores[6].fichas = 99;  // not in play
        QCOMPARE(::ganadorPorFichas(e), ganador);
    }

    // The last target runs out: most tiles win the match, a new one starts.
    // A tick arriving while the notices are up does nothing.
    void partidaTerminaPorTiempo()
    {
        JuegoDePrueba p;
        QVERIFY(empezarLocal(p, {"Ana", "Beto", "Carla"}, 19));
        Estado& e = p.j.e;
        e.fichasRedondas.clear();
        for (int s = 1; s <= 3; ++s)
            marcador::sumarFichas(e, s, QList<int>{2, 5, 5}[s - 1]);
        tics(p, 179);
        p.aviso.mientrasAbierto = [&] { tics(p, 5); };
        guionReparto(p.azar);
        Timer1_Timer(p.j);
        QCOMPARE(p.aviso.textos, (QStringList{"Ha finalizado el tiempo", "El ganador de esta partida es Beto"}));
        QCOMPARE(e.ganador, 2);
        QCOMPARE(e.Partidas[2].texto, QStringLiteral("1"));
        for (int s = 1; s <= kMaxJugadores; ++s)
            QCOMPARE(e.Fichas[s].texto, QStringLiteral("0"));
        QCOMPARE(pozo::cantidad(e.fichasRedondas), 49);  // refilled, then one drawn
        QCOMPARE(e.Valor[ficha(7, 1)], QStringLiteral("9"));
        QCOMPARE(e.relog.texto, QStringLiteral("0 : 00"));
        QCOMPARE(e.segundos + e.minutos + e.minutosPasados, 0);
    }

    void servidorCuentaElTiempoALosClientes()
    {
        JuegoDePrueba p;
        p.enRed(true);
        p.j.e.numJugadores = 2;
        p.j.e.fichaRE = QStringLiteral("19");
        guionReparto(p.azar);
        tics(p, 180);
        const auto& envios = p.enlace.envios;
        QCOMPARE(envios.front().texto, QStringLiteral("[Relog]2 : 59"));
        QCOMPARE(envios[179].texto, QStringLiteral("[Message]Finalizo el tiempo y nadie gano la ficha 19"));
        QVERIFY(envios[179].vbSelf);
        QCOMPARE(envios[180].texto, QStringLiteral("[Partidas]1,1"));
        QVERIFY(!envios[180].vbSelf);
        QVERIFY(envios[181].texto.startsWith(QStringLiteral("[fichaValor]1,")));
        QVERIFY(envios[230].texto.startsWith(QStringLiteral("[ficharedonda]")));
        QCOMPARE(envios[231].texto, QStringLiteral("[Relog]0 : 00"));
        QCOMPARE(envios.size(), std::size_t(232));
    }

    // Six seconds without three tiles cost the turn, the picks and a tile.
    void turnoVencido()
    {
        JuegoDePrueba p;
        QVERIFY(empezarLocal(p, {"Ana", "Beto", "Carla"}, 19));
        Form_KeyPress(p.j, QLatin1Char('3'));
        Valor_Click(p.j, ficha(1, 1));
        Valor_Click(p.j, ficha(1, 2));
        Timer2_Timer(p.j);
        QCOMPARE(p.aviso.textos, QStringList{"Carla se le a vencido el tiempo de su turno perdera una ficha"});
        QCOMPARE(p.sonido.beeps, 1);
        QCOMPARE(p.j.e.Fichas[3].texto, QStringLiteral("-1"));
        QVERIFY(!p.j.e.Jugadores[3].opaca);
        QCOMPARE(p.j.e.turno, 0);
        QCOMPARE(p.j.e.combinacion, QString());
        QCOMPARE(p.j.e.fichaCU[ficha(1, 2)].fondo, color::blanco);
        QVERIFY(!p.j.Timer2.isActive());
        QCOMPARE(p.j.e.fichaRE, QStringLiteral("19"));

        // Nobody holds the turn (a resume does this): the tick only stops.
        p.j.Timer2.start();
        Timer2_Timer(p.j);
        QVERIFY(!p.j.Timer2.isActive());
        QCOMPARE(p.aviso.textos.size(), 1);

        JuegoDePrueba red;
        red.enRed(false);
        red.j.e.miJugador = 2;
        red.j.e.datosJugadores[2] = {QStringLiteral("Beto"), 4};
        Command1_Click(red.j);
        Timer2_Timer(red.j);
        QCOMPARE(red.enlace.textos(), (QStringList{"[TurnoON]2", "[Puntaje]2,3", "[TurnoOFF]2"}));
        QVERIFY(red.j.e.Command1.habilitado);
    }

    // Paused, nothing moves; resumed, the clock goes on where it stood.
    void pausaYReanudacion()
    {
        JuegoDePrueba p;
        QVERIFY(empezarLocal(p, {"Ana", "Beto"}, 19));
        tics(p, 97);
        QCOMPARE(p.j.e.relog.texto, QStringLiteral("1 : 23"));
        Form_KeyPress(p.j, QLatin1Char('1'));
        mn_pausar_Click(p.j);
        QCOMPARE(p.j.e.mn_pausar.texto, QStringLiteral("Reanudar"));
        QVERIFY(p.j.e.mn_pausar.marcado);
        QVERIFY(!p.j.Timer1.isActive() && !p.j.Timer2.isActive() && !p.j.maquinas.isActive());
        Valor_Click(p.j, ficha(1, 1));  // picks still count while paused
        QCOMPARE(p.j.e.fichasElegidas, 1);

        mn_pausar_Click(p.j);
        QCOMPARE(p.j.e.mn_pausar.texto, QStringLiteral("Pausar"));
        QVERIFY(!p.j.e.mn_pausar.marcado);
        QVERIFY(p.j.Timer1.isActive() && p.j.Timer2.isActive() && p.j.maquinas.isActive());
        Timer1_Timer(p.j);
        QCOMPARE(p.j.e.relog.texto, QStringLiteral("1 : 22"));
    }

    void modoDeJuego()
    {
        JuegoDePrueba p;
        p.enRed(true);
        mn_mod_Click(p.j, 2);
        mn_mod_Click(p.j, 2);
        QVERIFY(p.j.e.modoLineal && p.j.e.mn_mod[2].marcado && !p.j.e.mn_mod[1].marcado);
        mn_mod_Click(p.j, 1);
        QVERIFY(!p.j.e.modoLineal && p.j.e.mn_mod[1].marcado && !p.j.e.mn_mod[2].marcado);
        QCOMPARE(p.enlace.textos(), (QStringList{"[modojuego] Verdadero", "[modojuego] Verdadero", "[modojuego] Falso"}));

        JuegoDePrueba cliente;
        cliente.enRed(false);
        mn_mod_Click(cliente.j, 2);
        QVERIFY(cliente.j.e.modoLineal);
        QVERIFY(cliente.enlace.envios.empty());
    }
};

QTEST_GUILESS_MAIN(TestReloj)
#include "test_reloj.moc"
