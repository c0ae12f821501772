// The main window as a player first sees it, and as the game state changes.

#include "dobles.h"
#include "game/arranque.h"
#include "game/reparto.h"
#include "mainwindow/figuras.h"
#include "mainwindow/form1.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QStatusBar>
#include <QtTest>

class TestForm1 : public QObject {
    Q_OBJECT

    template <typename T>
    static T* hijo(QWidget& w, const QString& nombre)
    {
        T* p = w.findChild<T*>(nombre);
        if (!p)
            qWarning("missing %s", qPrintable(nombre));
        return p;
    }
    static QString indexado(const char* n, int i) { return QStringLiteral("%1(%2)").arg(QLatin1String(n)).arg(i); }

private slots:
    void estadoInicial()
    {
        JuegoDePrueba p;
        Form1 w(p.j);
        Form_Load(p.j, QStringLiteral("/opt/zumbarta/"));
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));

        QCOMPARE(w.windowTitle(), QStringLiteral("Zumbarta 2.01 c"));
        QCOMPARE(p.j.e.ruta, QStringLiteral("/opt/zumbarta"));
        QVERIFY(p.j.e.juegoLocal);
        QVERIFY(!p.j.e.modoLineal);

        // Empty board, every tile white, no target yet.
        for (int k = 1; k <= 49; ++k) {
            auto* v = hijo<QLabel>(w, indexado("Valor", k));
            auto* f = hijo<FiguraFicha>(w, indexado("fichaCU", k));
            QVERIFY(v && f);
            QVERIFY(v->text().isEmpty());
            QVERIFY(v->isVisible());
            QCOMPARE(f->fondo(), 0xFFFFFFu);
        }
        QVERIFY(hijo<QLabel>(w, QStringLiteral("fichaRE"))->text().isEmpty());
        QVERIFY(hijo<QWidget>(w, QStringLiteral("Shape1"))->isVisible());

        // The table's headers show; the seat rows wait for a game.
        QCOMPARE(hijo<QLabel>(w, QStringLiteral("Label1"))->text(), QStringLiteral("Jugadores"));
        QCOMPARE(hijo<QLabel>(w, QStringLiteral("Label2"))->text(), QStringLiteral("Fichas"));
        QCOMPARE(hijo<QLabel>(w, QStringLiteral("Label4"))->text(), QStringLiteral("Partidas"));
        for (int s = 1; s <= 6; ++s)
            QVERIFY(!hijo<QLabel>(w, indexado("Jugadores", s))->isVisible());

        // No clock, no "Turno", a greyed chat.
        QVERIFY(!hijo<QLabel>(w, QStringLiteral("relog"))->isVisible());
        QCOMPARE(hijo<QLabel>(w, QStringLiteral("relog"))->text(), QStringLiteral("3:00"));
        QVERIFY(!hijo<QLabel>(w, QStringLiteral("Label3"))->isVisible());
        auto* turno = hijo<QPushButton>(w, QStringLiteral("Command1"));
        QVERIFY(!turno->isVisible());
        QVERIFY(!turno->isEnabled());
        QCOMPARE(turno->text(), QStringLiteral("Turno"));
        QVERIFY(!hijo<QPlainTextEdit>(w, QStringLiteral("txtDialog"))->isEnabled());
        QVERIFY(!hijo<QLineEdit>(w, QStringLiteral("txtMessage"))->isEnabled());
        QVERIFY(!hijo<QPushButton>(w, QStringLiteral("cmdSend"))->isEnabled());
        QCOMPARE(hijo<QPushButton>(w, QStringLiteral("cmdSend"))->text(), QStringLiteral("Enviar"));
        QVERIFY(hijo<QStatusBar>(w, QStringLiteral("barra")));

        // Every timer stopped.
        for (QTimer* t : {&p.j.Timer1, &p.j.Timer2, &p.j.timer3, &p.j.colocador, &p.j.maquinas})
            QVERIFY(!t->isActive());
        QCOMPARE(p.j.maquinas.interval(), 15000);
    }

    void menus()
    {
        JuegoDePrueba p;
        Form1 w(p.j);
        struct Entrada {
            const char* nombre;
            const char* texto;
            bool habilitada;
            bool marcada;
        };
        const Entrada entradas[] = {
            {"mn_local", "Partida local", true, false},   {"mn_red", "Partida en red", true, false},
            {"mn_mod(1)", "Continuo", true, true},         {"mn_mod(2)", "Lineal", true, false},
            {"mn_pausar", "Pausar", false, false},         {"mn_repar", "Repartir", false, false},
            {"mn_finpartida", "Finalizar partida", false, false}, {"mn_salida", "Salir", true, false},
            {"mn_ayuda2", "Temas de ayuda", true, false},  {"mn_acerca", "Acerca de ...", true, false},
        };
        for (const Entrada& e : entradas) {
            auto* a = w.findChild<QAction*>(QLatin1String(e.nombre));
            QVERIFY2(a, e.nombre);
            QCOMPARE(a->text(), QString::fromUtf8(e.texto));
            QCOMPARE(a->isEnabled(), e.habilitada);
            QCOMPARE(a->isChecked(), e.marcada);
        }
        QCOMPARE(w.findChild<QAction*>(QStringLiteral("mn_salida"))->shortcut(), QKeySequence(QStringLiteral("Ctrl+S")));
        for (const char* menu : {"Mn_juego", "Mn_njuevo", "mn_modoj", "mn_ayuda"})
            QVERIFY2(w.findChild<QMenu*>(QLatin1String(menu)), menu);
        const auto titulos = w.menuBar()->actions();
        QCOMPARE(titulos.size(), 2);
        QCOMPARE(titulos[0]->text(), QStringLiteral("Juego"));
        QCOMPARE(titulos[1]->text(), QStringLiteral("Ayuda"));
        for (const char* linea : {"mn_line1", "mn_line2", "mn_line3", "mn_line4"}) {
            auto* a = w.findChild<QAction*>(QLatin1String(linea));
            QVERIFY2(a && a->isSeparator(), linea);
        }
    }

    // What the state says is what the window shows, whenever it changes.
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

        QCOMPARE(hijo<QLabel>(w, QStringLiteral("fichaRE"))->text(), QStringLiteral("7"));
        for (int k = 1; k <= 49; ++k)
            QCOMPARE(hijo<QLabel>(w, indexado("Valor", k))->text(), e.Valor[k]);
        auto* f12 = hijo<FiguraFicha>(w, indexado("fichaCU", 12));
        QCOMPARE(f12->fondo(), color::gris);
        QCOMPARE(f12->borde(), e.fichaCU[12].borde);
        auto* ana = hijo<QLabel>(w, indexado("Jugadores", 2));
        QVERIFY(ana->isVisible());
        QCOMPARE(ana->text(), QStringLiteral(" 2     Ana"));
        QVERIFY(ana->palette().color(QPalette::Window).alpha() == 255);
        QCOMPARE(hijo<QLabel>(w, indexado("Fichas", 2))->text(), QStringLiteral("-1"));
        QCOMPARE(hijo<QLabel>(w, QStringLiteral("relog"))->text(), QStringLiteral("2 : 05"));

        e.Jugadores[2].opaca = false;
        p.j.cambio();
        QCOMPARE(ana->palette().color(QPalette::Window).alpha(), 0);
    }

    // The table keeps its arrangement and grows with the window, fonts included.
    void escalaConLaVentana()
    {
        JuegoDePrueba p;
        Form1 w(p.j);
        w.resize(720, 600);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        auto* v1 = hijo<QLabel>(w, indexado("Valor", 1));
        auto* v49 = hijo<QLabel>(w, indexado("Valor", 49));
        auto* re = hijo<QLabel>(w, QStringLiteral("fichaRE"));
        const QRect antes = v1->geometry();
        const int letraAntes = v1->font().pixelSize();
        QVERIFY(v49->geometry().left() > antes.left() && v49->geometry().top() > antes.top());
        QVERIFY(re->geometry().left() > v49->geometry().right());

        w.resize(1440, 1200);
        QTRY_VERIFY(v1->width() > antes.width() * 3 / 2);
        QVERIFY(v1->font().pixelSize() > letraAntes * 3 / 2);
        QVERIFY(re->geometry().left() > v49->geometry().right());
    }

    // Closing the window shuts the game down; it is never refused.
    void cerrarApagaElJuego()
    {
        JuegoDePrueba p;
        Form1 w(p.j);
        w.show();
        p.j.Timer1.start();
        p.j.e.Command1.visible = true;
        p.j.e.chatHabilitado = true;
        p.j.cambio();
        QVERIFY(w.close());
        QVERIFY(!p.j.Timer1.isActive());
        QVERIFY(!p.j.e.Command1.visible);
        QVERIFY(!p.j.e.chatHabilitado);
    }

    // Ctrl+S leaves the event loop at once, without the close-down.
    void salirTerminaSinPreguntar()
    {
        JuegoDePrueba p;
        Form1 w(p.j);
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        p.j.Timer1.start();
        QTimer::singleShot(0, &w, [&w] { QTest::keyClick(&w, Qt::Key_S, Qt::ControlModifier); });
        QTimer guardia;
        guardia.setSingleShot(true);
        connect(&guardia, &QTimer::timeout, [] { QCoreApplication::exit(99); });
        guardia.start(5000);
        QCOMPARE(QCoreApplication::exec(), 0);
        QVERIFY(p.j.Timer1.isActive());  // no close-down ran
        QVERIFY(w.isVisible());
    }
};

QTEST_MAIN(TestForm1)
#include "test_form1.moc"
