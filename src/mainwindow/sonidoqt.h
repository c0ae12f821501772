// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Sound on the desktop: the game's WAV files through QSoundEffect, the beep
// included.

#include "game/estado.h"
#include "game/puertos.h"

#include <QHash>
#include <QObject>

class QSoundEffect;

class SonidoQt final : public QObject, public Sonido {
public:
    // The beep is found in the game's program folder, `ruta`, read at each
    // beep: start-up sets it after the ports are in place.
    explicit SonidoQt(const Estado& e) : e_(e) {}
    void beep() override;
    void reproducir(const QString& archivo) override;

private:
    const Estado& e_;
    // One effect per file, made on first use so that start-up does not wait
    // for the audio system; children, so they go with this object.
    QHash<QString, QSoundEffect*> efectos_;
};
