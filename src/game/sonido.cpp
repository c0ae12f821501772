// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/sonido.h"

#include "game/juego.h"

void reproducirSonido(Juego& j, const QString& archivo)
{
    j.sonido->reproducir(archivo);
}

void reproducirClick(Juego& j)
{
    reproducirSonido(j, j.e.ruta + QStringLiteral("/Click.wav"));
}
