// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

// Where the program looks for its sound and help pages: beside itself in the
// build folder, in share/ once installed. Given an installed tree (the prefix
// in ZUMBARTA_INSTALADO), the help window opened the way the menu opens it
// must find its pages there.

#include "controles.h"
#include "dialogs/frmayuda.h"
#include "dialogs/temasayuda.h"
#include "game/arranque.h"
#include "prueba.h"

namespace {

void crear(const QString& archivo)
{
    QDir().mkpath(QFileInfo(archivo).path());
    QFile f(archivo);
    QVERIFY(f.open(QIODevice::WriteOnly));
}

}  // namespace

class TestDatos : public QObject {
    Q_OBJECT
private slots:
    // A build folder that also sits in an installed layout must use its own
    // files, or a developer would run against an older installed copy.
    void laCarpetaDelProgramaGanaALaInstalada()
    {
        QTemporaryDir raiz;
        const QString bin = raiz.filePath(QStringLiteral("bin"));
        const QString share = raiz.filePath(QStringLiteral("share/zumbarta"));
        QDir().mkpath(bin);
        QCOMPARE(carpetaDeDatos(bin), bin);  // nothing anywhere: the program folder
        crear(share + QStringLiteral("/ayuda/indice.html"));
        QCOMPARE(carpetaDeDatos(bin), share);
        crear(bin + QStringLiteral("/Click.wav"));
        QCOMPARE(carpetaDeDatos(bin), bin);
    }

    void elJuegoInstaladoEncuentraSusArchivos()
    {
        const QString instalado = qEnvironmentVariable("ZUMBARTA_INSTALADO");
        if (instalado.isEmpty())
            QSKIP("no installed tree given");
        Juego j;
        Form_Load(j, carpetaDeDatos(instalado + QStringLiteral("/bin")));
        QCOMPARE(j.e.ruta, instalado + QStringLiteral("/share/zumbarta"));
        QVERIFY(QFileInfo(j.e.ruta + QStringLiteral("/Click.wav")).isFile());
        QWidget ventana;
        frmAyuda* ayuda = abrirTemasDeAyuda(j.e.ruta, &ventana);
        QVERIFY(ayuda);
        QVERIFY(!ayuda->txtAyuda()->documentTitle().isEmpty());
        QVERIFY2(!ayuda->txtAyuda()->toPlainText().contains(QStringLiteral("no está disponible")),
                 qPrintable(ayuda->txtAyuda()->toPlainText()));
    }
};

ZUMBARTA_PRUEBA(TestDatos);
#include "test_datos.moc"
