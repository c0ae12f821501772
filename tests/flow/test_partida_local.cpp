// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

// What the local setup's "Aceptar" and "Cancelar" decide for the game.

#include "game/marcador.h"
#include "partida.h"
#include "prueba.h"

class TestPartidaLocal : public QObject {
    Q_OBJECT
private slots:
    // A refused "Aceptar" leaves the running game, network side included; an
    // accepted one starts afresh.
    void aceptar()
    {
        EnJuego p({"Ana", "Beto", "Carla"}, 19, {false, false, false, true});
        Estado& e = p.j.e;
        QCOMPARE(e.barra, QStringLiteral("Presione en el tecla la tecla correspondiente a su numero "));
        QCOMPARE(e.Jugadores[2].texto, QStringLiteral(" 2     Beto"));
        QVERIFY(e.Jugadores[3].visible && !e.Jugadores[4].visible && p.j.Timer1.isActive() && p.j.maquinas.isActive());
        QVERIFY(e.mn_pausar.habilitado && e.mn_repar.habilitado && e.relog.visible && e.Label3.visible);
        QCOMPARE(e.maquina, (std::array<int, 7>{0, 0, 0, 1, 0, 0, 0}));
        e.partidasGanadas = {0, 1, 1, 0, 0, 0, 0};
        marcador::sumarPartida(e, 1);  // seat 1 shows two matches
        marcador::sumarFichas(e, 2, 3);
        jugar(p, '1', {1, 1, 1, 2});
        e.Command1.visible = e.chatHabilitado = true;  // as if a network game were up
        e.barra = QStringLiteral("Conectado");

        EleccionLocal el{3, {}, {}};
        for (auto n : {std::array<QString, 7>{"", "Retirado", " ", "X"}, {"", "Ana", "", "X"}, {"", "Ana", "El retirado", "X"}}) {
            el.nombres = n;
            QVERIFY(!aceptarPartidaLocal(p.j, el));
        }
        using I = CajaMensaje::Icono;
        const auto& c = p.caja.cajas;  // the blank is told before RETIRADO
        QVERIFY(c.size() == 3 && c[0].icono == I::Advertencia && c[1].icono == I::Advertencia && c[2].icono == I::Informacion);
        const QString todos = QStringLiteral("TODOS LOS USUARIOS DEBEN TENER ALGUN NOMBRE");
        QCOMPARE(p.caja.textos(), (QStringList{todos, todos, "NINGUN NOMBRE PUEDE CONTENER LA PALABRA RETIRADO"}));
        QCOMPARE((QStringList{e.datosJugadores[2].nombre, e.Fichas[2].texto, e.barra}), (QStringList{"Beto", "3", "Conectado"}));
        QVERIFY(e.Command1.visible && e.chatHabilitado && p.j.Timer1.isActive() && e.turno == 1);

        // Two blanks are a name; seat 1 ticked, seat 4 ticked but out of play.
        el = {3, {"", "Ana", "  ", "Carla", "RETIRADO"}, {false, true, false, false, true}};
        guionObjetivo(p.azar, pozo::completo(), 19);
        guionReparto(p.azar);
        QVERIFY(aceptarPartidaLocal(p.j, el));
        QVERIFY(!e.Command1.visible && !e.chatHabilitado);
        QCOMPARE(e.maquina, (std::array<int, 7>{0, 1, 0, 0, 0, 0, 0}));
        QCOMPARE(e.partidasGanadas, (std::array<int, 7>{}));
        QVERIFY(e.turno == 0 && !e.Jugadores[1].opaca && e.fichasElegidas == 0 && e.combinacion.isEmpty());
        QVERIFY(!grises(e) && e.Fichas[2].texto == QStringLiteral("0") && e.Partidas[1].texto == QStringLiteral("0"));
    }

    // "Cancelar" starts the timers again only when there is a game; a level counts at once.
    void cancelarYNivel()
    {
        JuegoDePrueba p;
        abrirPartidaLocal(p.j);
        cancelarPartidaLocal(p.j);
        QCOMPARE(andando(p.j), QString());
        QVERIFY(empezarLocal(p, {"Ana", "Beto"}, 19));
        abrirPartidaLocal(p.j);
        QCOMPARE(andando(p.j), QString());
        cancelarPartidaLocal(p.j);
        QCOMPARE(andando(p.j), QStringLiteral("Timer1 Timer2 maquinas"));
        QCOMPARE(p.sonido.archivos.size(), 3);  // a click for each button
        QList<int> ms;
        for (int n : {2, 4, 1, 3, 0}) {  // no level changes nothing
            elegirNivel(p.j, n);
            ms << p.j.maquinas.interval();
        }
        QCOMPARE(ms, (QList<int>{10000, 3000, 15000, 5000, 5000}));
    }
};

ZUMBARTA_PRUEBA(TestPartidaLocal);
#include "test_partida_local.moc"
