// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A connection's receive buffer: bytes in as they arrive, whole messages out
// in arrival order. A message split across reads waits for its CR LF; a line
// longer than the protocol allows marks the peer as broken, so memory never
// grows without bound.

#include <QByteArray>
#include <QString>
#include <optional>

class BufferRecepcion {
public:
    // Appends what arrived. False once the peer has sent an over-long line
    // (or that many bytes without CR LF); the buffer then keeps only the
    // whole messages before that line, and takes nothing more.
    bool agregar(const QByteArray& bytes);

    // The next whole message, without its CR LF, decoded from Latin-1.
    std::optional<QString> siguiente();

    bool roto() const { return roto_; }
    // Bytes held: messages not yet handed out and the waiting fragment.
    qsizetype pendientes() const { return datos_.size() - inicio_; }

private:
    bool romper();

    QByteArray datos_;
    qsizetype inicio_ = 0;        // first byte not yet handed out
    qsizetype lineaAbierta_ = 0;  // start of the line still waiting for its CR LF
    qsizetype buscado_ = 0;       // no CR LF starts before this, past lineaAbierta_
    bool roto_ = false;
};
