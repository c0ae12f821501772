// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

// What every station of a network game shows, word for word, and once: the
// start, a match won by a client, a round that runs out, a chat line and the
// end. That the stations agree on the game itself, move after move, is the
// simulation's to check (sim/).

#include "flow/reloj.h"
#include "net/chat.h"
#include "red.h"

class TestRed : public QObject {
    Q_OBJECT

private slots:
    void textos()
    {
        Mesa m;
        m.servidor.f2.pulsadaAhora = true;  // nobody has joined yet: a warning, and the gate waits
        timer3_Timer(m.servidor.j);
        QCOMPARE(m.servidor.caja.textos(), QStringList{"Para inicar la partida de haber al menos dos jugadores"});
        QVERIFY(m.unir(QStringLiteral("Beto")) && m.unir(QStringLiteral("Carla")));
        JuegoDePrueba &ana = m[1], &beto = m[2], &carla = m[3];
        QVERIFY(m.todos([](const Estado& e) { return e.Jugadores[3].texto == QStringLiteral(" 3  Carla"); }));
        QVERIFY(m.empezar(19) && ana.j.e.numJugadores == 3 && !ana.j.timer3.isActive() && !ana.j.e.aceptando);
        QVERIFY(m.todos([](const Estado& e) { return e.Command1.habilitado && e.barra == QStringLiteral("Presione el boton turno para elegir la combinacion"); }));

        // Beto takes the last target of the pool: every station announces him once.
        for (auto* p : {&ana, &beto, &carla})
            p->j.e.fichasRedondas.clear();
        guionReparto(ana.azar);
        Command1_Click(beto.j);
        QVERIFY(m.todos([](const Estado& e) { return e.turno == 2; }));
        jugar(beto, 0, {1, 1, 1, 2, 1, 3});
        QVERIFY(m.todos([](const Estado& e) { return e.Partidas[2].texto == QStringLiteral("1") && pozo::cantidad(e.fichasRedondas) == 49; }));
        for (auto* p : {&ana, &beto, &carla})
            QCOMPARE(p->aviso.textos.count(QStringLiteral("El ganador de esta partida es Beto")), 1);

        // The round runs out on the server: every pane says so once, with a
        // pick that would have made it; a chat line reaches every pane once.
        ana.j.e.minutos = 0, ana.j.e.segundos = 1, ana.j.e.minutosPasados = 3;
        Timer1_Timer(ana.j);
        cmdSend_Click(beto.j, QStringLiteral("hola"));
        QVERIFY(m.todos([](const Estado& e) {
            QStringList l = e.txtDialog.split(QStringLiteral("\r\n"));
            l.sort();  // Beto sees his own line at once, before the server's
            return l.size() == 3 && l[0] == QStringLiteral("Beto: hola") && l[1].startsWith(QStringLiteral("Finalizo el tiempo y nadie gano la ficha "))
                   && l[2].startsWith(QStringLiteral("Una soluci\u00f3n era "));
        }));

        // "Finalizar partida": the clients are told the winner and leave,
        // which ends the server's game as well.
        mn_finpartida_Click(ana.j);
        QVERIFY(esperar([&] { return !ana.caja.cajas.empty() && ana.caja.cajas.back().texto.startsWith(QStringLiteral("El ganador general")); }));
        for (JuegoDePrueba* p : {&ana, &beto, &carla}) {
            QCOMPARE(p->caja.textos().last(), QStringLiteral("El ganador general del juego es Beto"));
            QVERIFY(p->j.e.barra == QStringLiteral("Partida finalizada") && !p->j.e.Command1.visible && !p->j.e.chatHabilitado);
        }
        QVERIFY(!ana.j.Timer1.isActive() && ana.j.enlace == nullptr);
    }
};

ZUMBARTA_PRUEBA(TestRed);
#include "test_red.moc"
