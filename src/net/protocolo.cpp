// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#include "net/protocolo.h"

#include <QRegularExpression>
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

QString conPresentacion(const QString& nombre, int s)
{
    return kJoined + nombre + QLatin1Char('(') + QString::number(s) + QLatin1Char(')');
}

bool modoLinealDe(const QString& carga)
{
    return carga != QStringLiteral(" Falso");
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

bool cabeEnLinea(const QString& texto)
{
    return std::all_of(texto.begin(), texto.end(), [](QChar c) { return caracterDeLinea(c.unicode()); });
}

}  // namespace protocolo
