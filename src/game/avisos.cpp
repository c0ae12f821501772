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
