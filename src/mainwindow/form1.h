// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The main window: the board, the target tile, the player table, the clock,
// the "Turno" button, the chat and the status bar. It shows the game state
// and passes the players' actions on; the rules live in the core.

#include <QDialog>
#include <QMainWindow>
#include <QPointer>
#include <array>

class Juego;
class Lienzo;
class FiguraFicha;
class QAction;
class QMenu;
class QDialog;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// A label that reports a left click.
class EtiquetaClic;

class Form1 : public QMainWindow {
    Q_OBJECT
public:
    explicit Form1(Juego& j, QWidget* parent = nullptr);

    Juego& juego() { return j_; }

public slots:
    // Shows the state as it stands now.
    void mostrar();

    // "Partida local": the game holds still while the setup dialog is open.
    // Like every dialog of this window, it opens and returns at once.
    void partidaLocal();

    // "Partida en red": the network setup dialog.
    void partidaEnRed();

signals:
    void fichaPulsada(int k);

protected:
    void closeEvent(QCloseEvent* ev) override;
    bool eventFilter(QObject* o, QEvent* ev) override;

private:
    void construirTablero();
    void construirTabla();
    void construirControles();
    void construirMenus();
    void conectarPartida();
    bool ajusteAbierto();

    Juego& j_;
    Lienzo* lienzo_ = nullptr;
    std::array<FiguraFicha*, 50> fichaCU_{};
    std::array<EtiquetaClic*, 50> valor_{};
    QLabel* fichaRE_ = nullptr;
    std::array<QLabel*, 7> jugadores_{};
    std::array<QLabel*, 7> fichas_{};
    std::array<QLabel*, 7> partidas_{};
    QLabel* label3_ = nullptr;
    QLabel* relog_ = nullptr;
    QPushButton* command1_ = nullptr;
    QPlainTextEdit* txtDialog_ = nullptr;
    QLineEdit* txtMessage_ = nullptr;
    QPushButton* cmdSend_ = nullptr;
    QLabel* barra_ = nullptr;

    QAction* mn_local_ = nullptr;
    QAction* mn_red_ = nullptr;
    QAction* mn_pausar_ = nullptr;
    QAction* mn_repar_ = nullptr;
    QAction* mn_finpartida_ = nullptr;
    QMenu* mn_maquinared_ = nullptr;    // a free lobby seat to the machine, at a level
    QAction* mn_quitarmaq_ = nullptr;
    std::array<QAction*, 3> mn_mod_{};
    QPointer<QDialog> ajuste_;  // the setup dialog open, if any
};
