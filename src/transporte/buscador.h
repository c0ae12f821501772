// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The client's side of the LAN announcement: asks once, then keeps the list
// of games heard. A game leaves the list with its "bye", or after about
// three announcements missed. The list is bounded, whatever the LAN sends.

#include "transporte/anuncio.h"

#include <QElapsedTimer>
#include <QHostAddress>
#include <QObject>
#include <QTimer>
#include <vector>

class CanalAnuncios;

class Buscador : public QObject {
    Q_OBJECT
public:
    // intervaloMs: how often servers announce.
    explicit Buscador(int intervaloMs, QObject* parent = nullptr);

    int intervaloMs;
    static constexpr int kMaxPartidas = 32;

    struct Entrada {
        anuncio::Partida partida;
        QHostAddress equipo;  // the sender: where to connect
        qint64 visto = 0;         // last heard, any copy
        qint64 vistoEquipo = 0;   // last heard from equipo
    };

    // Starts listening and asks at once. soloLoopback: asks on loopback
    // only and hears loopback senders only.
    void buscar(bool soloLoopback);

    // In the order first heard.
    const std::vector<Entrada>& partidas() const { return partidas_; }

signals:
    void cambiaron();

private:
    void recibir(const QByteArray& datos, const QHostAddress& de);
    void caducar();
    qint64 vida() const { return 3LL * intervaloMs + intervaloMs / 2; }

    CanalAnuncios* canal_ = nullptr;
    std::vector<Entrada> partidas_;
    QTimer caducidad_;
    QElapsedTimer reloj_;
};
