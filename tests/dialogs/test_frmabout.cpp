// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

// The about box: what it says, and "Info del sistema..." on a system that has
// no system-information program to start.

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
};

ZUMBARTA_PRUEBA(TestFrmAbout);
#include "test_frmabout.moc"
