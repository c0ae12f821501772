// The local setup dialog as a player meets it: real widgets, offscreen.

#include "dialogs/form2.h"
#include "dialogs/twips.h"
#include "dobles.h"
#include "game/marcador.h"
#include "partida.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpontaneKeyEvent>
#include <QtTest>

namespace {

// The close command of the window's frame, as the window system sends it.
void cerrarDesdeElSistema(QWidget& w)
{
    QCloseEvent ev;
    QSpontaneKeyEvent::setSpontaneous(&ev);
    qApp->notify(&w, &ev);  // sendEvent would clear the spontaneous mark
}

template <class T>
T* hijo(QWidget& w, const QString& nombre)
{
    T* c = w.findChild<T*>(nombre);
    if (!c)
        qFatal("no hay %s", qPrintable(nombre));
    return c;
}

QLineEdit* texto(QWidget& f, int i) { return hijo<QLineEdit>(f, QStringLiteral("Text1(%1)").arg(i)); }
QCheckBox* casilla(QWidget& f, int i) { return hijo<QCheckBox>(f, QStringLiteral("Check1(%1)").arg(i)); }
QComboBox* cantidad(QWidget& f) { return hijo<QComboBox>(f, QStringLiteral("Combo1")); }
QPushButton* boton(QWidget& f, const char* nombre) { return hijo<QPushButton>(f, QLatin1String(nombre)); }

void nombrar(QWidget& f, const QStringList& nombres)
{
    for (int i = 1; i <= nombres.size(); ++i) {
        texto(f, i)->clear();
        QTest::keyClicks(texto(f, i), nombres[i - 1]);
    }
}

}  // namespace

class TestForm2 : public QObject {
    Q_OBJECT
private slots:
    void init() { Form2::opcionJugadores = 0; }

    // Every control with its text; no close box, and neither Esc nor the
    // window system's close command closes it.
    void alAbrir()
    {
        JuegoDePrueba p(false);
        Form2 f(p.j);
        QCOMPARE(f.windowTitle(), QString());
        QVERIFY(!(f.windowFlags() & Qt::WindowCloseButtonHint));
        QCOMPARE(f.size(), QSize(287, 236));
        const std::pair<const char*, const char*> textos[] = {
            {"Label1", "Numero de Jugadores"}, {"Label3", "Maquina"}, {"Command3", ">>>"},
            {"Command1", "Aceptar"}, {"Command2", "Cancelar"}, {"Nivel(1)", "Facil"}, {"Nivel(2)", "Moderado"},
            {"Nivel(3)", "Dificil"}, {"Nivel(4)", "Muy dificil"}, {"Label2(1)", "Jugador 1"}, {"Label2(6)", "Jugador 6"}};
        for (auto [nombre, t] : textos)
            QCOMPARE(hijo<QWidget>(f, QLatin1String(nombre))->property("text").toString(), QLatin1String(t));
        QCOMPARE(hijo<QGroupBox>(f, "Frame2")->title(), QStringLiteral("Nivel de la maquina"));
        for (int n = 1; n <= 4; ++n)
            QVERIFY(!hijo<QRadioButton>(f, QStringLiteral("Nivel(%1)").arg(n))->isChecked());
        QStringList cantidades;
        for (int i = 0; i < cantidad(f)->count(); ++i)
            cantidades << cantidad(f)->itemText(i);
        QCOMPARE(cantidades, (QStringList{"2", "3", "4", "5", "6"}));
        QCOMPARE(cantidad(f)->currentText(), QString());
        for (int i = 1; i <= 6; ++i) {
            QVERIFY(texto(f, i)->isHidden());
            QCOMPARE(texto(f, i)->maxLength(), 13);
            QVERIFY(!casilla(f, i)->isChecked());
            QCOMPARE(casilla(f, i)->toolTip(), QStringLiteral("Haga Click aqui para activar este jugador como maquina"));
        }
        f.show();
        QTest::keyClick(&f, Qt::Key_Escape);
        cerrarDesdeElSistema(f);
        QVERIFY(f.isVisible());
        f.close();  // the program closing down does not wait for it
        QVERIFY(!f.isVisible());
    }

