#include "game/avisos.h"

#include "game/juego.h"

void mostrarAviso(Juego& j, const QString& texto)
{
    j.e.mensaje = texto;
    j.cambio();
    j.aviso->mostrar(j.e.mensaje);
}

void aceptarAviso(Juego& j)
{
    arrancarReloj(j);
}
