// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

// What any host of the LAN may send to the announcement's port: a datagram
// is read as a game, a "bye", a query or nothing. What is read is in range
// and survives being announced again.

#include "game/estado.h"
#include "transporte/anuncio.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

[[noreturn]] void roto(const char* que)
{
    std::fprintf(stderr, "invariant broken: %s\n", que);
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* datos, size_t n)
{
    const QByteArray b = QByteArray::fromRawData(reinterpret_cast<const char*>(datos), static_cast<qsizetype>(n));
    const auto d = anuncio::leer(b);
    if (!d)
        return 0;
    if (b.size() > anuncio::kMaxBytes)
        roto("oversized datagram read");
    const anuncio::Partida& p = d->partida;
    if (d->tipo != anuncio::Tipo::Consulta && p.id == 0)
        roto("id 0");
    if (d->tipo != anuncio::Tipo::Partida)
        return 0;
    if (p.puerto == 0 || p.ocupados < 1 || p.libres < 0 || p.ocupados + p.libres > kMaxJugadores || p.nombre.size() > anuncio::kMaxNombre)
        roto("field out of range");
    const auto otra = anuncio::leer(anuncio::componer(p));
    if (!otra || otra->tipo != anuncio::Tipo::Partida || !(otra->partida == p))
        roto("announced again, read differently");
    return 0;
}
