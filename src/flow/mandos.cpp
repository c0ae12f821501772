// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#include "flow/mandos.h"

#include "game/juego.h"
#include "game/marcador.h"

void mn_pausar_Click(Juego& j)
{
    Mando& m = j.e.mn_pausar;
    m.marcado = !m.marcado;
    m.texto = m.marcado ? QStringLiteral("Reanudar") : QStringLiteral("Pausar");
    if (m.marcado) {
        j.Timer2.stop();
        // Paused under the time-out notice, the board must not keep showing
        // a pick for a target that is gone.
        marcador::quitarSolucion(j.e);
    } else {
        // A turn timeout with nobody holding the turn just stops again on
        // its tick.
        j.Timer2.start();
    }
    j.sincronizar();
    j.cambio();
}

void mn_mod_Click(Juego& j, int index)
{
    if (index != 1 && index != 2)
        return;
    j.transicion([index](Estado& e, Salida& o) { mesa::cambiarModo(e, o, index == 2); });
}
