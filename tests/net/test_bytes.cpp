// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

// The server and a client against a raw socket: the exact bytes, messages cut anywhere, and peers that
// misbehave. A client that is never seated gives up: fuzz/cliente.cpp.

#include "game/mensajes.h"
#include "red.h"
#include "transporte/claves.h"

#include <QTcpServer>
#include <QTemporaryDir>
#include <thread>

class TestBytes : public QObject {
    Q_OBJECT

    // What a station shows but its chat pane, to see that bad input changed nothing.
    static QStringList foto(const Estado& e)
    {
        QStringList f = mesaDe(e) << e.relog.texto << e.barra << QString::number(e.miJugador);
        for (int k = 1; k <= kFichas; ++k)
            f << QString::number(e.fichaCU[k].fondo) + QString::number(e.fichaCU[k].borde);
        return f;
    }

private slots:
    // The server's handshake, byte for byte; a client's messages cut anywhere or several in one write; a
    // client speaks only for its own seat.
    void servidor()
    {
        Mesa m;
        Crudo luis(m.puerto);
        QVERIFY(luis.espera("[modojuego] Falso\r\n"));
        QCOMPARE(luis.leido, QByteArray("[Joined]Ana(1)\r\n[modojuego] Falso\r\n"));
        QVERIFY(luis.sentarse("LuisAlbertoXYZ", 2));
        QCOMPARE(luis.leido.mid(35), QByteArray("[modojuego] Falso\r\n[Joined]LuisAlbert(2)\r\n[Identificacion]2\r\n"));
        Estado& e = m.servidor.j.e;
        QCOMPARE(e.Jugadores[2].texto, QStringLiteral(" 2  LuisAlbert"));

        servidorEn(m.servidor.j)->pausaChatMs = 0;  // chat pacing is checked elsewhere
        const QByteArray msg = "[Message]LuisAlbert: hola\r\n";
        for (char c : msg) {
            luis.escribir(QByteArray(1, c));
            QTest::qWait(1);
        }
        luis.escribir("[Message]LuisAlbert: a\r\n[Message]LuisAlbert: b\r\n");
        QVERIFY(esperar([&] { return e.txtDialog.endsWith(QStringLiteral("b")); }));
        QCOMPARE(e.txtDialog.split(QStringLiteral("\r\n")), (QStringList{"LuisAlbert: hola", "LuisAlbert: a", "LuisAlbert: b"}));
        QVERIFY(m.servidor.aviso.textos.isEmpty());

        // Malformed or foreign messages change nothing and are not passed on.
        Crudo eva(m.puerto), otro(m.puerto);
        QVERIFY(eva.sentarse("Eva", 3) && otro.sentarse("Otro", 4));
        QVERIFY(m.empezar(19) && otro.espera("[ficharedonda]19,"));
        otro.leido.clear();

        eva.escribir("[fichaON]5\r\n[ficharedonda]\r\n[TurnoON]4\r\n[Puntaje]4,9\r\n[Partidas]2,3\r\n");
        eva.escribir("[TurnoON]3\r\n");
        QVERIFY(esperar([&] { return m.servidor.j.e.turno == 3; }));
        QVERIFY(luis.espera("[TurnoON]3\r\n"));
        const QStringList antes = foto(m.servidor.j.e);
        eva.escribir("[TurnoON]9\r\n[TurnoON]\r\n[fichaON]0\r\n[fichaON]50\r\n[fichaOFF]x\r\n[Puntaje]3\r\n[Puntaje]9,1\r\n"
                     "[Puntaje]3,abc\r\n[fichaValor]1,5\r\n[Relog]9 : 99\r\n[modojuego]x\r\n[Identificacion]4\r\n"
                     "[Disconnected]\r\n[ficharedonda]19,*01*\r\n[Joined]Otra\r\n[Partidas]4,1\r\n[TurnoOFF]4\r\n"
                     "[Finalizarpartidas]\r\n\r\n]\r\n[nada]x\r\n[Message]Otro: soy Otro\r\n[Message]Eva  se ha desconectado\r\n"
                     "[Message]Eva: fin\r\n");
        QVERIFY(otro.espera("[Message]Eva: fin\r\n"));
        QCOMPARE(foto(m.servidor.j.e), antes);
        QVERIFY(e.txtDialog.endsWith(QStringLiteral("LuisAlbert: b\r\nEva: fin")));  // a chat line speaks only for its sender
        QCOMPARE(otro.leido, QByteArray("[TurnoON]3\r\n[Message]Eva: fin\r\n"));
        QVERIFY(m.servidor.aviso.textos.isEmpty() && m.servidor.caja.cajas.empty());

        // A late claim is answered with the holder (a late joiner: TestAbuso::rechazosConMotivo).
        otro.escribir("[TurnoON]4\r\n");
        QVERIFY(otro.espera("fin\r\n[TurnoON]3\r\n"));
    }

