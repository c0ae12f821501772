// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The notice window: one short text, modal, gone after three seconds or at
// "Aceptar". There is only ever one: a notice asked for while it is open
// (a clock tick under a notice) takes over the open window instead of
// stacking a second modal loop on top of the first.

#include "game/puertos.h"

#include "dialogs/dialogo.h"

class Juego;
class QLabel;
class QPushButton;
class QTimer;

class Form3 : public DialogoDelJuego, public Aviso {
    Q_OBJECT
public:
    explicit Form3(Juego& j, QWidget* parent = nullptr);

    // Returns when the window has closed; at once if it was already open.
    void mostrar(const QString& texto) override;
    void cerrar() override { cerrar(QDialog::Rejected); }

    bool abierto() const { return abierto_; }

protected:
    void cerrarDialogo() override { cerrar(QDialog::Rejected); }

private:
    void cerrar(int resultado);

    Juego& j_;
    QLabel* label1_ = nullptr;
    QPushButton* command1_ = nullptr;
    QTimer* timer1_ = nullptr;
    bool abierto_ = false;
};
