// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Board geometry: tile k (1..49) sits at row (k-1)/7+1, column (k-1)%7+1,
// row 1 at the top. Pure functions of plain values.

#include <QString>
#include <cstdint>

namespace tablero {

constexpr int fila(int k) { return (k - 1) / 7 + 1; }
constexpr int columna(int k) { return (k - 1) % 7 + 1; }
constexpr int indice(int fila, int columna) { return 7 * (fila - 1) + columna; }
constexpr bool dentro(int fila, int columna) { return fila >= 1 && fila <= 7 && columna >= 1 && columna <= 7; }

// The shape's tag: row digit then column digit, "11" for tile 1, "77" for tile 49.
QString tag(int k);

// Direction code of a step of dr rows and dc columns: dc/dr rounded when dr
// is not 0, else -10. A step and its reverse share the code, and two steps
// lie on one line exactly when their codes are equal.
constexpr std::int16_t codigoDireccion(int dr, int dc)
{
    if (dr == 0)
        return -10;
    const int q = dc / dr;  // |dc|,|dr| <= 1 here, so the quotient is already whole
    return static_cast<std::int16_t>(q);
}

}  // namespace tablero
