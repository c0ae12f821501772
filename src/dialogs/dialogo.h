// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What the game's own dialogs (the setups and the notice) share: no title
// text, no close box, modal, and no way out but their own buttons.

#include <QCloseEvent>
#include <QDialog>

// Qt hands an empty title to the window system as the application's name,
// so a dialog meant to have no title would read "Zumbarta". One blank keeps
// the title bar empty.
inline void sinTitulo(QWidget* ventana)
{
    ventana->setWindowTitle(QStringLiteral(" "));
}

class DialogoDelJuego : public QDialog {
public:
    DialogoDelJuego(const QString& nombre, QWidget* parent) : QDialog(parent)
    {
        setObjectName(nombre);
        sinTitulo(this);
        setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
        setModal(true);
    }

    // Esc and the like do not close it.
    void reject() override {}

protected:
    // The window system's close command is refused; the program closing
    // down takes the dialog with it, without waiting for a player.
    void closeEvent(QCloseEvent* ev) override
    {
        if (ev->spontaneous()) {
            ev->ignore();
            return;
        }
        cerrarDialogo();
        ev->accept();
    }

    virtual void cerrarDialogo() { done(QDialog::Rejected); }
};
