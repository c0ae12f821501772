#include "game/arranque.h"

#include "game/juego.h"

void Form_Load(Juego& j, const QString& carpetaPrograma)
{
    QString ruta = carpetaPrograma;
    while (ruta.size() > 1 && (ruta.endsWith(QLatin1Char('/')) || ruta.endsWith(QLatin1Char('\\'))))
        ruta.chop(1);
    j.e.ruta = ruta;
    j.e.juegoLocal = true;
    j.e.modoLineal = false;
    j.cambio();
}
