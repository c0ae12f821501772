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

    static void empezar(JuegoDePrueba& p, const QStringList& nombres = {"Ana", "Beto", "Carla"})
    {
        QVERIFY(empezarLocal(p, nombres, 19));
    }

    static void tics(JuegoDePrueba& p, int n)
    {
        for (int i = 0; i < n; ++i)
            Timer1_Timer(p.j);
    }

private slots:
    void textoDelReloj()
    {
        QCOMPARE(textoReloj(2, 59), QStringLiteral("2 : 59"));
        QCOMPARE(textoReloj(1, 5), QStringLiteral("1 : 05"));
        QCOMPARE(textoReloj(0, 0), QStringLiteral("0 : 00"));
    }

    // 180 ticks make a round; the last shows 0 : 00 and gives up the target.
    void unaRondaSinCombinacion()
    {
        JuegoDePrueba p;
        empezar(p);
        p.j.e.datosJugadores[2].fichas = 3;
        QCOMPARE(p.j.e.relog.texto, QStringLiteral("3:00"));
        QStringList vistos;
        for (int i = 0; i < 180; ++i) {
            Timer1_Timer(p.j);
            vistos << p.j.e.relog.texto;
        }
        QCOMPARE(vistos.first(), QStringLiteral("2 : 59"));
        QCOMPARE(vistos[54], QStringLiteral("2 : 05"));
        QCOMPARE(vistos[60], QStringLiteral("1 : 59"));
        QCOMPARE(vistos.last(), QStringLiteral("0 : 00"));
        QCOMPARE(vistos.size(), QSet<QString>(vistos.begin(), vistos.end()).size());
        QCOMPARE(p.aviso.textos, QStringList{"Ha finalizado el tiempo"});
        QCOMPARE(p.sonido.beeps, 1);
        QVERIFY(p.j.e.fichaRE != QStringLiteral("19"));
        QCOMPARE(pozo::cantidad(p.j.e.fichasRedondas), 48);
        QCOMPARE(p.j.e.datosJugadores[2].fichas, 3);
        Timer1_Timer(p.j);
        QCOMPARE(p.j.e.relog.texto, QStringLiteral("2 : 59"));
    }

    // Time running out also ends a turn half-way: no tile lost, picks gone.
    void fueraDeTiempoConTurno()
    {
        JuegoDePrueba p;
        empezar(p);
        Form_KeyPress(p.j, QLatin1Char('2'));
        Valor_Click(p.j, ficha(1, 1));
        Valor_Click(p.j, ficha(1, 2));
        tics(p, 180);
        QCOMPARE(p.j.e.turno, 0);
        QVERIFY(!p.j.e.Jugadores[2].opaca);
        QCOMPARE(p.j.e.fichasElegidas, 0);
        QCOMPARE(p.j.e.combinacion, QString());
        QCOMPARE(p.j.e.ultimaFicha, QString());
        QCOMPARE(p.j.e.fichaCU[ficha(1, 1)].fondo, color::blanco);
        QCOMPARE(p.j.e.datosJugadores[2].fichas, 0);
        // The next player starts from nothing.
        Form_KeyPress(p.j, QLatin1Char('3'));
        Valor_Click(p.j, ficha(7, 7));
        QCOMPARE(p.j.e.fichasElegidas, 1);
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
    void partidaTerminaPorTiempo()
    {
        JuegoDePrueba p;
        empezar(p);
        Estado& e = p.j.e;
        e.fichasRedondas.clear();
        for (int s = 1; s <= 3; ++s)
            marcador::sumarFichas(e, s, QList<int>{2, 5, 5}[s - 1]);
        e.partidasGanadas[2] = 4;  // a count the labels did not show yet
        guionReparto(p.azar);
        tics(p, 180);
        QCOMPARE(p.aviso.textos, (QStringList{"Ha finalizado el tiempo", "El ganador de esta partida es Beto"}));
        QCOMPARE(e.ganador, 2);
        QCOMPARE(e.partidasGanadas[2], 5);
        QCOMPARE(e.Partidas[2].texto, QStringLiteral("5"));
        for (int s = 1; s <= kMaxJugadores; ++s)
            QCOMPARE(e.Fichas[s].texto, QStringLiteral("0"));
        QCOMPARE(pozo::cantidad(e.fichasRedondas), 49);  // refilled, then one drawn
        QCOMPARE(e.Valor[ficha(7, 1)], QStringLiteral("9"));
    }

    // A tick that arrives while its own notice is open does nothing.
    void elRelojNoTicaDentroDeSuTic()
    {
        JuegoDePrueba p;
        empezar(p);
        tics(p, 179);
        p.aviso.mientrasAbierto = [&] { tics(p, 5); };
        Timer1_Timer(p.j);
        QCOMPARE(p.aviso.textos, QStringList{"Ha finalizado el tiempo"});
        QCOMPARE(p.j.e.relog.texto, QStringLiteral("0 : 00"));
        QCOMPARE(p.j.e.segundos + p.j.e.minutos + p.j.e.minutosPasados, 0);
        QVERIFY(!p.j.relojEnTic);
    }

    void servidorCuentaElTiempoALosClientes()
    {
        JuegoDePrueba p;
        p.enRed(true);
        p.j.e.numJugadores = 2;
        p.j.e.datosJugadores[1].nombre = QStringLiteral("Ana");
        p.j.e.fichaRE = QStringLiteral("19");
        p.j.e.fichasRedondas = QString();
        guionReparto(p.azar);
        tics(p, 180);
        const auto& envios = p.enlace.envios;
        QCOMPARE(envios.front().texto, QStringLiteral("[Relog]2 : 59"));
        int i = 179;
        QCOMPARE(envios[i].texto, QStringLiteral("[Message]Finalizo el tiempo y nadie gano la ficha 19"));
        QVERIFY(envios[i].vbSelf);
        QCOMPARE(envios[++i].texto, QStringLiteral("[Partidas]1,1"));
        QVERIFY(!envios[i].vbSelf);
        QVERIFY(envios[++i].texto.startsWith(QStringLiteral("[fichaValor]1,")));
        i += 49;
        QVERIFY(envios[i].texto.startsWith(QStringLiteral("[ficharedonda]")));
        QCOMPARE(envios[++i].texto, QStringLiteral("[Relog]0 : 00"));
        QCOMPARE(envios.size(), std::size_t(i + 1));
    }

    // Six seconds without three tiles cost the turn, the picks and a tile.
    void turnoVencido()
    {
        JuegoDePrueba p;
        empezar(p);
        Form_KeyPress(p.j, QLatin1Char('3'));
        Valor_Click(p.j, ficha(1, 1));
        Valor_Click(p.j, ficha(1, 2));
        Timer2_Timer(p.j);
        QCOMPARE(p.aviso.textos, QStringList{"Carla se le a vencido el tiempo de su turno perdera una ficha"});
        QCOMPARE(p.sonido.beeps, 1);
        QCOMPARE(p.j.e.Fichas[3].texto, QStringLiteral("-1"));
        QVERIFY(!p.j.e.Jugadores[3].opaca);
        QCOMPARE(p.j.e.turno, 0);
        QCOMPARE(p.j.e.fichasElegidas, 0);
        QCOMPARE(p.j.e.combinacion, QString());
        QCOMPARE(p.j.e.fichaCU[ficha(1, 2)].fondo, color::blanco);
        QVERIFY(!p.j.Timer2.isActive());
        QCOMPARE(p.j.e.fichaRE, QStringLiteral("19"));

        // Nobody holds the turn (a resume does this): the tick only stops.
        p.j.Timer2.start();
        Timer2_Timer(p.j);
        QVERIFY(!p.j.Timer2.isActive());
        QCOMPARE(p.aviso.textos.size(), 1);
    }

    void turnoVencidoEnRed()
    {
        JuegoDePrueba p;
        p.enRed(false);
        p.j.e.miJugador = 2;
        p.j.e.datosJugadores[2] = {QStringLiteral("Beto"), 4};
        Command1_Click(p.j);
        p.enlace.envios.clear();
        Timer2_Timer(p.j);
        QCOMPARE(p.enlace.textos(), (QStringList{"[Puntaje]2,3", "[TurnoOFF]2"}));
        QVERIFY(p.j.e.Command1.habilitado);
    }

    // Paused, nothing moves; resumed, the clock goes on where it stood.
    void pausaYReanudacion()
    {
        JuegoDePrueba p;
        empezar(p);
        tics(p, 97);
        QCOMPARE(p.j.e.relog.texto, QStringLiteral("1 : 23"));
        Form_KeyPress(p.j, QLatin1Char('1'));
        mn_pausar_Click(p.j);
        QCOMPARE(p.j.e.mn_pausar.texto, QStringLiteral("Reanudar"));
        QVERIFY(p.j.e.mn_pausar.marcado);
        QVERIFY(!p.j.Timer1.isActive());
        QVERIFY(!p.j.Timer2.isActive());
        QVERIFY(!p.j.maquinas.isActive());
        // Picks still count while paused.
        Valor_Click(p.j, ficha(1, 1));
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
        QVERIFY(p.j.e.modoLineal);
        QVERIFY(p.j.e.mn_mod[2].marcado);
        QVERIFY(!p.j.e.mn_mod[1].marcado);
        mn_mod_Click(p.j, 1);
        QVERIFY(!p.j.e.modoLineal);
        QVERIFY(p.j.e.mn_mod[1].marcado && !p.j.e.mn_mod[2].marcado);
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
