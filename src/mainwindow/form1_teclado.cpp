// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

// The board for players without a mouse, and the table told to a screen
// reader: what the tiles, the target, the clock and the rows are called.

#include "mainwindow/form1.h"

#include "game/juego.h"
#include "game/tablero.h"
#include "mainwindow/figuras.h"
#include "mainwindow/lienzo.h"

#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <algorithm>

namespace {

// Where the first arrow shows the frame: from the middle every tile is
// at most three steps away.
constexpr int kCentro = 25;

// The tile's shape and nearly all the gap around it (240 twips across,
// 105 down), where the ring goes.
QRect rectMarco(int k)
{
    const int izq = 240 + 840 * (tablero::columna(k) - 1);
    const int arriba = 240 + 840 * (tablero::fila(k) - 1);
    return QRect(izq - 115, arriba - 95, 600 + 230, 735 + 190);
}

// Setting a name tells the screen reader it changed; the clock re-renders
// everything each second, so only a real change is set.
void nombrar(QWidget* w, const QString& nombre, const QString& descripcion = {})
{
    if (w->accessibleName() != nombre)
        w->setAccessibleName(nombre);
    if (w->accessibleDescription() != descripcion)
        w->setAccessibleDescription(descripcion);
}

}  // namespace

bool Form1::teclaDeTablero(const QKeyEvent& tecla)
{
    // A menu bar being walked with the keys, or an open menu, keeps its arrows.
    if (qobject_cast<QMenuBar*>(QApplication::focusWidget()) || QApplication::activePopupWidget())
        return false;
    int df = 0, dc = 0;
    switch (tecla.key()) {
    case Qt::Key_Up: df = -1; break;
    case Qt::Key_Down: df = 1; break;
    case Qt::Key_Left: dc = -1; break;
    case Qt::Key_Right: dc = 1; break;
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // Until an arrow shows the frame these keys are what they always were.
        if (!foco_)
            return false;
        // A held key would pick and drop the tile over and over.
        if (!tecla.isAutoRepeat())
            emit fichaPulsada(foco_);
        return true;
    default:
        return false;
    }
    if (!foco_) {
        enfocar(kCentro);
        return true;
    }
    // The edges stop the frame: a frame that wrapped round would land far
    // from where the eye was, in a race of six seconds.
    const int fila = std::clamp(tablero::fila(foco_) + df, 1, kLado);
    const int columna = std::clamp(tablero::columna(foco_) + dc, 1, kLado);
    enfocar(tablero::indice(fila, columna));
    return true;
}

void Form1::enfocar(int k)
{
    foco_ = k;
    marco_->setVisible(k != 0);
    if (!k)
        return;
    lienzo_->mover(marco_, rectMarco(k));
    marco_->raise();
    QAccessibleEvent ev(valor_[k], QAccessible::Focus);
    QAccessible::updateAccessibility(&ev);
}

void Form1::nombrarParaLectores()
{
    const Estado& e = j_.e;
    for (int k = 1; k <= kFichas; ++k) {
        QString nombre = QStringLiteral("Fila %1, columna %2").arg(tablero::fila(k)).arg(tablero::columna(k));
        if (!e.Valor[k].isEmpty())
            nombre += QStringLiteral(": ") + e.Valor[k];
        nombrar(valor_[k], nombre, e.fichaCU[k].fondo == color::gris ? QStringLiteral("Elegida") : QString());
    }
    nombrar(fichaRE_, e.fichaRE.isEmpty() ? QStringLiteral("Objetivo") : QStringLiteral("Objetivo: ") + e.fichaRE);
    nombrar(relog_, QStringLiteral("Tiempo: ") + e.relog.texto);
    for (int s = 1; s <= kMaxJugadores; ++s) {
        QString fila = QStringLiteral("%1, fichas %2, partidas %3")
                           .arg(e.Jugadores[s].texto.simplified(), e.Fichas[s].texto, e.Partidas[s].texto);
        if (e.turno == s)
            fila += QStringLiteral(", tiene el turno");
        if (e.ausente[s])
            fila += QStringLiteral(", ausente");
        nombrar(jugadores_[s], fila);
    }
}
