// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The local game setup: how many play, their names, which seats the
// computer plays and how fast. A view only: the checks and the start of the
// game are the core's (flow/partidalocal.h). What the player accepted is
// offered again at the next opening (dialogs/preferencias.h).

#include "dialogs/dialogo.h"
#include <array>

class Juego;
class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

class Form2 : public DialogoDelJuego {
    Q_OBJECT
public:
    explicit Form2(Juego& j, QWidget* parent = nullptr);

    // The player count chosen last, 0 (two players) .. 4 (six players). It
    // outlives the dialog: the next opening starts from it.
    static inline int opcionJugadores = 0;

    // Sizes in twips for the chosen count k = 0..4.
    static constexpr int altoDialogo(int k) { return 3545 + 500 * k; }
    static constexpr int altoMarco(int k) { return 1355 + 480 * k; }
    static constexpr int arribaBotones(int k) { return 2680 + 500 * k; }
    static constexpr int kAnchoEstrecho = 4305;
    static constexpr int kAnchoAncho = 7425;

protected:
    bool eventFilter(QObject* o, QEvent* ev) override;

private:
    void construir();
    void recordar();
    void elegirCantidad(int k);
    void alMarcar(int i, bool marcado);
    void ensanchar();
    void aceptar();
    void cancelar();

    Juego& j_;
    int ancho_ = kAnchoEstrecho;
    QComboBox* combo1_ = nullptr;
    QPushButton* command3_ = nullptr;
    QFrame* frame1_ = nullptr;
    std::array<QLabel*, 7> label2_{};
    std::array<QLineEdit*, 7> text1_{};
    std::array<QCheckBox*, 7> check1_{};
    QGroupBox* frame2_ = nullptr;
    std::array<QRadioButton*, 5> nivel_{};
    QPushButton* command1_ = nullptr;
    QPushButton* command2_ = nullptr;
};
