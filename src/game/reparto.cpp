// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/reparto.h"

#include "game/envio.h"
#include "game/juego.h"
#include "game/marcador.h"
#include "game/pozo.h"
#include "game/turno.h"

#include <array>
#include <cmath>
#include <cstdint>

namespace {

// Border colours, chosen by a draw of 1..5.
constexpr std::array<std::uint32_t, 6> kBordes{0, 0xC0, 0xFF0000, 0xC000, 0x80FF, 0xC0C0};

int sorteo(Juego& j, int n)
{
    return static_cast<int>(std::floor(j.azar->rnd() * n)) + 1;
}

}  // namespace

std::uint32_t bordeAlAzar(Juego& j)
{
    j.azar->resembrar();
    return kBordes[sorteo(j, 5)];
}

void repartirFichas(Juego& j)
{
    std::array<std::int16_t, 10> cuenta{};
    for (int k = 1; k <= kFichas; ++k) {
        j.e.fichaCU[k].borde = bordeAlAzar(j);

        // A draw is counted even when refused, so a full value stays refused
        // for the rest of the deal; the limits add up to exactly 49.
        int v;
        do {
            v = sorteo(j, 9);
            ++cuenta[v];
        } while ((v < 5 && cuenta[v] > 6) || (v > 4 && cuenta[v] > 5));

        j.e.Valor[k] = QString::number(v);
        enviar(j, QStringLiteral("[fichaValor]%1,%2").arg(k).arg(v));
    }
    j.cambio();
}

void nuevaFichaRedonda(Juego& j)
{
    if (j.e.juegoLocal || j.e.esServidor) {
        j.azar->resembrar();
        const QString nn = pozo::elegir(j.e.fichasRedondas, j.azar->rnd());
        j.e.fichaRE = QString::number(nn.toInt());
        j.e.fichasRedondas = pozo::quitar(j.e.fichasRedondas, nn);
        enviar(j, QStringLiteral("[ficharedonda]") + j.e.fichaRE + QLatin1Char(',') + j.e.fichasRedondas);
    } else {
        enviar(j, QStringLiteral("[ficharedonda]"));
    }
    j.cambio();
}

void mn_repar_Click(Juego& j)
{
    Estado& e = j.e;
    const bool enRed = !e.juegoLocal && e.esServidor;
    // On a network table the turn is given back before anything else, so no
    // station goes on picking on the old board, and every station hears of
    // the counts going back to zero.
    if (enRed)
        terminarTurnoDesdeServidor(j, e.turno);
    marcador::fichasACero(e);
    if (enRed) {
        for (int s = 1; s <= e.numJugadores; ++s)
            enviar(j, QStringLiteral("[Puntaje]%1,0").arg(s));
    }
    marcador::relojACero(e);
    // A pick shown for the old board would point at the wrong digits.
    marcador::quitarSolucion(e);
    e.fichasRedondas = pozo::completo();
    nuevaFichaRedonda(j);
    e.ganador = 0;
    marcador::resaltar(e, e.turno, false);
    e.turno = 0;
    arrancarReloj(j);
    j.maquinas.start();
    repartirFichas(j);
}
