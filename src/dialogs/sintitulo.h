#pragma once
// Dialogs that show no title text.

#include <QWidget>

// Qt hands an empty title to the window system as the application's name,
// so a dialog meant to have no title would read "Zumbarta". One blank keeps
// the title bar empty.
inline void sinTitulo(QWidget* ventana)
{
    ventana->setWindowTitle(QStringLiteral(" "));
}
