// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

// The round clock, the turn timeout, pausing, and the pick shown when a round runs out.

#include "flow/mandos.h"
#include "flow/vencimiento.h"
#include "game/marcador.h"
#include "game/reparto.h"
#include "partida.h"
#include "prueba.h"


namespace {

// The tiles showing a pick: "10V1" is tile 10, green, first; G grey, B white.
QString vista(const Estado& e)
{
    QStringList l;
    for (int k = 1; k <= kFichas; ++k)
        if (const auto& f = e.fichaCU[k]; f.marca || f.fondo == color::verde)
            l << QStringLiteral("%1%2%3").arg(k).arg(f.fondo == color::verde ? 'V' : f.fondo == color::gris ? 'G' : 'B').arg(f.marca);
    return l.join(' ');
}

// Ana holds the turn with tile 1 picked when the round runs out. Returns the board as the notice
// opens and after `accion`, the chat pane, then only if some pick is left once it closed, that.
QStringList vencer(JuegoDePrueba& p, int objetivo, bool lineal, const std::function<void()>& accion = {})
{
    Estado& e = p.j.e;
    empezarLocal(p, {"Ana", "Beto"}, objetivo);
    mn_mod_Click(p.j, lineal ? 2 : 1);
    jugar(p, '1', {1, 1});
    tics(p, 180);
    QStringList vio{vista(e)};
    if (accion)
        accion();
    vio << vista(e) << e.txtDialog;
    p.j.cerrarAviso();
    if (!vista(e).isEmpty())
        vio << "queda " + vista(e);
    return vio;
}

const QString de48 = "1G3 9V2 10V1";  // tile 1 is still Ana's pick, grey
const QString l48 = "Una soluci\u00F3n era 9 \u00D7 5 + 3 = 48";

}  // namespace

class TestReloj : public QObject {
    Q_OBJECT
private slots:
    // 180 ticks make a round: the target is lost, the picker loses the turn but nobody a tile.
    // A server tells its clients the clock on every tick, and the turn it took away.
    void unaRonda()
    {
        EnJuego p;
        Estado& e = p.j.e;
        QCOMPARE(e.relog.texto, QStringLiteral("3:00"));
        marcador::sumarFichas(e, 1, 2);
        p.enRed(true);
        e.miJugador = 2;
        tics(p, 179);
        e.turno = 2;
        jugar(p, 0, {1, 1, 1, 2});
        tics(p, 1);
        QStringList t = p.enlace.textos();
        QCOMPARE((QStringList{t[0], t[54], t[60], t[178]}),
                 (QStringList{"[Relog]2 : 59", "[Relog]2 : 05", "[Relog]1 : 59", "[Relog]0 : 01"}));
        QCOMPARE(t.mid(181), (QStringList{"[Message]Finalizo el tiempo y nadie gano la ficha 19",
                                          "[Message]Una soluci\u00F3n era 3 \u00D7 4 + 7 = 19", "[Relog]0 : 00"}));
        // The clock waits for the notice; the next target and the end of the turn follow its close.
        QVERIFY(p.aviso.textos == QStringList{"Ha finalizado el tiempo"} && !p.j.Timer1.isActive() && e.turno == 2);
        p.j.cerrarAviso();
        t = p.enlace.textos();
        QCOMPARE(t.mid(184), (QStringList{"[ficharedonda]" + e.fichaRE + "," + e.fichasRedondas, "[TurnoOFF]2"}));
        QCOMPARE((QStringList{e.relog.texto, e.Fichas[1].texto, e.Fichas[2].texto}), (QStringList{"0 : 00", "2", "0"}));
        QVERIFY(e.fichaRE != QStringLiteral("19") && pozo::cantidad(e.fichasRedondas) == 48 && p.sonido.beeps == 1);
        QVERIFY(e.turno == 0 && !e.Jugadores[2].opaca && e.fichasElegidas == 0 && e.combinacion.isEmpty() && !grises(e));
        QVERIFY(p.j.Timer1.isActive());
        tics(p, 1);
        QCOMPARE(e.relog.texto, QStringLiteral("2 : 59"));
    }

