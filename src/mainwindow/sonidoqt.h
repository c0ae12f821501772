#pragma once
// Sound on the desktop: the system beep, and WAV files through QSoundEffect.

#include "game/puertos.h"

#include <QHash>

class QSoundEffect;

class SonidoQt final : public Sonido {
public:
    ~SonidoQt() override;
    void beep() override;
    void reproducir(const QString& archivo) override;

private:
    // One effect per file, made on first use so that start-up does not wait
    // for the audio system.
    QHash<QString, QSoundEffect*> efectos_;
};
