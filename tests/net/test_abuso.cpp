// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

// The server under abuse: the honest players lose nothing and every station's state stays valid.

#include "flow/mandos.h"
#include "game/mensajes.h"
#include "net/chat.h"
#include "transporte/conexion.h"
#include "red.h"

#include <QElapsedTimer>
#include <QTcpServer>
#include <algorithm>

class TestAbuso : public QObject {
    Q_OBJECT

private slots:
    // Fifty silent connections: only the newest sixteen wait, five players still join (that the sixth seat
    // starts the game is sim_seis's), and the silent ones are sent away once their ten seconds (at 1/5) are
    // up, not before.
    void cincuentaMudas()
    {
        Mesa m(QStringLiteral("Ana"), 0.2);
        Servidor* srv = servidorEn(m.servidor.j);
        QElapsedTimer callados;
        callados.start();
        std::vector<std::unique_ptr<QTcpSocket>> mudas;
        for (int i = 0; i < 50; ++i) {
            mudas.push_back(std::make_unique<QTcpSocket>());
            mudas.back()->connectToHost(QHostAddress::LocalHost, m.puerto);
        }
        auto cerradas = [&] {
            return std::count_if(mudas.begin(), mudas.end(), [](auto& s) { return s->state() == QAbstractSocket::UnconnectedState; });
        };
        QVERIFY(esperar([&] { return cerradas() == 50 - Servidor::kMaxEsperando; }));
        QCOMPARE(srv->esperando(), Servidor::kMaxEsperando);
        for (const char* n : {"Beto", "Carla", "Dario", "Eva", "Fede"})
            QVERIFY(m.unir(QLatin1String(n)));
        QVERIFY(esperar([&] { return cerradas() == 50; }, 4000));
        // A quarter off: coarse timers may fire a little early.
        QVERIFY2(callados.elapsed() >= 0.75 * 2000, qPrintable(QString::number(callados.elapsed())));
        QCOMPARE(srv->esperando(), 0);
        for (int s = 1; s <= 6; ++s)
            QCOMPARE(incoherencia(m[s], false), QString());
    }

    // A newcomer hears who left the lobby before it came and the mode chosen
    // since it connected. A seat's chat and picks are paced: a quiet spell
    // banks one burst at most, taking the seat back renews nothing, and a
    // pick flood never pushes a reader that has stopped over its cap.
    void ritmoPorAsiento()
    {
        Mesa m;
        Servidor* srv = servidorEn(m.servidor.j);
        srv->pausaChatMs = srv->pausaFichasMs = 20;
        Crudo tapon(m.puerto, false), beto(m.puerto);
        tapon.escribir("[Joined]Tapon\r\n");
        QVERIFY(esperar([&] { return clientesSentados(m.servidor.j) == 1; }));
        beto.escribir("[Version]2\r\n");
        QVERIFY(beto.sentarse("Beto", 3) && beto.espera("[Clave]"));
        const QByteArray clave = beto.leido.mid(beto.leido.indexOf("[Clave]") + 7, 32);
        // Just within the pace, with a network's jitter either way, nothing is refused.
        srv->pausaChatMs = 50;
        for (int i = 0; i < 40; ++i) {
            beto.escribir("[Message]Beto: c\r\n");
            QTest::qWait(i % 2 ? 60 : 25);
        }
        QVERIFY(esperar([&] { return m.servidor.j.e.txtDialog.count(QStringLiteral("Beto: c")) == 40; }, 1000));
        m.servidor.j.e.txtDialog.clear();
        srv->pausaChatMs = 20;
        QTest::qWait(20 * srv->pausaChatMs);
        const auto charla = [&](Crudo& c) {
            for (int i = 0; i < 20; ++i)
                c.escribir("[Message]Beto: c\r\n");
            QTest::qWait(200);
            return int(std::exchange(m.servidor.j.e.txtDialog, {}).count(QStringLiteral("Beto: c")));
        };
        QVERIFY(charla(beto) <= Servidor::kRafagaChat + 1);
        srv->pausaChatMs = 60000;
        beto.s.abort();
        QVERIFY(esperar([&] { return m.servidor.j.e.ausente[3]; }));

        Crudo carla(m.puerto);
        QVERIFY(carla.espera(mensajes::modo(false).toLatin1()));
        mn_mod_Click(m.servidor.j, 2);
        carla.escribir("[Version]2\r\n");
        QVERIFY(carla.sentarse("Carla", 4));
        const QByteArray tras = carla.leido.mid(carla.leido.indexOf(mensajes::modo(false).toLatin1()) + 1);
        QVERIFY(tras.contains(mensajes::modo(true).toLatin1() + "\r\n") && tras.contains("[Ausente]3,1\r\n"));

        Crudo vuelve(m.puerto);
        vuelve.escribir("[Version]2\r\n[Volver]" + clave + "\r\n");
        QVERIFY(vuelve.espera("[Identificacion]3\r\n"));
        QCOMPARE(charla(vuelve), 0);

        QVERIFY(m.empezar(19));
        vuelve.escribir("[TurnoON]3\r\n");
        QVERIFY(esperar([&] { return m.servidor.j.e.turno == 3; }));
        QElapsedTimer reloj;
        reloj.start();
        for (int i = 0; i < 3000; ++i)
            vuelve.escribir("[fichaON]1\r\n[fichaOFF]1\r\n");
        vuelve.escribir("[TurnoOFF]3\r\n");
        QVERIFY(carla.espera("[TurnoOFF]3\r\n"));
        const qsizetype picks = carla.leido.count("[fichaON]") + carla.leido.count("[fichaOFF]");
        QVERIFY2(picks <= Servidor::kRafagaFichas + reloj.elapsed() / srv->pausaFichasMs + 1, qPrintable(QString::number(picks)));
        QVERIFY(srv->conectada(2) && srv->presentes() == 3);
    }

