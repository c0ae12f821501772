// The main window as a player first sees it, and as the game state changes.

#include "controles.h"
#include "dialogs/frmayuda.h"
#include "dialogs/temasayuda.h"
#include "dobles.h"
#include "game/arranque.h"
#include "game/reparto.h"
#include "mainwindow/figuras.h"
#include "mainwindow/aplicacion.h"
#include "mainwindow/form1.h"

#include <QAction>
#include <QApplication>
#include <QMessageBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QtTest>

class TestForm1 : public QObject {
    Q_OBJECT

    static QString texto(QWidget& w, const QString& nombre, int i = 0) { return hijo<QLabel>(w, nombre, i)->text(); }

private slots:
    // Qt's own buttons speak Spanish, and the labels' font is a geometric sans.
    void aplicacionEnEspanol()
    {
        prepararAplicacion(*qApp);
        QMessageBox caja(QMessageBox::Warning, QStringLiteral("Zumbarta"), QString(), QMessageBox::Ok);
        QCOMPARE(caja.button(QMessageBox::Ok)->text().remove(QLatin1Char('&')), QStringLiteral("Aceptar"));
        QVERIFY(QFont::substitutes(QStringLiteral("Century Gothic")).contains(QStringLiteral("URW Gothic"), Qt::CaseInsensitive));
    }

    void estadoInicial()
    {
        JuegoDePrueba p;
        Form1 w(p.j);
        Form_Load(p.j, QStringLiteral("/opt/zumbarta/"));
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QCOMPARE(w.windowTitle(), QStringLiteral("Zumbarta 2.01 c"));
        QVERIFY(p.j.e.ruta == QStringLiteral("/opt/zumbarta") && p.j.e.juegoLocal && !p.j.e.modoLineal);

        for (int k = 1; k <= 49; ++k) {
            QVERIFY(texto(w, QStringLiteral("Valor"), k).isEmpty());
            QCOMPARE(hijo<FiguraFicha>(w, QStringLiteral("fichaCU"), k)->fondo(), 0xFFFFFFu);
        }
        QVERIFY(texto(w, QStringLiteral("fichaRE")).isEmpty() && hijo(w, QStringLiteral("Shape1"))->isVisible());
        QCOMPARE(texto(w, QStringLiteral("Label1")) + texto(w, QStringLiteral("Label2")) + texto(w, QStringLiteral("Label4")),
                 QStringLiteral("JugadoresFichasPartidas"));
        for (int s = 1; s <= 6; ++s)
            QVERIFY(!hijo(w, QStringLiteral("Jugadores"), s)->isVisible());
        for (const char* oculto : {"relog", "Label3", "Command1"})
            QVERIFY2(!hijo(w, QLatin1String(oculto))->isVisible(), oculto);
        QCOMPARE(texto(w, QStringLiteral("relog")), QStringLiteral("3:00"));
        QVERIFY(!hijo(w, QStringLiteral("Command1"))->isEnabled());
        for (const char* chat : {"txtDialog", "txtMessage", "cmdSend"})
            QVERIFY2(!hijo(w, QLatin1String(chat))->isEnabled(), chat);
        QVERIFY(hijo(w, QStringLiteral("barra")));
        for (QTimer* t : {&p.j.Timer1, &p.j.Timer2, &p.j.timer3, &p.j.colocador, &p.j.maquinas})
            QVERIFY(!t->isActive());
        QCOMPARE(p.j.maquinas.interval(), 15000);
    }

    void menus()
    {
        JuegoDePrueba p;
        Form1 w(p.j);
        const struct {
            const char *nombre, *texto;
            bool habilitada, marcada;
        } entradas[] = {
            {"mn_local", "Partida local", true, false},   {"mn_red", "Partida en red", true, false},
            {"mn_mod(1)", "Continuo", true, true},         {"mn_mod(2)", "Lineal", true, false},
            {"mn_pausar", "Pausar", false, false},         {"mn_repar", "Repartir", false, false},
            {"mn_finpartida", "Finalizar partida", false, false}, {"mn_salida", "Salir", true, false},
            {"mn_ayuda2", "Temas de ayuda", true, false},  {"mn_acerca", "Acerca de ...", true, false},
        };
        for (const auto& e : entradas) {
            auto* a = w.findChild<QAction*>(QLatin1String(e.nombre));
            QVERIFY2(a && a->text() == QLatin1String(e.texto), e.nombre);
            QVERIFY2(a->isEnabled() == e.habilitada && a->isChecked() == e.marcada, e.nombre);
        }
        QCOMPARE(w.findChild<QAction*>(QStringLiteral("mn_salida"))->shortcut(), QKeySequence(QStringLiteral("Ctrl+S")));
        for (const char* menu : {"Mn_juego", "Mn_njuevo", "mn_modoj", "mn_ayuda"})
            QVERIFY2(w.findChild<QMenu*>(QLatin1String(menu)), menu);
        QCOMPARE(w.menuBar()->actions().size(), 2);
    }

