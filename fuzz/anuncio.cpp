// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

// What any host of the LAN may send to the announcement's port: a datagram
// is read as a game, a "bye", a query or nothing. What is read is in range
// and survives being announced again. What several hosts send, in any
// order, never lets one of them touch what another one listed, nor the list
// grow past its bounds.

#include "game/estado.h"
#include "transporte/anuncio.h"
#include "transporte/buscador.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

[[noreturn]] void roto(const char* que)
{
    std::fprintf(stderr, "invariant broken: %s\n", que);
    std::abort();
}

void unDatagrama(const QByteArray& b)
{
    const auto d = anuncio::leer(b);
    if (!d)
        return;
    if (b.size() > anuncio::kMaxBytes)
        roto("oversized datagram read");
    const anuncio::Partida& p = d->partida;
    if (d->tipo != anuncio::Tipo::Consulta && p.id == 0)
        roto("id 0");
    if (d->tipo != anuncio::Tipo::Partida)
        return;
    if (p.puerto == 0 || p.ocupados < 1 || p.libres < 0 || p.ocupados + p.libres > kMaxJugadores || p.nombre.size() > anuncio::kMaxNombre)
        roto("field out of range");
    const auto otra = anuncio::leer(anuncio::componer(p));
    if (!otra || otra->tipo != anuncio::Tipo::Partida || !(otra->partida == p))
        roto("announced again, read differently");
}

// An input that starts with '@' is what several hosts send to one browser:
// each datagram, up to and with its LF, comes after one byte naming its
// sender: the low three bits pick the address, 0x08 the port. A few hundred
// datagrams reach every order that matters.
constexpr int kDatagramas = 256;

void variosEquipos(const QByteArray& b)
{
    Buscador buscador(1000);
    qsizetype i = 1;
    for (int n = 0; n < kDatagramas && i < b.size(); ++n) {
        const auto s = static_cast<uchar>(b[i]);
        const QHostAddress de(QStringLiteral("192.0.2.%1").arg(1 + (s & 7)));
        const quint16 puerto = s & 8 ? 50000 : anuncio::kPuertoUdp;
        const qsizetype fin = b.indexOf('\n', i + 1);
        const QByteArray datos = b.mid(i + 1, fin < 0 ? -1 : fin - i);
        i = fin < 0 ? b.size() : fin + 1;

        const std::vector<Buscador::Entrada> antes = buscador.partidas();
        buscador.recibir(datos, de, puerto);
        const auto& l = buscador.partidas();
        if (static_cast<int>(l.size()) > Buscador::kMaxPartidas)
            roto("list past its bound");
        for (const Buscador::Entrada& e : l) {
            if (std::count_if(l.begin(), l.end(), [&](const auto& o) { return o.partida.id == e.partida.id; }) > 1)
                roto("one game listed twice");
            if (std::count_if(l.begin(), l.end(), [&](const auto& o) { return o.equipo == e.equipo; }) > Buscador::kPorEquipo)
                roto("one host holds too many places");
        }
        for (const Buscador::Entrada& e : antes)
            if (e.equipo != de && std::find(l.begin(), l.end(), e) == l.end())
                roto("one host changed what another listed");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* datos, size_t n)
{
    const QByteArray b = QByteArray::fromRawData(reinterpret_cast<const char*>(datos), static_cast<qsizetype>(n));
    if (n > 0 && datos[0] == '@')
        variosEquipos(b);
    else
        unDatagrama(b);
    return 0;
}
