// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The board's pieces: a tile's rounded square and the target's circle behind
// the labels, the tile's label that reports a click, the keyboard's frame.

#include <QColor>
#include <QLabel>
#include <QMouseEvent>
#include <QWidget>
#include <cstdint>
#include <functional>

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

// A label that reports a left click.
class EtiquetaClic : public QLabel {
public:
    using QLabel::QLabel;
    std::function<void()> alPulsar;

protected:
    void mousePressEvent(QMouseEvent* ev) override
    {
        if (ev->button() == Qt::LeftButton && alPulsar)
            alPulsar();
        QLabel::mousePressEvent(ev);
    }
};

class Circulo : public QWidget {
    Q_OBJECT
public:
    explicit Circulo(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent*) override;
};

// The keyboard's place on the board: a ring around one tile, in the gap
// between tiles, so the tile's own colours and digit stay as they are.
class MarcoFoco : public QWidget {
    Q_OBJECT
public:
    explicit MarcoFoco(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent*) override;
};