    // One host cannot hold the lobby: five seats taken and left are not a
    // full table that starts by itself; after a while they are given up and
    // real players take them, and F2 starts with those here.
    void salaSinDuenos()
    {
        Mesa m(QStringLiteral("Ana"), 0.05);
        const Estado& e = m.servidor.j.e;
        for (int s = 2; s <= 6; ++s) {
            Crudo fantasma(m.puerto);
            QVERIFY(fantasma.sentarse("F" + QByteArray::number(s), s));
        }
        QVERIFY(esperar([&] { return e.ausente[6]; }) && !e.enPartida);
        auto p = m.estacion();
        QVERIFY(!Mesa::conectarA(*p, QStringLiteral("Beto"), m.puerto) && p->caja.textos() == QStringList{kMesaLlena});
        QVERIFY(esperar([&] { return clientesSentados(m.servidor.j) == 0; }, 6000));
        QVERIFY(!e.Jugadores[2].visible && !e.Jugadores[6].visible && !e.ausente[6] && !e.enPartida);

        QVERIFY(m.unir(QStringLiteral("Beto")));
        Crudo carla(m.puerto);
        QVERIFY(carla.sentarse("Carla", 3));
        carla.s.abort();
        QVERIFY(esperar([&] { return e.ausente[3]; }));
        QVERIFY(m.empezar(19) && e.numJugadores == 2);
        QVERIFY(m.todos([](const Estado& x) { return !x.Jugadores[3].visible && !x.ausente[3]; }));
        QVERIFY(!Mesa::conectarA(*m.estacion(), QStringLiteral("Carla"), m.puerto));
    }

    // A peer that stops reading is dropped once a megabyte waits for it.
    void colaLlena()
    {
        QTcpServer escucha;
        QVERIFY(escucha.listen(QHostAddress::LocalHost, 0));
        Crudo tapon(escucha.serverPort(), false);  // never reads
        QVERIFY(escucha.waitForNewConnection(3000));
        Conexion c(escucha.nextPendingConnection());
        int perdidas = 0;
        c.alPerderse = [&] { ++perdidas; };
        int enviadas = 0;
        while (c.conectada() && enviadas < 1000)
            c.enviar(QString(8000, QLatin1Char('x'))), ++enviadas;
        QVERIFY(!c.conectada() && enviadas * 8002 > Conexion::kColaMaxima);
        QVERIFY(esperar([&] { return perdidas == 1; }));
    }

