// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#include "machine/maquina.h"

#include "game/busqueda.h"
#include "game/juego.h"

#include <cmath>

namespace {

bool esMaquina(const Estado& e, int s)
{
    return s >= 1 && s <= e.numJugadores && s <= kMaxJugadores && e.maquina[s] == 1;
}

// Every machine seat equally likely: draw a seat 1..6 until it is one. A
// generator stuck on one value must not hang the game, so after many misses
// the lowest machine seat plays.
int sortearMaquina(const Estado& e, Azar& azar)
{
    constexpr int kIntentos = 1000;
    for (int i = 0; i < kIntentos; ++i) {
        if (i > 0)
            azar.resembrar();
        const int s = static_cast<int>(std::floor(6 * azar.rnd())) + 1;
        if (esMaquina(e, s))
            return s;
    }
    for (int s = 1; s <= kMaxJugadores; ++s)
        if (esMaquina(e, s))
            return s;
    return 0;
}

}  // namespace

void maquinas_Timer(Juego& j)
{
    if (!mesa::buscanMaquinas(j.e)) {
        j.sincronizar();
        return;
    }
    j.azar->resembrar();
    const bool adelante = static_cast<int>(std::floor(2 * j.azar->rnd())) == 1;
    const auto r = buscarEnTablero(j.e, adelante);
    j.e.direccion[1] = r.direccion[1];
    j.e.direccion[2] = r.direccion[2];
    if (!r.encontrada)
        return;  // next tick tries again, perhaps on a new target or board
    const int s = sortearMaquina(j.e, *j.azar);
    j.transicion([&](Estado& e, Salida& o) { mesa::reclamarMaquina(e, o, s, r.jugada); });
}
