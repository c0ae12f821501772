// The main window during a local game: keys from any control, clicks on
// the board and the game menu, with the real setup dialog.

#include "dialogs/form2.h"
#include "dobles.h"
#include "mainwindow/form1.h"
#include "partida.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

namespace {

template <class T>
T* hijo(QWidget& w, const QString& nombre)
{
    T* c = w.findChild<T*>(nombre);
    if (!c)
        qFatal("no hay %s", qPrintable(nombre));
    return c;
}

}  // namespace

class TestForm1Partida : public QObject {
    Q_OBJECT
private slots:
    // Whatever control has the focus, a digit claims; the chat line keeps
    // its own typing while there is a chat.
    void teclasDesdeCualquierControl()
    {
        JuegoDePrueba p(false);
        Form1 w(p.j);
        w.show();
        QVERIFY(empezarLocal(p, {"Ana", "Beto", "Carla"}, 19));
        p.j.e.chatHabilitado = true;
        p.j.cambio();

        QTest::keyClick(hijo<QPlainTextEdit>(w, "txtDialog"), '2');
        QCOMPARE(p.j.e.turno, 2);
        QVERIFY(hijo<QLabel>(w, "Jugadores(2)")->palette().color(QPalette::Window).alpha() > 0);
        p.j.e.turno = 0;
        auto* linea = hijo<QLineEdit>(w, "txtMessage");
        QTest::keyClick(linea, '3');
        QCOMPARE(p.j.e.turno, 0);
        QCOMPARE(linea->text(), QStringLiteral("3"));
        QTest::keyClick(&w, '1', Qt::ControlModifier);
        QCOMPARE(p.j.e.turno, 0);
        QTest::keyClick(&w, '9');
        QCOMPARE(p.sonido.beeps, 1);
        QTest::keyClick(&w, '3');
        QCOMPARE(p.j.e.turno, 3);
    }

    // Three clicks on the board make a pick; its tiles show grey meanwhile.
    void clicsEnElTablero()
    {
        JuegoDePrueba p;
        Form1 w(p.j);
        w.show();
        QVERIFY(empezarLocal(p, {"Ana", "Beto"}, 19));
        auto pulsar = [&](int k) { QTest::mouseClick(hijo<QLabel>(w, QStringLiteral("Valor(%1)").arg(k)), Qt::LeftButton); };
        pulsar(1);
        QCOMPARE(p.aviso.textos, QStringList{"No se ha seleccionado ningun jugador"});
        QTest::keyClick(&w, '1');
        pulsar(ficha(1, 1));
        pulsar(ficha(1, 2));
        QCOMPARE(p.j.e.combinacion, QStringLiteral("34"));
        pulsar(ficha(1, 3));
        QCOMPARE(p.aviso.textos.last(), QStringLiteral("Ana, Te has ganado esta ficha"));
        QCOMPARE(hijo<QLabel>(w, "Fichas(1)")->text(), QStringLiteral("1"));
    }

    // The game menu reaches the game, and the menu shows what it did.
    void menuDeJuego()
    {
        JuegoDePrueba p(false);
        Form1 w(p.j);
        QVERIFY(empezarLocal(p, {"Ana", "Beto"}, 19));
        auto* pausar = hijo<QAction>(w, "mn_pausar");
        pausar->trigger();
        QVERIFY(pausar->isChecked() && pausar->text() == QStringLiteral("Reanudar") && !p.j.Timer1.isActive());
        pausar->trigger();
        QVERIFY(!pausar->isChecked() && pausar->text() == QStringLiteral("Pausar") && p.j.Timer1.isActive());
        auto* lineal = hijo<QAction>(w, "mn_mod(2)");
        lineal->trigger();
        lineal->trigger();  // a checked entry stays checked
        QVERIFY(lineal->isChecked() && !hijo<QAction>(w, "mn_mod(1)")->isChecked() && p.j.e.modoLineal);
        p.j.e.Valor[1].clear();
        hijo<QAction>(w, "mn_repar")->trigger();
        QVERIFY(!p.j.e.Valor[1].isEmpty());
    }

    // "Partida local" stops the game while the dialog is open; "Aceptar"
    // there starts the new one.
    void partidaLocalDesdeElMenu()
    {
        JuegoDePrueba p(false);
        Form1 w(p.j);
        w.show();
        QVERIFY(empezarLocal(p, {"Ana", "Beto"}, 19));
        Form2::opcionJugadores = 0;
        bool parado = false;
        QTimer::singleShot(0, qApp, [&] {
            auto* f = qobject_cast<Form2*>(QApplication::activeModalWidget());
            QVERIFY(f);
            parado = !p.j.Timer1.isActive() && !p.j.Timer2.isActive() && !p.j.maquinas.isActive();
            QTest::keyClick(hijo<QComboBox>(*f, "Combo1")->lineEdit(), '3');
            for (int i = 1; i <= 3; ++i)
                QTest::keyClicks(hijo<QLineEdit>(*f, QStringLiteral("Text1(%1)").arg(i)), QStringList{"Ana", "Beto", "Carla"}[i - 1]);
            hijo<QPushButton>(*f, "Command1")->click();
        });
        hijo<QAction>(w, "mn_local")->trigger();
        QVERIFY(parado);
        QCOMPARE(p.j.e.numJugadores, 3);
        QCOMPARE(hijo<QLabel>(w, "Jugadores(3)")->text(), QStringLiteral(" 3     Carla"));
        QVERIFY(hijo<QLabel>(w, "Jugadores(3)")->isVisible());
        QVERIFY(p.j.Timer1.isActive());
    }
};

QTEST_MAIN(TestForm1Partida)
#include "test_form1_partida.moc"
