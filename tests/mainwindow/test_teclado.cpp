// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

// The board played from the keyboard, and the table as a screen reader tells it.

#include "controles.h"
#include "partida.h"
#include "prueba.h"

class TestTeclado : public QObject {
    Q_OBJECT
    static void teclas(QWidget& w, std::initializer_list<Qt::Key> ks)
    {
        for (Qt::Key k : ks)
            QTest::keyClick(&w, k);
    }

private slots:
    // Until an arrow is pressed a mouse player's board is untouched: no frame, Enter, Space, Esc and Backspace
    // beep, Ctrl+digit claims nothing, a digit claims from any control but the enabled chat line (whose arrows
    // stay its own), clicks pick; F10 opens the menus.
    void sinFlechaComoSiempre()
    {
        VentanaDePrueba w;
        QVERIFY(empezarLocal(w, {"Ana", "Beto"}, 19));
        for (Qt::Key k : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space, Qt::Key_Escape, Qt::Key_Backspace, Qt::Key_1})
            QTest::keyClick(&w, k, k == Qt::Key_1 ? Qt::ControlModifier : Qt::NoModifier);
        QVERIFY(w.sonido.beeps == 5 && w.j.e.turno == 0 && !hijo(w, "marco")->isVisible());
        QTest::keyClick(hijo(w, "txtDialog"), '1');
        QCOMPARE(w.j.e.turno, 1);
        for (int c = 1; c <= 3; ++c)
            QTest::mouseClick(hijo(w, "Valor", ficha(1, c)), Qt::LeftButton);
        QCOMPARE(hijo<QLabel>(w, "Fichas", 1)->text(), QStringLiteral("1"));  // the pick was judged and shown
        w.j.e.chatHabilitado = true;
        w.j.cambio();
        auto* linea = hijo(w, "txtMessage");
        w.activateWindow();
        linea->setFocus();
        QVERIFY(esperar([&] { return linea->hasFocus(); }));
        for (Qt::Key k : {Qt::Key_Up, Qt::Key_Left})  // Up is passed on unused, Left moves the cursor
            QTest::keyClick(linea, k);
        QVERIFY(!hijo(w, "marco")->isVisible());
        QTest::keyClick(&w, Qt::Key_F10);  // the menus too, without a mouse
        QVERIFY(esperar([] { return qobject_cast<QMenu*>(QApplication::activePopupWidget()); }));
        QApplication::activePopupWidget()->close();
    }

    // The first arrow frames the middle tile, the edges stop the frame, Space and Enter click the framed tile:
    // a grey tile is taken back, a correct pick scores, and in "Lineal" a bent pick is refused as with the mouse.
    void eligeConLasFlechas()
    {
        VentanaDePrueba w;
        QVERIFY(empezarLocal(w, {"Ana", "Beto"}, 19));
        teclas(w, {Qt::Key_Down});
        QVERIFY(hijo(w, "marco")->isVisible() && hijo(w, "marco")->geometry().contains(hijo(w, "Valor", ficha(4, 4))->geometry()));
        teclas(w, {Qt::Key_Up, Qt::Key_Up, Qt::Key_Up, Qt::Key_Up, Qt::Key_Left, Qt::Key_Left, Qt::Key_Left, Qt::Key_Left});
        teclas(w, {Qt::Key_1, Qt::Key_Space});
        QCOMPARE(grises(w.j.e), 1);
        teclas(w, {Qt::Key_Space});
        QCOMPARE(grises(w.j.e), 0);
        teclas(w, {Qt::Key_Space, Qt::Key_Right, Qt::Key_Enter, Qt::Key_Right, Qt::Key_Return});  // 3 * 4 + 7
        QCOMPARE(hijo<QLabel>(w, "Fichas", 1)->text(), QStringLiteral("1"));
        hijo<QAction>(w, "mn_mod", 2)->trigger();
        teclas(w, {Qt::Key_1, Qt::Key_Left, Qt::Key_Left, Qt::Key_Space, Qt::Key_Down, Qt::Key_Space, Qt::Key_Right, Qt::Key_Space});
        QVERIFY(grises(w.j.e) == 2 && w.aviso.textos.endsWith(QStringLiteral("Esta ficha no es continua (Horizontal - Vertical - Diagonal)")));
        QTest::mouseClick(hijo(w, "Valor", 1), Qt::LeftButton);
        QVERIFY(!hijo(w, "marco")->isVisible());
    }
};

ZUMBARTA_PRUEBA(TestTeclado);
#include "test_teclado.moc"
