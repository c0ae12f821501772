// The server under abuse: connections that never speak, a player that stops
// reading, peers that vanish mid-message, flood a line or join twice. The
// honest players lose nothing and every station's state stays valid.

#include "net/chat.h"
#include "red.h"

#include <numeric>

namespace {

QByteArray relleno(int i) { return "[Message]f" + QByteArray::number(i) + ':' + QByteArray(8000, 'x') + "\r\n"; }

// The chat lines "f<i>:" of a flood, in the order they arrived.
QList<int> inundacion(const QByteArray& leido)
{
    QList<int> v;
    for (const QByteArray& l : leido.split('\n'))
        if (l.startsWith("[Message]f"))
            v << l.mid(10, l.indexOf(':') - 10).toInt();
    return v;
}

}  // namespace

class TestAbuso : public QObject {
    Q_OBJECT

private slots:
    // Fifty connections that never say a word: the server keeps only the
    // newest sixteen waiting, five players still join, the sixth seat starts
    // the game as F2 would (sending the rest away), and they play a round.
    void cincuentaMudas()
    {
        Mesa m;
        std::vector<std::unique_ptr<QTcpSocket>> mudas;
        for (int i = 0; i < 50; ++i) {
            mudas.push_back(std::make_unique<QTcpSocket>());
            mudas.back()->connectToHost(QHostAddress::LocalHost, m.puerto);
        }
        auto cerradas = [&] {
            return std::count_if(mudas.begin(), mudas.end(), [](auto& s) { return s->state() == QAbstractSocket::UnconnectedState; });
        };
        Servidor* srv = servidorDe(m.servidor.j);
        QVERIFY(esperar([&] { return cerradas() == 50 - Servidor::kMaxEsperando; }));
        QCOMPARE(srv->esperando(), Servidor::kMaxEsperando);
        guionReparto(m.servidor.azar);
        guionObjetivo(m.servidor.azar, pozo::completo(), 19);
        for (const char* n : {"Beto", "Carla", "Dario", "Eva", "Fede"})
            QVERIFY(m.unir(QLatin1String(n)));
        QVERIFY(m.todos([](const Estado& e) { return e.Valor[49] == QLatin1Char(kTablero[48]) && e.fichaRE == QStringLiteral("19"); }));
        QVERIFY(m[1].j.e.numJugadores == 6 && m[1].j.Timer1.isActive() && !m[1].j.e.aceptando);
        QCOMPARE(m[6].j.e.Jugadores[1].texto, QStringLiteral(" 1  Ana"));
        Command1_Click(m[4].j);
        QVERIFY(m.todos([](const Estado& e) { return e.turno == 4; }));
        jugar(m[4], 0, {1, 1, 1, 2, 1, 3});
        QVERIFY(m.todos([](const Estado& e) { return e.Fichas[4].texto == QStringLiteral("1") && e.turno == 0 && e.fichaRE != QStringLiteral("19"); }));
        QCOMPARE(srv->esperando(), 0);
        QVERIFY(esperar([&] { return cerradas() == 50; }));
        QCOMPARE(m[4].aviso.textos, QStringList{QStringLiteral("Dario, Te has ganado esta ficha")});
        m[4].aviso.textos.clear();
        for (int s = 1; s <= 6; ++s)
            QCOMPARE(incoherencia(m[s], false), QString());
    }

