// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/envio.h"

void enviar(Juego& j, const QString& vsData, bool vbSelf)
{
    if (j.e.juegoLocal || !j.enlace)
        return;
    if (j.e.esServidor)
        j.enlace->enviaratodos(vsData, vbSelf);
    else
        j.enlace->enviaraservidor(vsData);
}
