// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The one door through which the game's procedures send a message: the
// server sends it to every client (and, with vbSelf, to its own handler as
// well), a client to the server. A local game sends nothing. A server's
// relay leaves out the client seat it came from (salvo).

#include "game/juego.h"

void enviar(Juego& j, const QString& vsData, bool vbSelf = false, int salvo = 0);
