// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

// Whole network games over loopback: one server and its clients in this
// process, each with its own game state, talking through real sockets.

#include "flow/reloj.h"
#include "flow/vencimiento.h"
#include "game/combinacion.h"
#include "net/chat.h"
#include "net/cierre.h"
#include "red.h"

class TestRed : public QObject {
    Q_OBJECT

    static int resaltados(const Estado& e)
    {
        return static_cast<int>(std::count_if(e.Jugadores.begin() + 1, e.Jugadores.end(), [](auto& f) { return f.opaca; }));
    }

private slots:
    // Join, start with F2, claim, pick, score, time out, chat, end:
    // every station sees the same game.
    void partidaEntera()
    {
        Mesa m;
        QVERIFY(m.puerto != 0);
        QVERIFY(m.unir(QStringLiteral("Beto")));
        QVERIFY(m.unir(QStringLiteral("Carla")));
        JuegoDePrueba &ana = m[1], &beto = m[2], &carla = m[3];
        QVERIFY(m.todos([](const Estado& e) { return e.Jugadores[3].texto == QStringLiteral(" 3  Carla"); }));
        QCOMPARE(beto.j.e.Jugadores[1].texto, QStringLiteral(" 1  Ana"));
        QVERIFY(!beto.j.e.Jugadores[4].visible && beto.j.e.mn_repar.habilitado == false);

        QVERIFY(m.empezar(19));
        QCOMPARE(ana.j.e.numJugadores, 3);
        QVERIFY(ana.j.Timer1.isActive() && !ana.j.timer3.isActive() && !ana.j.e.aceptando);
        QVERIFY(m.todos([](const Estado& e) { return e.Command1.habilitado && e.barra == QStringLiteral("Presione el boton turno para elegir la combinacion"); }));

        // Beto claims and makes 3 x 4 + 7 = 19 on the top row, the last
        // target of the match: every station announces him, and the server
        // deals a fresh board for the next match.
        for (auto* p : {&ana, &beto, &carla})
            p->j.e.fichasRedondas.clear();
        guionReparto(ana.azar);
        ana.azar.guion.push_back(0.5);
        Command1_Click(beto.j);
        QVERIFY(m.todos([](const Estado& e) { return e.turno == 2 && e.Jugadores[2].opaca; }));
        jugar(beto, 0, {1, 1, 1, 2});
        QVERIFY(m.todos([](const Estado& e) { return grises(e) == 2; }));
        jugar(beto, 0, {1, 3});
        QCOMPARE(beto.aviso.textos.first(), QStringLiteral("Beto, Te has ganado esta ficha"));
        QVERIFY(esperar([&] { return ana.j.e.fichaRE != QStringLiteral("19"); }));
        const QString nuevo = ana.j.e.fichaRE;
        QVERIFY(m.todos([&](const Estado& e) { return e.Partidas[2].texto == QStringLiteral("1") && e.Fichas[2].texto == QStringLiteral("0") && e.turno == 0 && !grises(e) && e.fichaRE == nuevo && !resaltados(e) && pozo::cantidad(e.fichasRedondas) == 49; }));
        for (auto* p : {&ana, &beto, &carla})
            QCOMPARE(p->aviso.textos.count(QStringLiteral("El ganador de esta partida es Beto")), 1);

        // Carla gets it wrong, then lets her next turn run out.
        QVERIFY(!combinacionCorrecta(QStringLiteral("347"), nuevo.toInt()));
        Command1_Click(carla.j);
        QVERIFY(m.todos([](const Estado& e) { return e.turno == 3; }));
        jugar(carla, 0, {1, 1, 1, 2, 1, 3});
        QVERIFY(m.todos([&](const Estado& e) { return e.Fichas[3].texto == QStringLiteral("-1") && e.turno == 0 && e.fichaRE == nuevo; }));
        Command1_Click(carla.j);
        QVERIFY(m.todos([](const Estado& e) { return e.turno == 3; }));
        Timer2_Timer(carla.j);
        QCOMPARE(carla.aviso.textos.last(), QStringLiteral("Carla se le a vencido el tiempo de su turno perdera una ficha"));
        QVERIFY(m.todos([](const Estado& e) { return e.Fichas[3].texto == QStringLiteral("-2") && e.turno == 0 && e.Command1.habilitado; }));

        // The server's clock reaches every client at each tick; when it runs
        // out, every pane tells so once, with a pick that would have made it.
        ana.j.e.minutos = 0;
        ana.j.e.segundos = 1;
        ana.j.e.minutosPasados = 3;
        Timer1_Timer(ana.j);
        QVERIFY(m.todos([](const Estado& e) {
            return e.relog.texto == QStringLiteral("0 : 00") && e.txtDialog.count(QStringLiteral("Finalizo el tiempo y nadie gano la ficha ")) == 1
                   && e.txtDialog.split(QStringLiteral("\r\n")).size() == 2 && e.txtDialog.contains(QStringLiteral("\r\nUna soluci\u00f3n era "));
        }));

        // Ana on seat 2 of the chat example is Beto here: one line in every pane.
        cmdSend_Click(beto.j, QStringLiteral("hola"));
        QVERIFY(m.todos([](const Estado& e) { return e.txtDialog.endsWith(QStringLiteral("\r\nBeto: hola")) && e.txtDialog.count(QStringLiteral("hola")) == 1; }));

        // "Finalizar partida": the clients are told the winner and leave,
        // which ends the server's game as well.
        mn_finpartida_Click(ana.j);
        QVERIFY(!ana.j.e.mn_finpartida.habilitado);
        QVERIFY(esperar([&] { return !ana.caja.cajas.empty(); }));
        for (JuegoDePrueba* p : {&ana, &beto, &carla}) {
            QCOMPARE(p->caja.textos(), QStringList{"El ganador general del juego es Beto"});
            QCOMPARE(p->j.e.barra, QStringLiteral("Partida finalizada"));
            QVERIFY(!p->j.e.Command1.visible && !p->j.e.chatHabilitado);
        }
        QVERIFY(!ana.j.Timer1.isActive() && ana.j.enlace == nullptr);
    }

