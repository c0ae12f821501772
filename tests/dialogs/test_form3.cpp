// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#include "controles.h"
#include "dialogs/cajaqt.h"
#include "dialogs/form3.h"
#include "game/avisos.h"
#include "prueba.h"

static QPushButton* aceptar(Form3& f) { return hijo<QPushButton>(f, "Command1"); }

class TestForm3 : public QObject {
    Q_OBJECT
private slots:
    // A box that comes while no window of ours is in front opens over the game's window.
    void cajaSobreLaVentana()
    {
        QWidget ventana;
        CajaQt caja;
        caja.sobre(&ventana);
        caja.mostrar(CajaMensaje::Icono::Informacion, QStringLiteral("El ganador general del juego es Ana"));
        auto* box = ventana.findChild<QMessageBox*>();
        QVERIFY(box && box->isVisible());
        delete box;
    }

    // The game's notice returns at once, modal, and holds the round clock; a second one takes over the text of
    // the one open. Neither Esc nor the frame closes it (no close box); "Aceptar" does and the clock goes on.
    // Closed by the game, it sets no clock going.
    void unoSoloYNoEspera()
    {
        JuegoDePrueba p;
        p.j.e.juegoLocal = p.j.e.enPartida = true;
        Form3 f(p.j);
        p.j.usarAviso(&f);
        mostrarAviso(p.j, QStringLiteral("primero"));
        mostrarAviso(p.j, QStringLiteral("Ha finalizado el tiempo"));
        QVERIFY(QApplication::activeModalWidget() == &f && f.focusWidget() == aceptar(f) && hijo<QLabel>(f, "Label1")->text() == "Ha finalizado el tiempo");
        QTest::keyClick(&f, Qt::Key_Escape);
        QCloseEvent cierre;
        QSpontaneKeyEvent::setSpontaneous(&cierre);
        qApp->notify(&f, &cierre);  // as the window system sends it
        QVERIFY(f.isVisible() && !(f.windowFlags() & Qt::WindowCloseButtonHint) && f.windowTitle() == QStringLiteral(" "));
        QVERIFY(!p.j.Timer1.isActive());
        aceptar(f)->click();
        QVERIFY(p.j.Timer1.isActive() && !f.isVisible() && !p.j.e.avisoAbierto && !QApplication::activeModalWidget());
        p.j.Timer1.stop();
        f.mostrar(QStringLiteral("otro"));
        f.cerrar();
        QVERIFY(!f.isVisible() && !p.j.Timer1.isActive());
    }
};

ZUMBARTA_PRUEBA(TestForm3);
#include "test_form3.moc"
