// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Message boxes on the desktop: titled "Zumbarta", one OK button, over
// whichever window is in front, modal for it; they return at once.

#include "game/puertos.h"

class CajaQt final : public CajaMensaje {
public:
    void mostrar(Icono icono, const QString& texto) override;
};
