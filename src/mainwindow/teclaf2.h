// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The F2 key for the start gate of a network game. Seen through the
// program's own windows always; on X11 also while another program has the
// focus, by reading the keyboard's state at each poll. Wayland keeps the
// keyboard to the focused window, so there only the game's window hears it.

#include "game/puertos.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

class TeclaF2Qt final : public QObject, public TeclaF2 {
public:
    explicit TeclaF2Qt(QObject* parent = nullptr);
    ~TeclaF2Qt() override;
    bool pulsada() override;

protected:
    bool eventFilter(QObject* o, QEvent* ev) override;

private:
    void muestrear();

    // The gate polls every 125 ms, but a quick tap is shorter than that:
    // while the gate polls, the keyboard is read more often and a press is
    // kept until the gate asks.
    QTimer muestreo_;
    QElapsedTimer ultimaConsulta_;
    bool vista_ = false;       // a key press reached one of our windows
    bool bajada_ = false;      // pressed since the last poll, seen on X11
    bool abajoAntes_ = false;  // down at the previous reading
};
