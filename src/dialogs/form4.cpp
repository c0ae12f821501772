// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/form4.h"

#include "dialogs/sololinea.h"
#include "dialogs/twips.h"
#include "game/juego.h"
#include "net/cliente.h"
#include "net/partidared.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

QString indexado(const char* nombre, int i)
{
    return QStringLiteral("%1(%2)").arg(QLatin1String(nombre)).arg(i);
}

}  // namespace

Form4::Form4(Juego& j, QWidget* parent) : DialogoDelJuego(QStringLiteral("Form4"), parent), j_(j)
{
    setFixedSize(twips::tamano(7200, 2400));

    auto* label1 = new QLabel(QStringLiteral("Nombre del jugador"), this);
    label1->setObjectName(QStringLiteral("Label1"));
    twips::poner(label1, 120, 120, 2880, 285);
    txtName_ = new QLineEdit(this);
    txtName_->setObjectName(QStringLiteral("txtName"));
    txtName_->setMaxLength(10);
    txtName_->setValidator(new SoloLinea(txtName_));
    twips::poner(txtName_, 120, 420, 2880, 315);

    auto* frame1 = new QGroupBox(QStringLiteral("\u00bf Como desea jugar ?"), this);
    frame1->setObjectName(QStringLiteral("Frame1"));
    twips::poner(frame1, 120, 900, 2880, 1320);
    const QString textos[] = {QString(), QStringLiteral("Deseo conectame a otro"), QStringLiteral("Deseo ser el servidor")};
    for (int i = 1; i <= 2; ++i) {
        option1_[i] = new QRadioButton(textos[i], frame1);
        option1_[i]->setObjectName(indexado("Option1", i));
        twips::poner(option1_[i], 120, 360 + 420 * (i - 1), 2700, 330);
        connect(option1_[i], &QRadioButton::toggled, this, [this](bool elegido) {
            if (elegido)
                rolCambiado();
        });
    }

    label4_ = new QLabel(QStringLiteral("Nombre del servidor"), this);
    label4_->setObjectName(QStringLiteral("Label4"));
    twips::poner(label4_, 3240, 120, 2160, 285);
    textServer_ = new QLineEdit(this);
    textServer_->setObjectName(QStringLiteral("textServer"));
    twips::poner(textServer_, 3240, 420, 2160, 315);
    label5_ = new QLabel(QStringLiteral("Puerto"), this);
    label5_->setObjectName(QStringLiteral("Label5"));
    twips::poner(label5_, 3240, 900, 2160, 285);
    puerto_ = new QLineEdit(this);
    puerto_->setObjectName(QStringLiteral("Puerto"));
    twips::poner(puerto_, 3240, 1200, 1080, 315);
    for (QWidget* w : {static_cast<QWidget*>(label4_), static_cast<QWidget*>(textServer_),
                       static_cast<QWidget*>(label5_), static_cast<QWidget*>(puerto_)})
        w->hide();

    // Each opening offers the port peers expect.
    j_.e.puerto = 1001;
    puerto_->setText(QStringLiteral("1001"));
    connect(puerto_, &QLineEdit::textChanged, this, [this](const QString& t) { j_.e.puerto = puertoDeTexto(t); });

    const QString botones[] = {QString(), QStringLiteral("Aceptar"), QStringLiteral("Cancelar"), QStringLiteral("Local IP")};
    for (int i = 1; i <= 3; ++i) {
        command_[i] = new QPushButton(botones[i], this);
        command_[i]->setObjectName(QStringLiteral("Command%1").arg(i));
        command_[i]->setAutoDefault(i == 1);
        twips::poner(command_[i], 5700, 240 + 540 * (i - 1), 1335, 375);
    }
    // Enter in any field accepts, whichever button the Tab order puts first.
    command_[1]->setDefault(true);
    command_[3]->setToolTip(QStringLiteral("Presione este boton para saber su IP y Nombre de equipo"));
    connect(command_[1], &QPushButton::clicked, this, &Form4::aceptar);
    connect(command_[2], &QPushButton::clicked, this, [this] { done(QDialog::Rejected); });
    connect(command_[3], &QPushButton::clicked, this,
            [this] { j_.caja->mostrar(CajaMensaje::Icono::Informacion, textoIpLocal()); });
}

void Form4::rolCambiado()
{
    const bool cliente = option1_[1]->isChecked();
    label4_->setVisible(cliente);
    textServer_->setVisible(cliente);
    // The server may need another port too: Linux keeps those under 1024
    // for the administrator.
    label5_->setVisible(true);
    puerto_->setVisible(true);
}

void Form4::habilitarBotones(bool si)
{
    for (int i = 1; i <= 3; ++i)
        command_[i]->setEnabled(si);
}

void Form4::aceptar()
{
    EleccionRed el;
    el.rol = option1_[1]->isChecked() ? EleccionRed::Conectarse
             : option1_[2]->isChecked() ? EleccionRed::Servir
                                        : EleccionRed::Ninguno;
    el.nombre = txtName_->text();
    el.servidor = textServer_->text();
    el.puerto = puerto_->text();
    if (!eleccionRedValida(j_, el))
        return;
    if (el.rol == EleccionRed::Servir) {
        if (iniciarServidor(j_, el, escucha))
            done(QDialog::Accepted);
        return;
    }
    habilitarBotones(false);
    Cliente* cli = iniciarCliente(j_, el);
    connect(cli, &Cliente::terminado, this, [this, cli](bool conectado) {
        if (terminarConexion(j_, cli, conectado))
            done(QDialog::Accepted);
        else
            habilitarBotones(true);
    }, Qt::SingleShotConnection);
}