    // A player that stops reading while the chat floods is dropped once a
    // megabyte waits for it, as if it had left; the others get every line,
    // in order.
    void noLee()
    {
        Mesa m;
        QVERIFY(m.unir(QStringLiteral("Beto")));
        QTcpSocket tapon;
        tapon.setReadBufferSize(4096);  // and never read: the OS buffers fill, then the server's
        tapon.connectToHost(QHostAddress::LocalHost, m.puerto);
        QVERIFY(tapon.waitForConnected(3000));
        tapon.write("[Joined]Tapon\r\n");
        QVERIFY(esperar([&] { return m.servidor.j.e.numConexiones == 2; }));
        Crudo oyente(m.puerto), charla(m.puerto);
        QVERIFY(oyente.sentarse("Oye", 4) && charla.sentarse("Charla", 5));

        // The flood goes on as fast as the honest players read it, until the
        // one that does not read is dropped; bounded.
        int enviadas = 0;
        bool cortado = false;
        QList<int> recibidas;
        auto leer = [&] {
            const QByteArray hecho = oyente.leido.left(oyente.leido.lastIndexOf('\n') + 1);
            oyente.leido.remove(0, hecho.size());
            recibidas += inundacion(hecho);
            cortado = cortado || hecho.contains("[Message]Tapon  se ha desconectado\r\n");
            return recibidas.size() == enviadas && m[2].j.e.txtDialog.endsWith(QString::fromLatin1(relleno(enviadas - 1).mid(9).chopped(2)));
        };
        while (enviadas < 2000 && !cortado) {
            QByteArray tanda;
            for (int i = 0; i < 50; ++i)
                tanda += relleno(enviadas++);
            charla.escribir(tanda);
            QVERIFY(esperar(leer, 10000));
        }
        QVERIFY(cortado);
        QList<int> todas(enviadas);
        std::iota(todas.begin(), todas.end(), 0);
        QCOMPARE(recibidas, todas);
        QVERIFY(m[2].j.e.txtDialog.size() <= kLargoPanelChat && m.servidor.j.e.txtDialog.size() <= kLargoPanelChat);
        QCOMPARE(m.servidor.j.e.desconectados, 1);
        QVERIFY(incoherencia(m[1], false).isEmpty() && incoherencia(m[2], false).isEmpty());
    }

    // Peers that break off mid-message, send a megabyte without CR LF, or
    // introduce themselves twice: each affects only itself.
    void rotos()
    {
        Mesa m;
        QVERIFY(m.unir(QStringLiteral("Beto")));
        const QString& charla = m[2].j.e.txtDialog;

        // A reset in the middle of a message: the fragment is never handled,
        // and the turn its sender held is free again.
        Crudo eva(m.puerto);
        eva.escribir("[Joined]Eva\r\n[TurnoON]3\r\n");
        QVERIFY(m.todos([](const Estado& e) { return e.turno == 3; }));
        eva.escribir("[Message]zzz");
        QTest::qWait(50);
        eva.s.abort();
        QVERIFY(m.todos([](const Estado& e) { return e.turno == 0 && e.txtDialog.endsWith(QStringLiteral("Eva  se ha desconectado")); }));
        QVERIFY(!charla.contains(QStringLiteral("zzz")) && !m.servidor.j.e.txtDialog.contains(QStringLiteral("zzz")));

        // A megabyte without CR LF: what came whole before it is handled
        // (Luis sits down and claims), then he is cut off and the turn freed.
        Crudo luis(m.puerto);
        luis.escribir("[Joined]Luis\r\n[TurnoON]4\r\n" + QByteArray(1024 * 1024, 'x'));
        QVERIFY(m.todos([](const Estado& e) { return e.turno == 0 && e.txtDialog.endsWith(QStringLiteral("Luis  se ha desconectado")); }));
        QVERIFY(esperar([&] { return luis.s.state() == QAbstractSocket::UnconnectedState; }));

        Crudo fede(m.puerto);
        fede.escribir("[Joined]Fede\r\n[Joined]Fede\r\n");
        QVERIFY(m.todos([](const Estado& e) { return e.Jugadores[5].texto == QStringLiteral(" 5  Fede"); }));
        cmdSend_Click(m[2].j, QStringLiteral("sigue"));
        QVERIFY(fede.espera("[Message]Beto: sigue\r\n"));
        QCOMPARE(fede.leido.count("[Identificacion]"), 1);
        QCOMPARE(m.servidor.j.e.numConexiones, 4);
        QVERIFY(!m[1].j.e.Jugadores[6].visible && !m[2].j.e.Jugadores[6].visible);
        QCOMPARE(m.servidor.j.e.txtDialog, charla);
        QVERIFY(incoherencia(m[1], false).isEmpty() && incoherencia(m[2], false).isEmpty());
    }
};

ZUMBARTA_PRUEBA(TestAbuso);
#include "test_abuso.moc"
