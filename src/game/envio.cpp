// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/envio.h"

void enviar(Juego& j, const QString& vsData, bool vbSelf, int salvo)
{
    if (j.e.juegoLocal || !j.enlace)
        return;
    if (j.e.esServidor && salvo != 0)
        j.enlace->enviarSalvo(vsData, salvo);
    else if (j.e.esServidor)
        j.enlace->enviaratodos(vsData, vbSelf);
    else
        j.enlace->enviaraservidor(vsData);
}
