// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#include "net/chat.h"

#include "game/envio.h"
#include "game/juego.h"
#include "game/marcador.h"
#include "game/mensajes.h"

void cmdSend_Click(Juego& j, const QString& texto)
{
    const Estado& e = j.e;
    // Until the server has told a client its seat, the name it joined with
    // stands for it.
    const QString nombre = marcador::esAsiento(e.miJugador) && !e.datosJugadores[e.miJugador].nombre.isEmpty()
                               ? e.datosJugadores[e.miJugador].nombre
                               : e.miNombre;
    const QString linea = nombre + QStringLiteral(": ") + texto.left(kLargoLineaChat);
    enviar(j, mensajes::chat(linea));
    UpdateDialog(j, linea);
}
