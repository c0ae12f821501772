// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/temasayuda.h"

#include "dialogs/frmayuda.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>

frmAyuda* abrirTemasDeAyuda(const QString& ruta, QWidget* ventana)
{
#ifdef Q_OS_WIN
    // Without the compiled help the viewer would only complain; our own pages
    // serve the player better then.
    const QString chm = QDir::toNativeSeparators(ruta + QStringLiteral("\\ayuda\\ayuda.chm"));
    if (QFileInfo(chm).isFile() && QProcess::startDetached(QStringLiteral("hh"), {chm}))
        return nullptr;
#endif
    auto* ayuda = ventana->findChild<frmAyuda*>(QString(), Qt::FindDirectChildrenOnly);
    if (!ayuda)
        ayuda = new frmAyuda(ruta + QStringLiteral("/ayuda"), ventana);
    ayuda->show();
    ayuda->raise();
    ayuda->activateWindow();
    return ayuda;
}
