// Whole local games, set up through the setup's own decisions and played
// key by key and tile by tile, and what "Aceptar" and "Cancelar" leave.

#include "dobles.h"
#include "flow/reloj.h"
#include "flow/vencimiento.h"
#include "game/marcador.h"
#include "game/seleccion.h"
#include "game/turno.h"
#include "partida.h"

#include <QtTest>

class TestPartidaLocal : public QObject {
    Q_OBJECT

    static void elegir(JuegoDePrueba& p, QChar tecla, std::initializer_list<std::pair<int, int>> casillas)
    {
        Form_KeyPress(p.j, tecla);
        for (auto [f, c] : casillas)
            Valor_Click(p.j, ficha(f, c));
    }

    static QStringList fichas(const Estado& e)
    {
        QStringList l;
        for (int s = 1; s <= e.numJugadores; ++s)
            l << e.Fichas[s].texto;
        return l;
    }

private slots:
    // Three players, one round after another, until one takes the last
    // target; then the next match goes on with a new board.
    void tresJugadoresHastaGanarLaPartida()
    {
        JuegoDePrueba p;
        p.j.e.ruta = QStringLiteral("/juego");
        QVERIFY(empezarLocal(p, {"Ana", "Beto", "Carla"}, 19));
        Estado& e = p.j.e;
        QCOMPARE(e.barra, QStringLiteral("Presione en el tecla la tecla correspondiente a su numero "));
        QCOMPARE(e.Jugadores[2].texto, QStringLiteral(" 2     Beto"));
        QVERIFY(e.Jugadores[3].visible && !e.Jugadores[4].visible);
        QCOMPARE(e.fichaRE, QStringLiteral("19"));
        QVERIFY(p.j.Timer1.isActive() && p.j.maquinas.isActive());
        QVERIFY(e.mn_pausar.habilitado && e.mn_repar.habilitado && e.relog.visible && e.Label3.visible);
        QCOMPARE(p.j.e.maquina, (std::array<int, 7>{}));

        // Ana: 3 x 4 + 7 along the top row.
        guionObjetivo(p.azar, e.fichasRedondas, 26);
        elegir(p, '1', {{1, 1}, {1, 2}, {1, 3}});
        QCOMPARE(e.fichaRE, QStringLiteral("26"));
        // Beto misses 26 with 4 x 7 + 1; Carla lets her six seconds run out.
        elegir(p, '2', {{1, 2}, {1, 3}, {1, 4}});
        elegir(p, '3', {{5, 4}});
        Timer2_Timer(p.j);
        QCOMPARE(fichas(e), (QStringList{"1", "-1", "-1"}));
        QCOMPARE(p.aviso.textos, (QStringList{"Ana, Te has ganado esta ficha",
                                              "Beto La combinacion elegida no es correcta, perdera un punto",
                                              "Carla se le a vencido el tiempo de su turno perdera una ficha"}));
        QCOMPARE(p.sonido.archivos.size(), 4);  // three claims and the setup's click

        // The round on 26 runs out and brings the last target, 50, which
        // Beto takes with 9 x 5 + 5 down the right edge.
        e.fichasRedondas = QStringLiteral("*50*");
        for (int i = 0; i < 180; ++i)
            Timer1_Timer(p.j);
        QCOMPARE(e.fichaRE, QStringLiteral("50"));
        QVERIFY(e.fichasRedondas.isEmpty());
        guionReparto(p.azar);
        guionObjetivo(p.azar, pozo::completo(), 12);
        p.aviso.textos.clear();
        elegir(p, '2', {{4, 7}, {5, 6}, {6, 7}});
        QCOMPARE(p.aviso.textos, (QStringList{"Beto, Te has ganado esta ficha", "Beto, has ganado esta partida"}));
        QCOMPARE(e.Partidas[2].texto, QStringLiteral("1"));
        QCOMPARE(fichas(e), (QStringList{"0", "0", "0"}));
        QCOMPARE(e.fichaRE, QStringLiteral("12"));
        QCOMPARE(pozo::cantidad(e.fichasRedondas), 49);

        // The next match: 2 x 5 + 2 = 12.
        p.aviso.textos.clear();
        elegir(p, '3', {{2, 1}, {2, 2}, {3, 3}});
        QCOMPARE(p.aviso.textos, QStringList{"Carla, Te has ganado esta ficha"});
        QCOMPARE(fichas(e), (QStringList{"0", "0", "1"}));
        QCOMPARE(e.Partidas[2].texto, QStringLiteral("1"));
    }