    // Two clients press "Turno" at once: the server keeps the first claim,
    // and the loser's station gives its claim up without losing a tile.
    void turnosQueChocan()
    {
        Mesa m;
        QVERIFY(m.unir(QStringLiteral("Beto")) && m.unir(QStringLiteral("Carla")));
        QVERIFY(m.empezar(19));
        Command1_Click(m[2].j);
        Command1_Click(m[3].j);
        jugar(m[3], 0, {2, 2});
        QVERIFY(m.todos([](const Estado& e) { return e.turno == 2 && resaltados(e) == 1 && e.Jugadores[2].opaca; }));
        const Estado& perdedor = m[3].j.e;
        QVERIFY(!m[3].j.Timer2.isActive() && perdedor.Command1.habilitado && !grises(perdedor) && perdedor.fichasElegidas == 0);
        QCOMPARE(perdedor.Fichas[3].texto, QStringLiteral("0"));
        QVERIFY(grises(m[1].j.e) == 0);
    }

    // F2 with nobody joined only warns; the gate keeps waiting.
    void puertaSinJugadores()
    {
        Mesa m;
        m.servidor.f2.pulsadaAhora = true;
        timer3_Timer(m.servidor.j);
        QCOMPARE(m.servidor.caja.cajas.back().texto, QStringLiteral("Para inicar la partida de haber al menos dos jugadores"));
        QVERIFY(m.servidor.j.timer3.isActive() && m.servidor.j.e.aceptando && m.servidor.j.e.numJugadores == 0);
    }
};

ZUMBARTA_PRUEBA(TestRed);
#include "test_red.moc"
