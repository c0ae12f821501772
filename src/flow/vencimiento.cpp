// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#include "flow/vencimiento.h"

#include "game/avisos.h"
#include "game/envio.h"
#include "game/juego.h"
#include "game/marcador.h"

void Timer2_Timer(Juego& j)
{
    Estado& e = j.e;
    // A machine's turn ends with its placed pick, never by the clock: a tick
    // left over from a person's turn must not cost the machine a tile. In a
    // network game only this station's own turn can run out here.
    const bool deMaquina = e.juegoLocal && marcador::esAsiento(e.turno) && e.maquina[e.turno] == 1;
    const bool vence = j.Timer2.isActive() && e.fichasElegidas < 3 && e.turno != 0 && !deMaquina
                       && (e.juegoLocal || e.turno == e.miJugador);
    // Stopped before the notice, so that a long notice cannot let the
    // timeout strike a second time for the same turn.
    j.Timer2.stop();
    if (!vence)
        return;

    const int s = e.turno;
    marcador::resaltar(e, s, false);
    marcador::soltarSeleccion(e);
    j.sonido->beep();
    const QString nombre = marcador::esAsiento(s) ? e.datosJugadores[s].nombre : QString();
    mostrarAviso(j, nombre + QStringLiteral(" se le a vencido el tiempo de su turno perdera una ficha"));

    marcador::sumarFichas(e, s, -1);
    if (!e.juegoLocal && marcador::esAsiento(e.miJugador))
        enviar(j, QStringLiteral("[Puntaje]%1,%2").arg(e.miJugador).arg(e.datosJugadores[e.miJugador].fichas));
    // Under the notice the turn may have been ended by someone else, or
    // claimed anew: only a turn that is still ours ends here, and only then
    // are the others told.
    if (e.turno != s) {
        j.cambio();
        return;
    }
    marcador::tableroEnBlanco(e);
    e.turno = 0;
    if (!e.juegoLocal) {
        e.Command1.habilitado = true;
        if (marcador::esAsiento(e.miJugador))
            enviar(j, QStringLiteral("[TurnoOFF]%1").arg(e.miJugador));
    }
    j.cambio();
}
