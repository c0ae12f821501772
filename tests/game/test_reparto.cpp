// Dealing the board, drawing targets and restarting a match.

#include "dobles.h"
#include "game/azar.h"
#include "game/pozo.h"
#include "game/reparto.h"
#include "game/tablero.h"

#include <QtTest>
#include <set>

class TestReparto : public QObject {
    Q_OBJECT

    static std::array<int, 10> cuentaValores(const Estado& e)
    {
        std::array<int, 10> n{};
        for (int k = 1; k <= kFichas; ++k) {
            bool ok = false;
            const int v = e.Valor[k].toInt(&ok);
            if (!ok || v < 1 || v > 9)
                return {};
            ++n[v];
        }
        return n;
    }

private slots:
    // With the real clock-mixed generator, deal after deal, the board holds
    // exactly six of each of 1..4 and five of each of 5..9, every border is
    // one of the five colours, and deals made back to back still differ.
    void repartoRealRespetaLosLimites()
    {
        Juego j;
        const std::set<std::uint32_t> bordes{0xC0, 0xFF0000, 0xC000, 0x80FF, 0xC0C0};
        std::set<QString> tableros;
        std::set<std::uint32_t> bordesVistos;
        for (int vez = 0; vez < 500; ++vez) {
            repartirFichas(j);
            const auto n = cuentaValores(j.e);
            for (int v = 1; v <= 9; ++v)
                QCOMPARE(n[v], v < 5 ? 6 : 5);
            QString tablero;
            for (int k = 1; k <= kFichas; ++k) {
                QVERIFY(bordes.count(j.e.fichaCU[k].borde));
                bordesVistos.insert(j.e.fichaCU[k].borde);
                tablero += j.e.Valor[k];
            }
            tableros.insert(tablero);
        }
        QCOMPARE(tableros.size(), std::size_t(500));
        QCOMPARE(bordesVistos, bordes);
    }

    // Each tile's first accepted draw lands in its place, and the deal leaves
    // the selection colours alone.
    void repartoSigueLosSorteos()
    {
        JuegoDePrueba p;
        p.j.e.fichaCU[5].fondo = color::gris;
        // Tile 1: colour draw 0.0 -> 1 (dark red), value draw 0.99 -> 9.
        // Tile 2: colour 0.5 -> 3 (green), value 0.0 -> 1.
        p.azar.guion = {0.0, 0.99, 0.5, 0.0};
        repartirFichas(p.j);
        QCOMPARE(p.j.e.fichaCU[1].borde, 0xC0u);
        QCOMPARE(p.j.e.Valor[1], QStringLiteral("9"));
        QCOMPARE(p.j.e.fichaCU[2].borde, 0xC000u);
        QCOMPARE(p.j.e.Valor[2], QStringLiteral("1"));
        QCOMPARE(p.j.e.fichaCU[5].fondo, color::gris);
        QCOMPARE(p.azar.resiembras, 49);  // once per tile
    }

    // Draws that keep coming back to values already used up are refused,
    // and the deal still ends with the legal multiset.
    void valoresAgotadosSeRechazan()
    {
        JuegoDePrueba p;
        std::deque<double> ciclo;
        for (int i = 0; i < 49 * 20; ++i)
            ciclo.push_back((i % 9) / 9.0 + 0.01);
        p.azar.guion = ciclo;
        repartirFichas(p.j);
        const auto n = cuentaValores(p.j.e);
        for (int v = 1; v <= 9; ++v)
            QCOMPARE(n[v], v < 5 ? 6 : 5);
    }

    void pozoCompletoEnOrden()
    {
        const QString s = pozo::completo();
        QCOMPARE(s.size(), 200);
        QVERIFY(s.startsWith(QStringLiteral("*01**02*")));
        QVERIFY(s.endsWith(QStringLiteral("*49**50*")));
        QCOMPARE(pozo::cantidad(s), 50);
    }

