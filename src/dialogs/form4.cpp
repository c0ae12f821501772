// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/form4.h"

#include "dialogs/preferencias.h"
#include "dialogs/sololinea.h"
#include "dialogs/twips.h"
#include "game/juego.h"
#include "game/tiempos.h"
#include "net/partidared.h"
#include "net/redpartida.h"
#include "transporte/buscador.h"
#include "transporte/claves.h"
#include "transporte/cliente.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTreeWidget>

namespace {

QString indexado(const char* nombre, int i)
{
    return QStringLiteral("%1(%2)").arg(QLatin1String(nombre)).arg(i);
}

// The dialog as it always was, and grown to hold the list of games.
constexpr int kAncho = 7200;
constexpr int kAlto = 2400;
constexpr int kAltoConLista = 4560;

constexpr int kRolId = Qt::UserRole;
constexpr int kRolPuerto = Qt::UserRole + 1;
constexpr int kRolNombre = Qt::UserRole + 2;

QString textoEstado(anuncio::Estado e)
{
    switch (e) {
    case anuncio::Estado::Esperando:
        return QStringLiteral("Esperando jugadores");
    case anuncio::Estado::Ausentes:
        return QStringLiteral("En juego, falta alguien");
    case anuncio::Estado::Llena:
        break;
    }
    return QStringLiteral("Completa");
}

}  // namespace

Form4::Form4(Juego& j, QWidget* parent) : DialogoDelJuego(QStringLiteral("Form4"), parent), j_(j)
{
    setFixedSize(twips::tamano(kAncho, kAlto));

    auto* label1 = new QLabel(QStringLiteral("Nombre del jugador"), this);
    label1->setObjectName(QStringLiteral("Label1"));
    twips::poner(label1, 120, 120, 2880, 285);
    txtName_ = new QLineEdit(this);
    txtName_->setObjectName(QStringLiteral("txtName"));
    txtName_->setMaxLength(preferencias::kLargoNombreRed);
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

    chkAnunciar_ = new QCheckBox(QStringLiteral("Anunciar en la red"), this);
    chkAnunciar_->setObjectName(QStringLiteral("chkAnunciar"));
    twips::poner(chkAnunciar_, 3240, 1680, 2400, 315);

    label6_ = new QLabel(QStringLiteral("Partidas en la red"), this);
    label6_->setObjectName(QStringLiteral("Label6"));
    twips::poner(label6_, 120, 2400, 2880, 285);
    lstPartidas_ = new QTreeWidget(this);
    lstPartidas_->setObjectName(QStringLiteral("lstPartidas"));
    lstPartidas_->setHeaderLabels({QStringLiteral("Nombre"), QStringLiteral("Equipo"), QStringLiteral("Jugadores"), QStringLiteral("Estado")});
    lstPartidas_->setRootIsDecorated(false);
    lstPartidas_->setUniformRowHeights(true);
    twips::poner(lstPartidas_, 120, 2700, 6915, 1680);
    const int anchos[] = {1500, 1800, 1050};
    for (int c = 0; c < 3; ++c)
        lstPartidas_->setColumnWidth(c, twips::px(anchos[c]));
    // A pick fills the boxes; a double click joins at once. Enter on the
    // list reaches "Aceptar" by itself, as in the boxes.
    connect(lstPartidas_, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* it) { elegir(it); });
    connect(lstPartidas_, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* it) {
        if (elegir(it))
            aceptar();
    });

    for (QWidget* w : {static_cast<QWidget*>(label4_), static_cast<QWidget*>(textServer_), static_cast<QWidget*>(label5_),
                       static_cast<QWidget*>(puerto_), static_cast<QWidget*>(chkAnunciar_), static_cast<QWidget*>(label6_),
                       static_cast<QWidget*>(lstPartidas_)})
        w->hide();

    // Each opening offers what the player accepted last, or the defaults:
    // the port peers expect where this user may serve on it, and the
    // announcement on.
    const preferencias::Red antes = preferencias::leerRed();
    txtName_->setText(antes.nombre);
    textServer_->setText(antes.servidor);
    puerto_->setText(antes.puerto.isEmpty() ? QString::number(puertoPorDefecto()) : antes.puerto);
    chkAnunciar_->setChecked(antes.anunciar.value_or(true));

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

