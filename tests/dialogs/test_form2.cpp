// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#include "controles.h"
#include "dialogs/form2.h"
#include "game/marcador.h"
#include "partida.h"
#include "prueba.h"

namespace {

QLineEdit* texto(QWidget& f, int i) { return hijo<QLineEdit>(f, QStringLiteral("Text1(%1)").arg(i)); }
QCheckBox* casilla(QWidget& f, int i) { return hijo<QCheckBox>(f, QStringLiteral("Check1(%1)").arg(i)); }
QComboBox* cantidad(QWidget& f) { return hijo<QComboBox>(f, QStringLiteral("Combo1")); }
bool libre(QWidget& f, int i)
{
    return !casilla(f, i)->isChecked() && texto(f, i)->text().isEmpty() && !texto(f, i)->isReadOnly();
}

}  // namespace

class TestForm2 : public QObject {
    Q_OBJECT
private slots:
    // For each count the frame shows its rows and no more; the count keys, ">>>";
    // "Cancelar" with no game sets no timer going.
    void controles()
    {
        preferenciasCon();
        JuegoDePrueba p(false);
        Form2 f(p.j);
        f.show();
        QWidget* marco = hijo(f, "Frame1");
        auto entera = [&](int i) { return casilla(f, i)->geometry().bottom() < marco->height(); };  // not clipped
        for (int k = 0, alto = 0; k <= 4; alto = f.height(), ++k) {
            cantidad(f)->setCurrentIndex(k);
            QVERIFY(texto(f, k + 2)->isVisible() && (k == 4 || !texto(f, k + 3)->isVisible()) && f.height() > alto);
            QVERIFY(entera(k + 2) && (k == 4 || !entera(k + 3)) && hijo(f, "Command1")->y() > marco->geometry().bottom()
                    && hijo(f, "Command2")->geometry().bottom() < f.height());
        }
        for (char c : {'4', '7', 'a', '1'})  // on the list itself, not its text field
            QTest::keyClick(cantidad(f), c);
        QVERIFY(texto(f, 4)->isVisible() && !texto(f, 5)->isVisible());
        // Rows the frame clips and levels past the narrow edge: out of Tab, deaf to Space.
        QVERIFY(QTest::qWaitForWindowActive(&f));
        QSet<QWidget*> enfocados;
        for (int i = 0; i < 30; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            enfocados << QApplication::focusWidget();
        }
        QVERIFY(enfocados.contains(casilla(f, 4)) && !enfocados.contains(casilla(f, 5)) && !enfocados.contains(hijo(f, "Nivel(1)")));
        QTest::keyClick(casilla(f, 6), Qt::Key_Space);
        QVERIFY(!casilla(f, 6)->isChecked());
        // The levels stay hidden until ">>>"; "<<<" hides them again.
        const int estrecho = f.width();
        QVERIFY(!hijo(f, "Nivel(1)")->isVisible());
        pulsar(f, "Command3");
        QVERIFY(hijo(f, "Command3")->property("text") == "<<<" && hijo(f, "Nivel(1)")->isVisible() && hijo(f, "Frame2")->geometry().right() < f.width());
        pulsar(f, "Command3");
        QVERIFY(hijo(f, "Command3")->property("text") == ">>>" && !hijo(f, "Nivel(1)")->isVisible() && f.width() == estrecho);
        QVERIFY(f.close() && !f.isVisible());  // the program closing down does not wait for it
        Form2 otro(p.j);
        otro.show();
        pulsar(otro, "Command2");
        QVERIFY(andando(p.j).isEmpty() && p.sonido.archivos.size() == 1);
    }

