// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The notice window: one short text, modal for the player, closed by the
// game when its time is up or by "Aceptar". There is only ever one: a notice
// asked for while it is open (a clock tick under a notice) takes over the
// open window instead of stacking a second one on top of the first.

#include "game/puertos.h"

#include "dialogs/dialogo.h"

class Juego;
class QLabel;
class QPushButton;

class Form3 : public DialogoDelJuego, public Aviso {
    Q_OBJECT
public:
    explicit Form3(Juego& j, QWidget* parent = nullptr);

    // Both return at once: the window is modal, but nothing waits for it.
    void mostrar(const QString& texto) override;
    void cerrar() override;

private:
    Juego& j_;
    QLabel* label1_ = nullptr;
    QPushButton* command1_ = nullptr;
};
