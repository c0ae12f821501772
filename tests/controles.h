#pragma once
// Finding a window's controls by their game names, as a tester would.

#include <QtWidgets>

// The control named so ("Valor", or "Valor(12)" with i = 12); a missing
// control stops the test at once with its name.
template <class T = QWidget>
T* hijo(QObject& w, const QString& nombre, int i = 0)
{
    const QString n = i ? QStringLiteral("%1(%2)").arg(nombre).arg(i) : nombre;
    if (T* c = w.findChild<T*>(n))
        return c;
    qFatal("no hay %s", qPrintable(n));
}

// The title the window system shows: the window's own, or the application's
// name when that is empty.
inline QString tituloMostrado(QWidget& w)
{
    w.winId();
    const QString t = w.windowHandle()->title();
    return t.isEmpty() ? QCoreApplication::applicationName() : t;
}
