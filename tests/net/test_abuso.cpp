// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

// The server under abuse: the honest players lose nothing and every station's state stays valid.

#include "net/chat.h"
#include "transporte/conexion.h"
#include "red.h"

#include <QElapsedTimer>
#include <QTcpServer>
#include <algorithm>

class TestAbuso : public QObject {
    Q_OBJECT

private slots:
    // Fifty silent connections: only the newest sixteen wait, five players still join (the sixth seat starts
    // the game), and the silent ones are sent away once their ten seconds (at 1/5) are up, not before.
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
        guionReparto(m.servidor.azar);
        guionObjetivo(m.servidor.azar, pozo::completo(), 19);
        for (const char* n : {"Beto", "Carla", "Dario", "Eva", "Fede"})
            QVERIFY(m.unir(QLatin1String(n)));
        QVERIFY(m.todos([](const Estado& e) { return e.Valor[49] == QLatin1Char(kTablero[48]) && e.fichaRE == QStringLiteral("19"); }));
        QVERIFY(m[1].j.e.numJugadores == 6 && m[1].j.Timer1.isActive() && !admiteNuevos(m[1].j));
        QVERIFY(esperar([&] { return cerradas() == 50; }, 4000));
        // A quarter off: coarse timers may fire a little early.
        QVERIFY2(callados.elapsed() >= 0.75 * 2000, qPrintable(QString::number(callados.elapsed())));
        QCOMPARE(srv->esperando(), 0);
        for (int s = 1; s <= 6; ++s)
            QCOMPARE(incoherencia(m[s], false), QString());
    }

    // A chat flood is relayed as a short burst, then a few lines a second, in order, so a player that has
    // stopped reading keeps its seat.
    void inundacionPausada()
    {
        Mesa m;
        QVERIFY(m.unir(QStringLiteral("Beto")));
        Servidor* srv = servidorEn(m.servidor.j);
        srv->pausaChatMs = 100;
        Crudo tapon(m.puerto, false);  // never reads
        tapon.escribir("[Joined]Tapon\r\n");
        QVERIFY(esperar([&] { return clientesSentados(m.servidor.j) == 2; }));
        Crudo charla(m.puerto), oyente(m.puerto);
        QVERIFY(charla.sentarse("Charla", 4) && oyente.sentarse("Oye", 5));
        QElapsedTimer reloj;
        reloj.start();
        for (int i = 0; i < 400; ++i)
            charla.escribir("[Message]Charla: f" + QByteArray::number(i) + '.' + QByteArray(8000, 'x') + "\r\n");
        QVERIFY(esperar([&] {
            charla.escribir("[Message]Charla: fin\r\n");
            return oyente.leido.contains("[Message]Charla: fin\r\n");
        }, 10000));
        QList<int> pasadas;
        for (const QByteArray& l : oyente.leido.split('\n'))
            if (l.startsWith("[Message]Charla: f") && l.contains('.'))
                pasadas << l.mid(18, l.indexOf('.') - 18).toInt();
        QVERIFY(std::is_sorted(pasadas.begin(), pasadas.end()) && pasadas.mid(0, Servidor::kRafagaChat) == QList<int>({0, 1, 2, 3, 4, 5, 6, 7}));
        QVERIFY(pasadas.size() <= Servidor::kRafagaChat + reloj.elapsed() / srv->pausaChatMs + 1);
        QVERIFY(m[2].j.e.txtDialog.size() <= kLargoPanelChat && m.servidor.j.e.txtDialog.size() <= kLargoPanelChat);
        QVERIFY(srv->conectada(2) && srv->presentes() == srv->asientos());
        QVERIFY(incoherencia(m[1], false).isEmpty() && incoherencia(m[2], false).isEmpty());
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
