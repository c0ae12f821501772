// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#include "net/cierre.h"

#include "game/juego.h"
#include "net/redpartida.h"

#include <utility>

void desactivarRed(Juego& j)
{
    j.e.Command1.visible = false;
    j.e.chatHabilitado = false;
    j.cambio();
}

void cerrarConexiones(Juego& j)
{
    // The LAN hears "bye" now, not when the network game's object is gone.
    if (RedPartida* red = std::exchange(j.red, nullptr)) {
        red->cerrar();
        // A handler of this very game may still be on the stack.
        red->deleteLater();
        if (j.enlace == red)
            j.enlace = nullptr;
    }
    // The end is the end: no clock, no start gate, no F2, no "Repartir".
    Estado& e = j.e;
    j.Timer1.stop();
    j.timer3.stop();
    e.enPartida = false;
    e.finalizando = e.mesaEnEspera = false;
    e.mn_repar.habilitado = false;
    e.mn_finpartida.habilitado = false;
    desactivarRed(j);
}
