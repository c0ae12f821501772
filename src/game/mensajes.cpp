// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/mensajes.h"

#include <QRegularExpression>

namespace mensajes {

using protocolo::enteroInicial;

namespace {

bool enteroEscrito(const QString& s)
{
    static const QRegularExpression re(QStringLiteral("^-?[0-9]{1,9}$"));
    return re.match(s).hasMatch();
}

}  // namespace

std::optional<AsientoValor> asientoYValor(const QString& carga)
{
    if (carga.isEmpty())
        return std::nullopt;
    const int s = enteroInicial(carga.left(1));
    if (s < 1 || s > 6 || !carga.contains(QLatin1Char(',')))
        return std::nullopt;
    QString texto = carga;
    texto.remove(QString::number(s) + QLatin1Char(','));
    if (!enteroEscrito(texto))
        return std::nullopt;
    return AsientoValor{s, texto, texto.toInt()};
}

std::optional<Presentacion> leerPresentacion(const QString& carga)
{
    const auto abre = carga.lastIndexOf(QLatin1Char('('));
    if (abre < 0 || abre + 1 >= carga.size())
        return std::nullopt;
    const QChar c = carga[abre + 1];
    if (c < QLatin1Char('1') || c > QLatin1Char('6'))
        return std::nullopt;
    return Presentacion{carga.left(abre), c.digitValue()};
}

namespace {

std::optional<int> enRango(const QString& carga, int desde, int hasta)
{
    const int v = enteroInicial(carga);
    if (v < desde || v > hasta)
        return std::nullopt;
    return v;
}

}  // namespace

std::optional<int> asiento(const QString& carga) { return enRango(carga, 1, 6); }

std::optional<int> ficha(const QString& carga) { return enRango(carga, 1, 49); }

}  // namespace mensajes
