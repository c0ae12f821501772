// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/frmabout.h"

#include "dialogs/icono.h"
#include "dialogs/infosistema.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QLabel* texto(const char* nombre, const QString& contenido)
{
    auto* l = new QLabel(contenido);
    l->setObjectName(QLatin1String(nombre));
    l->setWordWrap(true);
    return l;
}

// One half of the etched line: a dark stroke with a light one just below it.
QFrame* trazo(const char* nombre, QPalette::ColorRole color)
{
    auto* f = new QFrame;
    f->setObjectName(QLatin1String(nombre));
    f->setFixedHeight(1);
    f->setAutoFillBackground(true);
    f->setBackgroundRole(color);
    return f;
}

}  // namespace

frmAbout::frmAbout(CajaMensaje& caja, QWidget* parent) : QDialog(parent), caja_(caja)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("Acerca de Zumbarta"));

    auto* picIcon = new QLabel;
    picIcon->setObjectName(QStringLiteral("picIcon"));
    picIcon->setPixmap(iconoZumbarta().pixmap(QSize(64, 64), devicePixelRatioF()));
    picIcon->setAlignment(Qt::AlignTop | Qt::AlignHCenter);

    auto* titulo = new QLabel(QStringLiteral("Zumbarta"));
    titulo->setObjectName(QStringLiteral("Zumbarta"));
    QFont grande(QStringLiteral("Century Gothic"));
    grande.setPointSizeF(20);
    grande.setBold(true);
    titulo->setFont(grande);

    auto* lblVersion = texto("lblVersion", QStringLiteral("Versión 2 c"));
    auto* lblDescription = texto(
        "lblDescription",
        QStringLiteral("Juego de cálculo mental para dos a seis jugadores, en una misma "
                       "computadora o en red. Elija tres fichas vecinas del tablero: el producto "
                       "de las dos primeras, más o menos la tercera, debe dar el número de la "
                       "ficha redonda. ¡Gana quien lo vea primero!"));
    auto* lblDisclaimer = texto(
        "lblDisclaimer",
        QStringLiteral("Copyright © 2026 Los desarrolladores de Zumbarta. Zumbarta es software "
                       "libre: puede redistribuirlo y modificarlo según los términos de la Licencia "
                       "Pública General de GNU, versión 3 o (a su elección) cualquier versión "
                       "posterior. Se distribuye SIN NINGUNA GARANTÍA."));
    QFont chica = lblDisclaimer->font();
    chica.setPointSizeF(chica.pointSizeF() * 0.9);
    lblDisclaimer->setFont(chica);

    auto* cmdOK = new QPushButton(QStringLiteral("Aceptar"));
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    auto* cmdSysInfo = new QPushButton(QStringLiteral("&Info del sistema..."));
    cmdSysInfo->setObjectName(QStringLiteral("cmdSysInfo"));
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(cmdSysInfo, &QPushButton::clicked, this, &frmAbout::StartSysInfo);

    auto* linea = new QVBoxLayout;
    linea->setSpacing(0);
    linea->addWidget(trazo("Line1(0)", QPalette::Dark));
    linea->addWidget(trazo("Line1(1)", QPalette::Light));

    // Both buttons as wide as the wider caption needs, and no wider.
    const int ancho = qMax(cmdOK->sizeHint().width(), cmdSysInfo->sizeHint().width()) + 16;
    cmdOK->setFixedWidth(ancho);
    cmdSysInfo->setFixedWidth(ancho);
    auto* botones = new QVBoxLayout;
    botones->addWidget(cmdOK);
    botones->addWidget(cmdSysInfo);
    botones->addStretch();

    auto* rejilla = new QGridLayout(this);
    rejilla->setContentsMargins(16, 16, 16, 16);
    rejilla->setHorizontalSpacing(16);
    rejilla->addWidget(picIcon, 0, 0, 3, 1);
    rejilla->addWidget(titulo, 0, 1, 1, 2);
    rejilla->addWidget(lblVersion, 1, 1, 1, 2);
    rejilla->addWidget(lblDescription, 2, 1, 1, 2);
    rejilla->setRowMinimumHeight(3, 12);
    rejilla->addLayout(linea, 4, 0, 1, 3);
    rejilla->addWidget(lblDisclaimer, 5, 0, 1, 2);
    rejilla->addLayout(botones, 5, 2);
    rejilla->setColumnMinimumWidth(1, 340);
    rejilla->setSizeConstraint(QLayout::SetFixedSize);
}

void frmAbout::StartSysInfo()
{
    ::StartSysInfo(caja_);
}
