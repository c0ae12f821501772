// The about box: what it says, and where "Info del sistema..." looks for the
// system information program.

#include "controles.h"
#include "dialogs/frmabout.h"
#include "prueba.h"

class TestFrmAbout : public QObject {
    Q_OBJECT
private slots:
    // Its texts; then the message, with no icon, and the box stays open.
    void textosEInfoDelSistema()
    {
        CajaGrabada caja;
        frmAbout f(caja);
        f.show();
        QCOMPARE(f.windowTitle(), QStringLiteral("Acerca de Zumbarta"));
        const std::pair<const char*, const char*> textos[] = {
            {"Zumbarta", "Zumbarta"}, {"lblVersion", "Versión 2 c"},
            {"cmdOK", "Aceptar"}, {"cmdSysInfo", "&Info del sistema..."}};
        for (auto [nombre, t] : textos)
            QCOMPARE(hijo(f, QLatin1String(nombre))->property("text").toString(), QString::fromUtf8(t));

        QTest::mouseClick(hijo(f, "cmdSysInfo"), Qt::LeftButton);
        QCOMPARE(caja.textos(), QStringList{"La información del sistema no está disponible en este momento"});
        QCOMPARE(caja.cajas[0].icono, CajaMensaje::Icono::Ninguno);
        QVERIFY(f.isVisible());
    }

    // PATH first; else the folder's MSINFO32.EXE, if it is there; else the message.
    void buscaElPrograma()
    {
        const QString path = QStringLiteral("C:\\Info\\msinfo32.exe"), exe = QStringLiteral("D:\\Compartido\\MSINFO32.EXE");
        const struct { bool ruta, carpeta, existe, arranca; QString iniciado; } casos[] = {
            {false, false, true, true, {}}, {true, true, true, true, path}, {true, true, true, false, path},
            {false, true, true, true, exe}, {false, true, false, true, {}}};
        for (const auto& c : casos) {
            QStringList iniciados;
            infosistema::Sistema s;
            s.GetKeyValue = [&](std::uint32_t raiz, const QString& clave, const QString& valor, QString& texto) {
                const bool esRuta = clave == QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO") && valor == "PATH";
                const bool esCarpeta = clave == QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location") && valor == "MSINFO";
                const bool hay = raiz == 0x80000002u && ((esRuta && c.ruta) || (esCarpeta && c.carpeta));
                texto = !hay ? QString() : esRuta ? path : QStringLiteral("D:\\Compartido");
                return hay;
            };
            s.existeArchivo = [&](const QString& a) { return c.existe && a == exe; };
            s.iniciar = [&](const QString& programa) { iniciados << programa; return c.arranca; };
            CajaGrabada caja;
            StartSysInfo(caja, s);
            QCOMPARE(iniciados, c.iniciado.isEmpty() ? QStringList() : QStringList{c.iniciado});
            QCOMPARE(caja.cajas.size(), std::size_t(c.iniciado.isEmpty() || !c.arranca));
        }
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

ZUMBARTA_PRUEBA(TestFrmAbout);
#include "test_frmabout.moc"
