// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The server's side of the LAN announcement: while it runs, the game is told
// to the LAN every intervaloMs, at once when a client asks or the game
// changes, and a last "bye" when it stops. It knows nothing of the game: the
// layer above hands it the plain values of anuncio::Partida.

#include "transporte/anuncio.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

class CanalAnuncios;

class Anunciador : public QObject {
    Q_OBJECT
public:
    // soloLoopback: the server listens on loopback, and its announcement
    // stays there too. The game is told every intervaloMs; however many
    // clients ask, the LAN hears it at most every separacionMs.
    Anunciador(bool soloLoopback, int intervaloMs, int separacionMs, QObject* parent = nullptr);
    // Says "bye" if it is still announcing.
    ~Anunciador() override;

    int intervaloMs;
    int separacionMs;

    // Starts, or starts again after terminar() with the same id; while it
    // runs, the same as actualizar().
    void empezar(const anuncio::Partida& p);
    // New seats or a new state: announced at once when they differ.
    void actualizar(const anuncio::Partida& p);
    // One "bye", then silence.
    void terminar();

    bool anunciando() const { return canal_ != nullptr; }
    // What goes out, with this instance's id.
    const anuncio::Partida& partida() const { return partida_; }

private:
    void recibir(const QByteArray& datos);
    void pronto();
    void enviar();

    bool soloLoopback_;
    anuncio::Partida partida_;
    CanalAnuncios* canal_ = nullptr;
    QTimer periodo_;
    QTimer espera_;        // an answer held back by separacionMs
    QElapsedTimer ultimo_;  // since the last announcement
};
