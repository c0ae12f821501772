// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/cajaqt.h"

#include <QApplication>
#include <QMessageBox>

void CajaQt::mostrar(Icono icono, const QString& texto)
{
    QMessageBox::Icon tipo = QMessageBox::NoIcon;
    if (icono == Icono::Informacion)
        tipo = QMessageBox::Information;
    else if (icono == Icono::Advertencia)
        tipo = QMessageBox::Warning;
    QWidget* padre = QApplication::activeModalWidget();
    if (!padre)
        padre = QApplication::activeWindow();
    if (!padre)
        padre = ventana_;
    // Nobody waits for the answer: the box goes away by itself once closed.
    auto* caja = new QMessageBox(tipo, QStringLiteral("Zumbarta"), texto, QMessageBox::Ok, padre);
    caja->setAttribute(Qt::WA_DeleteOnClose);
    caja->open();
}
