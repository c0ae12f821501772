// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The network game setup: the player's name, whether to serve or to join,
// and for a client the server and the port. A view only: the checks, the
// server and the client are the core's (net/partidared.h).

#include "dialogs/dialogo.h"
#include <QHostAddress>
#include <array>

class Juego;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

class Form4 : public DialogoDelJuego {
    Q_OBJECT
public:
    explicit Form4(Juego& j, QWidget* parent = nullptr);

    // Where a server started from here listens: every interface of this
    // computer, so the LAN can reach it.
    QHostAddress escucha = QHostAddress::Any;

private:
    void rolCambiado();
    void aceptar();
    void habilitarBotones(bool si);

    Juego& j_;
    QLineEdit* txtName_ = nullptr;
    std::array<QRadioButton*, 3> option1_{};
    QLabel* label4_ = nullptr;
    QLineEdit* textServer_ = nullptr;
    QLabel* label5_ = nullptr;
    QLineEdit* puerto_ = nullptr;
    std::array<QPushButton*, 4> command_{};
};
