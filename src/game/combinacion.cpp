// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/combinacion.h"

#include "game/avisos.h"
#include "game/envio.h"
#include "game/juego.h"
#include "game/marcador.h"
#include "game/pozo.h"
#include "game/reparto.h"

namespace {

int cifra(const QString& s, int i)
{
    return i < s.size() && s[i].isDigit() ? s[i].digitValue() : 0;
}

// The match is won by whoever takes the last target of the pool.
void finDePartida(Juego& j, int s, const QString& nombre)
{
    Estado& e = j.e;
    if (e.juegoLocal) {
        // In a network game the winner is announced where "[Partidas]" arrives.
        j.Timer1.stop();
        mostrarAviso(j, nombre + QStringLiteral(", has ganado esta partida"));
        arrancarReloj(j);
    }
    marcador::sumarPartida(e, s);
    marcador::fichasACero(e);
    e.fichasRedondas = pozo::completo();
    if (marcador::esAsiento(e.miJugador))
        enviar(j, QStringLiteral("[Partidas]%1,%2").arg(e.miJugador).arg(e.partidasGanadas[e.miJugador]), true);
    if (e.juegoLocal || e.esServidor)
        repartirFichas(j);
}

}  // namespace

bool combinacionCorrecta(const QString& digitos, int objetivo)
{
    return combinacionValida(cifra(digitos, 0), cifra(digitos, 1), cifra(digitos, 2), objetivo);
}

void verificarCombinacion(Juego& j)
{
    Estado& e = j.e;
    // The seat that picked is the one scored, even if a notice below lets
    // the round clock run out and take the turn away meanwhile.
    const int s = e.turno;
    const QString nombre = marcador::esAsiento(s) ? e.datosJugadores[s].nombre : QString();
    const bool correcta = combinacionCorrecta(e.combinacion, e.fichaRE.toInt());
    e.chequeoEnEspera = false;

    j.Timer2.stop();
    if (correcta) {
        // The clock must not run out while the good news is on screen.
        j.Timer1.stop();
        mostrarAviso(j, nombre + QStringLiteral(", Te has ganado esta ficha"));
        arrancarReloj(j);
        marcador::sumarFichas(e, s, 1);
        if (e.fichasRedondas.isEmpty())
            finDePartida(j, s, nombre);
        nuevaFichaRedonda(j);
        j.maquinas.start();
    } else {
        j.sonido->beep();
        mostrarAviso(j, nombre + QStringLiteral(" La combinacion elegida no es correcta, perdera un punto"));
        marcador::sumarFichas(e, s, -1);
    }

    // The turn may have ended under the notice (the round ran out, the
    // server took it back) and even passed to another seat: only a turn that
    // is still ours is ended here, and only then do the others hear of it.
    const bool sigue = e.turno == s;
    if (sigue || e.turno == 0)
        marcador::tableroEnBlanco(e);
    if (!e.juegoLocal) {
        e.Command1.habilitado = true;
        if (marcador::esAsiento(e.miJugador)) {
            if (sigue)
                enviar(j, QStringLiteral("[TurnoOFF]%1").arg(e.miJugador));
            enviar(j, QStringLiteral("[Puntaje]%1,%2").arg(e.miJugador).arg(e.datosJugadores[e.miJugador].fichas));
        }
    }
    if (sigue) {
        marcador::resaltar(e, s, false);
        e.turno = 0;
    }
    e.combinacion.clear();
    marcador::relojACero(e);
    j.cambio();
}
