// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#include "mainwindow/lienzo.h"

#include <QPainter>
#include <QResizeEvent>
#include <algorithm>

namespace {
// At the design size one twip is 1/15 pixel (96 dots per inch).
constexpr qreal kTwipPorPixel = 15.0;
// Grid of the player table, in twips.
constexpr int kTablaIzq = 6240, kTablaDer = 10440, kTablaArriba = 720, kTablaAbajo = 3240;
constexpr int kFilaAlto = 360;
}  // namespace

QFont fuenteJuego(qreal pixeles, bool negrita)
{
    QFont f(QStringLiteral("Century Gothic"));
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(std::max(1, qRound(pixeles)));
    f.setBold(negrita);
    return f;
}

Lienzo::Lienzo(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Lienzo"));
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, QColor(0xE0, 0xE0, 0xE0));
    setPalette(p);
}

QSize Lienzo::sizeHint() const
{
    return QSize(qRound(kAncho / kTwipPorPixel), qRound(kAlto / kTwipPorPixel));
}

QSize Lienzo::minimumSizeHint() const
{
    return sizeHint() / 2;
}

void Lienzo::colocar(QWidget* w, QRect twips, qreal puntos, bool negrita)
{
    w->setParent(this);
    piezas_.push_back({w, twips, puntos, negrita});
    // Placing waits for the first resize: laying out a hundred children
    // again after each one made the window slow to open.
    if (isVisible())
        recolocar();
}

void Lienzo::mover(QWidget* w, QRect twips)
{
    for (Pieza& p : piezas_)
        if (p.w == w) {
            p.twips = twips;
            w->setGeometry(aPixeles(twips).toAlignedRect());
        }
}

QRectF Lienzo::aPixeles(QRectF t) const
{
    return QRectF(origen_.x() + t.x() * escala_, origen_.y() + t.y() * escala_,
                  t.width() * escala_, t.height() * escala_);
}

void Lienzo::recolocar()
{
    escala_ = std::min(width() / qreal(kAncho), height() / qreal(kAlto));
    if (escala_ <= 0)
        escala_ = 1.0 / kTwipPorPixel;
    origen_ = QPointF((width() - kAncho * escala_) / 2, (height() - kAlto * escala_) / 2);
    for (const Pieza& p : piezas_) {
        p.w->setGeometry(aPixeles(p.twips).toAlignedRect());
        if (p.puntos > 0) {
            // Points to pixels as the design was drawn (96 dpi), then scaled.
            const qreal pixeles = p.puntos * 96.0 / 72.0 * escala_ * kTwipPorPixel;
            p.w->setFont(fuenteJuego(pixeles, p.negrita));
        }
    }
}

void Lienzo::resizeEvent(QResizeEvent* ev)
{
    QWidget::resizeEvent(ev);
    recolocar();
}

void Lienzo::paintEvent(QPaintEvent*)
{
    QPainter pt(this);
    pt.setRenderHint(QPainter::Antialiasing);
    pt.setPen(QPen(QColor(0x40, 0x40, 0x40), std::max<qreal>(1.0, 15 * escala_ / 1.5)));
    // Grid of the player table: a header row and six seat rows, three columns.
    for (int y = kTablaArriba; y <= kTablaAbajo; y += kFilaAlto) {
        const QRectF r = aPixeles(QRectF(kTablaIzq, y, kTablaDer - kTablaIzq, 0));
        pt.drawLine(r.topLeft(), r.topRight());
    }
    for (int x : {kTablaIzq, 8460, 9480, kTablaDer}) {
        const QRectF r = aPixeles(QRectF(x, kTablaArriba, 0, kTablaAbajo - kTablaArriba));
        pt.drawLine(r.topLeft(), r.bottomLeft());
    }
}
