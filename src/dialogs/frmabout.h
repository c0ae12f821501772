// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The about box: the program's name and version, what the game is, the
// warning against commercial copying, and a way to the system information.

#include <QDialog>

class CajaMensaje;

class frmAbout : public QDialog {
    Q_OBJECT
public:
    // Messages go to caja.
    explicit frmAbout(CajaMensaje& caja, QWidget* parent = nullptr);

    void StartSysInfo();

private:
    CajaMensaje& caja_;
};
