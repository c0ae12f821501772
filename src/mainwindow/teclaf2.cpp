// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#include "mainwindow/teclaf2.h"

#include <QGuiApplication>
#include <QKeyEvent>

namespace {
bool f2AbajoEnX11();
}  // namespace

TeclaF2Qt::TeclaF2Qt(QObject* parent) : QObject(parent)
{
    qApp->installEventFilter(this);
    muestreo_.setInterval(10);
    connect(&muestreo_, &QTimer::timeout, this, &TeclaF2Qt::muestrear);
}

TeclaF2Qt::~TeclaF2Qt()
{
    qApp->removeEventFilter(this);
}

bool TeclaF2Qt::eventFilter(QObject*, QEvent* ev)
{
    if (ev->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(ev)->key() == Qt::Key_F2
        && !static_cast<QKeyEvent*>(ev)->isAutoRepeat())
        vista_ = true;
    return false;
}

void TeclaF2Qt::muestrear()
{
    // Nobody has asked for a while: the gate is closed.
    if (ultimaConsulta_.isValid() && ultimaConsulta_.elapsed() > 500) {
        muestreo_.stop();
        return;
    }
    // A key held down counts once, not at every reading.
    const bool abajo = f2AbajoEnX11();
    bajada_ = bajada_ || (abajo && !abajoAntes_);
    abajoAntes_ = abajo;
}

bool TeclaF2Qt::pulsada()
{
    ultimaConsulta_.start();
    muestrear();
    if (!muestreo_.isActive())
        muestreo_.start();
    const bool r = vista_ || bajada_;
    vista_ = bajada_ = false;
    return r;
}

// Last in the file: Xlib's macros (KeyPress among them) clash with Qt's names.
#if __has_include(<X11/Xlib.h>) && QT_CONFIG(xcb)
#include <X11/Xlib.h>
#include <X11/keysym.h>

namespace {
bool f2AbajoEnX11()
{
    auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    Display* d = x11 ? x11->display() : nullptr;
    if (!d)
        return false;
    const KeyCode f2 = XKeysymToKeycode(d, XK_F2);
    char teclas[32] = {};
    XQueryKeymap(d, teclas);
    return f2 != 0 && (teclas[f2 / 8] & (1 << (f2 % 8))) != 0;
}
}  // namespace
#else
namespace {
bool f2AbajoEnX11() { return false; }
}  // namespace
#endif
