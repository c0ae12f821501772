// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The about box: the program's name and version, what the game is, the
// warning against commercial copying, and a way to the system information.

#include "dialogs/infosistema.h"

#include <QDialog>

class CajaMensaje;

class frmAbout : public QDialog {
    Q_OBJECT
public:
    // Messages go to caja; the system information is sought in sistema.
    explicit frmAbout(CajaMensaje& caja, QWidget* parent = nullptr,
                      infosistema::Sistema sistema = infosistema::sistemaReal());

    void StartSysInfo();

private:
    CajaMensaje& caja_;
    infosistema::Sistema sistema_;
};
