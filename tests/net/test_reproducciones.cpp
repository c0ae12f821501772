// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

// The end of a match on a network table, seen from outside: a seat taken back under the winner's notice, and
// outcomes that cross the refilled pool.

#include "flow/mandos.h"
#include "game/pozo.h"
#include "game/tiempos.h"
#include "net/partidared.h"

#include <QElapsedTimer>
#include "red.h"

// Pepe (seat 4, a bare peer that speaks the newer protocol) at a table of Ana (server), Beto and Carla
// started on target 19, as a cheat would play it: whatever he sends, only a judged pick scores.
constexpr double kEscala = 1.0 / 50;
inline int ms(int intervalo) { return enPruebas(kEscala).ms(intervalo); }

struct ConTramposo : Mesa {
    Crudo pepe{puerto};
    bool lista = false;

    ConTramposo() : Mesa(QStringLiteral("Ana"), kEscala)
    {
        conectarTemporizadores(servidor.j);  // every station's timers run as the program's do
        for (const char* n : {"Beto", "Carla"})
            if (unir(QLatin1String(n)))
                conectarTemporizadores(clientes.back()->j);
        pepe.escribir("[Version]2\r\n");
        lista = pepe.sentarse("Pepe", 4);
        lista = lista && empezar(19);
    }
    // Pepe's lines and a chat line after them: once every station shows it, the server has handled them all
    // and passed on what they brought.
    bool dice(const QByteArray& lineas)
    {
        pepe.escribir(lineas + "[Message]Pepe: listo\r\n");
        const bool visto = todos([](const Estado& e) { return e.txtDialog.endsWith(QStringLiteral("Pepe: listo")); }, 3000);
        servidor.j.e.txtDialog.clear();
        for (auto& c : clientes)
            c->j.e.txtDialog.clear();
        return visto;
    }
    // Once the turn is free again, Pepe's tiles and matches on every station.
    bool cuenta(const char* fichas, const char* partidas = "0")
    {
        return todos([&](const Estado& e) { return e.turno == 0 && e.Fichas[4].texto == QLatin1String(fichas) && e.Partidas[4].texto == QLatin1String(partidas); });
    }
};

// The same table with the pool down to its last target, 5, drawn by Beto's pick.
struct MesaConPepe : ConTramposo {
    QByteArray clave;  // Pepe's seat secret

    MesaConPepe()
    {
        lista = lista && pepe.espera("[Clave]");
        const qsizetype c = pepe.leido.indexOf("[Clave]") + 7;
        clave = pepe.leido.mid(c, pepe.leido.indexOf("\r\n", c) - c);
        servidor.j.e.fichasRedondas = QStringLiteral("*05*");
        lista = lista && pedirTurno(*clientes.at(0));
        jugar(*clientes.at(0), 0, {1, 1, 1, 2, 1, 3});  // 3 x 4 + 7
        lista = lista && todos([](const Estado& e) {
            return e.fichaRE == QStringLiteral("5") && e.fichasRedondas.isEmpty() && e.turno == 0 && e.Fichas[2].texto == QStringLiteral("1");
        });
        guionReparto(servidor.azar);  // the next match's board
        pepe.leido.clear();
    }
};

class TestReproducciones : public QObject {
    Q_OBJECT

private slots:

    // Pepe's last target (3 x 4 - 7) opens the winner's notice from inside his connection's handler; while it
    // is open his seat is taken back with his secret on a new connection, which closes the old one. Its
    // handler must not go on with a connection that is gone (once a heap-use-after-free).
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

    // Pepe takes the last target after the referee has taken his turn back: the server credits his match and
    // refills the pool, but his request for the next target no longer counts. Every station must still end up
    // with the server's target and pool.
    void pozoTrasPartidaArbitrada()
    {
        MesaConPepe m;
        m.pepe.escribir("[TurnoON]4\r\n[fichaON]1\r\n[fichaON]2\r\n[fichaON]3\r\n");
        QVERIFY(m.lista && m.pepe.espera("[TurnoOFF]4\r\n", 3000));  // the referee has taken the turn back
        QVERIFY(m.dice("[Partidas]4,1\r\n[ficharedonda]\r\n[Puntaje]4,0\r\n"));
        const Estado& ana = m[1].j.e;
        m.todos([&](const Estado& e) { return e.fichasRedondas == ana.fichasRedondas && e.fichaRE == ana.fichaRE; }, ms(tiempos::kAviso));
        for (int s : {2, 3}) {
            QCOMPARE(m[s].j.e.fichaRE, ana.fichaRE);
            QCOMPARE(m[s].j.e.fichasRedondas, ana.fichasRedondas);
        }
    }

