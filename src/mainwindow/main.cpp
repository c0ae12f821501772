// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/cajaqt.h"
#include "dialogs/form3.h"
#include "dialogs/icono.h"
#include "flow/temporizadores.h"
#include "game/arranque.h"
#include "game/juego.h"
#include "mainwindow/aplicacion.h"
#include "mainwindow/form1.h"
#include "mainwindow/sonidoqt.h"
#include "mainwindow/teclaf2.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    atraparTerm();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zumbarta"));
    // Ties the window to the installed menu entry, so the desktop shows its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(ZUMBARTA_ID));
    prepararAplicacion(app);
    QApplication::setWindowIcon(iconoZumbarta(64));

    Juego juego;
    SonidoQt sonido(juego.e);
    juego.usarSonido(&sonido);
    CajaQt caja;
    juego.usarCaja(&caja);
    TeclaF2Qt f2;
    juego.usarF2(&f2);
    conectarTemporizadores(juego);

    Form1 ventana(juego);
    caja.sobre(&ventana);
    Form3 aviso(juego, &ventana);
    juego.usarAviso(&aviso);
    Form_Load(juego, carpetaDeDatos(QCoreApplication::applicationDirPath()));
    ventana.show();
    return app.exec();
}
