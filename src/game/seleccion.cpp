// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/seleccion.h"

#include "game/juego.h"

#include <cstdlib>

bool esContigua(const QString& anterior, int fila, int columna)
{
    if (anterior.size() != 2 || !anterior[0].isDigit() || !anterior[1].isDigit())
        return false;
    return std::abs(anterior[0].digitValue() - fila) <= 1 && std::abs(anterior[1].digitValue() - columna) <= 1;
}

void Valor_Click(Juego& j, int k)
{
    j.transicion([&](Estado& e, Salida& o) { mesa::pulsarFicha(e, o, *j.azar, k); });
}
