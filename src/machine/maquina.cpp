// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#include "machine/maquina.h"

#include "game/juego.h"
#include "machine/busqueda.h"

#include <cmath>

namespace {

bool esMaquina(const Estado& e, int s)
{
    return s >= 1 && s <= e.numJugadores && s <= kMaxJugadores && e.maquina[s] == 1;
}

// Every machine seat equally likely: draw a seat 1..6 until it is one. A
// generator stuck on one value must not hang the game, so after many misses
// the lowest machine seat plays.
int sortearMaquina(Juego& j)
{
    constexpr int kIntentos = 1000;
    for (int i = 0; i < kIntentos; ++i) {
        if (i > 0)
            j.azar->resembrar();
        const int s = static_cast<int>(std::floor(6 * j.azar->rnd())) + 1;
        if (esMaquina(j.e, s))
            return s;
    }
    for (int s = 1; s <= kMaxJugadores; ++s)
        if (esMaquina(j.e, s))
            return s;
    return 0;
}

}  // namespace

busqueda::Resultado buscarEnTablero(const Estado& e, bool adelante)
{
    std::array<int, 50> valores{};
    for (int k = 1; k <= kFichas; ++k)
        valores[k] = e.Valor[k].toInt();
    return busqueda::buscar(valores, e.fichaRE.toInt(), e.modoLineal, adelante);
}

void maquinas_Timer(Juego& j)
{
    Estado& e = j.e;
    if (e.turno != 0)
        return;

    bool hayMaquina = false;
    for (int s = 1; s <= kMaxJugadores && !hayMaquina; ++s)
        hayMaquina = esMaquina(e, s);
    if (!hayMaquina) {
        j.maquinas.stop();
        return;
    }

    j.azar->resembrar();
    const bool adelante = static_cast<int>(std::floor(2 * j.azar->rnd())) == 1;
    const auto r = buscarEnTablero(e, adelante);
    e.direccion[1] = r.direccion[1];
    e.direccion[2] = r.direccion[2];
    if (!r.encontrada)
        return;  // next tick tries again, perhaps on a new target or board

    const int s = sortearMaquina(j);
    e.jugadaMaquina = r.jugada;
    e.turno = s;
    e.Jugadores[s].opaca = true;
    e.combinacion.clear();
    e.pasoColocador = 0;
    j.colocador.start();
    j.maquinas.stop();
    // A person's turn timer may still run ("Repartir" leaves it be); its tick
    // belongs to that turn, not to this one.
    j.Timer2.stop();
    j.cambio();
}
