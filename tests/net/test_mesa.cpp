// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

// Network tables, real timers at 1/50: the turn as the server says, one outcome a turn, the words shown.

#include "flow/mandos.h"
#include "flow/reloj.h"
#include "game/avisos.h"
#include "game/reparto.h"
#include "game/tiempos.h"
#include "net/chat.h"
#include "net/cierre.h"
#include "game/mensajes.h"
#include "red.h"

// The game's timers run 50 times faster.
constexpr double kEscala = 1.0 / 50;

class TestMesa : public QObject {
    Q_OBJECT

private slots:

    // The server ends a turn for everybody or not at all: "Repartir" in any
    // turn, and a wrong pick whose notice sees the round end and a claim.
    void turnoComoDiceElServidor()
    {
        MesaViva m(kEscala);
        JuegoDePrueba &ana = m[1], &beto = m[2], &carla = m[3];
        QVERIFY(!ana.j.e.mn_repar.habilitado);
        QVERIFY(m.empezar(19));
        QVERIFY(ana.j.e.mn_repar.habilitado && !beto.j.e.mn_repar.habilitado);
        QVERIFY(m.pedirTurno(carla));
        jugar(carla, 0, {1, 2, 1, 3, 1, 4});  // 4 x 7 - 1: wrong for 19
        QVERIFY(m.todos([](const Estado& e) { return e.Fichas[3].texto == QStringLiteral("-1") && e.turno == 0; }));

        for (JuegoDePrueba* quien : {&beto, &ana}) {
            QVERIFY(m.pedirTurno(*quien));
            guionReparto(ana.azar);
            mn_repar_Click(ana.j);
            QVERIFY(m.todos([](const Estado& e) { return e.turno == 0 && e.Fichas[3].texto == QStringLiteral("0"); }));
            QVERIFY(m.pedirTurno(carla));
            QTest::qWait(m.servidor.j.ms(tiempos::kTurno) * 3 / 2);  // her turn runs out
            QVERIFY(m.todos([](const Estado& e) { return e.turno == 0 && e.Fichas[3].texto == QStringLiteral("-1"); }));
        }

        // The server's own notice holds its clock, not the table: Beto claims under it.
        ana.aviso.textos.clear();
        QVERIFY(m.pedirTurno(ana));
        jugar(ana, 0, {1, 2, 1, 3, 1, 4});
        QCOMPARE(ana.aviso.textos.first(), QStringLiteral("Ana La combinacion elegida no es correcta, perdera un punto"));
        QVERIFY(ana.j.e.avisoAbierto && !ana.j.Timer1.isActive());
        QVERIFY(m.todos([](const Estado& e) { return e.turno == 0; }) && m.pedirTurno(beto));
        QVERIFY(m.todos([](const Estado& e) { return e.turno == 2 && e.Fichas[1].texto == QStringLiteral("-1"); }));
        jugar(beto, 0, {1, 1});
        QVERIFY(m.todos([](const Estado& e) { return grises(e) == 1; }));
    }

