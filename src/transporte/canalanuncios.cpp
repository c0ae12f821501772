// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#include "transporte/canalanuncios.h"

#include <QTimer>
#include <QVariant>

namespace {

bool tieneIPv4(const QNetworkInterface& i)
{
    for (const QNetworkAddressEntry& a : i.addressEntries())
        if (a.ip().protocol() == QAbstractSocket::IPv4Protocol)
            return true;
    return false;
}

}  // namespace

CanalAnuncios::CanalAnuncios(bool soloLoopback, QObject* parent) : QObject(parent), soloLoopback_(soloLoopback)
{
    connect(&socket_, &QUdpSocket::readyRead, this, &CanalAnuncios::leer);
}

bool CanalAnuncios::abrir(quint16 puerto)
{
    puerto_ = puerto;
    // Several servers and browsers of one machine listen on the same port:
    // each of them gets every group and broadcast datagram.
    const bool atado = socket_.bind(QHostAddress::AnyIPv4, puerto, QUdpSocket::ShareAddress | QUdpSocket::ReuseAddressHint);
    if (!atado && !socket_.bind(QHostAddress::AnyIPv4, 0))
        return false;
    // Announcements are for the LAN: no router passes them on, and this
    // machine's own stations hear them too.
    socket_.setSocketOption(QAbstractSocket::MulticastTtlOption, QVariant(1));
    socket_.setSocketOption(QAbstractSocket::MulticastLoopbackOption, QVariant(1));
    if (atado)
        unirse(enAlcance());
    return atado;
}

QList<QNetworkInterface> CanalAnuncios::enAlcance() const
{
    QList<QNetworkInterface> r;
    for (const QNetworkInterface& i : QNetworkInterface::allInterfaces()) {
        const auto f = i.flags();
        if (!(f & QNetworkInterface::IsUp) || !(f & QNetworkInterface::IsRunning) || !tieneIPv4(i))
            continue;
        // Loopback is always in reach: on a machine with no network card it
        // is where the other instances are.
        const bool lo = f & QNetworkInterface::IsLoopBack;
        if (soloLoopback_ ? lo : (lo || (f & (QNetworkInterface::CanMulticast | QNetworkInterface::CanBroadcast))))
            r << i;
    }
    return r;
}

void CanalAnuncios::unirse(const QList<QNetworkInterface>& interfaces)
{
    if (socket_.localPort() != puerto_)
        return;
    for (const QNetworkInterface& i : interfaces) {
        const bool multicast = (i.flags() & (QNetworkInterface::CanMulticast | QNetworkInterface::IsLoopBack));
        if (multicast && !unidas_.contains(i.index()) && socket_.joinMulticastGroup(anuncio::grupo(), i))
            unidas_.insert(i.index());
    }
}

void CanalAnuncios::enviar(const QByteArray& datos)
{
    if (socket_.state() != QAbstractSocket::BoundState)
        return;
    // Cards come and go (a laptop joins a network): look again at every send.
    const auto interfaces = enAlcance();
    unirse(interfaces);
    for (const QNetworkInterface& i : interfaces) {
        if (i.flags() & (QNetworkInterface::CanMulticast | QNetworkInterface::IsLoopBack)) {
            socket_.setMulticastInterface(i);
            socket_.writeDatagram(datos, anuncio::grupo(), puerto_);
        }
        if (!(i.flags() & QNetworkInterface::CanBroadcast))
            continue;
        for (const QNetworkAddressEntry& a : i.addressEntries())
            if (a.ip().protocol() == QAbstractSocket::IPv4Protocol && !a.broadcast().isNull())
                socket_.writeDatagram(datos, a.broadcast(), puerto_);
    }
}

void CanalAnuncios::leer()
{
    releer_ = false;
    for (int n = 0; n < kPorVuelta && socket_.hasPendingDatagrams(); ++n) {
        const qint64 tamano = socket_.pendingDatagramSize();
        QHostAddress de;
        quint16 puerto = 0;
        if (tamano < 0 || tamano > anuncio::kMaxBytes) {
            socket_.readDatagram(nullptr, 0);  // dropped unread
            continue;
        }
        QByteArray datos(tamano, Qt::Uninitialized);
        const qint64 leidos = socket_.readDatagram(datos.data(), tamano, &de, &puerto);
        if (leidos < 0)
            continue;
        datos.truncate(leidos);
        if (soloLoopback_ && !de.isLoopback())
            continue;
        if (alRecibir)
            alRecibir(datos, de, puerto);
    }
    // The rest waits for the next turn of the loop.
    if (socket_.hasPendingDatagrams() && !releer_) {
        releer_ = true;
        QTimer::singleShot(0, this, &CanalAnuncios::leer);
    }
}
