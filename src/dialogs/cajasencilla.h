#pragma once
// A plain modal message box titled "Zumbarta" with one "Aceptar" button,
// shown over whichever window is active.

#include "game/puertos.h"

class CajaSencilla final : public CajaMensaje {
public:
    void mostrar(Icono icono, const QString& texto) override;
};
