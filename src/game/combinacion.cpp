// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/combinacion.h"

#include "game/juego.h"

namespace {

int cifra(const QString& s, int i)
{
    return i < s.size() && s[i].isDigit() ? s[i].digitValue() : 0;
}

}  // namespace

bool combinacionCorrecta(const QString& digitos, int objetivo)
{
    return combinacionValida(cifra(digitos, 0), cifra(digitos, 1), cifra(digitos, 2), objetivo);
}

void verificarCombinacion(Juego& j)
{
    j.transicion([&](Estado& e, Salida& o) { mesa::verificar(e, o, *j.azar); });
}