    // The round runs out on the last target and the server deals the next match; only then does Pepe's whole
    // attempt on that target arrive, claim to match (his station did not wait for the claim to be confirmed).
    // The server does not credit that match, and must set his count right.
    void partidaQueElServidorNoCuenta()
    {
        MesaConPepe m;
        QVERIFY(m.lista);
        m.ultimoSegundo();
        QVERIFY(m.todos([](const Estado& e) { return pozo::cantidad(e.fichasRedondas) == 49 && e.Partidas[2].texto == QStringLiteral("1"); }));
        m.pepe.leido.clear();
        QVERIFY(m.dice("[TurnoON]4\r\n[fichaON]1\r\n[fichaON]2\r\n[fichaON]3\r\n[Partidas]4,1\r\n[ficharedonda]\r\n[TurnoOFF]4\r\n[Puntaje]4,0\r\n"));
        QCOMPARE(m[1].j.e.Partidas[4].texto, QStringLiteral("0"));
        QVERIFY2(m.pepe.espera("[Ganadas]4,0\r\n", ms(tiempos::kAviso)), m.pepe.leido.replace("\r\n", " ").constData());
    }

    // However Pepe picks and takes back, his turn ends at its limit from the claim, and one that goes silent
    // after its third tile, or right after claiming (that one costs him), does as well.
    void turnoAcotado()
    {
        for (int caso = 0; caso < 3; ++caso) {
            ConTramposo m;
            QVERIFY(m.lista);
            QElapsedTimer desde;
            desde.start();
            m.pepe.escribir(caso < 2 ? "[TurnoON]4\r\n[fichaON]1\r\n[fichaON]2\r\n[fichaON]3\r\n" : "[TurnoON]4\r\n");
            for (int i = 0; caso == 0 && i < 20 && m[1].j.e.turno == 4; ++i) {
                m.pepe.escribir("[fichaOFF]3\r\n[fichaON]3\r\n[ficharedonda]\r\n");
                QTest::qWait(ms(1000));
            }
            QVERIFY(m.cuenta(caso < 2 ? "1" : "-1"));
            // Coarse timers may fire 5% early; a referee on the bare turn time would free it at 75%.
            const qint64 t = desde.elapsed(), limite = ms(tiempos::kTurno + tiempos::kMargenArbitro);
            QVERIFY2(t >= limite * 9 / 10 && t < ms(tiempos::kTurno + tiempos::kMargenArbitro + tiempos::kAviso) * 3 / 2 + 100, qPrintable(QString::number(t)));
            QVERIFY(m.pedirTurno(m[2]));
        }
    }

    // A turn Pepe gives back unjudged costs him one, and a late +1 during another seat's turn sets his station
    // right (the rest he may say of his own outcome: game/test_mesa.cpp's arbitro, fuzz/servidor.cpp's
    // scripts). Once "Finalizar partida" is chosen the result stands: nothing he plays counts, and his
    // connection is closed although he stays.
    void soloCuentaLoJuzgado()
    {
        ConTramposo m;
        QVERIFY(m.lista && m.dice("[TurnoON]4\r\n[TurnoOFF]4\r\n") && m.cuenta("-1"));
        m.pepe.leido.clear();
        QVERIFY(m.pedirTurno(m[2]) && m.dice("[Puntaje]4,5\r\n"));
        QVERIFY(m.pepe.espera("[Puntaje]4,-1\r\n") && m[1].j.e.Fichas[4].texto == QStringLiteral("-1"));
        mn_finpartida_Click(m[1].j);
        QVERIFY(!m[1].j.Timer1.isActive());
        m.pepe.escribir("[TurnoON]4\r\n[fichaON]1\r\n[fichaON]2\r\n[fichaON]3\r\n[Puntaje]4,1\r\n");
        QVERIFY(esperar([&] { return m.pepe.s.state() == QAbstractSocket::UnconnectedState; }, ms(tiempos::kCierreFinal) * 3));
        QCOMPARE(m[1].caja.textos(), QStringList{"El ganador general del juego es Ana"});
        QVERIFY(m[1].j.e.Fichas[4].texto == QStringLiteral("-1") && m[1].j.e.turno == 0);
    }
};

ZUMBARTA_PRUEBA(TestReproducciones);
#include "test_reproducciones.moc"
