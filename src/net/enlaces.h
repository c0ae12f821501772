// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The network link a station has installed, as the server or as a client.

#include "game/juego.h"
#include "net/anunciador.h"
#include "net/cliente.h"
#include "net/servidor.h"

inline Servidor* servidorDe(Juego& j) { return dynamic_cast<Servidor*>(j.enlace); }
inline const Servidor* servidorDe(const Juego& j) { return dynamic_cast<const Servidor*>(j.enlace); }
inline Cliente* clienteDe(Juego& j) { return dynamic_cast<Cliente*>(j.enlace); }

// The LAN announcement of this station's game, while it serves and announces.
inline Anunciador* anunciadorDe(Juego& j)
{
    Servidor* s = servidorDe(j);
    return s ? s->findChild<Anunciador*>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
}
