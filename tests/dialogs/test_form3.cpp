// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

// The notice window: modal, closes by itself, and there is only ever one.

#include "controles.h"
#include "dialogs/form3.h"
#include "prueba.h"

namespace {

QPushButton* aceptar(Form3& f) { return hijo<QPushButton>(f, "Command1"); }
QTimer* reloj(Form3& f) { return hijo<QTimer>(f, "Timer1"); }

// Runs `paso` once the notice's modal loop is running.
void alAbrirse(std::function<void()> paso) { QTimer::singleShot(0, qApp, std::move(paso)); }

}  // namespace

class TestForm3 : public QObject {
    Q_OBJECT
private slots:
    // A notice during a notice takes over and restarts its 3 s; only its clock closes it (not Esc, nor the
    // frame: no close box; a blank title), the round clock stopped. The first caller returns last.
    void unoSoloYSeCierraSolo()
    {
        JuegoDePrueba p;
        Form3 f(p.j);
        QStringList orden;
        bool reiniciado = false, abierta = false;
        alAbrirse([&] {
            reloj(f)->stop();  // as if its time had nearly run out
            f.mostrar(QStringLiteral("Ha finalizado el tiempo"));
            orden << QStringLiteral("segundo vuelve");
            reiniciado = reloj(f)->isActive() && reloj(f)->interval() == 3000;
            QTest::keyClick(&f, Qt::Key_Escape);
            QCloseEvent cierre;
            QSpontaneKeyEvent::setSpontaneous(&cierre);
            qApp->notify(&f, &cierre);  // as the window system sends it
            abierta = f.isVisible();
            reloj(f)->start(30);  // the real 3 s, shortened
        });
        f.mostrar(QStringLiteral("primero"));
        QVERIFY(!(f.windowFlags() & Qt::WindowCloseButtonHint) && f.windowTitle() == QStringLiteral(" "));
        orden << QStringLiteral("primero vuelve");
        QVERIFY(reiniciado && abierta);
        QCOMPARE(orden, (QStringList{"segundo vuelve", "primero vuelve"}));
        QCOMPARE(hijo<QLabel>(f, "Label1")->text(), QStringLiteral("Ha finalizado el tiempo"));
        QVERIFY(!f.isVisible() && !p.j.Timer1.isActive());
    }

    // "Aceptar" restarts the round clock of a game in progress, except on a
    // network client; never in a lobby or after the end.
    void aceptarReiniciaElReloj()
    {
        const struct { bool local, servidor, enPartida, corre; } casos[] = {
            {true, false, true, true}, {false, true, true, true}, {false, false, true, false},  // local, server, client
            {false, true, false, false}, {true, false, false, false}};  // ended or not begun
        for (auto [local, servidor, enPartida, corre] : casos) {
            JuegoDePrueba p;
            p.j.e.juegoLocal = local;
            p.j.e.esServidor = servidor;
            p.j.e.enPartida = enPartida;
            Form3 f(p.j);
            alAbrirse([&] { aceptar(f)->click(); });
            f.mostrar(QStringLiteral("Ana, Te has ganado esta ficha"));
            QCOMPARE(p.j.Timer1.isActive(), corre);
            QVERIFY(!reloj(f)->isActive());
        }
    }
};

ZUMBARTA_PRUEBA(TestForm3);
#include "test_form3.moc"
