// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

// What the local setup's "Aceptar" and "Cancelar" decide for the game.

#include "partida.h"
#include "prueba.h"

class TestPartidaLocal : public QObject {
    Q_OBJECT
private slots:
    // Two blanks are a name; a seat ticked beyond the count is neither checked nor a machine.
    // (What "Aceptar" refuses and resets, the setup dialog's test sees.)
    void nombresYMaquinas()
    {
        JuegoDePrueba p;
        QVERIFY(aceptarPartidaLocal(p.j, {3, {"", "Ana", "  ", "Carla", "RETIRADO"}, {false, true, false, false, true}}));
        QCOMPARE(p.j.e.maquina, (std::array<int, 7>{0, 1, 0, 0, 0, 0, 0}));
    }

    // "Cancelar" with no game starts no timer (over one, the window's test sees them start); a level counts at once.
    void cancelarYNivel()
    {
        JuegoDePrueba p;
        abrirPartidaLocal(p.j);
        cancelarPartidaLocal(p.j);
        QVERIFY(andando(p.j).isEmpty() && p.sonido.archivos.size() == 1);
        QList<int> ms;
        for (int n : {2, 4, 1, 3, 0}) {  // no level changes nothing
            elegirNivel(p.j, n);
            ms << p.j.maquinas.interval();
        }
        QCOMPARE(ms, (QList<int>{10000, 3000, 15000, 5000, 5000}));
    }
};

ZUMBARTA_PRUEBA(TestPartidaLocal);
#include "test_partida_local.moc"
