#include "mainwindow/sonidoqt.h"

#include <QApplication>
#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>

SonidoQt::~SonidoQt()
{
    qDeleteAll(efectos_);
}

void SonidoQt::beep()
{
    QApplication::beep();
}

void SonidoQt::reproducir(const QString& archivo)
{
    // Nothing to play is not worth a word: the game goes on in silence.
    if (!QFileInfo(archivo).isFile())
        return;
    QSoundEffect*& efecto = efectos_[archivo];
    if (!efecto) {
        efecto = new QSoundEffect;
        efecto->setSource(QUrl::fromLocalFile(archivo));
    }
    // A sound still loading starts as soon as it has loaded; one that failed
    // to load (no audio device, unreadable file) stays silent.
    efecto->play();
}
