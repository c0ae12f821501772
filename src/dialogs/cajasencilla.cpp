#include "dialogs/cajasencilla.h"

#include <QApplication>
#include <QMessageBox>

void CajaSencilla::mostrar(Icono icono, const QString& texto)
{
    QMessageBox::Icon dibujo = QMessageBox::NoIcon;
    if (icono == Icono::Informacion)
        dibujo = QMessageBox::Information;
    else if (icono == Icono::Advertencia)
        dibujo = QMessageBox::Warning;
    QMessageBox caja(dibujo, QStringLiteral("Zumbarta"), texto, QMessageBox::Ok, QApplication::activeWindow());
    caja.exec();
}
