// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#include "transporte/lineas.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace protocolo {

QByteArray enmarcar(const QString& mensaje)
{
    if (mensaje.isEmpty())
        return {};
    QByteArray b = mensaje.toLatin1();
    b += "\r\n";
    return b;
}

Mensaje separar(const QString& mensaje)
{
    const auto fin = mensaje.indexOf(QLatin1Char(']'));
    if (fin < 0)
        return {QString(), mensaje};
    return {mensaje.left(fin + 1), mensaje.mid(fin + 1)};
}

double numeroInicial(const QString& texto)
{
    qsizetype i = 0;
    const qsizetype n = texto.size();
    while (i < n && texto[i] == QLatin1Char(' '))
        ++i;
    const qsizetype inicio = i;
    if (i < n && (texto[i] == QLatin1Char('-') || texto[i] == QLatin1Char('+')))
        ++i;
    bool cifras = false, punto = false;
    for (; i < n; ++i) {
        const char16_t c = texto[i].unicode();
        if (c >= u'0' && c <= u'9')
            cifras = true;
        else if (c == u'.' && !punto)
            punto = true;
        else
            break;
    }
    if (!cifras)
        return 0.0;
    bool ok = false;
    const double v = texto.mid(inicio, i - inicio).toDouble(&ok);
    return ok && std::isfinite(v) ? v : 0.0;
}

int enteroInicial(const QString& texto)
{
    const double v = std::nearbyint(numeroInicial(texto));  // the default mode rounds halves to even
    if (v >= static_cast<double>(INT_MAX))
        return INT_MAX;
    if (v <= static_cast<double>(INT_MIN))
        return INT_MIN;
    return static_cast<int>(v);
}

DosCampos dosCampos(const QString& carga)
{
    const auto coma = carga.indexOf(QLatin1Char(','));
    if (coma < 0)
        return {carga, QString(), false};
    return {carga.left(coma), carga.mid(coma + 1), true};
}

bool cabeEnLinea(const QString& texto)
{
    return std::all_of(texto.begin(), texto.end(), [](QChar c) { return caracterDeLinea(c.unicode()); });
}

}  // namespace protocolo
