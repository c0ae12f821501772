// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

// Dealing the board, drawing targets, restarting a match and what the game menu sends.

#include "dobles.h"
#include "flow/mandos.h"
#include "game/pozo.h"
#include "game/reparto.h"
#include "prueba.h"

#include <set>

class TestReparto : public QObject {
    Q_OBJECT
private slots:
    // Real clock-mixed draws: six each of 1..4, five each of 5..9, the five border colours, and
    // back-to-back deals that still differ: a re-seed never restarts the sequence.
    void repartosReales()
    {
        Juego j;
        const std::set<std::uint32_t> bordes{0xC0, 0xFF0000, 0xC000, 0x80FF, 0xC0C0};
        std::set<std::uint32_t> vistos;
        std::set<QString> tableros;
        for (int vez = 0; vez < 500; ++vez) {
            repartirFichas(j);
            std::array<int, 10> n{};
            QString t;
            for (int k = 1; k <= kFichas; ++k) {
                ++n[j.e.Valor[k].toInt()];
                t += j.e.Valor[k];
                vistos.insert(j.e.fichaCU[k].borde);
            }
            for (int v = 1; v <= 9; ++v)
                QCOMPARE(n[v], v < 5 ? 6 : 5);
            tableros.insert(t);
        }
        QCOMPARE(tableros.size(), std::size_t(500));
        QCOMPARE(vistos, bordes);
    }

    // The last number of the pool is drawn only when it is alone; a match
    // draws every number once, 50 last, none shown with a leading zero.
    void sorteoDelPozo()
    {
        const std::tuple<QString, double, const char*> casos[] = {{"*50*", 0.7, "50"}, {"*12**50*", 0.999, "12"},
            {pozo::completo(), 0.0, "01"}, {pozo::completo(), 0.99999, "49"}, {pozo::completo(), 0.5, "25"}};
        for (const auto& [pool, r, sale] : casos)
            QCOMPARE(pozo::elegir(pool, r), QLatin1String(sale));
        Juego j;
        j.e.fichasRedondas = pozo::completo();
        std::set<QString> vistos, todos;
        for (int n = 1; n <= 50; ++n) {
            todos.insert(QString::number(n));
            nuevaFichaRedonda(j);
            vistos.insert(j.e.fichaRE);
        }
        QVERIFY(vistos == todos && j.e.fichaRE == QStringLiteral("50") && j.e.fichasRedondas.isEmpty());
    }

    // Only the server draws; a client asks. "Repartir" on a server takes the turn back, zeroes every
    // seat for all, then sends the target with the pool left and each tile; a local game sends nothing.
    // A server sends the mode on every click, even of the entry checked; a client tells nobody.
    void enRed()
    {
        JuegoDePrueba cliente(false), servidor(false), local(false);
        cliente.enRed(false);
        cliente.j.e.fichaRE = QStringLiteral("33");
        cliente.j.e.fichasRedondas = pozo::completo();
        nuevaFichaRedonda(cliente.j);
        mn_mod_Click(cliente.j, 2);
        QVERIFY(cliente.j.e.fichaRE == "33" && cliente.j.e.fichasRedondas == pozo::completo() && cliente.j.e.modoLineal);
        QCOMPARE(cliente.enlace.textos(), QStringList{QStringLiteral("[ficharedonda]")});

        servidor.enRed(true);
        Estado& e = servidor.j.e;
        for (int m : {2, 2, 1})
            mn_mod_Click(servidor.j, m);
        QVERIFY(!e.modoLineal && e.mn_mod[1].marcado && !e.mn_mod[2].marcado);
        e.numJugadores = e.turno = 2;
        mn_repar_Click(servidor.j);
        QStringList esperado{"[modojuego] Verdadero", "[modojuego] Verdadero", "[modojuego] Falso", "[TurnoOFF]2",
                             "[Puntaje]1,0", "[Puntaje]2,0", "[ficharedonda]" + e.fichaRE + "," + e.fichasRedondas};
        for (int k = 1; k <= kFichas; ++k)
            esperado << QStringLiteral("[fichaValor]%1,%2").arg(k).arg(e.Valor[k]);
        QCOMPARE(servidor.enlace.textos(), esperado);
        QVERIFY(!servidor.enlace.envios[7].vbSelf && e.turno == 0);

        local.j.enlace = &local.enlace;
        mn_repar_Click(local.j);
        QVERIFY(local.enlace.envios.empty());
    }

    // "Repartir" mid-attempt: a fresh match and board, the clocks running,
    // but the grey tiles, the picks and the turn timer left as they were.
    void repartirDuranteUnIntento()
    {
        JuegoDePrueba p(false);
        Estado& e = p.j.e;
        e.enPartida = true;
        e.datosJugadores[2].fichas = 4;
        e.partidasGanadas[2] = 2;
        e.turno = 2;
        e.Jugadores[2].opaca = true;
        e.fichasElegidas = 2;
        e.combinacion = QStringLiteral("34");
        e.fichaCU[9].fondo = color::gris;
        e.minutos = e.segundos = e.minutosPasados = e.ganador = 1;
        p.j.Timer2.start();
        mn_repar_Click(p.j);
        QCOMPARE((QList<int>{e.datosJugadores[2].fichas, e.Fichas[2].texto.toInt(), e.partidasGanadas[2], e.turno,
                             e.fichasElegidas, e.minutos + e.segundos + e.minutosPasados + e.ganador,
                             pozo::cantidad(e.fichasRedondas)}),
                 (QList<int>{0, 0, 2, 0, 2, 0, 49}));
        QVERIFY(!e.Jugadores[2].opaca && e.combinacion == QStringLiteral("34") && e.fichaCU[9].fondo == color::gris);
        QVERIFY(p.j.Timer2.isActive() && p.j.Timer1.isActive() && p.j.maquinas.isActive() && !e.Valor[49].isEmpty());
    }
};

ZUMBARTA_PRUEBA(TestReparto);
#include "test_reparto.moc"
