// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#include "flow/mandos.h"

#include "game/envio.h"
#include "game/juego.h"
#include "game/marcador.h"

void mn_pausar_Click(Juego& j)
{
    Mando& m = j.e.mn_pausar;
    if (m.marcado) {
        m.marcado = false;
        m.texto = QStringLiteral("Pausar");
        // All three start whatever they did before the pause: a turn timeout
        // with nobody holding the turn just stops again on its tick.
        j.maquinas.start();
        arrancarReloj(j);
        j.Timer2.start();
    } else {
        m.marcado = true;
        m.texto = QStringLiteral("Reanudar");
        j.maquinas.stop();
        j.Timer1.stop();
        j.Timer2.stop();
        // Paused under the time-out notice, the board must not keep showing
        // a pick for a target that is gone.
        marcador::quitarSolucion(j.e);
    }
    j.cambio();
}

void mn_mod_Click(Juego& j, int index)
{
    Estado& e = j.e;
    if (index != 1 && index != 2)
        return;
    e.mn_mod[1].marcado = false;
    e.mn_mod[2].marcado = false;
    e.mn_mod[index].marcado = true;
    e.modoLineal = e.mn_mod[2].marcado;
    if (!e.juegoLocal && e.esServidor)
        enviar(j, QStringLiteral("[modojuego]") + textoModoJuego(e.modoLineal));
    j.cambio();
}

QString textoModoJuego(bool modoLineal)
{
    return modoLineal ? QStringLiteral(" Verdadero") : QStringLiteral(" Falso");
}
