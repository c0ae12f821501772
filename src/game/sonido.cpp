#include "game/sonido.h"

#include "game/juego.h"

void reproducirSonido(Juego& j, const QString& archivo)
{
    j.sonido->reproducir(archivo);
}

void reproducirClick(Juego& j)
{
    reproducirSonido(j, j.e.ruta + QStringLiteral("/Click.wav"));
}
