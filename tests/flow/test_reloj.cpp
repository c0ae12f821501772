// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later


#include "flow/mandos.h"
#include "flow/temporizadores.h"
#include "partida.h"
#include "prueba.h"

class TestReloj : public QObject {
    Q_OBJECT
private slots:

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
