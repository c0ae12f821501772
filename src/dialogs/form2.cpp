// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/form2.h"

#include "dialogs/preferencias.h"
#include "dialogs/twips.h"
#include "flow/partidalocal.h"
#include "game/juego.h"
#include "game/marcador.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

#include <algorithm>

namespace {

QString indexado(const char* nombre, int i)
{
    return QStringLiteral("%1(%2)").arg(QLatin1String(nombre)).arg(i);
}

// Where the rows of the name frame and the buttons stand, in twips.
constexpr int kMarcoIzq = 120, kMarcoArriba = 900, kMarcoAncho = 3975;
constexpr int kFilaPaso = 480;

}  // namespace

Form2::Form2(Juego& j, QWidget* parent) : DialogoDelJuego(QStringLiteral("Form2"), parent), j_(j)
{
    construir();
    setFixedSize(twips::tamano(ancho_, altoDialogo(0)));
    twips::poner(command1_, 480, arribaBotones(0), 1335, 375);
    twips::poner(command2_, 2280, arribaBotones(0), 1335, 375);
    recordar();
}

void Form2::construir()
{
    auto* label1 = new QLabel(QStringLiteral("Numero de Jugadores"), this);
    label1->setObjectName(QStringLiteral("Label1"));
    twips::poner(label1, 240, 270, 1935, 285);

    combo1_ = new QComboBox(this);
    combo1_->setObjectName(QStringLiteral("Combo1"));
    combo1_->setEditable(true);
    combo1_->setInsertPolicy(QComboBox::NoInsert);
    combo1_->setCompleter(nullptr);
    for (int n = 2; n <= 6; ++n)
        combo1_->addItem(QString::number(n));
    combo1_->setCurrentIndex(-1);
    combo1_->clearEditText();
    // Keys reach the list itself when it has the focus, and its text field
    // when that has it: the count rule watches both.
    combo1_->installEventFilter(this);
    combo1_->lineEdit()->installEventFilter(this);
    twips::poner(combo1_, 2220, 240, 855, 330);
    connect(combo1_, &QComboBox::currentIndexChanged, this, [this](int k) {
        if (k >= 0)
            elegirCantidad(k);
    });

    command3_ = new QPushButton(QStringLiteral(">>>"), this);
    command3_->setObjectName(QStringLiteral("Command3"));
    command3_->setAutoDefault(false);
    twips::poner(command3_, 3240, 240, 615, 330);
    connect(command3_, &QPushButton::clicked, this, &Form2::ensanchar);

    frame1_ = new QFrame(this);
    frame1_->setObjectName(QStringLiteral("Frame1"));
    frame1_->setFrameShape(QFrame::Box);
    frame1_->setFrameShadow(QFrame::Sunken);
    twips::poner(frame1_, kMarcoIzq, kMarcoArriba, kMarcoAncho, altoMarco(0));

    auto* label3 = new QLabel(QStringLiteral("Maquina"), frame1_);
    label3->setObjectName(QStringLiteral("Label3"));
    label3->setAlignment(Qt::AlignCenter);
    twips::poner(label3, 2880, 120, 1020, 285);

    for (int i = 1; i <= 6; ++i) {
        const int arriba = kFilaPaso * i;
        label2_[i] = new QLabel(QStringLiteral("Jugador %1").arg(i), frame1_);
        label2_[i]->setObjectName(indexado("Label2", i));
        twips::poner(label2_[i], 120, arriba + 30, 1020, 255);
        label2_[i]->hide();

        text1_[i] = new QLineEdit(frame1_);
        text1_[i]->setObjectName(indexado("Text1", i));
        text1_[i]->setMaxLength(preferencias::kLargoNombreLocal);
        twips::poner(text1_[i], 1140, arriba, 1935, 315);
        text1_[i]->hide();

        check1_[i] = new QCheckBox(frame1_);
        check1_[i]->setObjectName(indexado("Check1", i));
        check1_[i]->setToolTip(QStringLiteral("Haga Click aqui para activar este jugador como maquina"));
        twips::poner(check1_[i], 3300, arriba + 30, 300, 255);
        connect(check1_[i], &QCheckBox::toggled, this, [this, i](bool marcado) { alMarcar(i, marcado); });
        check1_[i]->setEnabled(i <= 2);  // the frame shows two rows until a count is chosen
    }

    // Beyond the narrow dialog's right edge: ">>>" widens the dialog to show
    // it. Hidden until then, or Tab would reach the levels unseen and the
    // arrow keys would change the machine's speed behind the player's back.
    frame2_ = new QGroupBox(QStringLiteral("Nivel de la maquina"), this);
    frame2_->setObjectName(QStringLiteral("Frame2"));
    twips::poner(frame2_, 4440, 240, 2760, 2040);
    frame2_->hide();
    const char* niveles[] = {nullptr, "Facil", "Moderado", "Dificil", "Muy dificil"};
    for (int n = 1; n <= 4; ++n) {
        nivel_[n] = new QRadioButton(QLatin1String(niveles[n]), frame2_);
        nivel_[n]->setObjectName(indexado("Nivel", n));
        twips::poner(nivel_[n], 240, 360 + 420 * (n - 1), 2280, 330);
        connect(nivel_[n], &QRadioButton::toggled, this, [this, n](bool elegido) {
            if (elegido)
                elegirNivel(j_, n);
        });
    }

    command1_ = new QPushButton(QStringLiteral("Aceptar"), this);
    command1_->setObjectName(QStringLiteral("Command1"));
    // Enter in any field accepts, whichever button the Tab order puts first.
    command1_->setDefault(true);
    connect(command1_, &QPushButton::clicked, this, &Form2::aceptar);
    command2_ = new QPushButton(QStringLiteral("Cancelar"), this);
    command2_->setObjectName(QStringLiteral("Command2"));
    command2_->setAutoDefault(false);
    connect(command2_, &QPushButton::clicked, this, &Form2::cancelar);
}

