// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/avisos.h"

#include "game/juego.h"

void mostrarAviso(Juego& j, const QString& texto)
{
    j.transicion([&](Estado&, Salida& o) { o.avisos << texto; });
}

void aceptarAviso(Juego& j)
{
    j.cerrarAviso();
}

void UpdateDialog(Juego& j, const QString& vsDialog)
{
    anotarEnPanel(j.e.txtDialog, vsDialog);
    j.cambio();
}
