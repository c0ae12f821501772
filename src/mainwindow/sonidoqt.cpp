// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#include "mainwindow/sonidoqt.h"

#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>

void SonidoQt::beep()
{
    // The system bell is muted on most desktops and absent on Wayland: the
    // game brings its own.
    reproducir(e_.ruta + QStringLiteral("/Beep.wav"));
}

void SonidoQt::reproducir(const QString& archivo)
{
    // Nothing to play is not worth a word: the game goes on in silence.
    if (!QFileInfo(archivo).isFile())
        return;
    QSoundEffect*& efecto = efectos_[archivo];
    if (!efecto) {
        efecto = new QSoundEffect(this);
        efecto->setSource(QUrl::fromLocalFile(archivo));
    }
    // A sound still loading starts as soon as it has loaded; one that failed
    // to load (no audio device, unreadable file) stays silent.
    efecto->play();
}
