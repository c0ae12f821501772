// The "Ayuda" menu of the main window: it opens the about box and the help,
// and the help's page on menus names every entry the menu bar really has.

#include "dialogs/frmabout.h"
#include "dialogs/frmayuda.h"
#include "dobles.h"
#include "game/arranque.h"
#include "mainwindow/form1.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTextBrowser>
#include <QtTest>

class TestMenuAyuda : public QObject {
    Q_OBJECT
    // The folder beside the program: the one that holds ayuda/.
    QString ruta_ = QFileInfo(QFINDTESTDATA("../../assets/ayuda")).path();

private slots:
    // "Acerca de ..." opens the box modally over the window, and its message
    // goes through the game's message box.
    void acercaDeAbreLaCajaModal()
    {
        JuegoDePrueba p;
        Form1 w(p.j);
        w.show();
        frmAbout* vista = nullptr;
        QWidget* padre = nullptr;
        QTimer::singleShot(0, this, [&] {
            vista = qobject_cast<frmAbout*>(QApplication::activeModalWidget());
            if (!vista)
                return;
            padre = vista->parentWidget();
            QTest::mouseClick(vista->findChild<QPushButton*>(QStringLiteral("cmdSysInfo")), Qt::LeftButton);
            QTest::mouseClick(vista->findChild<QPushButton*>(QStringLiteral("cmdOK")), Qt::LeftButton);
        });
        w.findChild<QAction*>(QStringLiteral("mn_acerca"))->trigger();
        QVERIFY(vista);
        QCOMPARE(padre, &w);
        QCOMPARE(p.caja.cajas.size(), std::size_t(1));
        QVERIFY(!QApplication::activeModalWidget());
    }

    // "Temas de ayuda" opens the help pages of the program folder in one
    // window, which a later call shows again after it was closed.
    void temasDeAyudaMuestraLasPaginas()
    {
        JuegoDePrueba p;
        Form_Load(p.j, ruta_);
        Form1 w(p.j);
        QAction* temas = w.findChild<QAction*>(QStringLiteral("mn_ayuda2"));
        temas->trigger();
        w.findChild<frmAyuda*>()->close();
        temas->trigger();
        const auto ventanas = w.findChildren<frmAyuda*>();
        QCOMPARE(ventanas.size(), 1);
        QVERIFY(ventanas[0]->isVisible());
        QVERIFY(ventanas[0]->txtAyuda()->toPlainText().contains(QStringLiteral("Temas")));
    }

    void lasPaginasNombranCadaEntradaDelMenu()
    {
        JuegoDePrueba p;
        Form_Load(p.j, ruta_);
        Form1 w(p.j);
        auto* ayuda = new frmAyuda(ruta_ + QStringLiteral("/ayuda"), &w);
        ayuda->mostrarPagina(QStringLiteral("menus.html"));
        const QString texto = ayuda->txtAyuda()->toPlainText();
        int entradas = 0;
        for (QAction* a : w.menuBar()->findChildren<QAction*>()) {
            const QString titulo = a->text().remove(u'&');
            if (a->isSeparator() || titulo.isEmpty())
                continue;
            ++entradas;
            QVERIFY2(texto.contains(titulo), qPrintable(titulo));
        }
        QVERIFY(entradas >= 14);
    }
};

QTEST_MAIN(TestMenuAyuda)
#include "test_menu_ayuda.moc"
