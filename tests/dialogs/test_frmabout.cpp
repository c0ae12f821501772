// The about box: what it says, how it closes, and where "Info del sistema..."
// looks for the system information program.

#include "dialogs/frmabout.h"
#include "dobles.h"

#include <QFrame>
#include <QLabel>
#include <QMap>
#include <QPushButton>
#include <QtTest>

using infosistema::Sistema;

namespace {

const QString kMsinfo = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO");
const QString kUbicacion = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location");

// A registry of our own making, a disk with the files we say, and a record
// of what was started.
struct SistemaDePrueba {
    QMap<QString, QString> registro;  // "key|value" -> text, all under HKEY_LOCAL_MACHINE
    QStringList archivos;
    QStringList iniciados;
    bool arranca = true;

    Sistema sistema()
    {
        Sistema s;
        s.GetKeyValue = [this](std::uint32_t raiz, const QString& clave, const QString& valor, QString& texto) {
            const auto it = registro.constFind(clave + u'|' + valor);
            const bool hay = raiz == 0x80000002u && it != registro.cend();
            texto = hay ? *it : QString();
            return hay;
        };
        s.existeArchivo = [this](const QString& f) { return archivos.contains(f); };
        s.iniciar = [this](const QString& p) { iniciados << p; return arranca; };
        return s;
    }
};

}  // namespace

class TestFrmAbout : public QObject {
    Q_OBJECT
private slots:
    // Every text and control a player sees, with the etched line between the
    // description and the buttons.
    void muestraSusTextosYControles()
    {
        CajaGrabada caja;
        frmAbout f(caja);
        f.show();
        QCOMPARE(f.windowTitle(), QStringLiteral("Acerca de Zumbarta"));
        QVERIFY(!f.findChild<QLabel*>(QStringLiteral("picIcon"))->pixmap().isNull());
        QCOMPARE(f.findChild<QLabel*>(QStringLiteral("Zumbarta"))->text(), QStringLiteral("Zumbarta"));
        QCOMPARE(f.findChild<QLabel*>(QStringLiteral("lblVersion"))->text(), QStringLiteral("Versión 2 c"));
        QVERIFY(!f.findChild<QLabel*>(QStringLiteral("lblDescription"))->text().isEmpty());
        QVERIFY(f.findChild<QLabel*>(QStringLiteral("lblDisclaimer"))->text().contains(QStringLiteral("comercial")));
        auto* ok = f.findChild<QPushButton*>(QStringLiteral("cmdOK"));
        QCOMPARE(ok->text(), QStringLiteral("Aceptar"));
        QCOMPARE(f.findChild<QPushButton*>(QStringLiteral("cmdSysInfo"))->text(), QStringLiteral("&Info del sistema..."));

        auto* oscura = f.findChild<QFrame*>(QStringLiteral("Line1(0)"));
        auto* clara = f.findChild<QFrame*>(QStringLiteral("Line1(1)"));
        QVERIFY(oscura && clara);
        QCOMPARE(clara->y(), oscura->y() + oscura->height());
        QVERIFY(oscura->y() > f.findChild<QLabel*>(QStringLiteral("lblDescription"))->geometry().bottom());
        QVERIFY(clara->geometry().bottom() < ok->y());
    }

    void aceptarCierraLaCaja()
    {
        CajaGrabada caja;
        frmAbout f(caja);
        f.open();
        QTest::mouseClick(f.findChild<QPushButton*>(QStringLiteral("cmdOK")), Qt::LeftButton);
        QCOMPARE(f.result(), int(QDialog::Accepted));
        QVERIFY(!f.isVisible());
        QVERIFY(caja.cajas.empty());
    }

    // On this system there is no such program: the player is told so, with
    // no icon, and the box stays open.
    void infoDelSistemaEnEsteSistema()
    {
        CajaGrabada caja;
        frmAbout f(caja);
        f.show();
        QTest::mouseClick(f.findChild<QPushButton*>(QStringLiteral("cmdSysInfo")), Qt::LeftButton);
        QCOMPARE(caja.cajas.size(), std::size_t(1));
        QCOMPARE(caja.cajas[0].icono, CajaMensaje::Icono::Ninguno);
        QCOMPARE(caja.cajas[0].texto, QStringLiteral("La información del sistema no está disponible en este momento"));
        QVERIFY(f.isVisible());
#ifndef Q_OS_WIN
        QString leido = QStringLiteral("basura");
        QVERIFY(!infosistema::GetKeyValue(infosistema::kRaizMaquina, kMsinfo, QStringLiteral("PATH"), leido));
        QVERIFY(leido.isEmpty());
#endif
    }

    // Where the search looks, in which order, and what ends in the message.
    void buscaElProgramaEnElRegistro_data()
    {
        QTest::addColumn<QStringList>("registro");  // key|value=text
        QTest::addColumn<QStringList>("archivos");
        QTest::addColumn<bool>("arranca");
        QTest::addColumn<QStringList>("iniciados");
        QTest::addColumn<bool>("mensaje");

        const QString ruta = kMsinfo + QStringLiteral("|PATH=C:\\Info\\msinfo32.exe");
        const QString carpeta = kUbicacion + QStringLiteral("|MSINFO=D:\\Compartido");
        const QString exe = QStringLiteral("D:\\Compartido\\MSINFO32.EXE");
        QTest::newRow("nada en el registro") << QStringList{} << QStringList{exe} << true << QStringList{} << true;
        QTest::newRow("PATH va primero") << QStringList{ruta, carpeta} << QStringList{exe} << true
                                         << QStringList{QStringLiteral("C:\\Info\\msinfo32.exe")} << false;
        QTest::newRow("PATH que no arranca") << QStringList{ruta, carpeta} << QStringList{exe} << false
                                             << QStringList{QStringLiteral("C:\\Info\\msinfo32.exe")} << true;
        QTest::newRow("carpeta con MSINFO32") << QStringList{carpeta} << QStringList{exe} << true << QStringList{exe} << false;
        QTest::newRow("carpeta sin MSINFO32") << QStringList{carpeta} << QStringList{} << true << QStringList{} << true;
    }
    void buscaElProgramaEnElRegistro()
    {
        QFETCH(QStringList, registro);
        QFETCH(QStringList, archivos);
        QFETCH(bool, arranca);
        SistemaDePrueba s;
        for (const QString& r : registro)
            s.registro.insert(r.section(u'=', 0, 0), r.section(u'=', 1));
        s.archivos = archivos;
        s.arranca = arranca;
        CajaGrabada caja;
        StartSysInfo(caja, s.sistema());
        QTEST(s.iniciados, "iniciados");
        QFETCH(bool, mensaje);
        QCOMPARE(caja.cajas.size(), std::size_t(mensaje ? 1 : 0));
    }

    // The registry hands back UTF-16 bytes, usually closed by a NUL.
    void textoDelValorSinElNulFinal()
    {
        const char16_t con[] = u"C:\\Info";  // 7 characters and the NUL
        QCOMPARE(infosistema::textoDeValor(con, sizeof con), QStringLiteral("C:\\Info"));
        QCOMPARE(infosistema::textoDeValor(con, 4), QStringLiteral("C:"));
        QCOMPARE(infosistema::textoDeValor(con, 0), QString());
    }
};

QTEST_MAIN(TestFrmAbout)
#include "test_frmabout.moc"
