// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/tablero.h"

namespace tablero {

QString tag(int k)
{
    return QString::number(fila(k)) + QString::number(columna(k));
}

}  // namespace tablero
