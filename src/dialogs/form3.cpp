// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/form3.h"

#include "dialogs/twips.h"
#include "game/avisos.h"
#include "game/juego.h"
#include "game/tiempos.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>

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
        cerrar(QDialog::Accepted);
    });

    timer1_ = new QTimer(this);
    timer1_->setObjectName(QStringLiteral("Timer1"));
    timer1_->setInterval(j_.ms(tiempos::kAviso));
    timer1_->setSingleShot(true);
    connect(timer1_, &QTimer::timeout, this, [this] { cerrar(QDialog::Rejected); });
}

void Form3::mostrar(const QString& texto)
{
    label1_->setText(texto);
    timer1_->start();
    if (abierto_)
        return;
    abierto_ = true;
    command1_->setFocus();
    exec();
    abierto_ = false;
}

void Form3::cerrar(int resultado)
{
    timer1_->stop();
    done(resultado);
}
