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

void cerrarConexiones(Juego& j, const QString& despedida)
{
    // The LAN hears "bye" now, not when the network game's object is gone.
    // A handler of a game may still be on the stack: each goes later.
    if (RedPartida* t = std::exchange(j.terminada, nullptr)) {
        t->cerrar();
        t->deleteLater();
    }
    if (RedPartida* red = std::exchange(j.red, nullptr)) {
        red->cerrar(despedida);
        if (red->servidor() && !despedida.isEmpty())
            j.terminada = red;
        else
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