    // One outcome per turn, on every station: a claim that lost the race, a
    // match claimed early or late, a turn timer under a notice. Only the
    // server's clock ticks, and it stops for good with the game.
    void unResultadoPorTurno()
    {
        MesaViva m(kEscala);
        JuegoDePrueba &ana = m[1], &beto = m[2], &carla = m[3];
        int ticsCliente = 0;
        for (int s : {2, 3})
            QObject::connect(&m[s].j.Timer1, &QTimer::timeout, [&] { ++ticsCliente; });
        QVERIFY(m.empezar(19));
        const QString antes = beto.j.e.relog.texto;
        QTest::qWait(m.servidor.j.ms(5 * tiempos::kReloj));
        QVERIFY(beto.j.e.relog.texto != antes);

        Command1_Click(ana.j);
        Command1_Click(beto.j);
        jugar(beto, 0, {1, 1, 1, 2, 1, 3});
        QVERIFY(m.todos([](const Estado& e) { return e.turno == 1 && e.Jugadores[1].opaca && !e.Jugadores[2].opaca; }));
        QTest::qWait(m.servidor.j.ms(tiempos::kAviso));
        QVERIFY(beto.aviso.textos.isEmpty() && m.todos([](const Estado& e) { return e.Fichas[2].texto == QStringLiteral("0") && grises(e) == 0; }));

        // A match claimed while targets are left in the pool is no match.
        QVERIFY(m.todos([](const Estado& e) { return e.turno == 0; }, 3 * m.servidor.j.ms(tiempos::kTurno)));
        QVERIFY(m.pedirTurno(beto));
        beto.j.enlace->enviaraservidor(QStringLiteral("[Partidas]2,5"));
        jugar(beto, 0, {1, 1, 1, 2, 1, 3});
        QVERIFY(m.todos([](const Estado& e) { return e.Fichas[2].texto == QStringLiteral("1") && e.turno == 0; }));
        QVERIFY(m.todos([](const Estado& e) { return e.Partidas[2].texto == QStringLiteral("0"); }));
        QCOMPARE(beto.aviso.textos, QStringList{QStringLiteral("Beto, Te has ganado esta ficha")});

        // Carla holds the turn when the round ends on the last target; her turn
        // timer fires under the winner's notice and costs her nothing.
        for (int s = 1; s <= 3; ++s)
            m[s].j.e.fichasRedondas.clear();
        QVERIFY(m.pedirTurno(carla));
        alPrimerAviso(carla, [&] { QVERIFY(esperar([&] { return !carla.j.Timer2.isActive(); }, 2000)); });
        guionReparto(ana.azar);
        m.ultimoSegundo();
        QVERIFY(m.todos([](const Estado& e) {
            return e.Partidas[2].texto == QStringLiteral("1") && e.turno == 0 && pozo::cantidad(e.fichasRedondas) == 49;
        }));
        QTest::qWait(50);
        QVERIFY(m.todos([](const Estado& e) { return e.Fichas[3].texto == QStringLiteral("0") && e.Partidas[3].texto == QStringLiteral("0"); }));

        // Carla's winning pick of that last target crosses the time-out.
        carla.j.enlace->enviaraservidor(QStringLiteral("[Partidas]3,1"));
        QTest::qWait(50);
        QVERIFY(m.todos([](const Estado& e) { return e.Partidas[3].texto == QStringLiteral("0") && pozo::cantidad(e.fichasRedondas) == 49; }));

        // The game ends while a notice is open on the server; its "Aceptar" comes after.
        alPrimerAviso(ana, [&] {
            mn_finpartida_Click(ana.j);
            QVERIFY(esperar([&] { return !ana.caja.cajas.empty(); }, 3000));
            aceptarAviso(ana.j);
        });
        Valor_Click(ana.j, 1);
        QCOMPARE(ana.aviso.textos.last(), QStringLiteral("No se ha seleccionado ningun jugador"));
        QVERIFY(!ana.j.Timer1.isActive() && !ana.j.timer3.isActive() && !admiteNuevos(ana.j) && ticsCliente == 0);
        ana.f2.pulsadaAhora = true;
        QTest::qWait(m.servidor.j.ms(4 * tiempos::kPuerta));
        QCOMPARE(ana.caja.cajas.size(), size_t(1));
    }

    // A network game that cannot start leaves the running one as it was.
    void montajeRechazado()
    {
        JuegoDePrueba p(true, enPruebas(kEscala));
        conectarTemporizadores(p.j);
        QVERIFY(empezarLocal(p, {"Ana", "Beto"}, 19, {false, false, true}));
        QTcpServer ocupado;
        QVERIFY(ocupado.listen(QHostAddress::LocalHost, 0));
        QVERIFY(!iniciarServidor(p.j, {EleccionRed::Servir, QStringLiteral("Ana"), {}, QString::number(ocupado.serverPort())}));
        const quint16 libre = ocupado.serverPort();
        ocupado.close();
        QVERIFY(!Mesa::conectarA(p, QStringLiteral("Ana"), libre));
        QVERIFY(esperar([&] { return !p.j.findChild<Cliente*>(); }, 3000));  // and lets its client go
        const Estado& e = p.j.e;
        QVERIFY(p.j.Timer1.isActive() && p.j.maquinas.isActive() && e.maquina[2] == 1 && e.numJugadores == 2 && e.juegoLocal);
        QCOMPARE(p.caja.cajas.back().texto, QStringLiteral("No se encuentra el equipo o no se ha iniciado el servidor"));
    }

