// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/arranque.h"

#include "game/juego.h"

#include <QDir>
#include <QFileInfo>

void Form_Load(Juego& j, const QString& carpetaPrograma)
{
    QString ruta = carpetaPrograma;
    while (ruta.size() > 1 && (ruta.endsWith(QLatin1Char('/')) || ruta.endsWith(QLatin1Char('\\'))))
        ruta.chop(1);
    j.e.ruta = ruta;
    j.e.juegoLocal = true;
    j.e.modoLineal = false;
    j.cambio();
}

namespace {

bool tieneDatos(const QString& carpeta)
{
    return QFileInfo::exists(carpeta + QStringLiteral("/Click.wav")) ||
           QFileInfo(carpeta + QStringLiteral("/ayuda")).isDir();
}

}  // namespace

QString carpetaDeDatos(const QString& carpetaPrograma)
{
    if (tieneDatos(carpetaPrograma))
        return carpetaPrograma;
    // ZUMBARTA_DATOS is the data folder relative to the installed bin/, set
    // by the build from the install layout; relative, so a package installed
    // under any prefix (or unpacked into a DESTDIR) still finds its files.
    const QString instalada =
        QDir::cleanPath(carpetaPrograma + QLatin1Char('/') + QStringLiteral(ZUMBARTA_DATOS));
    return tieneDatos(instalada) ? instalada : carpetaPrograma;
}
