// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#include "mainwindow/figuras.h"

#include <QPainter>

QColor colorBGR(std::uint32_t bgr)
{
    return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}

FiguraFicha::FiguraFicha(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void FiguraFicha::pintar(std::uint32_t fondo, std::uint32_t borde, int marca)
{
    if (fondo == fondo_ && borde == borde_ && marca == marca_)
        return;
    fondo_ = fondo;
    borde_ = borde;
    marca_ = marca;
    update();
}

void FiguraFicha::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal grosor = std::max<qreal>(2.0, width() / 16.0);
    const QRectF r = QRectF(rect()).adjusted(grosor / 2, grosor / 2, -grosor / 2, -grosor / 2);
    p.setPen(QPen(colorBGR(borde_), grosor));
    p.setBrush(colorBGR(fondo_));
    const qreal radio = width() / 5.0;
    p.drawRoundedRect(r, radio, radio);
    if (marca_ <= 0)
        return;
    // Small, in the corner, so the digit of the tile stays the thing to read.
    QFont f = font();
    f.setBold(true);
    f.setPixelSize(std::max(8, height() / 6));
    p.setFont(f);
    p.setPen(Qt::black);
    const QRectF esquina = r.adjusted(radio / 2, grosor / 2, 0, 0);
    p.drawText(esquina, Qt::AlignLeft | Qt::AlignTop, QString::number(marca_));
}

Circulo::Circulo(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Circulo::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal grosor = std::max<qreal>(2.0, width() / 24.0);
    p.setPen(QPen(QColor(0x20, 0x20, 0x20), grosor));
    p.setBrush(QColor(0xFF, 0xF4, 0xC0));
    p.drawEllipse(QRectF(rect()).adjusted(grosor / 2, grosor / 2, -grosor / 2, -grosor / 2));
}

MarcoFoco::MarcoFoco(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void MarcoFoco::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    // Tile borders are red, blue, green, orange or yellow: the ring is near
    // black, with the table's grey between it and the tile, so it never reads
    // as one more border.
    const qreal grosor = std::max<qreal>(3.0, width() / 14.0);
    const QRectF r = QRectF(rect()).adjusted(grosor / 2, grosor / 2, -grosor / 2, -grosor / 2);
    const qreal radio = width() / 4.0;
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0x18, 0x18, 0x18), grosor));
    p.drawRoundedRect(r, radio, radio);
}
