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

    Juego juego;
    SonidoQt sonido;
    juego.usarSonido(&sonido);

    Form1 ventana(juego);
    Form_Load(juego, QCoreApplication::applicationDirPath());
    ventana.show();
    return app.exec();
}
