// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/avisos.h"

#include "game/juego.h"

void mostrarAviso(Juego& j, const QString& texto)
{
    j.e.mensaje = texto;
    j.cambio();
    j.aviso->mostrar(j.e.mensaje);
}

void aceptarAviso(Juego& j)
{
    arrancarReloj(j);
}
