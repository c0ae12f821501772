// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

// The end of a match on a network table, seen from outside: a seat taken
// back under the winner's notice, and outcomes that cross the refilled pool.

#include "flow/mandos.h"
#include "game/pozo.h"
#include "game/tiempos.h"
#include "red.h"

// Ana serves, Beto and Carla play on this program, Pepe (seat 4) is a bare
// peer that speaks the newer protocol; the pool is down to its last target, 5.
struct MesaConPepe : MesaViva {
    Crudo pepe{puerto};
    QByteArray clave;  // Pepe's seat secret
    bool lista = false;

    MesaConPepe()
    {
        pepe.escribir("[Version]2\r\n");
        if (!pepe.sentarse("Pepe", 4) || !pepe.espera("[Clave]") || !empezar(19))
            return;
        const qsizetype c = pepe.leido.indexOf("[Clave]") + 7;
        clave = pepe.leido.mid(c, pepe.leido.indexOf("\r\n", c) - c);
        servidor.j.e.fichasRedondas = QStringLiteral("*05*");
        JuegoDePrueba& beto = *clientes.at(0);
        lista = pedirTurno(beto);
        jugar(beto, 0, {1, 1, 1, 2, 1, 3});  // 3 x 4 + 7: Beto's tile draws the last target
        lista = lista && todos([](const Estado& e) {
            return e.fichaRE == QStringLiteral("5") && e.fichasRedondas.isEmpty() && e.turno == 0 && e.Fichas[2].texto == QStringLiteral("1");
        });
        guionReparto(servidor.azar);  // the next match's board
        pepe.leido.clear();
    }

    // Pepe claims and picks, and nothing more until the server's referee has taken the turn back.
    bool pepeSeDuerme()
    {
        pepe.escribir("[TurnoON]4\r\n[fichaON]1\r\n[fichaON]2\r\n[fichaON]3\r\n");
        return pepe.espera("[TurnoOFF]4\r\n", 3000);
    }

    // Pepe's lines and a chat line after them: once every station shows it,
    // the server has handled them all and passed on what they brought.
    bool pepeDice(const QByteArray& lineas)
    {
        pepe.escribir(lineas + "[Message]Pepe: listo\r\n");
        return todos([](const Estado& e) { return e.txtDialog.endsWith(QStringLiteral("Pepe: listo")); }, 3000);
    }
};

class TestReproducciones : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { tiempos::fijarEscala(1.0 / 50); }
    void cleanupTestCase() { tiempos::fijarEscala(1); }

    // Pepe's last target (3 x 4 - 7) opens the winner's notice from inside
    // his connection's handler; while it is open his seat is taken back with
    // his secret on a new connection, which closes the old one. Its handler
    // must not go on with a connection that is gone (once a heap-use-after-free).
    void asientoRecuperadoBajoElAviso()
    {
        MesaConPepe m;
        QVERIFY(m.lista);
        JuegoDePrueba& ana = m[1];
        m.pepe.escribir("[TurnoON]4\r\n[fichaON]1\r\n[fichaON]2\r\n[fichaON]3\r\n");
        QVERIFY(esperar([&] { return ana.j.e.avisoAbierto; }, 3000));
        Crudo vuelto(m.puerto);
        vuelto.escribir("[Version]2\r\n[Volver]" + m.clave + "\r\n");
        QVERIFY(vuelto.espera("[Identificacion]4\r\n"));
        QVERIFY(ana.aviso.textos.contains(QStringLiteral("El ganador de esta partida es Pepe")));
        QVERIFY(esperar([&] { return m.pepe.s.state() == QAbstractSocket::UnconnectedState; }, 3000));
        vuelto.escribir("[Message]Pepe: sigo aqui\r\n");
        QVERIFY(m.todos([](const Estado& e) { return e.txtDialog.endsWith(QStringLiteral("Pepe: sigo aqui")) && e.Partidas[4].texto == QStringLiteral("1"); }));
    }

    // Pepe takes the last target after the referee has taken his turn back:
    // the server credits his match and refills the pool, but his request for
    // the next target no longer counts. Every station must still end up with
    // the server's target and pool.
    void pozoTrasPartidaArbitrada()
    {
        MesaConPepe m;
        QVERIFY(m.lista && m.pepeSeDuerme());
        QVERIFY(m.pepeDice("[Partidas]4,1\r\n[ficharedonda]\r\n[Puntaje]4,0\r\n"));
        const Estado& ana = m[1].j.e;
        m.todos([&](const Estado& e) { return e.fichasRedondas == ana.fichasRedondas && e.fichaRE == ana.fichaRE; }, tiempos::ms(tiempos::kAviso));
        for (int s : {2, 3}) {
            QCOMPARE(m[s].j.e.fichaRE, ana.fichaRE);
            QCOMPARE(m[s].j.e.fichasRedondas, ana.fichasRedondas);
        }
    }

    // The round runs out on the last target and the server deals the next
    // match; only then does Pepe's whole attempt on that target arrive, claim
    // to match (his station did not wait for the claim to be confirmed). The
    // server does not credit that match, and must set his count right.
    void partidaQueElServidorNoCuenta()
    {
        MesaConPepe m;
        QVERIFY(m.lista);
        m.ultimoSegundo();
        QVERIFY(m.todos([](const Estado& e) { return pozo::cantidad(e.fichasRedondas) == 49 && e.Partidas[2].texto == QStringLiteral("1"); }));
        m.pepe.leido.clear();
        QVERIFY(m.pepeDice("[TurnoON]4\r\n[fichaON]1\r\n[fichaON]2\r\n[fichaON]3\r\n[Partidas]4,1\r\n[ficharedonda]\r\n[TurnoOFF]4\r\n[Puntaje]4,0\r\n"));
        QCOMPARE(m[1].j.e.Partidas[4].texto, QStringLiteral("0"));
        QVERIFY2(m.pepe.espera("[Ganadas]4,0\r\n", tiempos::ms(tiempos::kAviso)), m.pepe.leido.replace("\r\n", " ").constData());
    }
};

ZUMBARTA_PRUEBA(TestReproducciones);
#include "test_reproducciones.moc"