    void sorteoDelPozo_data()
    {
        QTest::addColumn<QString>("pool");
        QTest::addColumn<double>("r");
        QTest::addColumn<QString>("sale");
        QTest::newRow("solo queda 50") << "*50*" << 0.7 << "50";
        QTest::newRow("dos: siempre el primero") << "*12**50*" << 0.999 << "12";
        QTest::newRow("dos, r = 0") << "*12**50*" << 0.0 << "12";
        QTest::newRow("completo, r = 0") << pozo::completo() << 0.0 << "01";
        QTest::newRow("completo, r casi 1: nunca el ultimo") << pozo::completo() << 0.99999 << "49";
        QTest::newRow("completo, a mitad") << pozo::completo() << 0.5 << "25";
    }
    void sorteoDelPozo()
    {
        QFETCH(QString, pool);
        QFETCH(double, r);
        QFETCH(QString, sale);
        QCOMPARE(pozo::elegir(pool, r), sale);
    }

    // Over a whole match every number comes out exactly once, 50 last.
    void unaPartidaSacaCadaNumeroUnaVez()
    {
        Juego j;
        j.e.fichasRedondas = pozo::completo();
        std::set<int> vistos;
        int ultimo = 0;
        while (!j.e.fichasRedondas.isEmpty()) {
            const int antes = pozo::cantidad(j.e.fichasRedondas);
            nuevaFichaRedonda(j);
            ultimo = j.e.fichaRE.toInt();
            QVERIFY(vistos.insert(ultimo).second);
            QCOMPARE(pozo::cantidad(j.e.fichasRedondas), antes - 1);
            QCOMPARE(j.e.fichasRedondas.size() % 4, 0);
        }
        QCOMPARE(vistos.size(), std::size_t(50));
        QCOMPARE(ultimo, 50);
    }

    void objetivoSinCeroYSaleDelPozo()
    {
        JuegoDePrueba p;
        p.j.e.fichasRedondas = pozo::completo();
        p.azar.guion = {6.0 / 49.0 + 1e-9};  // the seventh token
        nuevaFichaRedonda(p.j);
        QCOMPARE(p.j.e.fichaRE, QStringLiteral("7"));
        QVERIFY(!p.j.e.fichasRedondas.contains(QStringLiteral("*07*")));
        QCOMPARE(pozo::cantidad(p.j.e.fichasRedondas), 49);
    }

    // A client never deals or draws by itself: it asks the server. A server
    // broadcasts each tile in order and the target with the pool left.
    void enRedSoloDibujaElServidor()
    {
        JuegoDePrueba cliente(false);
        cliente.enRed(false);
        cliente.j.e.fichaRE = QStringLiteral("33");
        cliente.j.e.fichasRedondas = pozo::completo();
        nuevaFichaRedonda(cliente.j);
        QCOMPARE(cliente.j.e.fichaRE, QStringLiteral("33"));
        QCOMPARE(cliente.j.e.fichasRedondas, pozo::completo());
        QCOMPARE(cliente.enlace.textos(), QStringList{QStringLiteral("[ficharedonda]")});
        QVERIFY(!cliente.enlace.envios[0].aTodos);

        JuegoDePrueba servidor(false);
        servidor.enRed(true);
        servidor.j.e.fichasRedondas = QStringLiteral("*04**50*");
        nuevaFichaRedonda(servidor.j);
        repartirFichas(servidor.j);
        const auto& envios = servidor.enlace.envios;
        QCOMPARE(envios.size(), std::size_t(50));
        QCOMPARE(envios[0].texto, QStringLiteral("[ficharedonda]4,*50*"));
        for (int k = 1; k <= kFichas; ++k) {
            QCOMPARE(envios[k].texto, QStringLiteral("[fichaValor]%1,%2").arg(k).arg(servidor.j.e.Valor[k]));
            QVERIFY(envios[k].aTodos);
            QVERIFY(!envios[k].vbSelf);
        }
    }

    void localNoEnviaNada()
    {
        JuegoDePrueba p(false);
        p.j.enlace = &p.enlace;
        p.j.e.fichasRedondas = pozo::completo();
        nuevaFichaRedonda(p.j);
        repartirFichas(p.j);
        QVERIFY(p.enlace.envios.empty());
    }