void Form4::showEvent(QShowEvent* ev)
{
    DialogoDelJuego::showEvent(ev);
    // The list fills from the moment the dialog opens, whatever role is
    // chosen later.
    if (buscador_)
        return;
    buscador_ = new Buscador(j_.ms(tiempos::kAnuncio), this);
    connect(buscador_, &Buscador::cambiaron, this, &Form4::mostrarPartidas);
    buscador_->buscar(j_.entorno.escucha.isLoopback());
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
    chkAnunciar_->setVisible(!cliente);
    label6_->setVisible(cliente);
    lstPartidas_->setVisible(cliente);
    setFixedSize(twips::tamano(kAncho, cliente ? kAltoConLista : kAlto));
}

void Form4::mostrarPartidas()
{
    // Rebuilt from the browser's list; what the player picked stays picked,
    // and what was typed by hand is not overwritten.
    const QSignalBlocker bloqueo(lstPartidas_);
    const QTreeWidgetItem* actual = lstPartidas_->currentItem();
    const quint64 elegida = actual ? actual->data(0, kRolId).toULongLong() : 0;
    lstPartidas_->clear();
    for (const Buscador::Entrada& e : buscador_->partidas()) {
        const anuncio::Partida& p = e.partida;
        const QString como = claves::nombrePara(j_.entorno.archivoClaves, e.equipo, p.puerto);
        const bool vuelve = !como.isEmpty();
        auto* it = new QTreeWidgetItem(lstPartidas_, {p.nombre, e.equipo.toString(),
                                                      QStringLiteral("%1 de %2").arg(p.ocupados).arg(p.ocupados + p.libres),
                                                      vuelve ? QStringLiteral("Puede volver a su lugar") : textoEstado(p.estado)});
        it->setData(0, kRolId, QVariant::fromValue(p.id));
        it->setData(0, kRolPuerto, p.puerto);
        it->setData(0, kRolNombre, como);
        if (vuelve) {
            QFont f = it->font(0);
            f.setBold(true);
            for (int c = 0; c < 4; ++c)
                it->setFont(c, f);
        }
        // Once a game is under way only its own players get back in.
        it->setDisabled(!vuelve && p.estado != anuncio::Estado::Esperando);
        if (p.id == elegida)
            lstPartidas_->setCurrentItem(it);
    }
}

bool Form4::elegir(QTreeWidgetItem* it)
{
    if (!it || it->isDisabled())
        return false;
    textServer_->setText(it->text(1));
    puerto_->setText(QString::number(it->data(0, kRolPuerto).toInt()));
    // A seat is taken back under the name it was held by.
    const QString como = it->data(0, kRolNombre).toString();
    if (!como.isEmpty())
        txtName_->setText(como);
    return true;
}

void Form4::habilitarBotones(bool si)
{
    for (int i = 1; i <= 3; ++i)
        command_[i]->setEnabled(si);
    lstPartidas_->setEnabled(si);
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
    el.anunciar = chkAnunciar_->isChecked();
    if (!eleccionRedValida(j_, el))
        return;
    if (el.rol == EleccionRed::Servir) {
        if (iniciarServidor(j_, el))
            cerrarAceptado();
        return;
    }
    habilitarBotones(false);
    RedPartida* red = iniciarCliente(j_, el);
    connect(red->cliente(), &Cliente::terminado, this, [this, red](bool conectado) {
        if (terminarConexion(j_, red, conectado))
            cerrarAceptado();
        else
            habilitarBotones(true);
    }, Qt::SingleShotConnection);
}

void Form4::cerrarAceptado()
{
    // Only a game that got going is worth offering again.
    preferencias::guardarRed({txtName_->text(), textServer_->text(), puerto_->text(), chkAnunciar_->isChecked()});
    done(QDialog::Accepted);
}