    // Over a running game "Cancelar" and every refused "Aceptar" leave it as it was and a refusal keeps the
    // dialog: a blank name is told before RETIRADO (in any case), two blanks are a name; the last human
    // cannot be ticked. Enter accepts, even with only machines, seats beyond the count left out, and the game
    // starts afresh: matches, tiles, the turn, its picks and the network go.
    void sobreUnaPartida()
    {
        JuegoDePrueba p(false);
        QVERIFY(empezarLocal(p, {"Ana", "Beto", "Carla"}, 19, {false, false, false, true}));
        Estado& e = p.j.e;
        marcador::sumarFichas(e, 1, 2), marcador::sumarPartida(e, 2);
        jugar(p, '1', {1, 1});
        e.Command1.visible = e.chatHabilitado = true, e.barra = QStringLiteral("Conectado");  // as if a network game were up
        const auto igual = [&] {
            return e.datosJugadores[1].nombre == QStringLiteral("Ana") && e.Fichas[1].texto == QStringLiteral("2") && e.turno == 1
                   && e.barra == QStringLiteral("Conectado") && e.Command1.visible && e.chatHabilitado && p.j.Timer1.isActive()
                   && e.maquina == std::array<int, 7>{0, 0, 0, 1, 0, 0, 0};
        };
        {
            Form2 f(p.j);
            f.show();
            casilla(f, 1)->click();
            texto(f, 2)->setText(QStringLiteral("Zoe"));
            pulsar(f, "Command2");
            QVERIFY(!f.isVisible() && igual());
        }
        Form2 f(p.j);
        f.show();
        QTest::keyClick(cantidad(f)->lineEdit(), '3');
        casilla(f, 1)->click();
        QVERIFY(texto(f, 1)->text() == QStringLiteral("Maquina 1") && texto(f, 1)->isReadOnly());
        for (auto [dos, tres] : {std::pair{"Retirado", " "}, {"Bea", ""}, {"  ", "El retirado"}}) {
            texto(f, 2)->setText(QLatin1String(dos));
            texto(f, 3)->setText(QLatin1String(tres));
            pulsar(f, "Command1");
        }
        casilla(f, 2)->click();
        casilla(f, 3)->click();  // no human would be left
        const QString todos = QStringLiteral("TODOS LOS USUARIOS DEBEN TENER ALGUN NOMBRE");
        QCOMPARE(p.caja.textos(), (QStringList{todos, todos, "NINGUN NOMBRE PUEDE CONTENER LA PALABRA RETIRADO",
                                               "DEBE AL MENOS EXISTIR UN JUGADOR HUMANO EN EL JUEGO"}));
        using I = CajaMensaje::Icono;
        const auto& c = p.caja.cajas;
        QVERIFY(c[0].icono == I::Advertencia && c[1].icono == I::Advertencia && c[2].icono == I::Informacion && c[3].icono == I::Informacion);
        QVERIFY(libre(f, 3) && f.isVisible() && igual());
        casilla(f, 2)->click();
        QVERIFY(libre(f, 2));
        casilla(f, 2)->click();
        QTest::keyClick(cantidad(f)->lineEdit(), '4');
        casilla(f, 3)->click();  // then beyond the count, as the blank seat 4: neither checked nor a machine
        cantidad(f)->setCurrentIndex(0);  // only machines left: allowed
        QTest::keyClick(cantidad(f)->lineEdit(), Qt::Key_Return);  // Enter presses "Aceptar"; the count stays
        QVERIFY(f.result() == QDialog::Accepted && cantidad(f)->currentText() == QStringLiteral("2"));
        QCOMPARE(e.maquina, (std::array<int, 7>{0, 1, 1, 0, 0, 0, 0}));
        QVERIFY(e.Fichas[1].texto == QStringLiteral("0") && e.partidasGanadas[2] == 0 && e.turno == 0 && !grises(e));
        QVERIFY(!e.Command1.visible && !e.chatHabilitado && e.Jugadores[2].visible && !e.Jugadores[3].visible);
        QVERIFY(p.j.Timer1.isActive() && p.j.maquinas.isActive() && e.mn_pausar.habilitado && e.mn_repar.habilitado);
    }

    // Accepted choices come back at the next opening, the level reaching the game only with "Aceptar"; a
    // cancelled one is not kept; a spoilt file is read as no file, value by value.
    void recuerdaLoAceptado()
    {
        preferenciasCon();
        const auto vista = [](Form2& f) {
            QStringList v{cantidad(f)->currentText()};
            for (int i = 1; i <= 6; ++i)
                v << texto(f, i)->text() + (casilla(f, i)->isChecked() ? "*" : "") + (texto(f, i)->isReadOnly() ? "#" : "");
            for (int n = 1; n <= 4; ++n)
                v << (hijo<QRadioButton>(f, "Nivel", n)->isChecked() ? "nivel" : "");
            return v.join(u'|');
        };
        JuegoDePrueba p(false);
        {
            Form2 f(p.j);
            QTest::keyClick(cantidad(f)->lineEdit(), '4');
            for (int i : {1, 2, 4})
                texto(f, i)->setText(QStringLiteral("Jugador%1").arg(i));
            casilla(f, 3)->click();
            pulsar(f, "Nivel(4)");
            pulsar(f, "Command1");
            QCOMPARE(f.result(), QDialog::Accepted);
        }
        const QString aceptado = QStringLiteral("4|Jugador1|Jugador2|Maquina 3*#|Jugador4||||||nivel");
        {
            Form2 f(p.j);
            QCOMPARE(vista(f), aceptado);
            QTest::keyClick(cantidad(f)->lineEdit(), '2');
            texto(f, 1)->setText(QStringLiteral("Zoe"));
            pulsar(f, "Command2");
        }
        JuegoDePrueba q(false);
        const int antes = q.j.maquinas.interval();
        Form2 otra(q.j);
        QCOMPARE(vista(otra), aceptado);
        QCOMPARE(q.j.maquinas.interval(), antes);  // not yet, and on "Aceptar" the remembered level
        pulsar(otra, "Command1");
        QVERIFY(otra.result() == QDialog::Accepted && q.j.maquinas.interval() == 3000);
        for (const QByteArray& archivo : {QByteArrayLiteral("\x00\xff[local]\njugadores=\x01\nnombre1=@Variant(\x7f\x00)\xfe"),
                                          QByteArrayLiteral("[local]\njugadores=9\nnivel=7\nnombre1=\"Ana\\tB\"\nnombre2=Catorce letras\nmaquina3=1"),
                                          QByteArrayLiteral("[local]\njugadores=abc\nnivel=-1\nmaquina1=quizas")}) {
            preferenciasCon(archivo);
            Form2 f(p.j);
            QCOMPARE(vista(f), QString(10, u'|'));
        }
    }
};

ZUMBARTA_PRUEBA(TestForm2);
#include "test_form2.moc"
