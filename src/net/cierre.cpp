#include "net/cierre.h"

#include "game/juego.h"

void cerrarConexiones(Juego& j)
{
    // The sockets themselves are closed here once the network game exists.
    j.Timer1.stop();
    j.e.Command1.visible = false;
    j.e.chatHabilitado = false;
    j.cambio();
}