    // The client's side: its greeting, a name with "(", and nonsense ignored.
    void cliente()
    {
        QTcpServer falso;
        QVERIFY(falso.listen(QHostAddress::LocalHost, 0));
        QTemporaryDir sinClaves;  // no secret of another test's server on a reused port
        JuegoDePrueba beto(true, {1.0, sinClaves.filePath(QStringLiteral("asientos")), QHostAddress::LocalHost});
        QStringList estados;
        QObject::connect(&beto.j, &Juego::cambiado, [&] {
            if (estados.isEmpty() || estados.last() != beto.j.e.barra)
                estados << beto.j.e.barra;
        });
        RedPartida* red = iniciarCliente(beto.j, {EleccionRed::Conectarse, QStringLiteral("Beto"), QStringLiteral("localhost"), QString::number(falso.serverPort())});
        Cliente* cli = red->cliente();
        QObject::connect(cli, &Cliente::terminado, cli, [&](bool ok) { terminarConexion(beto.j, red, ok); });
        QVERIFY(esperar([&] { return falso.hasPendingConnections(); }));
        QTcpSocket* s = falso.nextPendingConnection();
        QVERIFY(esperar([&] { return s->bytesAvailable() >= 26; }));
        QCOMPARE(s->readAll(), QByteArray("[Version]2\r\n[Joined]Beto\r\n"));
        QVERIFY(cli->conectado());
        QCOMPARE(estados.mid(estados.indexOf(QStringLiteral("Resolviendo host"))), (QStringList{"Resolviendo host", "Host resuelto", "Conectando...", "Conectado"}));

        // The table is set when the seat is known, and what came before is handled then, in order.
        s->write("[Joined]Ana(1)\r\n[modojuego]Falso\r\n[Joined]Be(to(2)\r\n[Identificacion]2\r\n[Message]listo\r\n");
        QVERIFY(esperar([&] { return beto.j.e.txtDialog == QStringLiteral("listo"); }));
        const Estado& e = beto.j.e;
        QVERIFY(e.modoLineal && e.miJugador == 2 && e.Jugadores[2].texto == QStringLiteral(" 2  Be(to"));
        const QStringList antes = foto(e);
        s->write("[Joined]X(9)\r\n[Joined]X\r\n[fichaValor]50,3\r\n[fichaValor]3,0\r\n[fichaValor]3\r\n[TurnoON]0\r\n[fichaON]99\r\n"
                 "[Puntaje]7,1\r\n[Partidas]2\r\n[ficharedonda]99,*01*\r\n[ficharedonda]7\r\n[Identificacion]8\r\n[Message]fin\r\n");
        QVERIFY(esperar([&] { return e.txtDialog.endsWith(QStringLiteral("fin")); }));
        QCOMPARE(foto(e), antes);
        QVERIFY(beto.aviso.textos.isEmpty() && beto.caja.cajas.empty());

        // Only a real secret is kept: one that smuggles lines in is not, and
        // the file holds the newest 32 seats.
        const QString archivo = sinClaves.filePath(QStringLiteral("asientos"));
        s->write("[Clave]" + QByteArray(32, 'a') + "\n1.2.3.4\t9\tEva\t" + QByteArray(32, 'b') + "\r\n[Message]clave\r\n");
        QVERIFY(esperar([&] { return e.txtDialog.endsWith(QStringLiteral("clave")); }));
        QVERIFY(!QFile::exists(archivo));
        for (int p = 1; p <= 33; ++p)
            claves::guardar(archivo, QHostAddress::LocalHost, p, QStringLiteral("Eva"), QString(32, u'c'));
        QVERIFY(claves::leer(archivo, QHostAddress::LocalHost, 1, QStringLiteral("Eva")).isEmpty());
        QVERIFY(!claves::leer(archivo, QHostAddress::LocalHost, 2, QStringLiteral("Eva")).isEmpty());
        QVERIFY(!claves::leer(archivo, QHostAddress::LocalHost, 33, QStringLiteral("Eva")).isEmpty());
        // Two stations saving at once lose neither's seats.
        QFile::remove(archivo);
        auto guardar = [&](int desde) {
            for (int p = desde; p < desde + 16; ++p)
                claves::guardar(archivo, QHostAddress::LocalHost, p, QStringLiteral("Eva"), QString(32, u'd'));
        };
        std::thread otra(guardar, 100);
        guardar(200);
        otra.join();
        for (int p : {100, 115, 200, 215})
            QVERIFY(!claves::leer(archivo, QHostAddress::LocalHost, p, QStringLiteral("Eva")).isEmpty());

        // The end of an earlier turn that crosses our claim leaves the claim standing.
        Command1_Click(beto.j);
        s->write("[TurnoOFF]3\r\n[Message]cruce\r\n");
        QVERIFY(esperar([&] { return e.txtDialog.endsWith(QStringLiteral("cruce")); }));
        QVERIFY(e.turno == 2 && beto.j.Timer2.isActive());

        // The server goes away.
        s->close();
        QVERIFY(esperar([&] { return e.barra == QStringLiteral("Desconectado"); }));
        QVERIFY(!e.Command1.visible && !e.chatHabilitado);
    }
};

ZUMBARTA_PRUEBA(TestBytes);
#include "test_bytes.moc"
