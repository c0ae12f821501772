#include "dialogs/cajasencilla.h"
#include "dialogs/icono.h"
#include "game/arranque.h"
#include "game/juego.h"
#include "mainwindow/aplicacion.h"
#include "mainwindow/form1.h"
#include "mainwindow/sonidoqt.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zumbarta"));
    prepararAplicacion(app);
    QApplication::setWindowIcon(iconoZumbarta());

    Juego juego;
    SonidoQt sonido;
    juego.usarSonido(&sonido);
    CajaSencilla caja;
    juego.usarCaja(&caja);

    Form1 ventana(juego);
    Form_Load(juego, QCoreApplication::applicationDirPath());
    ventana.show();
    return app.exec();
}
