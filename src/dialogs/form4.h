// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The network game setup: the player's name, whether to serve or to join,
// and for a client the server and the port, typed or picked from the games
// heard on the LAN. A view only: the checks, the server, the client and the
// LAN announcement are the core's (net/partidared.h,
// transporte/buscador.h). A server started from here listens where the
// environment says (every interface of this computer, so the LAN can reach
// it); on loopback, the list of games looks on loopback only too. A game
// the player may take a seat back in is marked in the list, and picking it
// fills the player's name too. What the player accepted is offered again at
// the next opening (dialogs/preferencias.h).

#include "dialogs/dialogo.h"
#include <array>

class Buscador;
class Juego;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTreeWidget;
class QTreeWidgetItem;

class Form4 : public DialogoDelJuego {
    Q_OBJECT
public:
    explicit Form4(Juego& j, QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* ev) override;

private:
    void rolCambiado();
    void aceptar();
    void cerrarAceptado();
    void habilitarBotones(bool si);
    void mostrarPartidas();
    bool elegir(QTreeWidgetItem* it);

    Juego& j_;
    QLineEdit* txtName_ = nullptr;
    std::array<QRadioButton*, 3> option1_{};
    QLabel* label4_ = nullptr;
    QLineEdit* textServer_ = nullptr;
    QLabel* label5_ = nullptr;
    QLineEdit* puerto_ = nullptr;
    QCheckBox* chkAnunciar_ = nullptr;
    QLabel* label6_ = nullptr;
    QTreeWidget* lstPartidas_ = nullptr;
    std::array<QPushButton*, 4> command_{};
    Buscador* buscador_ = nullptr;
};
