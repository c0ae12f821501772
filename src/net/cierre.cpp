#include "net/cierre.h"

#include "game/juego.h"
#include "net/anunciador.h"
#include "net/cliente.h"
#include "net/partidared.h"
#include "net/servidor.h"

void desactivarRed(Juego& j)
{
    j.e.Command1.visible = false;
    j.e.chatHabilitado = false;
    j.cambio();
}

void cerrarConexiones(Juego& j)
{
    // The LAN hears "bye" now, not when the server object is gone.
    if (Anunciador* a = anunciadorDe(j))
        a->terminar();
    if (Servidor* s = servidorDe(j))
        s->cerrarTodo();
    if (Cliente* c = clienteDe(j))
        c->cerrar();
    if (auto* red = dynamic_cast<QObject*>(j.enlace)) {
        // A handler of this very link may still be on the stack.
        red->deleteLater();
        j.enlace = nullptr;
    }
    j.Timer1.stop();
    desactivarRed(j);
}
