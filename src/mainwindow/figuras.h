// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The shapes behind the labels: a tile's rounded square and the target's circle.

#include <QColor>
#include <QWidget>
#include <cstdint>

// &HBBGGRR, as the game stores its colours.
QColor colorBGR(std::uint32_t bgr);

class FiguraFicha : public QWidget {
    Q_OBJECT
public:
    explicit FiguraFicha(QWidget* parent = nullptr);
    // marca 1..3 numbers the tile's place in a pick shown to the players.
    void pintar(std::uint32_t fondo, std::uint32_t borde, int marca = 0);
    std::uint32_t fondo() const { return fondo_; }
    std::uint32_t borde() const { return borde_; }
    int marca() const { return marca_; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    std::uint32_t fondo_ = 0xFFFFFF;
    std::uint32_t borde_ = 0x000000;
    int marca_ = 0;
};

class Circulo : public QWidget {
    Q_OBJECT
public:
    explicit Circulo(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent*) override;
};