    void tamanos_data()
    {
        QTest::addColumn<int>("k");
        for (int k = 0; k <= 4; ++k)
            QTest::addRow("%d jugadores", k + 2) << k;
    }
    // Each count shows its rows and grows the dialog by one row; rows
    // beyond it fall outside the name frame.
    void tamanos()
    {
        QFETCH(int, k);
        JuegoDePrueba p(false);
        Form2 f(p.j);
        f.show();
        cantidad(f)->setCurrentIndex(k);
        QCOMPARE(Form2::opcionJugadores, k);
        QCOMPARE(f.height(), twips::px(3545 + 500 * k));
        QCOMPARE(f.width(), twips::px(4305));
        auto* marco = hijo<QFrame>(f, "Frame1");
        QCOMPARE(marco->height(), twips::px(1355 + 480 * k));
        QCOMPARE(boton(f, "Command1")->y(), twips::px(2680 + 500 * k));
        QCOMPARE(boton(f, "Command2")->y(), twips::px(2680 + 500 * k));
        for (int i = 1; i <= 6; ++i) {
            QCOMPARE(texto(f, i)->isVisible(), i <= k + 2);
            QCOMPARE(casilla(f, i)->geometry().bottom() < marco->height(), i <= k + 2);
        }
        QVERIFY(boton(f, "Command1")->geometry().bottom() < f.height());
    }

    // Only "2" to "6" choose a count; any other key leaves it. The count
    // outlives the dialog.
    void teclasDelNumero()
    {
        JuegoDePrueba p(false);
        Form2 f(p.j);
        f.show();
        QComboBox* campo = cantidad(f);
        QTest::keyClick(campo, '4');
        QCOMPARE(Form2::opcionJugadores, 2);
        QCOMPARE(cantidad(f)->currentText(), QStringLiteral("4"));
        QVERIFY(texto(f, 4)->isVisible() && !texto(f, 5)->isVisible());
        for (char c : {'7', 'a', '1'})
            QTest::keyClick(campo, c);
        QCOMPARE(Form2::opcionJugadores, 2);
        QVERIFY(texto(f, 4)->isVisible());
        f.hide();

        // A fresh opening starts from the count chosen last, rows hidden.
        Form2 otro(p.j);
        QCOMPARE(cantidad(otro)->currentText(), QString());
        QVERIFY(texto(otro, 1)->isHidden());
        otro.show();
        boton(otro, "Command1")->click();  // four seats, none named yet
        QCOMPARE(p.caja.cajas.size(), std::size_t(1));
        QCOMPARE(p.caja.cajas[0].texto, QStringLiteral("TODOS LOS USUARIOS DEBEN TENER ALGUN NOMBRE"));
        QCOMPARE(Form2::opcionJugadores, 2);
    }

    void ensancharYNivel()
    {
        JuegoDePrueba p(false);
        Form2 f(p.j);
        f.show();
        auto* nivel = hijo<QGroupBox>(f, "Frame2");
        QVERIFY(nivel->x() >= f.width());
        boton(f, "Command3")->click();
        QCOMPARE(boton(f, "Command3")->text(), QStringLiteral("<<<"));
        QCOMPARE(f.width(), twips::px(7425));
        QVERIFY(nivel->geometry().right() < f.width());
        // A level counts at once, even if the dialog is then cancelled.
        const int ms[] = {0, 15000, 10000, 5000, 3000};
        for (int n : {2, 4, 1, 3}) {
            hijo<QRadioButton>(f, QStringLiteral("Nivel(%1)").arg(n))->click();
            QCOMPARE(p.j.maquinas.interval(), ms[n]);
        }
        boton(f, "Command2")->click();
        QCOMPARE(p.j.maquinas.interval(), 5000);
        boton(f, "Command3")->click();
        QCOMPARE(f.width(), twips::px(4305));
    }

