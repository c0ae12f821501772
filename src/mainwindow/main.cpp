#include "dialogs/cajaqt.h"
#include "dialogs/form3.h"
#include "dialogs/icono.h"
#include "flow/temporizadores.h"
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
    QApplication::setWindowIcon(iconoZumbarta(64));

    Juego juego;
    SonidoQt sonido(juego.e);
    juego.usarSonido(&sonido);
    CajaQt caja;
    juego.usarCaja(&caja);
    conectarTemporizadores(juego);

    Form1 ventana(juego);
    Form3 aviso(juego, &ventana);
    juego.usarAviso(&aviso);
    Form_Load(juego, QCoreApplication::applicationDirPath());
    ventana.show();
    return app.exec();
}