void Form2::elegirCantidad(int k)
{
    k = std::clamp(k, 0, 4);
    for (int i = 1; i <= 6; ++i) {
        label2_[i]->setVisible(i <= k + 2);
        text1_[i]->setVisible(i <= k + 2);
        // Clipped by the frame, a box would still take the focus and a
        // Space: a seat not in play must not be ticked unseen.
        check1_[i]->setEnabled(i <= k + 2);
    }
    // The check boxes stay; the frame's height hides the rows not in play.
    setFixedSize(twips::tamano(ancho_, altoDialogo(k)));
    twips::poner(frame1_, kMarcoIzq, kMarcoArriba, kMarcoAncho, altoMarco(k));
    twips::poner(command1_, 480, arribaBotones(k), 1335, 375);
    twips::poner(command2_, 2280, arribaBotones(k), 1335, 375);
    opcionJugadores = k;
}

void Form2::recordar()
{
    // What the player accepted last, set as if chosen but quietly: no rule
    // is asked again, and the level reaches the game only with "Aceptar".
    const preferencias::Local antes = preferencias::leerLocal();
    if (antes.numJugadores)
        combo1_->setCurrentIndex(antes.numJugadores - 2);
    for (int s = 1; s <= 6; ++s) {
        const QSignalBlocker bloqueo(check1_[s]);
        check1_[s]->setChecked(antes.maquina[s]);
        text1_[s]->setText(antes.maquina[s] ? marcador::nombreDeMaquina(s) : antes.nombres[s]);
        text1_[s]->setReadOnly(antes.maquina[s]);
    }
    if (antes.nivel) {
        const QSignalBlocker bloqueo(nivel_[antes.nivel]);
        nivel_[antes.nivel]->setChecked(true);
    }
}

bool Form2::eventFilter(QObject* o, QEvent* ev)
{
    if ((o == combo1_ || o == combo1_->lineEdit()) && ev->type() == QEvent::KeyPress) {
        const QString t = static_cast<QKeyEvent*>(ev)->text();
        // Tab, Enter and Esc carry a text too, but leave the count alone.
        if (!t.isEmpty() && t[0].isPrint()) {
            // The field only ever shows a count chosen from the list.
            combo1_->clearEditText();
            const char16_t c = t[0].unicode();
            if (c >= u'2' && c <= u'6') {
                combo1_->setCurrentIndex(c - u'2');
                elegirCantidad(c - u'2');
                return true;
            }
        }
    }
    return QDialog::eventFilter(o, ev);
}

void Form2::alMarcar(int i, bool marcado)
{
    std::array<bool, 7> marcadas{};
    for (int s = 1; s <= 6; ++s)
        marcadas[s] = check1_[s]->isChecked();
    if (marcado && dejariaSinHumanos(opcionJugadores + 2, marcadas, i)) {
        j_.caja->mostrar(CajaMensaje::Icono::Informacion, QStringLiteral("DEBE AL MENOS EXISTIR UN JUGADOR HUMANO EN EL JUEGO"));
        check1_[i]->setChecked(false);  // runs this again, as an untick
        return;
    }
    if (marcado) {
        text1_[i]->setText(marcador::nombreDeMaquina(i));
        text1_[i]->setReadOnly(true);
    } else {
        text1_[i]->setReadOnly(false);
        text1_[i]->clear();
    }
}

void Form2::ensanchar()
{
    const bool estrecho = command3_->text() == QStringLiteral(">>>");
    command3_->setText(estrecho ? QStringLiteral("<<<") : QStringLiteral(">>>"));
    ancho_ = estrecho ? kAnchoAncho : kAnchoEstrecho;
    setFixedSize(twips::px(ancho_), height());
    frame2_->setVisible(estrecho);
}

void Form2::aceptar()
{
    EleccionLocal el;
    el.numJugadores = opcionJugadores + 2;
    preferencias::Local recuerdo;
    recuerdo.numJugadores = el.numJugadores;
    for (int s = 1; s <= 6; ++s) {
        el.nombres[s] = text1_[s]->text();
        el.maquina[s] = check1_[s]->isChecked();
        recuerdo.nombres[s] = el.maquina[s] ? QString() : el.nombres[s];
        recuerdo.maquina[s] = el.maquina[s];
    }
    for (int n = 1; n <= 4; ++n) {
        if (nivel_[n]->isChecked()) {
            elegirNivel(j_, n);  // a level shown from last time was never applied
            recuerdo.nivel = n;
        }
    }
    if (aceptarPartidaLocal(j_, el)) {
        preferencias::guardarLocal(recuerdo);
        done(QDialog::Accepted);
    }
}

void Form2::cancelar()
{
    cancelarPartidaLocal(j_);
    done(QDialog::Rejected);
}
