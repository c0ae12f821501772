#include "game/envio.h"

void enviar(Juego& j, const QString& vsData)
{
    if (j.e.juegoLocal || !j.enlace)
        return;
    if (j.e.esServidor)
        j.enlace->enviaratodos(vsData, false);
    else
        j.enlace->enviaraservidor(vsData);
}
