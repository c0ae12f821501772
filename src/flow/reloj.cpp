// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#include "flow/reloj.h"

#include "flow/solucion.h"
#include "game/avisos.h"
#include "game/envio.h"
#include "game/juego.h"
#include "game/marcador.h"
#include "game/pozo.h"
#include "game/reparto.h"
#include "game/turno.h"

#include <QScopedValueRollback>
#include <algorithm>

namespace {

bool esServidorEnRed(const Estado& e)
{
    return !e.juegoLocal && e.esServidor;
}

void finDePartidaPorTiempo(Juego& j)
{
    Estado& e = j.e;
    const int g = ganadorPorFichas(e);
    e.ganador = g;
    mostrarAviso(j, QStringLiteral("El ganador de esta partida es ") + e.datosJugadores[g].nombre);
    marcador::sumarPartida(e, g);
    marcador::fichasACero(e);
    e.fichasRedondas = pozo::completo();
    if (esServidorEnRed(e))
        enviar(j, QStringLiteral("[Partidas]%1,%2").arg(g).arg(e.partidasGanadas[g]));
    repartirFichas(j);
}

void finDeTiempo(Juego& j)
{
    Estado& e = j.e;
    if (esServidorEnRed(e))
        enviar(j, QStringLiteral("[Message]Finalizo el tiempo y nadie gano la ficha ") + e.fichaRE, true);
    mostrarSolucion(j);
    j.sonido->beep();
    mostrarAviso(j, QStringLiteral("Ha finalizado el tiempo"));
    // The pick belongs to the target that ran out, not to the next one.
    marcador::quitarSolucion(e);
    if (e.fichasRedondas.isEmpty())
        finDePartidaPorTiempo(j);
    nuevaFichaRedonda(j);

    // Whoever was picking loses the turn and the picks, but no tile. The
    // server tells everybody, so no client goes on with a turn it lost.
    if (esServidorEnRed(e)) {
        terminarTurnoDesdeServidor(j, e.turno);
    } else {
        marcador::resaltar(e, e.turno, false);
        e.turno = 0;
    }
    marcador::soltarSeleccion(e);
    marcador::tableroEnBlanco(e);
    marcador::relojACero(e);
    j.cambio();
}

}  // namespace

QString textoReloj(int minutos, int segundos)
{
    return QStringLiteral("%1 : %2").arg(minutos).arg(segundos, 2, 10, QLatin1Char('0'));
}

int ganadorPorFichas(const Estado& e)
{
    int mejor = 1;
    for (int s = 2; s <= std::min(e.numJugadores, kMaxJugadores); ++s) {
        if (e.datosJugadores[s].fichas > e.datosJugadores[mejor].fichas)
            mejor = s;
    }
    return mejor;
}

void Timer1_Timer(Juego& j)
{
    // A notice of this very tick is open: the clock waits until it closes.
    if (j.relojEnTic)
        return;
    QScopedValueRollback<bool> enTic(j.relojEnTic, true);

    Estado& e = j.e;
    if (e.segundos == 0) {
        ++e.minutosPasados;
        e.minutos = 3 - e.minutosPasados;
        e.segundos = 60;
    }
    --e.segundos;
    e.relog.texto = textoReloj(e.minutos, e.segundos);
    j.cambio();

    if (e.minutos == 0 && e.segundos == 0)
        finDeTiempo(j);
    if (esServidorEnRed(e))
        enviar(j, QStringLiteral("[Relog]") + e.relog.texto);
}