    // A refused "Aceptar" changes nothing of the running game, not even
    // the network side of it; the messages come in their order.
    void aceptarRechazado()
    {
        JuegoDePrueba p;
        QVERIFY(empezarLocal(p, {"Ana", "Beto", "Carla"}, 19));
        marcador::sumarFichas(p.j.e, 2, 3);
        p.j.e.Command1.visible = true;  // as if a network game were up
        p.j.e.chatHabilitado = true;
        const QString barra = p.j.e.barra = QStringLiteral("Conectado");

        EleccionLocal el;
        el.numJugadores = 3;
        el.nombres = {QString(), "Retirado", "", "X"};  // the empty name is told first
        QVERIFY(!aceptarPartidaLocal(p.j, el));
        QCOMPARE(p.caja.cajas.size(), std::size_t(1));
        QCOMPARE(p.caja.cajas[0].texto, QStringLiteral("TODOS LOS USUARIOS DEBEN TENER ALGUN NOMBRE"));
        QVERIFY(p.caja.cajas[0].icono == CajaMensaje::Icono::Advertencia);

        QCOMPARE(p.j.e.datosJugadores[2].nombre, QStringLiteral("Beto"));
        QCOMPARE(p.j.e.datosJugadores[2].fichas, 3);
        QVERIFY(p.j.e.Command1.visible && p.j.e.chatHabilitado);
        QVERIFY(p.j.Timer1.isActive());
        QCOMPARE(p.j.e.barra, barra);

        // Two blanks are a name; RETIRADO beyond the count is not looked at.
        el.numJugadores = 2;
        el.nombres = {QString(), "Eva", "  ", "RETIRADO"};
        guionObjetivo(p.azar, pozo::completo(), 5);
        guionReparto(p.azar);
        QVERIFY(aceptarPartidaLocal(p.j, el));
        QVERIFY(!p.j.e.Command1.visible && !p.j.e.chatHabilitado);
    }

    // A new game is a new game: matches won, machine seats and stray picks
    // of the old one do not carry over.
    void unJuegoNuevoEmpiezaDeCero()
    {
        JuegoDePrueba p;
        QVERIFY(empezarLocal(p, {"Ana", "Beto", "Carla"}, 19, {false, false, false, true}));
        Estado& e = p.j.e;
        QCOMPARE(e.maquina[3], 1);
        e.partidasGanadas = {0, 2, 1, 0, 0, 0, 0};
        Form_KeyPress(p.j, QLatin1Char('1'));
        Valor_Click(p.j, ficha(1, 1));
        Valor_Click(p.j, ficha(1, 2));

        // Seat 4 ticked but out of play; seat 3 no longer ticked.
        QVERIFY(empezarLocal(p, {"Ana", "Beto", "Carla"}, 19, {false, true, false, false, true}));
        QCOMPARE(e.maquina, (std::array<int, 7>{0, 1, 0, 0, 0, 0, 0}));
        QCOMPARE(e.partidasGanadas, (std::array<int, 7>{}));
        QCOMPARE(e.turno, 0);
        QVERIFY(!e.Jugadores[1].opaca);
        QCOMPARE(e.fichasElegidas, 0);
        QCOMPARE(e.combinacion, QString());
        QCOMPARE(e.fichaCU[ficha(1, 1)].fondo, color::blanco);
        Form_KeyPress(p.j, QLatin1Char('1'));  // now a machine seat
        QCOMPARE(e.turno, 0);
        // The first match won after it shows 1, not the old count + 1.
        e.fichasRedondas.clear();
        guionReparto(p.azar);
        elegir(p, '3', {{1, 1}, {1, 2}, {1, 3}});
        QCOMPARE(e.Partidas[3].texto, QStringLiteral("1"));
        QCOMPARE(e.partidasGanadas[3], 1);
    }

    // "Cancelar" before any game starts nothing (in a game: the dialog tests).
    void cancelarSinPartida()
    {
        JuegoDePrueba p;
        abrirPartidaLocal(p.j);
        cancelarPartidaLocal(p.j);
        QVERIFY(!p.j.Timer1.isActive() && !p.j.Timer2.isActive() && !p.j.maquinas.isActive());
        QCOMPARE(p.sonido.archivos.size(), 1);
    }
};

QTEST_GUILESS_MAIN(TestPartidaLocal)
#include "test_partida_local.moc"
