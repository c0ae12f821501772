// Claiming the turn and picking tiles with the mouse, in both game modes.

#include "dobles.h"
#include "game/seleccion.h"
#include "game/turno.h"
#include "partida.h"

#include <QtTest>

namespace {

const QString kNoContinua = QStringLiteral("Esta ficha no es continua a la ficha anteriormente elegida");
const QString kNoLineal = QStringLiteral("Esta ficha no es continua (Horizontal - Vertical - Diagonal)");

int grises(const Estado& e)
{
    int n = 0;
    for (int k = 1; k <= kFichas; ++k)
        n += e.fichaCU[k].fondo == color::gris;
    return n;
}

}  // namespace

class TestSeleccion : public QObject {
    Q_OBJECT
private slots:
    void reclamarConTecla()
    {
        JuegoDePrueba p;
        p.j.e.ruta = QStringLiteral("/juego");
        Form_KeyPress(p.j, QLatin1Char('1'));  // no game yet
        QVERIFY(empezarLocal(p, {"Ana", "Beto", "Carla"}, 19, {false, false, false, true}));
        p.sonido.archivos.clear();
        // Beyond the count, not a seat, a letter, the machine seat.
        for (char c : {'4', '0', '7', 'a', '3'})
            Form_KeyPress(p.j, QLatin1Char(c));
        QCOMPARE(p.sonido.beeps, 6);
        QCOMPARE(p.j.e.turno, 0);
        QVERIFY(!p.j.Timer2.isActive());

        Form_KeyPress(p.j, QLatin1Char('2'));
        QCOMPARE(p.j.e.turno, 2);
        QVERIFY(p.j.e.Jugadores[2].opaca);
        QVERIFY(p.j.Timer2.isActive());
        QCOMPARE(p.sonido.archivos, QStringList{"/juego/Click.wav"});
        Form_KeyPress(p.j, QLatin1Char('1'));  // held by seat 2
        QCOMPARE(p.sonido.beeps, 7);
        QCOMPARE(p.j.e.turno, 2);
    }

    // The "Turno" button of a network station claims for its own seat.
    void reclamarConBoton()
    {
        JuegoDePrueba p;
        p.enRed(false);
        p.j.e.miJugador = 3;
        p.j.e.Command1.habilitado = true;
        Command1_Click(p.j);
        QCOMPARE(p.j.e.turno, 3);
        QVERIFY(p.j.e.Jugadores[3].opaca && !p.j.e.Command1.habilitado && p.j.Timer2.isActive());
        Command1_Click(p.j);
        QCOMPARE(p.sonido.beeps, 1);
        QCOMPARE(p.enlace.textos(), QStringList{"[TurnoON]3"});
        QVERIFY(p.sonido.archivos.isEmpty());
    }

