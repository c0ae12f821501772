// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#include "net/chat.h"

#include "game/envio.h"
#include "game/juego.h"
#include "game/marcador.h"

void UpdateDialog(Juego& j, const QString& vsDialog)
{
    QString& panel = j.e.txtDialog;
    if (panel.isEmpty())
        panel = vsDialog;
    else
        panel += QStringLiteral("\r\n") + vsDialog;
    if (panel.size() > kLargoPanelChat) {
        const qsizetype corte = panel.indexOf(QStringLiteral("\r\n"), panel.size() - kLargoPanelChat);
        panel.remove(0, corte < 0 ? panel.size() - kLargoPanelChat : corte + 2);
    }
    j.cambio();
}

void cmdSend_Click(Juego& j, const QString& texto)
{
    const Estado& e = j.e;
    // Until the server has told a client its seat, the name it joined with
    // stands for it.
    const QString nombre = marcador::esAsiento(e.miJugador) && !e.datosJugadores[e.miJugador].nombre.isEmpty()
                               ? e.datosJugadores[e.miJugador].nombre
                               : e.miNombre;
    const QString linea = nombre + QStringLiteral(": ") + texto.left(kLargoLineaChat);
    enviar(j, QStringLiteral("[Message]") + linea);
    UpdateDialog(j, linea);
}
