// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The client's side of the LAN announcement: asks once, then keeps the list
// of games heard. A game leaves the list with its "bye", or after about
// three announcements missed. The list is bounded, whatever the LAN sends.
//
// Any host may send anything: what a sender says is its own, kept under its
// address and port along with the game's id. Only that sender renews it or
// takes it off; another host saying the same id, or its "bye", touches
// nothing of it, and one host fills a few places at most.

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
    // Places one sender address may take: a few servers of one machine.
    static constexpr int kPorEquipo = 4;

    struct Entrada {
        anuncio::Partida partida;
        QHostAddress equipo;  // the sender: where to connect
        bool operator==(const Entrada&) const = default;
    };

    // Starts listening and asks at once. soloLoopback: asks on loopback
    // only and hears loopback senders only.
    void buscar(bool soloLoopback);

    // One entry per game, in the order first heard. A game heard from
    // several addresses (several cards, or loopback too) shows the one that
    // has been heard the longest without a break.
    const std::vector<Entrada>& partidas() const { return partidas_; }

    // A datagram as the channel hands it over, with its sender.
    void recibir(const QByteArray& datos, const QHostAddress& de, quint16 puerto);

signals:
    void cambiaron();

private:
    struct Oida {
        Entrada entrada;
        quint16 puerto = 0;  // the sender's, with entrada.equipo and the id: whose it is
        qint64 visto = 0;
    };

    void caducar();
    void publicar();
    qint64 vida() const { return 3LL * intervaloMs + intervaloMs / 2; }

    CanalAnuncios* canal_ = nullptr;
    std::vector<Oida> oidas_;         // in the order first heard
    std::vector<Entrada> partidas_;  // what oidas_ shows
    QTimer caducidad_;
    QElapsedTimer reloj_;
};
