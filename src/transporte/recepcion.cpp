// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#include "transporte/recepcion.h"

#include "transporte/lineas.h"

#include <algorithm>

bool BufferRecepcion::romper()
{
    // Whole messages that came before the over-long line are still the
    // peer's word; only the line itself is thrown away.
    roto_ = true;
    datos_.truncate(lineaAbierta_);
    buscado_ = lineaAbierta_;
    return false;
}

bool BufferRecepcion::agregar(const QByteArray& bytes)
{
    if (roto_)
        return false;
    datos_ += bytes;
    for (;;) {
        const qsizetype fin = datos_.indexOf("\r\n", std::max(lineaAbierta_, buscado_));
        if (fin < 0)
            break;
        if (fin - lineaAbierta_ > protocolo::kLargoMaximo)
            return romper();
        lineaAbierta_ = buscado_ = fin + 2;
    }
    // A CR at the very end may meet its LF in the next read.
    buscado_ = std::max(lineaAbierta_, datos_.size() - 1);
    if (datos_.size() - lineaAbierta_ > protocolo::kLargoMaximo + 1)
        return romper();
    return true;
}

std::optional<QString> BufferRecepcion::siguiente()
{
    if (inicio_ >= lineaAbierta_) {
        // Only the waiting fragment is left: drop what was handed out.
        datos_.remove(0, inicio_);
        lineaAbierta_ -= inicio_;
        buscado_ -= inicio_;
        inicio_ = 0;
        return std::nullopt;
    }
    const qsizetype fin = datos_.indexOf("\r\n", inicio_);
    QString linea = QString::fromLatin1(datos_.constData() + inicio_, fin - inicio_);
    inicio_ = fin + 2;
    return linea;
}
