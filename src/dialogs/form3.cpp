// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/form3.h"

#include "dialogs/twips.h"
#include "game/avisos.h"

#include <QLabel>
#include <QPushButton>

Form3::Form3(Juego& j, QWidget* parent) : DialogoDelJuego(QStringLiteral("Form3"), parent), j_(j)
{
    setFixedSize(twips::tamano(3195, 1320));

    label1_ = new QLabel(this);
    label1_->setObjectName(QStringLiteral("Label1"));
    label1_->setAlignment(Qt::AlignCenter);
    label1_->setWordWrap(true);
    twips::poner(label1_, 90, 60, 3015, 735);

    command1_ = new QPushButton(QStringLiteral("A&ceptar"), this);
    command1_->setObjectName(QStringLiteral("Command1"));
    command1_->setDefault(true);
    twips::poner(command1_, 960, 855, 1275, 375);
    connect(command1_, &QPushButton::clicked, this, [this] {
        aceptarAviso(j_);
        done(QDialog::Accepted);
    });
}

void Form3::mostrar(const QString& texto)
{
    label1_->setText(texto);
    if (isVisible())
        return;
    command1_->setFocus();
    open();
}

void Form3::cerrar()
{
    done(QDialog::Rejected);
}
