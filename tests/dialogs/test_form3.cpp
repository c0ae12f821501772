// The notice window: modal, closes by itself, and there is only ever one.

#include "dialogs/form3.h"
#include "dobles.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
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

QLabel* texto(Form3& f) { return f.findChild<QLabel*>(QStringLiteral("Label1")); }
QPushButton* aceptar(Form3& f) { return f.findChild<QPushButton*>(QStringLiteral("Command1")); }
QTimer* reloj(Form3& f) { return f.findChild<QTimer*>(QStringLiteral("Timer1")); }

// Runs `paso` once the notice's modal loop is running.
void alAbrirse(std::function<void()> paso)
{
    QTimer::singleShot(0, qApp, std::move(paso));
}

}  // namespace

class TestForm3 : public QObject {
    Q_OBJECT
private slots:
    // Left alone it closes by itself, and the round clock stays as it was.
    void seCierraSolo()
    {
        JuegoDePrueba p;
        Form3 f(p.j);
        QCOMPARE(f.windowTitle(), QString());
        QVERIFY(!(f.windowFlags() & Qt::WindowCloseButtonHint));
        QCOMPARE(f.size(), QSize(213, 88));
        QCOMPARE(aceptar(f)->text(), QStringLiteral("A&ceptar"));
        QCOMPARE(reloj(f)->interval(), 3000);
        reloj(f)->setInterval(30);  // the real 3 s, shortened
        bool modal = false;
        QString visto;
        alAbrirse([&] {
            modal = QApplication::activeModalWidget() == &f;
            visto = texto(f)->text();
            p.j.e.mensaje = QStringLiteral("otro");  // read once, at opening
        });
        f.mostrar(QStringLiteral("Ha finalizado el tiempo"));
        QVERIFY(modal);
        QCOMPARE(visto, QStringLiteral("Ha finalizado el tiempo"));
        QCOMPARE(texto(f)->text(), QStringLiteral("Ha finalizado el tiempo"));
        QVERIFY(!f.isVisible());
        QVERIFY(!p.j.Timer1.isActive());
    }

    void aceptarReiniciaElReloj_data()
    {
        QTest::addColumn<bool>("local");
        QTest::addColumn<bool>("servidor");
        QTest::addColumn<bool>("corre");
        QTest::newRow("partida local") << true << false << true;
        QTest::newRow("servidor en red") << false << true << true;
        QTest::newRow("cliente en red") << false << false << false;
    }
    void aceptarReiniciaElReloj()
    {
        QFETCH(bool, local);
        QFETCH(bool, servidor);
        QFETCH(bool, corre);
        JuegoDePrueba p;
        p.j.e.juegoLocal = local;
        p.j.e.esServidor = servidor;
        Form3 f(p.j);
        alAbrirse([&] { aceptar(f)->click(); });
        f.mostrar(QStringLiteral("Ana, Te has ganado esta ficha"));
        QCOMPARE(p.j.Timer1.isActive(), corre);
        QVERIFY(!reloj(f)->isActive());
    }

    // A notice asked for while one is open takes over the open window and
    // its three seconds start again; the first caller returns on closing.
    void unoSolo()
    {
        JuegoDePrueba p;
        Form3 f(p.j);
        QStringList orden;
        alAbrirse([&] {
            reloj(f)->stop();  // as if its time had nearly run out
            f.mostrar(QStringLiteral("segundo"));
            orden << QStringLiteral("segundo vuelve");
            QCOMPARE(texto(f)->text(), QStringLiteral("segundo"));
            QVERIFY(reloj(f)->isActive());
            QCOMPARE(reloj(f)->interval(), 3000);
            QTest::keyClick(&f, Qt::Key_Escape);  // no way out but the button
            cerrarDesdeElSistema(f);
            QVERIFY(f.isVisible());
            aceptar(f)->click();
        });
        f.mostrar(QStringLiteral("primero"));
        orden << QStringLiteral("primero vuelve");
        QCOMPARE(orden, (QStringList{"segundo vuelve", "primero vuelve"}));
        QVERIFY(!f.abierto());
    }
};

QTEST_MAIN(TestForm3)
#include "test_form3.moc"