    // "Repartir" mid-attempt: tiles won reset, a fresh pool less one target,
    // a new board, clock counters at zero and the clocks running; the grey
    // tiles, the picks so far and the turn timer are left as they were.
    void repartirDuranteUnIntento()
    {
        JuegoDePrueba p(false);
        Estado& e = p.j.e;
        e.numJugadores = 3;
        e.datosJugadores[2].fichas = 4;
        e.Fichas[2].texto = QStringLiteral("4");
        e.partidasGanadas[2] = 2;
        e.turno = 2;
        e.Jugadores[2].opaca = true;
        e.fichasElegidas = 2;
        e.combinacion = QStringLiteral("34");
        e.fichaCU[9].fondo = e.fichaCU[10].fondo = color::gris;
        e.minutos = 1;
        e.segundos = 23;
        e.minutosPasados = 2;
        e.ganador = 3;
        e.fichasRedondas = QStringLiteral("*50*");
        p.j.Timer2.start();

        mn_repar_Click(p.j);

        QCOMPARE(e.datosJugadores[2].fichas, 0);
        QCOMPARE(e.Fichas[2].texto, QStringLiteral("0"));
        QCOMPARE(e.partidasGanadas[2], 2);
        QCOMPARE(e.turno, 0);
        QVERIFY(!e.Jugadores[2].opaca);
        QCOMPARE(e.fichasElegidas, 2);
        QCOMPARE(e.combinacion, QStringLiteral("34"));
        QCOMPARE(e.fichaCU[9].fondo, color::gris);
        QCOMPARE(e.fichaCU[10].fondo, color::gris);
        QVERIFY(p.j.Timer2.isActive());
        QCOMPARE(e.minutos + e.segundos + e.minutosPasados, 0);
        QCOMPARE(e.ganador, 0);
        QCOMPARE(pozo::cantidad(e.fichasRedondas), 49);
        QVERIFY(!e.fichaRE.isEmpty());
        QVERIFY(!e.fichasRedondas.contains(QLatin1Char('*') + QStringLiteral("%1").arg(e.fichaRE.toInt(), 2, 10, QLatin1Char('0')) + QLatin1Char('*')));
        QVERIFY(p.j.Timer1.isActive());
        QVERIFY(p.j.maquinas.isActive());
        QVERIFY(!e.Valor[1].isEmpty());
    }

    // "Repartir" on a server sends the new target and the new board, never
    // the reset tile counts.
    void repartirEnRedSoloEnviaObjetivoYTablero()
    {
        JuegoDePrueba p(false);
        p.enRed(true);
        mn_repar_Click(p.j);
        const QStringList t = p.enlace.textos();
        QCOMPARE(t.size(), 50);
        QVERIFY(t[0].startsWith(QStringLiteral("[ficharedonda]")));
        for (int k = 1; k < t.size(); ++k)
            QVERIFY(t[k].startsWith(QStringLiteral("[fichaValor]")));
    }

    void geometria()
    {
        QCOMPARE(tablero::tag(1), QStringLiteral("11"));
        QCOMPARE(tablero::tag(7), QStringLiteral("17"));
        QCOMPARE(tablero::tag(42), QStringLiteral("67"));
        QCOMPARE(tablero::tag(49), QStringLiteral("77"));
        Estado e;
        for (int k = 1; k <= kFichas; ++k) {
            QCOMPARE(e.fichaCU[k].tag, tablero::tag(k));
            QCOMPARE(tablero::indice(tablero::fila(k), tablero::columna(k)), k);
        }
        QCOMPARE(tablero::codigoDireccion(0, 1), std::int16_t(-10));
        QCOMPARE(tablero::codigoDireccion(0, -1), std::int16_t(-10));
        QCOMPARE(tablero::codigoDireccion(1, 0), std::int16_t(0));
        QCOMPARE(tablero::codigoDireccion(-1, 0), std::int16_t(0));
        QCOMPARE(tablero::codigoDireccion(1, 1), std::int16_t(1));
        QCOMPARE(tablero::codigoDireccion(-1, -1), std::int16_t(1));
        QCOMPARE(tablero::codigoDireccion(1, -1), std::int16_t(-1));
        QCOMPARE(tablero::codigoDireccion(-1, 1), std::int16_t(-1));
    }

    // Re-seeding never restarts the sequence: back-to-back re-seeds within
    // one clock tick still give fresh draws, all in [0, 1).
    void resiembraNoRepite()
    {
        AzarReloj a(42);
        std::set<double> vistos;
        for (int i = 0; i < 2000; ++i) {
            a.resembrar();
            const double x = a.rnd();
            QVERIFY(x >= 0.0 && x < 1.0);
            vistos.insert(x);
        }
        QCOMPARE(vistos.size(), std::size_t(2000));
    }
};

QTEST_GUILESS_MAIN(TestReparto)
#include "test_reparto.moc"
