// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

// Tables on real timers at 1/50: a turn that runs out under a pause, a refused network set-up, a machine at a
// network table, and the words every station shows.

#include "flow/mandos.h"
#include "flow/partidalocal.h"
#include "flow/reloj.h"
#include "game/busqueda.h"
#include "net/chat.h"
#include "game/mensajes.h"
#include "red.h"

// The game's timers run 50 times faster.
constexpr double kEscala = 1.0 / 50;

class TestMesa : public QObject {
    Q_OBJECT

private slots:
    // A claim clicks; the turn runs out on its own timer and costs a tile. Paused under that notice nothing
    // runs and no pick stays shown; resumed, the clock goes on.
    void turnoVencidoYPausa()
    {
        JuegoDePrueba p(true, enPruebas(kEscala));
        conectarTemporizadores(p.j);
        QVERIFY(empezarLocal(p, {"Ana", "Beto"}, 19));
        Estado& e = p.j.e;
        e.ruta = QStringLiteral("/juego");
        Form_KeyPress(p.j, QLatin1Char('2'));
        QCOMPARE(p.sonido.archivos.last(), QStringLiteral("/juego/Click.wav"));
        QVERIFY(esperar([&] { return e.avisoAbierto; }));
        QCOMPARE(p.aviso.textos, QStringList{"Beto se le a vencido el tiempo de su turno perdera una ficha"});
        QVERIFY(e.turno == 0 && e.Fichas[2].texto == QStringLiteral("-1") && !p.j.Timer1.isActive());
        e.fichaCU[5].fondo = color::verde;
        mn_pausar_Click(p.j);
        QVERIFY(andando(p.j).isEmpty() && e.fichaCU[5].fondo == color::blanco && e.mn_pausar.texto == QStringLiteral("Reanudar"));
        QVERIFY(esperar([&] { return !e.avisoAbierto; }));
        QVERIFY(!p.j.Timer1.isActive());
        mn_pausar_Click(p.j);
        QVERIFY(p.j.Timer1.isActive());
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

    // A machine seat given in the lobby (and one taken back) plays a match on the server's table at the
    // fastest level: Beto, claiming on every other target as soon as it shows, beats it to those turns; the
    // machine takes the others. A peer of the original messages sees an ordinary row, and no two rows read alike.
    void maquinaEnLaMesa()
    {
        Mesa m(QStringLiteral("Ana"), kEscala);
        JuegoDePrueba& ana = m[1];
        conectarTemporizadores(ana.j);
        elegirNivel(ana.j, 4);
        QVERIFY(sentarMaquina(ana.j) && sentarMaquina(ana.j) && quitarMaquina(ana.j) && !ana.j.e.Jugadores[3].visible);
        Crudo pepe(m.puerto);  // named as the machine would be at the next free seat: that seat is not given
        QVERIFY(pepe.sentarse("Maquina 4", 3) && pepe.leido.contains("[Joined]Maquina 2(2)\r\n") && !sentarMaquina(ana.j));
        QVERIFY(m.unir(QStringLiteral("Beto")) && m.empezar(19));
        JuegoDePrueba& beto = m[2];  // seat 4
        conectarTemporizadores(beto.j);
        ana.j.e.fichasRedondas = pozo::quitar(pozo::quitar(pozo::completo(), QStringLiteral("19")), QStringLiteral("01")).left(4 * 6);
        std::array<int, 7> turnos{};
        QString visto;
        QElapsedTimer t;
        t.start();
        for (int vez = 0; ana.j.e.partidasGanadas[2] + ana.j.e.partidasGanadas[4] == 0 && t.elapsed() < 20000; QTest::qWait(2)) {
            const Estado& e = beto.j.e;
            ++turnos[ana.j.e.turno];
            if (e.turno != 0 || e.avisoAbierto || e.fichaRE == std::exchange(visto, e.fichaRE) || ++vez % 2)
                continue;
            const auto r = buscarEnTablero(e, true);
            if (r.encontrada && m.pedirTurno(beto) && ++turnos[4])
                for (int paso = 1; paso <= 3; ++paso)
                    Valor_Click(beto.j, r.jugada[paso]);
        }
        QVERIFY2(turnos[2] > 0 && turnos[4] > 0, qPrintable(QStringLiteral("%1 %2").arg(turnos[2]).arg(turnos[4])));
        QVERIFY(m.todos([&](const Estado& e) { return e.turno == 0 && mesaDe(e) == mesaDe(ana.j.e) && e.Fichas[2].texto != QStringLiteral("0"); }));
        QVERIFY(incoherencia(ana.j.e).isEmpty() && incoherencia(beto.j.e).isEmpty() && ana.j.e.partidasGanadas[2] + ana.j.e.partidasGanadas[4] == 1);
    }

    // What every station shows, word for word and once, with a peer of the original fifteen messages; the
    // server's clock stops before the winner's box opens.
    void textos()
    {
        using namespace protocolo;
        using namespace mensajes;
        Mesa m(QStringLiteral("Ana"), kEscala);
        m.servidor.f2.pulsadaAhora = true;  // nobody has joined yet: a warning, and the gate waits
        timer3_Timer(m.servidor.j);
        QCOMPARE(m.servidor.caja.textos(), QStringList{"Para inicar la partida de haber al menos dos jugadores"});
        QVERIFY(!m.servidor.j.e.mn_repar.habilitado);  // "Repartir" is the server's, and only in a game
        QVERIFY(m.unir(QStringLiteral("Beto")));
        Crudo pepe(m.puerto);
        QVERIFY(pepe.sentarse("Pepe", 3));
        JuegoDePrueba &ana = m[1], &beto = m[2];
        QVERIFY(m.todos([](const Estado& e) { return e.Jugadores[3].texto == QStringLiteral(" 3  Pepe"); }));
        QVERIFY(m.empezar(19) && ana.j.e.numJugadores == 3 && !ana.j.timer3.isActive() && !admiteNuevos(ana.j));
        QVERIFY(ana.j.e.mn_repar.habilitado && !beto.j.e.mn_repar.habilitado);
        QVERIFY(m.todos([](const Estado& e) { return e.Command1.habilitado && e.barra == QStringLiteral("Presione el boton turno para elegir la combinacion"); }));

        // Pepe scores in the original messages.
        guionObjetivo(ana.azar, pozo::quitar(pozo::completo(), QStringLiteral("19")), 5);  // 3 x 4 - 7 next
        pepe.escribir("[TurnoON]3\r\n[fichaON]1\r\n[fichaON]2\r\n[fichaON]3\r\n[ficharedonda]\r\n[TurnoOFF]3\r\n[Puntaje]3,1\r\n");
        QVERIFY(m.todos([](const Estado& e) { return e.Fichas[3].texto == QStringLiteral("1") && e.turno == 0 && e.fichaRE == QStringLiteral("5"); }));
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
            QCOMPARE(p->caja.textos().last(), QStringLiteral("El ganador general del juego es Pepe"));
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
