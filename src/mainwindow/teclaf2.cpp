#include "mainwindow/teclaf2.h"

#include <QGuiApplication>
#include <QKeyEvent>

namespace {
bool f2AbajoEnX11();
}  // namespace

TeclaF2Qt::TeclaF2Qt(QObject* parent) : QObject(parent)
{
    qApp->installEventFilter(this);
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

bool TeclaF2Qt::pulsada()
{
    // A key held down starts the game once, not at every poll.
    const bool abajo = f2AbajoEnX11();
    const bool nueva = abajo && !abajoAntes_;
    abajoAntes_ = abajo;
    const bool r = vista_ || nueva;
    vista_ = false;
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