    // Whoever gets no seat is told why before the connection closes, and the
    // program shows that reason: a name already at the table, one made of
    // controls, a game under way, a game that has ended. Raw names and lines
    // lose their control characters.
    void rechazosConMotivo()
    {
        Mesa m;
        QVERIFY(m.unir(QStringLiteral("Beto")));
        auto rechazado = [&](const QString& nombre, const QString& motivo) {
            auto p = m.estacion();
            return !Mesa::conectarA(*p, nombre, m.puerto) && p->caja.textos() == QStringList{motivo};
        };
        QVERIFY(rechazado(QStringLiteral("ana"), QStringLiteral("Ya hay un jugador llamado ana en la mesa; elija otro nombre.")));
        Crudo raro(m.puerto);
        QVERIFY(raro.sentarse("\x01" "Car\tla\x7f", 3));
        QVERIFY(m.todos([](const Estado& e) { return e.Jugadores[3].texto == QStringLiteral(" 3  Carla"); }));
        raro.escribir("[Message]Carla: a\x01" "b\x1b" "[2J\r\n");
        QVERIFY(esperar([&] { return m[2].j.e.txtDialog.endsWith(QStringLiteral("Carla: ab[2J")); }));
        Crudo mudo(m.puerto);
        mudo.escribir("[Joined]\x02\r\n");
        QVERIFY(mudo.espera(protocolo::enmarcar(protocolo::kRechazado + QStringLiteral("Escriba un nombre para jugar."))));

        QVERIFY(m.empezar(19));
        for (int i = 0; i < 5; ++i)
            QVERIFY(rechazado(QStringLiteral("Tarde"), kSinAsiento));
        // As the program's client writes: its version first, its name later.
        Crudo tarde(m.puerto);
        tarde.escribir("[Version]2\r\n");
        QTest::qWait(20);
        tarde.escribir("[Joined]Tarde\r\n");
        QVERIFY(tarde.espera(protocolo::enmarcar(protocolo::kRechazado + kSinAsiento)));
        QVERIFY(esperar([&] { return tarde.s.state() == QAbstractSocket::UnconnectedState; }));
    }

    // Peers that break off or flood a line affect only themselves.
    void rotos()
    {
        Mesa m;
        QVERIFY(m.unir(QStringLiteral("Beto")));
        const QString& charla = m[2].j.e.txtDialog;

        // A reset mid-message: the fragment is dropped and the turn freed.
        Crudo eva(m.puerto);
        eva.escribir("[Joined]Eva\r\n[TurnoON]3\r\n");
        QVERIFY(m.todos([](const Estado& e) { return e.turno == 3; }));
        eva.escribir("[Message]zzz");
        QTest::qWait(50);
        eva.s.abort();
        QVERIFY(m.todos([](const Estado& e) { return e.turno == 0 && e.txtDialog.endsWith(QStringLiteral("Eva  se ha desconectado")); }));
        QVERIFY(!charla.contains(QStringLiteral("zzz")) && !m.servidor.j.e.txtDialog.contains(QStringLiteral("zzz")));

        // A megabyte without CR LF: what came whole before it is handled, then he is cut off and the turn
        // freed.
        Crudo luis(m.puerto);
        luis.escribir("[Joined]Luis\r\n[TurnoON]4\r\n" + QByteArray(1024 * 1024, 'x'));
        QVERIFY(m.todos([](const Estado& e) { return e.turno == 0 && e.txtDialog.endsWith(QStringLiteral("Luis  se ha desconectado")); }));
        QVERIFY(esperar([&] { return luis.s.state() == QAbstractSocket::UnconnectedState; }));

        QCOMPARE(m.servidor.j.e.txtDialog, charla);
        QVERIFY(incoherencia(m[1], false).isEmpty() && incoherencia(m[2], false).isEmpty());
    }
};

ZUMBARTA_PRUEBA(TestAbuso);
#include "test_abuso.moc"
