// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

// The rule of the game and the check that scores the turn holder.

#include "game/combinacion.h"
#include "game/marcador.h"
#include "partida.h"
#include "prueba.h"

class TestCombinacion : public QObject {
    Q_OBJECT

    // Right or wrong, the attempt ends the same way.
    static bool terminado(const JuegoDePrueba& p)
    {
        const Estado& e = p.j.e;
        return grises(e) == 0 && e.turno == 0 && e.combinacion.isEmpty() && !e.Jugadores[2].opaca &&
               !p.j.Timer2.isActive() && e.minutos + e.segundos + e.minutosPasados == 0;
    }

private slots:
    void regla()
    {
        // x * y + z or x * y - z, in order; a missing or non-digit character counts 0.
        const std::tuple<const char*, int, bool> casos[] = {
            {"347", 19, true},  {"347", 5, true},   {"734", 25, true},  {"734", 17, true},
            {"955", 50, true},  {"669", 27, true},  {"34", 12, true},   {"3x7", 7, true},   {"347", 12, false},
            {"111", 1, false},  {"959", 50, false}, {"473", 19, false}};
        for (auto [digitos, objetivo, correcta] : casos)
            QVERIFY2(combinacionCorrecta(QLatin1String(digitos), objetivo) == correcta,
                     qPrintable(QStringLiteral("%1 -> %2").arg(digitos).arg(objetivo)));
    }

    // A wrong pick costs a tile even when the clock runs out under its notice; then the last target wins the match.
    void malaYLuegoLaUltima()
    {
        EnJuego p({"Ana", "Beto", "Carla"}, 12);
        Estado& e = p.j.e;
        tics(p, 179);
        jugar(p, '2', {1, 1, 1, 2});
        p.aviso.mientrasAbierto = [&] { p.aviso.mientrasAbierto = nullptr; tics(p, 1); };
        jugar(p, 0, {1, 3});  // 347
        QCOMPARE(p.aviso.textos, (QStringList{"Beto La combinacion elegida no es correcta, perdera un punto",
                                              "Ha finalizado el tiempo"}));
        QVERIFY(e.Fichas[2].texto == QStringLiteral("-1") && p.sonido.beeps == 2 && terminado(p));

        e.fichaRE = QStringLiteral("50");
        e.fichasRedondas.clear();
        marcador::sumarFichas(e, 1, 9);
        e.partidasGanadas[2] = 1;
        e.Valor[ficha(1, 1)].clear();
        p.aviso.textos.clear();
        p.aviso.mientrasAbierto = [&] { QVERIFY(!p.j.Timer1.isActive()); };  // the clock waits for the news
        guionReparto(p.azar);
        guionObjetivo(p.azar, pozo::completo(), 8);
        jugar(p, '2', {4, 7, 5, 6, 6, 7});  // 955
        QCOMPARE(p.aviso.textos, (QStringList{"Beto, Te has ganado esta ficha", "Beto, has ganado esta partida"}));
        // Matches won, every seat's tiles, a new board, a new target from a full pool.
        QCOMPARE((QStringList{e.Partidas[2].texto, e.Fichas[1].texto, e.Fichas[2].texto, e.Valor[ficha(1, 1)], e.fichaRE}),
                 (QStringList{"2", "0", "0", "3", "8"}));
        QVERIFY(pozo::cantidad(e.fichasRedondas) == 49 && terminado(p));
    }

    // A network server tells the others in this order; the match is told by "[Partidas]".
    void enRedEnviaEnOrden()
    {
        EnJuego s({"Ana", "Beto"}, 50);
        s.enRed(true);
        s.j.e.miJugador = 1;
        s.j.e.fichasRedondas.clear();
        guionReparto(s.azar);
        guionObjetivo(s.azar, pozo::completo(), 8);
        Command1_Click(s.j);
        Command1_Click(s.j);  // already held: a beep
        QVERIFY(!s.j.e.Command1.habilitado);
        jugar(s, 0, {4, 7, 4, 7, 4, 7, 5, 6, 6, 7});
        const QStringList t = s.enlace.textos();  // then the rest of the new board
        QCOMPARE(t.mid(0, 8), (QStringList{"[TurnoON]1", "[fichaON]28", "[fichaOFF]28", "[fichaON]28", "[fichaON]34",
                                           "[fichaON]42", "[Partidas]1,1", "[fichaValor]1,3"}));
        QCOMPARE(t.mid(56), (QStringList{"[ficharedonda]8," + s.j.e.fichasRedondas, "[TurnoOFF]1", "[Puntaje]1,0"}));
        QCOMPARE(s.aviso.textos, QStringList{"Ana, Te has ganado esta ficha"});
        QVERIFY(s.enlace.envios[6].vbSelf && s.j.e.Command1.habilitado && s.sonido.beeps == 1);
    }
};

ZUMBARTA_PRUEBA(TestCombinacion);
#include "test_combinacion.moc"