    void elegir_data()
    {
        QTest::addColumn<bool>("lineal");
        QTest::addColumn<QList<int>>("casillas");  // row, column pairs
        QTest::addColumn<QString>("rechazo");      // empty: the pick reached the check
        QTest::newRow("continuo: quiebro") << false << QList<int>{1, 1, 2, 2, 1, 3} << QString();
        QTest::newRow("continuo: salto") << false << QList<int>{1, 1, 1, 3} << kNoContinua;
        QTest::newRow("lineal: salto") << true << QList<int>{1, 1, 1, 3} << kNoContinua;
        QTest::newRow("lineal: diagonal") << true << QList<int>{1, 1, 2, 2, 3, 3} << QString();
        QTest::newRow("lineal: quiebro") << true << QList<int>{1, 1, 2, 2, 2, 3} << kNoLineal;
        QTest::newRow("lineal: esquina") << true << QList<int>{1, 1, 1, 2, 2, 2} << kNoLineal;
        QTest::newRow("lineal: horizontal") << true << QList<int>{4, 4, 4, 5, 4, 6} << QString();
        QTest::newRow("lineal: antidiagonal") << true << QList<int>{5, 2, 4, 3, 3, 4} << QString();
        QTest::newRow("lineal: vertical hacia arriba") << true << QList<int>{3, 7, 2, 7, 1, 7} << QString();
    }
    void elegir()
    {
        QFETCH(bool, lineal);
        QFETCH(QList<int>, casillas);
        QFETCH(QString, rechazo);
        JuegoDePrueba p;
        QVERIFY(empezarLocal(p, {"Ana", "Beto"}, 19));
        p.j.e.modoLineal = lineal;
        Form_KeyPress(p.j, QLatin1Char('1'));
        for (int i = 0; i < casillas.size(); i += 2)
            Valor_Click(p.j, ficha(casillas[i], casillas[i + 1]));
        if (rechazo.isEmpty()) {
            // None of these makes 19: the check's own notice, and the attempt is over.
            QCOMPARE(p.aviso.textos, QStringList{"Ana La combinacion elegida no es correcta, perdera un punto"});
            QCOMPARE(p.j.e.turno, 0);
        } else {
            QCOMPARE(p.aviso.textos, QStringList{rechazo});
            QCOMPARE(p.sonido.beeps, 1);
            const int marcadas = static_cast<int>(casillas.size()) / 2 - 1;
            QCOMPARE(p.j.e.fichasElegidas, marcadas);
            QCOMPARE(grises(p.j.e), marcadas);
            QCOMPARE(p.j.e.combinacion.size(), marcadas);
            QCOMPARE(p.j.e.turno, 1);
        }
    }

    // Unmarking takes its digit out once and leaves the other tile as the
    // one the next pick must touch.
    void desmarcar()
    {
        JuegoDePrueba p;
        QVERIFY(empezarLocal(p, {"Ana", "Beto"}, 19));
        Form_KeyPress(p.j, QLatin1Char('1'));
        Valor_Click(p.j, ficha(1, 4));  // both hold a 1
        Valor_Click(p.j, ficha(2, 5));
        Valor_Click(p.j, ficha(1, 4));
        QCOMPARE(p.j.e.combinacion, QStringLiteral("1"));
        QCOMPARE(p.j.e.fichasElegidas, 1);
        QCOMPARE(p.j.e.ultimaFicha, QStringLiteral("25"));
        Valor_Click(p.j, ficha(3, 6));  // touches (2,5), not (1,4)
        QCOMPARE(p.j.e.fichasElegidas, 2);
        Valor_Click(p.j, ficha(3, 6));
        Valor_Click(p.j, ficha(2, 5));
        QCOMPARE(p.j.e.fichasElegidas, 0);
        QCOMPARE(p.j.e.combinacion, QString());
        QCOMPARE(grises(p.j.e), 0);
        QVERIFY(p.aviso.textos.isEmpty());
        QCOMPARE(p.sonido.beeps, 0);
    }

    // Who may not pick: nobody (told so), a machine's turn (silence), the
    // turn of another station (a beep).
    void quienNoElige()
    {
        JuegoDePrueba p;
        Valor_Click(p.j, 1);  // no game at all
        QVERIFY(empezarLocal(p, {"Ana", "Maquina 2"}, 19, {false, false, true}));
        Valor_Click(p.j, 1);
        QCOMPARE(p.aviso.textos, QStringList{"No se ha seleccionado ningun jugador"});
        p.j.e.turno = 2;
        Valor_Click(p.j, 1);
        QCOMPARE(grises(p.j.e), 0);
        QCOMPARE(p.aviso.textos.size(), 1);
        QCOMPARE(p.sonido.beeps, 0);

        JuegoDePrueba red;
        red.enRed(true);
        red.j.e.miJugador = 1;
        red.j.e.turno = 2;
        Valor_Click(red.j, 1);
        QCOMPARE(red.sonido.beeps, 1);
        QVERIFY(red.enlace.envios.empty());
        red.j.e.turno = 1;
        Valor_Click(red.j, 1);
        Valor_Click(red.j, 1);
        QCOMPARE(red.enlace.textos(), (QStringList{"[fichaON]1", "[fichaOFF]1"}));
    }
};

QTEST_GUILESS_MAIN(TestSeleccion)
#include "test_seleccion.moc"
