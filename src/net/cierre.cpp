// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#include "net/cierre.h"

#include "game/juego.h"
#include "net/enlaces.h"

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
    // The end is the end: no clock, no start gate, no F2, no "Repartir".
    Estado& e = j.e;
    j.Timer1.stop();
    j.timer3.stop();
    e.aceptando = false;
    e.enPartida = false;
    e.finalizando = e.mesaEnEspera = false;
    j.arbitro.stop();
    e.mn_repar.habilitado = false;
    e.mn_finpartida.habilitado = false;
    desactivarRed(j);
}