    // What the state says is what the window shows.
    void muestraElEstado()
    {
        JuegoDePrueba p(false);
        Form1 w(p.j);
        w.show();
        p.j.e.fichasRedondas = QStringLiteral("*07*");
        nuevaFichaRedonda(p.j);
        repartirFichas(p.j);
        Estado& e = p.j.e;
        e.fichaCU[12].fondo = color::gris;
        e.Jugadores[2] = {QStringLiteral(" 2     Ana"), true, true};
        e.Fichas[2] = {QStringLiteral("-1"), true, false};
        e.relog = {QStringLiteral("2 : 05"), true, false};
        p.j.cambio();
        QCOMPARE(texto(w, QStringLiteral("fichaRE")), QStringLiteral("7"));
        for (int k = 1; k <= 49; ++k)
            QCOMPARE(texto(w, QStringLiteral("Valor"), k), e.Valor[k]);
        auto* f12 = hijo<FiguraFicha>(w, QStringLiteral("fichaCU"), 12);
        QVERIFY(f12->fondo() == color::gris && f12->borde() == e.fichaCU[12].borde);
        auto* ana = hijo<QLabel>(w, QStringLiteral("Jugadores"), 2);
        QVERIFY(ana->isVisible() && ana->text() == QStringLiteral(" 2     Ana"));
        QCOMPARE(ana->palette().color(QPalette::Window).alpha(), 255);
        QCOMPARE(texto(w, QStringLiteral("Fichas"), 2), QStringLiteral("-1"));
        QCOMPARE(texto(w, QStringLiteral("relog")), QStringLiteral("2 : 05"));
        e.Jugadores[2].opaca = false;
        p.j.cambio();
        QCOMPARE(ana->palette().color(QPalette::Window).alpha(), 0);
    }

    // The table keeps its arrangement and grows with the window, fonts too.
    void escalaConLaVentana()
    {
        JuegoDePrueba p;
        Form1 w(p.j);
        w.resize(720, 600);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        auto *v1 = hijo<QLabel>(w, QStringLiteral("Valor"), 1), *v49 = hijo<QLabel>(w, QStringLiteral("Valor"), 49);
        const QRect antes = v1->geometry();
        const int letra = v1->font().pixelSize();
        QVERIFY(v49->geometry().topLeft().x() > antes.right() && v49->geometry().top() > antes.bottom());
        w.resize(1440, 1200);
        QTRY_VERIFY(v1->width() > antes.width() * 3 / 2);
        QVERIFY(v1->font().pixelSize() > letra * 3 / 2);
        QVERIFY(hijo(w, QStringLiteral("fichaRE"))->geometry().left() > v49->geometry().right());
    }

    // Closing shuts the game down; Ctrl+S leaves at once without doing so,
    // but only from the main window, not from the help window over it.
    void cerrarYSalir()
    {
        JuegoDePrueba p;
        Form1 w(p.j);
        w.show();
        auto salida = [](QWidget* v) {  // what the program ends with, 99 if it goes on
            v->activateWindow();
            if (!QTest::qWaitFor([v] { return QApplication::activeWindow() == v; }))
                return -1;
            QTimer::singleShot(0, v, [v] { QTest::keyClick(v, Qt::Key_S, Qt::ControlModifier); });
            QTimer tope;
            tope.callOnTimeout([] { QCoreApplication::exit(99); });
            tope.start(500);
            return QCoreApplication::exec();
        };
        p.j.Timer1.start();
        QCOMPARE(salida(&w), 0);
        QCOMPARE(salida(abrirTemasDeAyuda(p.j.e.ruta, &w)), 99);
        QVERIFY(p.j.Timer1.isActive() && w.isVisible());

        p.j.e.Command1.visible = p.j.e.chatHabilitado = true;
        QVERIFY(w.close());
        QVERIFY(!p.j.Timer1.isActive() && !p.j.e.Command1.visible && !p.j.e.chatHabilitado);
    }
};

QTEST_MAIN(TestForm1)
#include "test_form1.moc"
