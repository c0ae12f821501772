// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

// Stations that leave and come back with the secret their station kept.

#include "flow/mandos.h"
#include "net/cierre.h"
#include "game/marcador.h"
#include "transporte/claves.h"
#include "red.h"

// The game's timers run 50 times faster.
constexpr double kEscala = 1.0 / 50;

class TestVolver : public QObject {
    Q_OBJECT

private slots:

    // A dropped seat waits; the kept secret takes it back with the whole table, and a wrong secret gets nothing.
    void volverAlAsiento()
    {
        Mesa m(QStringLiteral("Ana"), kEscala);
        for (const char* n : {"Beto", "Carla"})
            QVERIFY(m.unir(QLatin1String(n)));
        QVERIFY(m.empezar(19));
        JuegoDePrueba &ana = m[1], &carla = m[3];
        for (int s = 1; s <= 3; ++s)
            marcador::sumarPartida(m[s].j.e, 3);  // a match Carla won earlier
        QVERIFY(m.pedirTurno(m[2]));
        jugar(m[2], 0, {1, 1, 1, 2, 1, 3});
        mn_mod_Click(ana.j, 2);
        QVERIFY(m.todos([](const Estado& e) { return e.turno == 0; }));
        Command1_Click(carla.j);
        QVERIFY(m.todos([](const Estado& e) { return e.Fichas[2].texto == QStringLiteral("1") && e.turno == 3 && e.modoLineal; }));
        jugar(carla, 0, {2, 2});

        cerrarConexiones(m[2].j);
        QVERIFY(m.todos([](const Estado& e) { return e.ausente[2] || e.miJugador == 2; }));
        QVERIFY(ana.j.Timer1.isActive() && ana.caja.cajas.empty());

        JuegoDePrueba beto(true, enPruebas(kEscala));
        QVERIFY(Mesa::conectarA(beto, QStringLiteral("Beto"), m.puerto));
        QVERIFY(esperar([&] { return mesaDe(beto.j.e) == mesaDe(ana.j.e); }, 3000));
        QVERIFY(esperar([&] { return mesaDe(carla.j.e) == mesaDe(ana.j.e); }));
        QVERIFY(beto.j.e.miJugador == 2 && grises(beto.j.e) == 1 && !beto.j.e.ausente[2] && beto.aviso.textos.isEmpty());
        for (auto* p : {&ana, &carla, &beto})
            QVERIFY(esperar([&] { return p->j.e.txtDialog.endsWith(QStringLiteral("Beto ha vuelto")); }, 3000));

        QByteArray falsa = claves::leer({}, QHostAddress::LocalHost, m.puerto, QStringLiteral("Beto")).toLatin1();
        const auto soloSuyo = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser;
        QVERIFY(falsa.size() == 32 && QFile::permissions(claves::archivoPropio()) == soloSuyo);  // nobody else reads a seat
        falsa[31] = falsa[31] == '0' ? '1' : '0';  // one digit off
        Crudo intruso(m.puerto);
        intruso.escribir("[Version]2\r\n[Volver]" + falsa + "\r\n[Joined]Beto\r\n");
        QVERIFY(intruso.espera(protocolo::enmarcar(protocolo::kRechazado + kSinAsiento)) && !intruso.leido.contains("[Identificacion]"));
    }

    // A table of two waits for its only client, in the lobby and (clock
    // stopped) in the game, unless "Finalizar partida"; after that the player
    // who comes back is told the game is over, and its secret is stale for
    // the next game at that port.
    void mesaDeDos()
    {
        Mesa m(QStringLiteral("Ana"), kEscala);
        JuegoDePrueba& ana = m[1];
        QVERIFY(m.unir(QStringLiteral("Beto")));
        cerrarConexiones(m[2].j);
        QVERIFY(esperar([&] { return ana.j.e.ausente[2]; }, 3000));
        QVERIFY(ana.j.timer3.isActive() && admiteNuevos(ana.j) && ana.caja.cajas.empty());
        m.clientes.back() = m.estacion();
        QVERIFY(Mesa::conectarA(m[2], QStringLiteral("Beto"), m.puerto) && m[2].j.e.miJugador == 2 && clientesSentados(ana.j) == 1);
        QVERIFY(m.empezar(19) && ana.j.Timer1.isActive());

        cerrarConexiones(m[2].j);
        QVERIFY(esperar([&] { return !ana.j.Timer1.isActive(); }, 3000));
        QVERIFY(ana.j.e.barra.startsWith(QStringLiteral("Esperando a que vuelvan")) && ana.caja.cajas.empty());
        m.clientes.back() = m.estacion();
        QVERIFY(Mesa::conectarA(m[2], QStringLiteral("Beto"), m.puerto) && m[2].j.e.miJugador == 2);
        QVERIFY(esperar([&] { return ana.j.Timer1.isActive() && m[2].j.e.Valor[49] == QLatin1Char(kTablero[48]); }, 3000));

        const QString viejo = claves::leer({}, QHostAddress::LocalHost, m.puerto, QStringLiteral("Beto"));
        cerrarConexiones(m[2].j);
        QVERIFY(esperar([&] { return !ana.j.Timer1.isActive(); }, 3000));
        mn_finpartida_Click(ana.j);
        QCOMPARE(ana.caja.cajas.size(), size_t(1));
        QVERIFY(!servidorEn(ana.j) && ana.j.e.barra == QStringLiteral("Partida finalizada"));

        m.clientes.back() = m.estacion();
        QVERIFY(!Mesa::conectarA(m[2], QStringLiteral("Beto"), m.puerto));
        QVERIFY(m[2].caja.textos() == QStringList{kJuegoTerminado} && ana.caja.cajas.size() == 1);

        ana.caja.cajas.clear();
        ana.f2.pulsadaAhora = true;  // before the lobby opened: it does not count
        QVERIFY(iniciarServidor(ana.j, {EleccionRed::Servir, QStringLiteral("Ana"), {}, QString::number(m.puerto)}));
        timer3_Timer(ana.j);
        QVERIFY(ana.caja.cajas.empty());
        Crudo tarde(m.puerto);
        tarde.escribir("[Version]2\r\n[Volver]" + viejo.toLatin1() + "\r\n[Joined]Beto\r\n");
        QVERIFY(tarde.espera("[Identificacion]2\r\n"));
        QVERIFY(!tarde.leido.contains(viejo.toLatin1()));  // a new seat, with a secret of its own
    }
};

ZUMBARTA_PRUEBA(TestVolver);
#include "test_volver.moc"
