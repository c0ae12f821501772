// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

// Where the program finds its sound and help pages, and what shows without
// them. Given an installed tree (ZUMBARTA_INSTALADO), the help opens from there.

#include "controles.h"
#include "dialogs/frmayuda.h"
#include "dialogs/temasayuda.h"
#include "game/arranque.h"
#include "prueba.h"

class TestDatos : public QObject {
    Q_OBJECT
private slots:
    // A build folder inside an installed layout uses its own files, not an older installed copy.
    // With no help pages anywhere, the help window explains, naming the page it looked for.
    void laCarpetaDelProgramaGanaALaInstalada()
    {
        QTemporaryDir raiz;
        const QString bin = raiz.filePath(QStringLiteral("bin")), share = raiz.filePath(QStringLiteral("share/zumbarta"));
        QVERIFY(QDir().mkpath(bin));
        QCOMPARE(carpetaDeDatos(bin), bin);  // nothing anywhere: the program folder
        const QString texto = frmAyuda(bin).txtAyuda()->toPlainText();
        QVERIFY(texto.contains(QStringLiteral("no está disponible")) && texto.contains(QStringLiteral("indice.html")));
        QVERIFY(QDir().mkpath(share + QStringLiteral("/ayuda")));
        QCOMPARE(carpetaDeDatos(bin), share);
        QVERIFY(QFile(bin + QStringLiteral("/Click.wav")).open(QIODevice::WriteOnly));
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
        QVERIFY(ayuda && !ayuda->txtAyuda()->documentTitle().isEmpty());
        QVERIFY2(!ayuda->txtAyuda()->toPlainText().contains(QStringLiteral("no está disponible")), qPrintable(ayuda->txtAyuda()->toPlainText()));
    }
};

ZUMBARTA_PRUEBA(TestDatos);
#include "test_datos.moc"
