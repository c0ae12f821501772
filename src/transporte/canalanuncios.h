// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The UDP side of the LAN announcement, shared by the server's announcer and
// the client's browser: one socket on the fixed port, shared with every
// other station of this machine and member of the group on each interface in
// reach, and a send that goes out on each of those interfaces. What the
// datagrams say is for the owner to read.

#include "transporte/anuncio.h"

#include <QNetworkInterface>
#include <QObject>
#include <QSet>
#include <QUdpSocket>
#include <functional>

class CanalAnuncios : public QObject {
    Q_OBJECT
public:
    // soloLoopback: datagrams go out on the loopback interface only, and only
    // loopback senders are heard. Tests and play-tests stay inside the
    // machine this way.
    explicit CanalAnuncios(bool soloLoopback, QObject* parent = nullptr);

    // Datagrams handled per turn of the event loop at most: a flood must
    // not starve the game.
    static constexpr int kPorVuelta = 64;

    // Binds the shared port and joins the group. False when the port cannot
    // be had: the channel still sends, and hears nothing.
    bool abrir(quint16 puerto = anuncio::kPuertoUdp);

    // One copy to the group on each interface in reach, and one to the
    // broadcast address of each IPv4 network that has one. An interface
    // that refuses is skipped.
    void enviar(const QByteArray& datos);

    // Each datagram heard that fits in anuncio::kMaxBytes, with its sender's
    // address and port.
    std::function<void(const QByteArray&, const QHostAddress&, quint16)> alRecibir;

private:
    QList<QNetworkInterface> enAlcance() const;
    void unirse(const QList<QNetworkInterface>& interfaces);
    void leer();

    bool soloLoopback_;
    quint16 puerto_ = anuncio::kPuertoUdp;
    QUdpSocket socket_;
    QSet<int> unidas_;  // interface indexes already in the group
    bool releer_ = false;
};
