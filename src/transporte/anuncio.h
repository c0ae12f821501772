// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What one datagram of the LAN announcement says, as pure functions on plain
// values. A server tells the LAN about its game; a client looking for games
// asks, and says nothing else. One Latin-1 line, like the game's own:
//
//   ZUMBARTA/1 [Partida]<id>,<puerto>,<ocupados>,<libres>,<estado>,<nombre>
//   ZUMBARTA/1 [Adios]<id>
//   ZUMBARTA/1 [Consulta]
//
// each ended by CR LF. The server's address is the datagram's sender, never
// a field: a field could name someone else's machine.

#include <QByteArray>
#include <QHostAddress>
#include <QString>
#include <optional>

namespace anuncio {

// Where every station announces and listens. The port is the one a firewall
// must let through (the help says so); the group is administratively
// scoped, so routers keep it inside the site.
inline constexpr quint16 kPuertoUdp = 47017;
QHostAddress grupo();  // 239.255.47.17

// Anything longer is not ours; nothing we send comes close.
inline constexpr int kMaxBytes = 512;
inline constexpr int kMaxNombre = 32;

enum class Estado { Esperando, Ausentes, Llena };

struct Partida {
    quint64 id = 0;        // this game instance; never 0
    quint16 puerto = 0;    // where its server listens for TCP
    QString nombre;        // the server's player
    int ocupados = 1;      // seats taken, the server's included
    int libres = 0;        // seats a client may take
    Estado estado = Estado::Esperando;
    bool operator==(const Partida&) const = default;
};

enum class Tipo { Partida, Adios, Consulta };

struct Datagrama {
    Tipo tipo = Tipo::Consulta;
    Partida partida;  // whole for Partida, the id alone for Adios
};

// The name is cut to kMaxNombre, and what Latin-1 cannot say or a line may
// not hold becomes "?".
QByteArray componer(const Partida& p);
QByteArray adios(quint64 id);
QByteArray consulta();

// Empty for anything that is not exactly one of the three lines above with
// every field in range.
std::optional<Datagrama> leer(const QByteArray& bytes);

}  // namespace anuncio
