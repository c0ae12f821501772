// The rule of the game and the check that scores the turn holder.

#include "dobles.h"
#include "flow/reloj.h"
#include "game/combinacion.h"
#include "partida.h"

#include <QtTest>

class TestCombinacion : public QObject {
    Q_OBJECT

    // Seat 2 of three holds the turn with three grey tiles and `digitos`.
    static void enIntento(JuegoDePrueba& p, const QString& digitos, const QString& objetivo)
    {
        Estado& e = p.j.e;
        e.numJugadores = 3;
        e.datosJugadores[1].nombre = QStringLiteral("Ana");
        e.datosJugadores[2].nombre = QStringLiteral("Beto");
        e.fichaRE = objetivo;
        e.fichasRedondas = pozo::completo();
        e.turno = 2;
        e.Jugadores[2].opaca = true;
        e.combinacion = digitos;
        e.fichaCU[9].fondo = e.fichaCU[10].fondo = e.fichaCU[11].fondo = color::gris;
        e.minutos = e.segundos = 1;
        p.j.Timer2.start();
    }

    // Every check ends the attempt the same way, right or wrong.
    static void intentoTerminado(JuegoDePrueba& p)
    {
        const Estado& e = p.j.e;
        for (int k = 1; k <= kFichas; ++k)
            QCOMPARE(e.fichaCU[k].fondo, color::blanco);
        QCOMPARE(e.turno, 0);
        QCOMPARE(e.combinacion, QString());
        QVERIFY(!e.Jugadores[2].opaca);
        QCOMPARE(e.minutos + e.segundos + e.minutosPasados, 0);
        QVERIFY(!p.j.Timer2.isActive());
    }

private slots:
    void regla_data()
    {
        QTest::addColumn<QString>("digitos");
        QTest::addColumn<int>("objetivo");
        QTest::addColumn<bool>("correcta");
        QTest::newRow("347 suma") << "347" << 19 << true;
        QTest::newRow("347 resta") << "347" << 5 << true;
        QTest::newRow("734 suma") << "734" << 25 << true;
        QTest::newRow("734 resta") << "734" << 17 << true;
        QTest::newRow("347 no da 12") << "347" << 12 << false;
        QTest::newRow("111 no da 1") << "111" << 1 << false;
        QTest::newRow("959 no da 50") << "959" << 50 << false;
        QTest::newRow("955 da 50") << "955" << 50 << true;
        QTest::newRow("el orden importa") << "473" << 19 << false;
        QTest::newRow("lo que falta cuenta 0") << "34" << 12 << true;
        QTest::newRow("lo que no es cifra cuenta 0") << "3x7" << 7 << true;
    }
    void regla()
    {
        QFETCH(QString, digitos);
        QFETCH(int, objetivo);
        QFETCH(bool, correcta);
        QCOMPARE(combinacionCorrecta(digitos, objetivo), correcta);
    }

    // The last target of the pool wins the match for whoever takes it, even
    // with fewer tiles than others; the clock is stopped under the news.
    void ultimaFichaGanaLaPartida()
    {
        JuegoDePrueba p;
        enIntento(p, QStringLiteral("955"), QStringLiteral("50"));
        p.j.e.fichasRedondas.clear();
        p.j.e.datosJugadores[1].fichas = 9;
        p.j.e.partidasGanadas[2] = 1;
        p.j.Timer1.start();
        QList<bool> relojParado;
        p.aviso.mientrasAbierto = [&] { relojParado << !p.j.Timer1.isActive(); };
        guionReparto(p.azar);
        guionObjetivo(p.azar, pozo::completo(), 8);

        verificarCombinacion(p.j);

        QCOMPARE(p.aviso.textos, (QStringList{"Beto, Te has ganado esta ficha", "Beto, has ganado esta partida"}));
        QCOMPARE(relojParado, (QList<bool>{true, true}));
        QCOMPARE(p.j.e.Partidas[2].texto, QStringLiteral("2"));
        for (int s = 1; s <= kMaxJugadores; ++s)
            QCOMPARE(p.j.e.Fichas[s].texto, QStringLiteral("0"));
        QCOMPARE(p.j.e.Valor[ficha(1, 3)], QStringLiteral("7"));  // the new board
        QCOMPARE(p.j.e.fichaRE, QStringLiteral("8"));
        QCOMPARE(pozo::cantidad(p.j.e.fichasRedondas), 49);
        QVERIFY(p.j.Timer1.isActive() && p.j.maquinas.isActive());
        QCOMPARE(p.sonido.beeps, 0);
        intentoTerminado(p);
    }

    // The round clock may run out while the wrong-pick notice is up: the
    // seat that picked still pays, and the attempt still ends cleanly.
    void elRelojVenceDuranteElAviso()
    {
        JuegoDePrueba p;
        enIntento(p, QStringLiteral("347"), QStringLiteral("12"));
        p.j.e.minutos = 0;
        p.j.e.minutosPasados = 3;
        p.aviso.mientrasAbierto = [&] {
            p.aviso.mientrasAbierto = nullptr;
            Timer1_Timer(p.j);
        };
        verificarCombinacion(p.j);
        QCOMPARE(p.aviso.textos, (QStringList{"Beto La combinacion elegida no es correcta, perdera un punto",
                                              "Ha finalizado el tiempo"}));
        QCOMPARE(p.sonido.beeps, 2);
        QCOMPARE(p.j.e.Fichas[2].texto, QStringLiteral("-1"));
        QCOMPARE(p.j.e.datosJugadores[0].fichas, 0);
        intentoTerminado(p);
    }

    // A network station tells the others, in this order; only a local game
    // announces the match itself.
    void enRedEnviaEnOrden()
    {
        JuegoDePrueba servidor;
        servidor.enRed(true);
        servidor.j.e.miJugador = 1;
        enIntento(servidor, QStringLiteral("955"), QStringLiteral("50"));
        servidor.j.e.turno = 1;
        servidor.j.e.fichasRedondas.clear();
        guionReparto(servidor.azar);
        guionObjetivo(servidor.azar, pozo::completo(), 8);
        verificarCombinacion(servidor.j);
        const QStringList t = servidor.enlace.textos();
        QCOMPARE(t.size(), 1 + 49 + 1 + 2);
        QCOMPARE(t[0], QStringLiteral("[Partidas]1,1"));
        QVERIFY(servidor.enlace.envios[0].vbSelf);
        QCOMPARE(t[1], QStringLiteral("[fichaValor]1,3"));
        QCOMPARE(t[50], QStringLiteral("[ficharedonda]8,") + servidor.j.e.fichasRedondas);
        QCOMPARE(t.mid(51), (QStringList{"[TurnoOFF]1", "[Puntaje]1,0"}));
        QCOMPARE(servidor.aviso.textos, QStringList{"Ana, Te has ganado esta ficha"});
        QVERIFY(servidor.j.e.Command1.habilitado);

        JuegoDePrueba cliente;
        cliente.enRed(false);
        cliente.j.e.miJugador = 2;
        enIntento(cliente, QStringLiteral("347"), QStringLiteral("19"));
        verificarCombinacion(cliente.j);
        QCOMPARE(cliente.enlace.textos(), (QStringList{"[ficharedonda]", "[TurnoOFF]2", "[Puntaje]2,1"}));
        QCOMPARE(cliente.j.e.fichaRE, QStringLiteral("19"));  // the server draws
    }
};

QTEST_GUILESS_MAIN(TestCombinacion)
#include "test_combinacion.moc"
