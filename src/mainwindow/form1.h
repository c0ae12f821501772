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
class MarcoFoco;
class QAction;
class QMenu;
class QDialog;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

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
    // The board from the keyboard: arrows move a frame over the tiles, Space
    // or Enter on it is a click there. True when the key was the board's.
    bool teclaDeTablero(const QKeyEvent& tecla);
    void enfocar(int k);
    // What a screen reader says of the tiles, the target, the clock and the rows.
    void nombrarParaLectores();

    Juego& j_;
    Lienzo* lienzo_ = nullptr;
    std::array<FiguraFicha*, 50> fichaCU_{};
    std::array<EtiquetaClic*, 50> valor_{};
    MarcoFoco* marco_ = nullptr;
    int foco_ = 0;  // the tile under the keyboard's frame; 0 until an arrow shows it
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
