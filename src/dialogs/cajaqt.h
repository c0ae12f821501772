// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Message boxes on the desktop: titled "Zumbarta", one OK button, over
// whichever window is in front, modal for it; they return at once.

#include "game/puertos.h"

class QWidget;

class CajaQt final : public CajaMensaje {
public:
    // The game's window: a box that comes while no window of ours is in
    // front (news from the network) opens over it, not in the middle of
    // the screen.
    void sobre(QWidget* ventana) { ventana_ = ventana; }
    void mostrar(Icono icono, const QString& texto) override;

private:
    QWidget* ventana_ = nullptr;
};
