// The main window during a local game: keys from any control, clicks on the
// board, the game menu with the real setup dialog, and the "Ayuda" menu.

#include "dialogs/form2.h"
#include "dialogs/frmabout.h"
#include "dialogs/frmayuda.h"
#include "dobles.h"
#include "mainwindow/form1.h"
#include "partida.h"

#include <QAction>
#include <QMenuBar>
#include <QTextBrowser>
#include <QtTest>

#include "controles.h"

namespace {

QString texto(QObject& w, const QString& nombre) { return hijo(w, nombre)->property("text").toString(); }

}  // namespace

class TestForm1Partida : public QObject {
    Q_OBJECT
private slots:
    // A digit claims from whichever control has the focus, but not from the
    // enabled chat line nor with Ctrl; board clicks reach the game.
    void teclasYClics()
    {
        JuegoDePrueba p;
        Form1 w(p.j);
        w.show();
        QVERIFY(empezarLocal(p, {"Ana", "Beto"}, 19));
        p.j.e.chatHabilitado = true;
        p.j.cambio();
        auto pulsar = [&](int k) { QTest::mouseClick(hijo(w, QStringLiteral("Valor(%1)").arg(k)), Qt::LeftButton); };
        pulsar(1);
        QCOMPARE(p.aviso.textos, QStringList{"No se ha seleccionado ningun jugador"});
        QTest::keyClick(hijo(w, "txtMessage"), '2');
        QCOMPARE(texto(w, "txtMessage"), QStringLiteral("2"));
        QTest::keyClick(&w, '1', Qt::ControlModifier);
        QVERIFY(QTest::qWaitForWindowActive(&w));
        hijo(w, "txtMessage")->setFocus();
        QTest::keyClick(hijo(w, "txtMessage"), Qt::Key_Return);  // the chat's own Enter
        hijo(w, "txtMessage")->clearFocus();
        QCOMPARE(p.sonido.beeps, 0);
        for (Qt::Key k : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape, Qt::Key_Backspace})
            QTest::keyClick(&w, k);  // characters, but no seat's
        QVERIFY(p.sonido.beeps == 4 && p.j.e.turno == 0);
        QTest::keyClick(hijo(w, "txtDialog"), '1');
        QCOMPARE(p.j.e.turno, 1);
        for (int c = 1; c <= 3; ++c)
            pulsar(ficha(1, c));
        QCOMPARE(p.aviso.textos.last(), QStringLiteral("Ana, Te has ganado esta ficha"));
        QCOMPARE(texto(w, "Fichas(1)"), QStringLiteral("1"));
    }

    // The game menu reaches the game; "Partida local" stops it while its dialog is open.
    void menuDeJuego()
    {
        JuegoDePrueba p(false);
        Form1 w(p.j);
        w.show();
        QVERIFY(empezarLocal(p, {"Ana", "Beto"}, 19));
        auto* pausar = hijo<QAction>(w, "mn_pausar");
        pausar->trigger();
        QVERIFY(pausar->text() == QStringLiteral("Reanudar") && !p.j.Timer1.isActive());
        auto* lineal = hijo<QAction>(w, "mn_mod(2)");
        lineal->trigger();
        lineal->trigger();  // a checked entry stays checked
        QVERIFY(lineal->isChecked() && p.j.e.modoLineal);
        p.j.e.Valor[1].clear();
        hijo<QAction>(w, "mn_repar")->trigger();
        QVERIFY(!p.j.e.Valor[1].isEmpty());

        bool parado = false;
        pausar->trigger();
        QTimer::singleShot(0, this, [&] {
            parado = !p.j.Timer1.isActive() && !p.j.Timer2.isActive() && !p.j.maquinas.isActive();
            QTest::mouseClick(hijo(*hijo<Form2>(w, {}), "Command2"), Qt::LeftButton);
        });
        hijo<QAction>(w, "mn_local")->trigger();
        QVERIFY(parado && p.j.Timer1.isActive() && pausar->text() == QStringLiteral("Pausar"));
    }

    // "Acerca de ..." opens the box over the window, its message through the
    // game's box; "Temas de ayuda" opens the program's help, in one window
    // only, whose rules quote the game and which names every menu entry.
    void menuAyuda()
    {
        JuegoDePrueba p;
        p.j.e.ruta = QFileInfo(QFINDTESTDATA("../../assets/ayuda")).path();
        Form1 w(p.j);
        QTimer::singleShot(0, this, [&] {
            QWidget& f = *hijo<frmAbout>(w, {});
            QTest::mouseClick(hijo(f, "cmdSysInfo"), Qt::LeftButton);
            QTest::mouseClick(hijo(f, "cmdOK"), Qt::LeftButton);
        });
        hijo<QAction>(w, "mn_acerca")->trigger();
        QCOMPARE(p.caja.cajas.size(), std::size_t(1));

        hijo<QAction>(w, "mn_ayuda2")->trigger();
        hijo<frmAyuda>(w, {})->close();
        hijo<QAction>(w, "mn_ayuda2")->trigger();
        QCOMPARE(w.findChildren<frmAyuda*>().size(), 1);
        frmAyuda* ayuda = hijo<frmAyuda>(w, {});
        QVERIFY(ayuda->isVisible());
        ayuda->mostrarPagina(QStringLiteral("reglas.html"));
        for (const char* frase : {"Se multiplican las dos primeras y al resultado se le suma o se le resta la tercera",
                                  "Continuo", "Lineal", "seis segundos", "tres minutos",
                                  "Esta ficha no es continua a la ficha anteriormente elegida",
                                  "Esta ficha no es continua (Horizontal - Vertical - Diagonal)",
                                  "No se ha seleccionado ningun jugador", "Ha finalizado el tiempo"})
            QVERIFY2(ayuda->txtAyuda()->toPlainText().contains(QLatin1String(frase)), frase);
        ayuda->mostrarPagina(QStringLiteral("menus.html"));
        for (QAction* a : w.menuBar()->findChildren<QAction*>())
            QVERIFY2(ayuda->txtAyuda()->toPlainText().contains(a->text().remove(u'&')), qPrintable(a->text()));
    }
};

QTEST_MAIN(TestForm1Partida)
#include "test_form1_partida.moc"
