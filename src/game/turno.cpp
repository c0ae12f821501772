// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/turno.h"

#include "game/envio.h"
#include "game/juego.h"
#include "game/sonido.h"
#include "game/marcador.h"

void Form_KeyPress(Juego& j, QChar tecla)
{
    Estado& e = j.e;
    const int s = tecla.unicode() >= u'1' && tecla.unicode() <= u'6' ? tecla.unicode() - u'0' : 0;
    // In a network game "Turno" claims, so that every station hears of it.
    if (s == 0 || !e.juegoLocal || e.numJugadores <= 0 || s > e.numJugadores || e.turno != 0) {
        j.sonido->beep();
        return;
    }
    // Machine seats claim on their own timer, never from the keyboard.
    if (e.maquina[s] == 1) {
        j.sonido->beep();
        return;
    }
    reproducirClick(j);
    e.turno = s;
    j.Timer2.start();
    marcador::resaltar(e, s, true);
    j.cambio();
}

void terminarTurnoPropio(Juego& j)
{
    j.Timer2.stop();
    marcador::soltarSeleccion(j.e);
    j.e.chequeoEnEspera = false;
    j.e.Command1.habilitado = true;
}

void terminarTurnoDesdeServidor(Juego& j, int s, bool anular)
{
    Estado& e = j.e;
    if (!marcador::esAsiento(s))
        return;
    if (anular)
        e.intentoAbierto[s] = false;
    if (e.turno != s)
        return;
    marcador::resaltar(e, s, false);
    e.turno = 0;
    marcador::tableroEnBlanco(e);
    enviar(j, QStringLiteral("[TurnoOFF]%1").arg(s));
    if (s == e.miJugador)
        terminarTurnoPropio(j);
    j.cambio();
}

void Command1_Click(Juego& j)
{
    Estado& e = j.e;
    if (e.turno != 0 || !marcador::esAsiento(e.miJugador)) {
        j.sonido->beep();
        return;
    }
    enviar(j, QStringLiteral("[TurnoON]%1").arg(e.miJugador));
    e.turno = e.miJugador;
    e.turnoConfirmado = e.esServidor;
    marcador::resaltar(e, e.turno, true);
    e.Command1.habilitado = false;
    j.Timer2.start();
    j.cambio();
}
