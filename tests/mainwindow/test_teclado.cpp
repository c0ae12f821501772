// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

// The board played from the keyboard, and the table as a screen reader tells it.

#include "controles.h"
#include "partida.h"
#include "prueba.h"

#include <QAccessible>

class TestTeclado : public QObject {
    Q_OBJECT
    static void teclas(QWidget& w, std::initializer_list<Qt::Key> ks)
    {
        for (Qt::Key k : ks)
            QTest::keyClick(&w, k);
    }
    static QString nombre(QWidget* w) { return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name); }

private slots:
    // Until an arrow is pressed a mouse player's board is untouched: no frame, and Enter or Space beep as any
    // key does; the chat line keeps its own arrows.
    void sinFlechaComoSiempre()
    {
        VentanaDePrueba w;
        QVERIFY(empezarLocal(w, {"Ana", "Beto"}, 19));
        teclas(w, {Qt::Key_1, Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space});
        QVERIFY(w.sonido.beeps == 3 && grises(w.j.e) == 0 && !hijo(w, "marco")->isVisible());
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

    // Tiles, target, clock and player rows are named for a screen reader, and renamed as they change.
    void nombresParaLectores()
    {
        VentanaDePrueba w;
        QCOMPARE(nombre(hijo(w, "Valor", ficha(2, 3))), QStringLiteral("Fila 2, columna 3"));
        QVERIFY(empezarLocal(w, {"Ana", "Beto"}, 19));
        teclas(w, {Qt::Key_2});
        w.j.e.relog.texto = QStringLiteral("2 : 05");
        w.j.cambio();
        const QStringList nombres{nombre(hijo(w, "Valor", ficha(2, 3))), nombre(hijo(w, "fichaRE")), nombre(hijo(w, "relog")),
                                  nombre(hijo(w, "Jugadores", 1)), nombre(hijo(w, "Jugadores", 2))};
        QCOMPARE(nombres, (QStringList{"Fila 2, columna 3: 9", "Objetivo: 19", "Tiempo: 2 : 05", "1 Ana, fichas 0, partidas 0",
                                       "2 Beto, fichas 0, partidas 0, tiene el turno"}));
    }
};

ZUMBARTA_PRUEBA(TestTeclado);
#include "test_teclado.moc"
