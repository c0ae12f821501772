// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>

// Shows a dialog of the main window modal over that window only (the help
// window stays usable), without waiting for it: it reports through its own
// buttons and is deleted once closed.
inline QDialog* abrirEncima(QDialog* d)
{
    d->setAttribute(Qt::WA_DeleteOnClose);
    d->open();
    return d;
}
