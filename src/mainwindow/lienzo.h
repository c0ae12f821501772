// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A canvas laid out in twips, the way the game's window was drawn. Every
// child keeps its place and its font size as a proportion of the canvas, so
// the whole table scales with the window and stays crisp on any screen.

#include <QFont>
#include <QRect>
#include <QWidget>
#include <vector>

class Lienzo : public QWidget {
    Q_OBJECT
public:
    // Design size in twips.
    static constexpr int kAncho = 10635;
    static constexpr int kAlto = 7620;

    explicit Lienzo(QWidget* parent = nullptr);

    // Puts w at a rectangle given in twips; its font (if any) at puntos points.
    void colocar(QWidget* w, QRect twips, qreal puntos = 0, bool negrita = true);
    // Moves a piece already placed.
    void mover(QWidget* w, QRect twips);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    // Pixels per twip at the current size.
    qreal escala() const { return escala_; }
    QPointF origen() const { return origen_; }

protected:
    void resizeEvent(QResizeEvent* ev) override;
    void paintEvent(QPaintEvent* ev) override;

private:
    struct Pieza {
        QWidget* w;
        QRect twips;
        qreal puntos;
        bool negrita;
    };
    void recolocar();
    QRectF aPixeles(QRectF twips) const;

    std::vector<Pieza> piezas_;
    qreal escala_ = 1.0 / 15.0;
    QPointF origen_;
};

// Font family of the game's labels: Century Gothic where the system has it,
// else the closest geometric sans installed.
QFont fuenteJuego(qreal pixeles, bool negrita);
