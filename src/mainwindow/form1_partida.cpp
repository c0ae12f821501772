// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

// What the players do on the main window during a game: the menu commands
// that steer it, the clicks on the board and the keys that claim the turn.

#include "mainwindow/form1.h"
#include "mainwindow/encima.h"

#include "dialogs/form2.h"
#include "dialogs/form4.h"
#include "flow/mandos.h"
#include "flow/partidalocal.h"
#include "game/juego.h"
#include "game/reparto.h"
#include "game/seleccion.h"
#include "game/turno.h"
#include "net/asientos.h"
#include "net/chat.h"
#include "net/partidared.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

void Form1::conectarPartida()
{
    connect(this, &Form1::fichaPulsada, this, [this](int k) { Valor_Click(j_, k); });
    connect(command1_, &QPushButton::clicked, this, [this] { Command1_Click(j_); });
    connect(mn_local_, &QAction::triggered, this, &Form1::partidaLocal);
    connect(mn_red_, &QAction::triggered, this, &Form1::partidaEnRed);
    connect(mn_finpartida_, &QAction::triggered, this, [this] { mn_finpartida_Click(j_); });
    connect(cmdSend_, &QPushButton::clicked, this, [this] { cmdSend_Click(j_, txtMessage_->text()); });
    connect(mn_pausar_, &QAction::triggered, this, [this] { mn_pausar_Click(j_); });
    connect(mn_repar_, &QAction::triggered, this, [this] { mn_repar_Click(j_); });
    for (int i = 1; i <= 2; ++i)
        connect(mn_mod_[i], &QAction::triggered, this, [this, i] { mn_mod_Click(j_, i); });
    const QList<QAction*> niveles = mn_maquinared_->actions();
    for (int n = 1; n <= niveles.size(); ++n)
        connect(niveles[n - 1], &QAction::triggered, this, [this, n] {
            elegirNivel(j_, n);
            sentarMaquina(j_);
        });
    connect(mn_quitarmaq_, &QAction::triggered, this, [this] { quitarMaquina(j_); });

    // Keys go to whichever control has the focus, so the window alone would
    // miss most of them: watch them on their way in instead.
    qApp->installEventFilter(this);
}

// One setup at a time: asked for again while one is open, that one comes to
// the front and the game is not held a second time.
bool Form1::ajusteAbierto()
{
    if (!ajuste_ || !ajuste_->isVisible())
        return false;
    ajuste_->raise();
    ajuste_->activateWindow();
    return true;
}

void Form1::partidaLocal()
{
    if (ajusteAbierto())
        return;
    abrirPartidaLocal(j_);
    ajuste_ = abrirEncima(new Form2(j_, this));
}

void Form1::partidaEnRed()
{
    if (ajusteAbierto())
        return;
    ajuste_ = abrirEncima(new Form4(j_, this));
}

bool Form1::eventFilter(QObject* o, QEvent* ev)
{
    if (ev->type() != QEvent::KeyPress)
        return QMainWindow::eventFilter(o, ev);
    auto* w = qobject_cast<QWidget*>(o);
    if (!w || w->window() != this)
        return false;
    auto* tecla = static_cast<QKeyEvent*>(ev);
    // The chat line keeps its own typing while there is a chat, and what it
    // passes on unused (Esc) is not the game's either. Enter sends the line.
    if (txtMessage_->isEnabled() && (w == txtMessage_ || QApplication::focusWidget() == txtMessage_)) {
        if (w != txtMessage_ || (tecla->key() != Qt::Key_Return && tecla->key() != Qt::Key_Enter))
            return false;
        cmdSend_Click(j_, txtMessage_->text());
        txtMessage_->clear();
        return true;
    }
    if (tecla->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;  // shortcuts and menu mnemonics
    if (teclaDeTablero(*tecla))
        return true;
    const QString texto = tecla->text();
    // Enter, Esc and Backspace are characters too, none a seat's digit: like
    // a letter, they beep. Tab only moves the focus.
    const int k = tecla->key();
    const bool caracter = k == Qt::Key_Return || k == Qt::Key_Enter || k == Qt::Key_Escape || k == Qt::Key_Backspace;
    if (!caracter && (texto.isEmpty() || !texto[0].isPrint()))
        return false;
    Form_KeyPress(j_, texto.isEmpty() ? QChar() : texto[0]);
    return true;
}