    // What every station shows, word for word and once, with a peer that speaks only the original
    // fifteen messages playing along; the server's clock is stopped before the winner's box opens.
    void textos()
    {
        using namespace protocolo;
using namespace mensajes;
        Mesa m(QStringLiteral("Ana"), kEscala);
        m.servidor.f2.pulsadaAhora = true;  // nobody has joined yet: a warning, and the gate waits
        timer3_Timer(m.servidor.j);
        QCOMPARE(m.servidor.caja.textos(), QStringList{"Para inicar la partida de haber al menos dos jugadores"});
        QVERIFY(m.unir(QStringLiteral("Beto")));
        Crudo pepe(m.puerto);
        QVERIFY(pepe.sentarse("Pepe", 3));
        JuegoDePrueba &ana = m[1], &beto = m[2];
        QVERIFY(m.todos([](const Estado& e) { return e.Jugadores[3].texto == QStringLiteral(" 3  Pepe"); }));
        QVERIFY(m.empezar(19) && ana.j.e.numJugadores == 3 && !ana.j.timer3.isActive() && !admiteNuevos(ana.j));
        QVERIFY(m.todos([](const Estado& e) { return e.Command1.habilitado && e.barra == QStringLiteral("Presione el boton turno para elegir la combinacion"); }));

        // Pepe scores in the original messages; Beto takes the last target.
        guionObjetivo(ana.azar, pozo::quitar(pozo::completo(), QStringLiteral("19")), 5);  // 3 x 4 - 7 next
        pepe.escribir("[TurnoON]3\r\n[fichaON]1\r\n[fichaON]2\r\n[fichaON]3\r\n[ficharedonda]\r\n[TurnoOFF]3\r\n[Puntaje]3,1\r\n");
        QVERIFY(m.todos([](const Estado& e) { return e.Fichas[3].texto == QStringLiteral("1") && e.turno == 0 && e.fichaRE == QStringLiteral("5"); }));
        for (auto* p : {&ana, &beto})
            p->j.e.fichasRedondas.clear();
        guionReparto(ana.azar);
        QVERIFY(m.pedirTurno(beto));
        jugar(beto, 0, {1, 1, 1, 2, 1, 3});
        QVERIFY(m.todos([](const Estado& e) { return e.Partidas[2].texto == QStringLiteral("1") && pozo::cantidad(e.fichasRedondas) == 49; }));
        for (auto* p : {&ana, &beto})
            QCOMPARE(p->aviso.textos.count(QStringLiteral("El ganador de esta partida es Beto")), 1);

        // The round runs out, with a pick that would have made it, and a chat line.
        m.ultimoSegundo();
        Timer1_Timer(ana.j);
        cmdSend_Click(beto.j, QStringLiteral("hola"));
        QVERIFY(m.todos([](const Estado& e) {
            QStringList l = e.txtDialog.split(QStringLiteral("\r\n"));
            l.sort();  // Beto sees his own line at once, before the server's
            return l.size() == 3 && l[0] == QStringLiteral("Beto: hola") && l[1].startsWith(QStringLiteral("Finalizo el tiempo y nadie gano la ficha "))
                   && l[2].startsWith(QStringLiteral("Una soluci\u00f3n era "));
        }));

        // The clients are told the winner and leave, which ends the server's game.
        bool relojConLaCaja = true;
        ana.caja.mientrasAbierta = [&] { relojConLaCaja = ana.j.Timer1.isActive(); };
        mn_finpartida_Click(ana.j);
        QVERIFY(pepe.espera("[Finalizarpartidas]\r\n"));
        pepe.s.disconnectFromHost();
        QVERIFY(esperar([&] { return !ana.caja.cajas.empty() && ana.caja.cajas.back().texto.startsWith(QStringLiteral("El ganador general")); }));
        for (JuegoDePrueba* p : {&ana, &beto}) {
            QCOMPARE(p->caja.textos().last(), QStringLiteral("El ganador general del juego es Beto"));
            QVERIFY(p->j.e.barra == QStringLiteral("Partida finalizada") && !p->j.e.Command1.visible && !p->j.e.chatHabilitado);
        }
        QVERIFY(!relojConLaCaja && !ana.j.Timer1.isActive() && ana.j.enlace == nullptr);
        const QStringList quince{kJoined, kIdentificacion, kModoJuego, kMessage, kFichaRedonda, kFichaValor, kFichaON, kFichaOFF,
                                 kTurnoON, kTurnoOFF, kPuntaje, kPartidas, kRelog, kFinalizarpartidas, kDisconnected};
        for (const QByteArray& l : pepe.leido.split('\n'))
            QVERIFY2(l.isEmpty() || quince.contains(separar(QString::fromLatin1(l)).tag), l.constData());
    }
};

ZUMBARTA_PRUEBA(TestMesa);
#include "test_mesa.moc"
