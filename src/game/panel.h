// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The conversation pane as text: lines separated by CR LF, the newest kept.

#include <QString>

// What the conversation pane keeps: the newest lines up to this many
// characters. A long evening's chat (or a peer that floods it) must not make
// the game's memory, nor the window's redraw of the pane, grow without end.
inline constexpr int kLargoPanelChat = 64 * 1024;

// Appends one line (no blank line before the first); the oldest whole
// lines go once the pane is full.
inline void anotarEnPanel(QString& panel, const QString& linea)
{
    if (panel.isEmpty())
        panel = linea;
    else
        panel += QStringLiteral("\r\n") + linea;
    if (panel.size() > kLargoPanelChat) {
        const qsizetype corte = panel.indexOf(QStringLiteral("\r\n"), panel.size() - kLargoPanelChat);
        panel.remove(0, corte < 0 ? panel.size() - kLargoPanelChat : corte + 2);
    }
}
