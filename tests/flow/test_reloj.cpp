// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

// The game's real, connected timers at a fiftieth of their time, where they meet the table: the
// clock waits for a notice, a notice closes by its own time, a pause holds everything.

#include "flow/mandos.h"
#include "flow/temporizadores.h"
#include "partida.h"
#include "prueba.h"

class TestReloj : public QObject {
    Q_OBJECT
private slots:

    // The round runs out: the clock stops under its notice with the pick shown; once the notice
    // has closed by itself the pick is gone, the next target is out and the clock starts over. A
    // local game sends nothing, link or not.
    void laRondaEsperaAlAviso()
    {
        JuegoDePrueba p(true, enPruebas(1.0 / 50));
        conectarTemporizadores(p.j);
        p.j.enlace = &p.enlace;
        QVERIFY(empezarLocal(p, {"Ana", "Beto"}, 19));
        Estado& e = p.j.e;
        e.minutosPasados = 3, e.segundos = 2;
        QVERIFY(esperar([&] { return e.avisoAbierto; }));
        QVERIFY(!p.j.Timer1.isActive() && e.finDeRondaPendiente && e.fichaCU[1].fondo == color::verde);
        QVERIFY(esperar([&] { return !e.avisoAbierto; }));
        QVERIFY(e.fichaRE != QStringLiteral("19") && e.fichaCU[1].fondo == color::blanco && p.j.Timer1.isActive());
        QVERIFY(esperar([&] { return e.relog.texto == QStringLiteral("2 : 59"); }));
        QVERIFY(p.enlace.envios.empty());
    }

    // A claim clicks; the turn runs out on its own timer and costs a tile. Paused under that notice nothing
    // runs and no pick stays shown; resumed, the clock goes on.
    void turnoVencidoYPausa()
    {
        JuegoDePrueba p(true, enPruebas(1.0 / 50));
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
};

ZUMBARTA_PRUEBA(TestReloj);
#include "test_reloj.moc"