    // At least one human among the seats in play, checked when a box is ticked.
    void casillasDeMaquina()
    {
        JuegoDePrueba p(false);
        Form2 f(p.j);
        f.show();
        cantidad(f)->setCurrentIndex(0);
        casilla(f, 1)->click();
        QCOMPARE(texto(f, 1)->text(), QStringLiteral("Maquina 1"));
        QVERIFY(texto(f, 1)->isReadOnly());
        QTest::keyClicks(texto(f, 2), QStringLiteral("Eva"));
        casilla(f, 2)->click();
        QCOMPARE(p.caja.cajas.size(), std::size_t(1));
        QCOMPARE(p.caja.cajas[0].texto, QStringLiteral("DEBE AL MENOS EXISTIR UN JUGADOR HUMANO EN EL JUEGO"));
        QVERIFY(p.caja.cajas[0].icono == CajaMensaje::Icono::Informacion);
        QVERIFY(!casilla(f, 2)->isChecked());
        QCOMPARE(texto(f, 2)->text(), QString());
        QVERIFY(!texto(f, 2)->isReadOnly());
        casilla(f, 1)->click();
        QCOMPARE(texto(f, 1)->text(), QString());
        QVERIFY(!texto(f, 1)->isReadOnly());
        // Nothing of this reached the game.
        QCOMPARE(p.j.e.maquina, (std::array<int, 7>{}));
        QCOMPARE(p.j.e.datosJugadores[1].nombre, QString());
    }

    // Ticking with three, then choosing two, leaves only machines: allowed.
    void soloMaquinasAlReducir()
    {
        JuegoDePrueba p(false);
        Form2 f(p.j);
        f.show();
        cantidad(f)->setCurrentIndex(1);
        casilla(f, 1)->click();
        casilla(f, 2)->click();
        cantidad(f)->setCurrentIndex(0);
        boton(f, "Command1")->click();
        QCOMPARE(f.result(), int(QDialog::Accepted));
        QCOMPARE(p.j.e.numJugadores, 2);
        QCOMPARE(p.j.e.maquina, (std::array<int, 7>{0, 1, 1, 0, 0, 0, 0}));
        QCOMPARE(p.j.e.Jugadores[1].texto, QStringLiteral(" 1     Maquina 1"));
    }

    // Refusals come in their order and keep the dialog open with its contents.
    void aceptarComprueba()
    {
        JuegoDePrueba p(false);
        Form2 f(p.j);
        f.show();
        QTest::keyClick(cantidad(f)->lineEdit(), '3');
        nombrar(f, {"Ana", " ", "El retirado"});
        boton(f, "Command1")->click();
        nombrar(f, {"Ana", "Bea", "El retirado"});
        boton(f, "Command1")->click();
        QVERIFY(f.isVisible());
        QCOMPARE(p.caja.cajas.size(), std::size_t(2));
        QCOMPARE(p.caja.cajas[0].texto, QStringLiteral("TODOS LOS USUARIOS DEBEN TENER ALGUN NOMBRE"));
        QVERIFY(p.caja.cajas[0].icono == CajaMensaje::Icono::Advertencia);
        QCOMPARE(p.caja.cajas[1].texto, QStringLiteral("NINGUN NOMBRE PUEDE CONTENER LA PALABRA RETIRADO"));
        QCOMPARE(texto(f, 3)->text(), QStringLiteral("El retirado"));
        QCOMPARE(p.j.e.numJugadores, 0);
        QCOMPARE(p.j.e.barra, QString());

        nombrar(f, {"Ana", "Bea", "Carlos"});
        boton(f, "Command1")->click();
        QVERIFY(!f.isVisible());
        QCOMPARE(p.j.e.numJugadores, 3);
        QCOMPARE(p.j.e.datosJugadores[3].nombre, QStringLiteral("Carlos"));
        QVERIFY(p.j.Timer1.isActive());
    }

    // "Cancelar" in a running game: names, tiles and machines as they were.
    void cancelarDejaLaPartida()
    {
        JuegoDePrueba p(false);
        QVERIFY(empezarLocal(p, {"Ana", "Beto"}, 19, {false, false, false}));
        marcador::sumarFichas(p.j.e, 1, 2);
        abrirPartidaLocal(p.j);
        Form2 f(p.j);
        f.show();
        cantidad(f)->setCurrentIndex(0);
        nombrar(f, {"Zoe"});
        casilla(f, 2)->click();
        boton(f, "Command2")->click();
        QVERIFY(!f.isVisible());
        QCOMPARE(p.j.e.datosJugadores[1].nombre, QStringLiteral("Ana"));
        QCOMPARE(p.j.e.datosJugadores[1].fichas, 2);
        QCOMPARE(p.j.e.maquina[2], 0);
        QVERIFY(p.j.Timer1.isActive() && p.j.Timer2.isActive() && p.j.maquinas.isActive());
    }
};

QTEST_MAIN(TestForm2)
#include "test_form2.moc"
