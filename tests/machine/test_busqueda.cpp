// The machine player's search of the board.

#include "game/tablero.h"
#include "machine/busqueda.h"

#include <QtTest>

using busqueda::buscar;
using Tablero = std::array<int, 50>;

static int k(int fila, int columna) { return tablero::indice(fila, columna); }

class TestBusqueda : public QObject {
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
};

QTEST_GUILESS_MAIN(TestBusqueda)
#include "test_busqueda.moc"
