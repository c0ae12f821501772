// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What every received message does, on the server and on the clients.

#include <QString>

class Juego;
struct Estado;

// One message, without its CR LF. origen is the client seat (2..6) the
// server heard it from, or 0 for a client's message from its server and for
// the server's own messages. On the server a client speaks only for its own
// seat: anything else it sends is dropped, unapplied and unrelayed, as is
// anything malformed from anybody.
void procesarMensaje(Juego& j, const QString& mensaje, int origen);

