// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

// What the local setup's "Aceptar" and "Cancelar" decide for the game.

#include "game/marcador.h"
#include "partida.h"
#include "prueba.h"

class TestPartidaLocal : public QObject {
    Q_OBJECT
private slots:
    // A local game starts afresh over anything: the network side, matches,
    // tiles, the turn and its picks all go; two blanks are a name; a seat
    // ticked but beyond the count is neither checked nor a machine. (What
    // "Aceptar" refuses, the setup dialog's test sees.)
    void aceptar()
    {
        EnJuego p({"Ana", "Beto", "Carla"}, 19, {false, false, false, true});
        Estado& e = p.j.e;
        QCOMPARE(e.barra, QStringLiteral("Presione en el tecla la tecla correspondiente a su numero "));
        QVERIFY(e.Jugadores[3].visible && !e.Jugadores[4].visible && p.j.Timer1.isActive() && p.j.maquinas.isActive());
        QVERIFY(e.mn_pausar.habilitado && e.mn_repar.habilitado && e.relog.visible && e.Label3.visible);
        e.partidasGanadas = {0, 1, 1, 0, 0, 0, 0};
        marcador::sumarPartida(e, 1);  // seat 1 shows two matches
        marcador::sumarFichas(e, 2, 3);
        jugar(p, '1', {1, 1, 1, 2});
        e.Command1.visible = e.chatHabilitado = true;  // as if a network game were up
        guionObjetivo(p.azar, pozo::completo(), 19);
        guionReparto(p.azar);
        QVERIFY(aceptarPartidaLocal(p.j, {3, {"", "Ana", "  ", "Carla", "RETIRADO"}, {false, true, false, false, true}}));
        QVERIFY(!e.Command1.visible && !e.chatHabilitado && p.sonido.archivos.size() == 3);  // a click per "Aceptar" and claim
        QCOMPARE(e.maquina, (std::array<int, 7>{0, 1, 0, 0, 0, 0, 0}));
        QCOMPARE(e.partidasGanadas, (std::array<int, 7>{}));
        QVERIFY(e.turno == 0 && !e.Jugadores[1].opaca && e.fichasElegidas == 0 && e.combinacion.isEmpty());
        QVERIFY(!grises(e) && e.Fichas[2].texto == QStringLiteral("0") && e.Partidas[1].texto == QStringLiteral("0"));
    }

    // "Cancelar" with no game starts no timer (over one, the main window's
    // test sees them all start again), with its click; a level counts at once.
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
