// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dobles.h"
#include "game/tablero.h"
#include "game/busqueda.h"
#include "machine/maquina.h"
#include "prueba.h"

namespace {

using busqueda::buscar;
using Tablero = std::array<int, 50>;
using Jugada = std::array<int, 4>;
int k(int fila, int columna) { return tablero::indice(fila, columna); }

// Zeros but for the given (row, column, value) digits.
Tablero con(std::initializer_list<std::array<int, 3>> cifras)
{
    Tablero v{};
    for (auto [f, c, n] : cifras)
        v[k(f, c)] = n;
    return v;
}

}  // namespace

class TestMaquina : public QObject {
    Q_OBJECT
private slots:
    // Zeros, either mode and scan: 3, 4, 2 in a row make 14 and 10 forwards, 11 and 5 backwards, nothing
    // else; a bent 9·5 + 5 is a pick in Continuo only; 5·5 + 5 never uses a tile twice; of two paths for 14,
    // forward finds the one starting lowest, backward the one starting highest.
    void busqueda()
    {
        const Tablero recta = con({{2, 2, 3}, {2, 3, 4}, {2, 4, 2}});
        const Tablero doblado = con({{4, 4, 9}, {4, 5, 5}, {5, 5, 5}});
        const Tablero dos = con({{1, 1, 3}, {1, 2, 4}, {1, 3, 2}, {7, 7, 3}, {7, 6, 4}, {7, 5, 2}});
        const Jugada ida{0, k(2, 2), k(2, 3), k(2, 4)}, vuelta{0, k(2, 4), k(2, 3), k(2, 2)}, nada{};
        const Jugada quiebro{0, k(4, 4), k(4, 5), k(5, 5)}, otroQuiebro{0, k(5, 5), k(4, 4), k(4, 5)};
        auto jugada = [](const Tablero& v, int t, bool lineal, bool adelante) {
            const auto r = buscar(v, t, lineal, adelante);
            return r.encontrada ? r.jugada : Jugada{};
        };
        for (bool lineal : {false, true})
            for (bool adelante : {true, false}) {
                for (auto [t, j] : {std::pair{14, ida}, {10, ida}, {11, vuelta}, {5, vuelta}, {13, nada}, {15, nada},
                                    {9, nada}, {6, nada}, {1, nada}, {50, nada}})
                    QCOMPARE(jugada(recta, t, lineal, adelante), j);
                QCOMPARE(jugada(doblado, 50, lineal, adelante), lineal ? nada : adelante ? quiebro : otroQuiebro);
                QCOMPARE(jugada(con({{3, 3, 5}, {3, 4, 5}}), 30, lineal, adelante), nada);
                QCOMPARE(jugada(dos, 14, lineal, adelante)[1], adelante ? k(1, 1) : k(7, 7));
            }
        // From one first tile the steps go dr, dc from -1 up: up-left before up-right.
        const auto r = buscar(con({{4, 4, 6}, {3, 3, 7}, {3, 5, 7}, {2, 2, 1}, {2, 6, 1}}), 43, true, true);
        QCOMPARE(r.jugada, (Jugada{0, k(4, 4), k(3, 3), k(2, 2)}));
        QVERIFY(r.direccion[1] == 1 && r.direccion[2] == 1);
    }

    // Both scan directions and every machine seat come up, evenly. A whole machine turn on the real timers is
    // net/test_mesa.cpp's maquinaEnLaMesa.
    void sorteosParejos()
    {
        JuegoDePrueba p(false, enPruebas(1.0 / 50));
        Estado& e = p.j.e;  // 3, 4, 2 at tiles 9..11 and 45..47 alone make 14
        e.numJugadores = 6, e.enPartida = true, e.maquina = {0, 1, 0, 0, 1, 0, 1};
        e.Valor.fill(QStringLiteral("1"));
        for (int desde : {9, 45})
            std::ranges::copy(QStringList{"3", "4", "2"}, e.Valor.begin() + desde);
        e.fichaRE = QStringLiteral("14"), e.fichasRedondas = QStringLiteral("*20**21*");
        p.j.sincronizar();
        std::array<int, 7> asientos{};
        int adelante = 0, vueltas = 3000;
        for (int i = 0; i < vueltas; ++i) {
            e.turno = 0;
            maquinas_Timer(p.j);
            ++asientos[e.turno];
            adelante += e.jugadaMaquina[1] < 25;
        }
        QCOMPARE(asientos[1] + asientos[4] + asientos[6], vueltas);
        for (int s : {1, 4, 6})
            QVERIFY(asientos[s] > vueltas / 3 * 0.85 && asientos[s] < vueltas / 3 * 1.15 && adelante > vueltas / 2 * 0.9 && adelante < vueltas / 2 * 1.1);
    }
};

ZUMBARTA_PRUEBA(TestMaquina);
#include "test_maquina.moc"
