// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The machine player's search of the board: a pure function of the board's
// values, the target, the game mode and the scan direction.

#include <array>
#include <cstdint>

struct Estado;

namespace busqueda {

struct Resultado {
    bool encontrada = false;
    // The three tiles in pick order (entries 1..3), as the placer greys them.
    std::array<int, 4> jugada{};
    // Direction codes of the last path tried (entries 1 and 2). The board
    // clicks share them, so they are handed back to the game state.
    std::array<std::int16_t, 3> direccion{};
};

// valores[k] is the digit on tile k (1..49). Scans the first tile forward
// (1..49) or backward (49..1); from each, steps dr, dc, dr2, dc2 in -1..1 in
// that order; the first valid path of three different tiles wins. In Lineal
// mode both steps must lie on one line.
Resultado buscar(const std::array<int, 50>& valores, int objetivo, bool modoLineal, bool adelante);

}  // namespace busqueda

// The search on the board as it stands, for the current target and mode.
busqueda::Resultado buscarEnTablero(const Estado& e, bool adelante);
