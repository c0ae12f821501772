// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The dialogs were drawn in twips; at 96 dots per inch one pixel is 15 twips.

#include <QRect>
#include <QSize>
#include <QWidget>

namespace twips {

inline constexpr int kPorPixel = 15;

constexpr int px(int t) { return (t + kPorPixel / 2) / kPorPixel; }

inline QSize tamano(int ancho, int alto) { return QSize(px(ancho), px(alto)); }

inline void poner(QWidget* w, int izq, int arriba, int ancho, int alto)
{
    w->setGeometry(QRect(px(izq), px(arriba), px(ancho), px(alto)));
}

}  // namespace twips
