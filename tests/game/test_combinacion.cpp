// The rule of the game and the check that scores the turn holder.

#include "dobles.h"
#include "flow/reloj.h"
#include "game/combinacion.h"
#include "game/pozo.h"
#include "partida.h"

#include <QtTest>

class TestCombinacion : public QObject {
    Q_OBJECT

    // Seat 2 of three holds the turn with three grey tiles and `digitos`.
    static void enIntento(JuegoDePrueba& p, const QString& digitos, const QString& objetivo)
    {
        Estado& e = p.j.e;
        e.numJugadores = 3;
        for (int s = 1; s <= 3; ++s)
            e.datosJugadores[s].nombre = QStringList{"Ana", "Beto", "Carla"}[s - 1];
        e.fichaRE = objetivo;
        e.fichasRedondas = pozo::completo();
        e.turno = 2;
        e.Jugadores[2].opaca = true;
        e.combinacion = digitos;
        for (int k : {9, 10, 11})
            e.fichaCU[k].fondo = color::gris;
        e.minutos = 1;
        e.segundos = 23;
        e.minutosPasados = 2;
        p.j.Timer2.start();
    }

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
        QTest::newRow("el orden importa: 473 no da 19") << "473" << 19 << false;
        QTest::newRow("falta la tercera: cuenta 0") << "34" << 12 << true;
        QTest::newRow("vacia da 0") << "" << 0 << true;
        QTest::newRow("un caracter que no es cifra cuenta 0") << "3x7" << 7 << true;
    }
    void regla()
    {
        QFETCH(QString, digitos);
        QFETCH(int, objetivo);
        QFETCH(bool, correcta);
        QCOMPARE(combinacionCorrecta(digitos, objetivo), correcta);
    }

    // A right pick: one tile won, a new target, the clocks running, and the
    // round clock stopped while the good news is on screen.
    void correctaGanaUnaFicha()
    {
        JuegoDePrueba p;
        enIntento(p, QStringLiteral("347"), QStringLiteral("19"));
        p.j.e.datosJugadores[2].fichas = 4;
        p.j.Timer1.start();
        bool relojParado = false;
        p.aviso.mientrasAbierto = [&] { relojParado = !p.j.Timer1.isActive(); };
        guionObjetivo(p.azar, p.j.e.fichasRedondas, 33);

        verificarCombinacion(p.j);

        QCOMPARE(p.aviso.textos, QStringList{"Beto, Te has ganado esta ficha"});
        QVERIFY(relojParado);
        QCOMPARE(p.j.e.datosJugadores[2].fichas, 5);
        QCOMPARE(p.j.e.Fichas[2].texto, QStringLiteral("5"));
        QCOMPARE(p.j.e.fichaRE, QStringLiteral("33"));
        QCOMPARE(pozo::cantidad(p.j.e.fichasRedondas), 49);
        QVERIFY(p.j.Timer1.isActive());
        QVERIFY(p.j.maquinas.isActive());
        QCOMPARE(p.sonido.beeps, 0);
        intentoTerminado(p);
    }

    // A wrong pick beeps, costs a tile even below zero and keeps the target.
    void erroneaPierdeUnaFicha()
    {
        JuegoDePrueba p;
        enIntento(p, QStringLiteral("347"), QStringLiteral("12"));
        verificarCombinacion(p.j);
        QCOMPARE(p.aviso.textos, QStringList{"Beto La combinacion elegida no es correcta, perdera un punto"});
        QCOMPARE(p.sonido.beeps, 1);
        QCOMPARE(p.j.e.datosJugadores[2].fichas, -1);
        QCOMPARE(p.j.e.Fichas[2].texto, QStringLiteral("-1"));
        QCOMPARE(p.j.e.fichaRE, QStringLiteral("12"));
        QCOMPARE(pozo::cantidad(p.j.e.fichasRedondas), 50);
        QVERIFY(!p.j.maquinas.isActive());
        intentoTerminado(p);
    }

    // The last target of the pool wins the match for whoever takes it, even
    // with fewer tiles than the others; everybody starts the next at 0.
    void ultimaFichaGanaLaPartida()
    {
        JuegoDePrueba p;
        enIntento(p, QStringLiteral("955"), QStringLiteral("50"));
        p.j.e.fichasRedondas.clear();
        p.j.e.datosJugadores[1].fichas = 9;
        p.j.e.partidasGanadas[2] = 1;
        guionReparto(p.azar);
        guionObjetivo(p.azar, pozo::completo(), 8);

        verificarCombinacion(p.j);

        QCOMPARE(p.aviso.textos, (QStringList{"Beto, Te has ganado esta ficha", "Beto, has ganado esta partida"}));
        QCOMPARE(p.j.e.partidasGanadas[2], 2);
        QCOMPARE(p.j.e.Partidas[2].texto, QStringLiteral("2"));
        for (int s = 1; s <= kMaxJugadores; ++s) {
            QCOMPARE(p.j.e.datosJugadores[s].fichas, 0);
            QCOMPARE(p.j.e.Fichas[s].texto, QStringLiteral("0"));
        }
        QCOMPARE(p.j.e.Valor[ficha(1, 3)], QStringLiteral("7"));  // the new board
        QCOMPARE(p.j.e.fichaRE, QStringLiteral("8"));
        QCOMPARE(pozo::cantidad(p.j.e.fichasRedondas), 49);
        QVERIFY(p.j.Timer1.isActive());
        intentoTerminado(p);
    }

    // The round clock may run out while the wrong-pick notice is up: the
    // seat that picked still pays, and the attempt still ends cleanly.
    void elRelojVenceDuranteElAviso()
    {
        JuegoDePrueba p;
        enIntento(p, QStringLiteral("347"), QStringLiteral("12"));
        p.j.e.minutos = 0;
        p.j.e.segundos = 1;
        p.j.e.minutosPasados = 3;
        p.aviso.mientrasAbierto = [&] {
            p.aviso.mientrasAbierto = nullptr;
            Timer1_Timer(p.j);
        };
        verificarCombinacion(p.j);
        QCOMPARE(p.aviso.textos, (QStringList{"Beto La combinacion elegida no es correcta, perdera un punto",
                                              "Ha finalizado el tiempo"}));
        QCOMPARE(p.j.e.datosJugadores[2].fichas, -1);
        QCOMPARE(p.j.e.datosJugadores[0].fichas, 0);
        intentoTerminado(p);
    }

    // On a network station the check tells the others, in this order.
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
        QVERIFY(t[50].startsWith(QStringLiteral("[ficharedonda]8,")));
        QCOMPARE(t.mid(51), (QStringList{"[TurnoOFF]1", "[Puntaje]1,0"}));
        // Only the local game announces the match itself.
        QCOMPARE(servidor.aviso.textos, QStringList{"Ana, Te has ganado esta ficha"});
        QVERIFY(servidor.j.e.Command1.habilitado);

        JuegoDePrueba cliente;
        cliente.enRed(false);
        cliente.j.e.miJugador = 2;
        enIntento(cliente, QStringLiteral("347"), QStringLiteral("19"));
        verificarCombinacion(cliente.j);
        QCOMPARE(cliente.enlace.textos(), (QStringList{"[ficharedonda]", "[TurnoOFF]2", "[Puntaje]2,1"}));
        QCOMPARE(cliente.j.e.fichaRE, QStringLiteral("19"));  // the server draws

        JuegoDePrueba local;
        local.j.enlace = &local.enlace;
        enIntento(local, QStringLiteral("347"), QStringLiteral("12"));
        verificarCombinacion(local.j);
        QVERIFY(local.enlace.envios.empty());
    }
};

QTEST_GUILESS_MAIN(TestCombinacion)
#include "test_combinacion.moc"