    // The last target's round runs out: most tiles win the match, a tie the lower seat, nobody's
    // tiles seat 1, all below zero the least below.
    void finPorFichas()
    {
        const std::pair<QList<int>, const char*> casos[] = {
            {{2, 5, 5}, "Beto"}, {{0, 0, 0}, "Ana"}, {{-3, -1, -2}, "Beto"}, {{1, 2, 3, 4}, "Dora"}};
        for (const auto& [fichas, ganador] : casos) {
            const QStringList nombres = QStringList{"Ana", "Beto", "Carla", "Dora"}.mid(0, fichas.size());
            EnJuego p(nombres);
            Estado& e = p.j.e;
            for (int s = 1; s <= fichas.size(); ++s)
                marcador::sumarFichas(e, s, fichas[s - 1]);
            e.datosJugadores[6].fichas = 99;  // not in play
            e.fichasRedondas.clear();
            e.Valor[ficha(7, 1)].clear();
            p.enRed(true);
            tics(p, 179);
            guionReparto(p.azar);
            tics(p, 1);
            p.j.cerrarAviso();
            QCOMPARE(p.aviso.textos, (QStringList{"Ha finalizado el tiempo", QStringLiteral("El ganador de esta partida es ") + ganador}));
            const int g = static_cast<int>(nombres.indexOf(QLatin1String(ganador))) + 1;
            QVERIFY(e.ganador == g && p.enlace.textos().contains(QStringLiteral("[Partidas]%1,1").arg(g)));
            QCOMPARE((QStringList{e.Partidas[g].texto, e.Fichas[g].texto, e.Valor[ficha(7, 1)], e.relog.texto}),
                     (QStringList{"1", "0", "9", "0 : 00"}));
            p.j.cerrarAviso();
            QVERIFY(pozo::cantidad(e.fichasRedondas) == 49 && e.segundos + e.minutos + e.minutosPasados == 0);
        }
    }

    // Paused, nothing moves; resumed, all goes on. Six seconds without three tiles cost the turn, the picks and a tile.
    void pausaYTurnoVencido()
    {
        EnJuego p;
        Estado& e = p.j.e;
        tics(p, 97);
        jugar(p, '3', {1, 1, 1, 2});
        for (bool pausado : {true, false}) {
            mn_pausar_Click(p.j);
            QVERIFY(e.mn_pausar.marcado == pausado && e.mn_pausar.texto == (pausado ? "Reanudar" : "Pausar"));
            QCOMPARE(andando(p.j), pausado ? QString() : QStringLiteral("Timer1 Timer2"));
        }
        tics(p, 1);
        QCOMPARE(e.relog.texto, QStringLiteral("1 : 22"));

        Timer2_Timer(p.j);
        QCOMPARE(p.aviso.textos, QStringList{"Carla se le a vencido el tiempo de su turno perdera una ficha"});
        QCOMPARE(e.Fichas[3].texto, QStringLiteral("-1"));
        QVERIFY(!e.Jugadores[3].opaca && e.turno == 0 && e.combinacion.isEmpty() && !grises(e) && !p.j.Timer2.isActive());
        QVERIFY(e.fichaRE == QStringLiteral("19") && p.sonido.beeps == 1);  // the target stays
        p.j.cerrarAviso();
        mn_pausar_Click(p.j);
        mn_pausar_Click(p.j);  // nobody holds the turn: its tick only stops
        Timer2_Timer(p.j);
        QVERIFY(!p.j.Timer2.isActive() && p.aviso.textos.size() == 1);
    }

    // A round that runs out shows a pick that would have made the target while the notice is open,
    // in the mode in play, and it is gone before the next draw.
    void solucionEnCadaModo()
    {
        JuegoDePrueba a, b, c;
        QCOMPARE(vencer(a, 48, false), (QStringList{de48, de48, l48}));
        QCOMPARE(vencer(b, 50, false), (QStringList{"11V1 19V2 26V3", "11V1 19V2 26V3", "Una soluci\u00F3n era 8 \u00D7 7 - 6 = 50"}));
        QCOMPARE(vencer(c, 48, true), (QStringList{"", "", "Este tablero no ten\u00EDa soluci\u00F3n para 48"}));
    }

    // What can happen under the notice takes the pick away; a click takes a green tile as a new pick,
    // which the end of the round then drops with the turn.
    void solucionBajoElAviso()
    {
        JuegoDePrueba a, b, c, d;
        QCOMPARE(vencer(a, 48, false, [&] { mn_pausar_Click(a.j); }), (QStringList{de48, "", l48}));
        QCOMPARE(vencer(b, 48, false, [&] { guionObjetivo(b.azar, b.j.e.fichasRedondas, 7), guionReparto(b.azar), mn_repar_Click(b.j); }),
                 (QStringList{de48, "", l48}));
        QCOMPARE(vencer(c, 48, false, [&] { empezarLocal(c, {"Ana", "Beto"}, 7); }), (QStringList{de48, "", l48}));
        QCOMPARE(vencer(d, 48, false, [&] { jugar(d, 0, {2, 2}); }), (QStringList{de48, "1G3 9G2 10V1", l48}));
        QVERIFY(d.j.e.fichasElegidas == 0 && !grises(d.j.e));
    }
};

ZUMBARTA_PRUEBA(TestReloj);
#include "test_reloj.moc"
