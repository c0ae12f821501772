// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/tiempos.h"

#include <algorithm>
#include <cmath>

namespace tiempos {

namespace {
double escala_ = 1.0;
}  // namespace

void fijarEscala(double escala)
{
    if (escala > 0)
        escala_ = escala;
}

double escala()
{
    return escala_;
}

int ms(int intervalo)
{
    return std::max(1, static_cast<int>(std::lround(intervalo * escala_)));
}

}  // namespace tiempos
