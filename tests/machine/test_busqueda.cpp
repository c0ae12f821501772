// The machine player's search of the board.

#include "game/combinacion.h"
#include "game/tablero.h"
#include "machine/busqueda.h"

#include <QtTest>

using busqueda::buscar;

namespace {

using Tablero = std::array<int, 50>;

// A board of ones: 1·1 ± 1 only ever makes 0 or 2.
Tablero unos()
{
    Tablero v;
    v.fill(1);
    return v;
}

int k(int fila, int columna) { return tablero::indice(fila, columna); }

bool sonVecinas(int a, int b)
{
    return a != b && std::abs(tablero::fila(a) - tablero::fila(b)) <= 1 &&
           std::abs(tablero::columna(a) - tablero::columna(b)) <= 1;
}

bool enLinea(int a, int b, int c)
{
    const int dr1 = tablero::fila(b) - tablero::fila(a), dc1 = tablero::columna(b) - tablero::columna(a);
    const int dr2 = tablero::fila(c) - tablero::fila(b), dc2 = tablero::columna(c) - tablero::columna(b);
    return dr1 == dr2 && dc1 == dc2;
}

}  // namespace

class TestBusqueda : public QObject {
    Q_OBJECT
private slots:
    // 3, 4, 2 in path order makes 14 and 10; read backwards (2, 4, 3) it
    // makes 11 and 5 instead, and nothing else.
    void ordenDelCamino_data()
    {
        QTest::addColumn<int>("objetivo");
        QTest::addColumn<bool>("hacia342");  // found as 3,4,2 (else as 2,4,3)
        QTest::newRow("14 = 3*4+2") << 14 << true;
        QTest::newRow("10 = 3*4-2") << 10 << true;
        QTest::newRow("11 = 2*4+3") << 11 << false;
        QTest::newRow("5 = 2*4-3") << 5 << false;
    }
    void ordenDelCamino()
    {
        QFETCH(int, objetivo);
        QFETCH(bool, hacia342);
        Tablero v{};  // zeros around the three tiles
        v[k(2, 2)] = 3;
        v[k(2, 3)] = 4;
        v[k(2, 4)] = 2;
        for (bool lineal : {false, true}) {
            for (bool adelante : {true, false}) {
                const auto r = buscar(v, objetivo, lineal, adelante);
                QVERIFY(r.encontrada);
                const std::array<int, 4> esperada =
                    hacia342 ? std::array<int, 4>{0, k(2, 2), k(2, 3), k(2, 4)} : std::array<int, 4>{0, k(2, 4), k(2, 3), k(2, 2)};
                QCOMPARE(r.jugada, esperada);
            }
        }
        for (int otro : {13, 15, 9, 6, 1, 50}) {
            QVERIFY2(!buscar(v, otro, false, true).encontrada, qPrintable(QString::number(otro)));
        }
    }

    // An L-shaped chain (right, then down) is a pick in Continuo and never in
    // Lineal.
    void caminoDobladoSoloEnContinuo()
    {
        Tablero v = unos();
        v[k(4, 4)] = 9;
        v[k(4, 5)] = 5;
        v[k(5, 5)] = 5;  // 9·5 + 5 = 50
        const auto continuo = buscar(v, 50, false, true);
        QVERIFY(continuo.encontrada);
        QCOMPARE(continuo.jugada, (std::array<int, 4>{0, k(4, 4), k(4, 5), k(5, 5)}));
        QVERIFY(!buscar(v, 50, true, true).encontrada);
        QVERIFY(!buscar(v, 50, true, false).encontrada);
    }

    // A path that steps back onto its first tile or stands still is never
    // taken, even where the digits would fit: 5·5 + 5 = 30 needs three
    // different fives, and only two are on the board.
    void nuncaRepiteFicha()
    {
        Tablero v = unos();
        v[k(3, 3)] = 5;
        v[k(3, 4)] = 5;
        for (bool lineal : {false, true})
            for (bool adelante : {true, false})
                QVERIFY(!buscar(v, 30, lineal, adelante).encontrada);
        QVERIFY(!buscar(unos(), 50, false, true).encontrada);
    }

    // Forward scans start at the lowest tile that begins a valid path,
    // backward scans at the highest; every pick found is a legal chain.
    void direccionDelBarrido()
    {
        Tablero v;
        for (int t = 1; t <= 49; ++t)
            v[t] = (t * 7 + t / 5) % 9 + 1;
        for (bool lineal : {false, true}) {
            for (int objetivo = 1; objetivo <= 50; ++objetivo) {
                int menor = 0, mayor = 0;
                for (int t = 1; t <= 49; ++t) {
                    // Does some valid path start at t? Ask a board where only paths from t count.
                    bool desdeT = false;
                    for (int b = 1; b <= 49 && !desdeT; ++b)
                        for (int c = 1; c <= 49 && !desdeT; ++c)
                            if (sonVecinas(t, b) && sonVecinas(b, c) && t != c &&
                                (!lineal || enLinea(t, b, c)) &&
                                combinacionValida(v[t], v[b], v[c], objetivo))
                                desdeT = true;
                    if (desdeT) {
                        if (!menor)
                            menor = t;
                        mayor = t;
                    }
                }
                const auto fwd = buscar(v, objetivo, lineal, true);
                const auto bwd = buscar(v, objetivo, lineal, false);
                QCOMPARE(fwd.encontrada, menor != 0);
                QCOMPARE(bwd.encontrada, menor != 0);
                if (!menor)
                    continue;
                QCOMPARE(fwd.jugada[1], menor);
                QCOMPARE(bwd.jugada[1], mayor);
                for (const auto& r : {fwd, bwd}) {
                    const auto& j = r.jugada;
                    QVERIFY(sonVecinas(j[1], j[2]) && sonVecinas(j[2], j[3]) && j[1] != j[3]);
                    QVERIFY(!lineal || enLinea(j[1], j[2], j[3]));
                    QVERIFY(combinacionValida(v[j[1]], v[j[2]], v[j[3]], objetivo));
                    if (lineal)
                        QCOMPARE(r.direccion[1], r.direccion[2]);
                }
            }
        }
    }

    // Within one first tile, the steps are tried dr, dc, dr2, dc2 from -1 up:
    // from the centre, the up-left neighbour comes before the right one.
    void ordenDeLosPasos()
    {
        Tablero v{};  // zeros: no path can start anywhere but the 6
        v[k(4, 4)] = 6;
        v[k(3, 3)] = 7;
        v[k(4, 5)] = 7;
        v[k(2, 2)] = 1;
        v[k(4, 6)] = 1;
        // 6·7 + 1 = 43 both ways; (3,3) is the step (-1,-1) and comes first.
        const auto r = buscar(v, 43, true, true);
        QVERIFY(r.encontrada);
        QCOMPARE(r.jugada[1], k(4, 4));
        QCOMPARE(r.jugada[2], k(3, 3));
        QCOMPARE(r.jugada[3], k(2, 2));
        QCOMPARE(r.direccion[1], std::int16_t(1));
    }
};

QTEST_GUILESS_MAIN(TestBusqueda)
#include "test_busqueda.moc"
