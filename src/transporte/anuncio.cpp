// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#include "transporte/anuncio.h"

#include "transporte/lineas.h"

#include <cctype>

namespace anuncio {

namespace {

const QByteArray kCabecera = QByteArrayLiteral("ZUMBARTA/1 ");
const QByteArray kPartida = QByteArrayLiteral("[Partida]");
const QByteArray kAdios = QByteArrayLiteral("[Adios]");
const QByteArray kConsulta = QByteArrayLiteral("[Consulta]");
const QByteArray kFin = QByteArrayLiteral("\r\n");

const char* const kEstados[] = {"esperando", "ausentes", "llena"};

QByteArray hex(quint64 id)
{
    return QByteArray::number(id, 16).rightJustified(16, '0');
}

// Sixteen hex digits, not all zero.
std::optional<quint64> leerId(const QByteArray& b)
{
    if (b.size() != 16)
        return std::nullopt;
    for (char c : b)
        if (!std::isxdigit(static_cast<uchar>(c)))
            return std::nullopt;
    const quint64 id = b.toULongLong(nullptr, 16);
    if (id == 0)
        return std::nullopt;
    return id;
}

// Plain decimal digits, no sign or blank, within [min, max].
std::optional<int> leerNumero(const QByteArray& b, int min, int max)
{
    if (b.isEmpty() || b.size() > 5)
        return std::nullopt;
    for (char c : b)
        if (c < '0' || c > '9')
            return std::nullopt;
    const int n = b.toInt();
    if (n < min || n > max)
        return std::nullopt;
    return n;
}

std::optional<Partida> leerPartida(const QByteArray& carga)
{
    // The name goes last and may hold commas: split at the first five only.
    QList<QByteArray> campos;
    qsizetype desde = 0;
    for (int i = 0; i < 5; ++i) {
        const qsizetype coma = carga.indexOf(',', desde);
        if (coma < 0)
            return std::nullopt;
        campos << carga.mid(desde, coma - desde);
        desde = coma + 1;
    }
    const QByteArray nombre = carga.mid(desde);
    if (nombre.size() > kMaxNombre)
        return std::nullopt;
    for (char c : nombre)
        if (!protocolo::caracterDeLinea(static_cast<uchar>(c)))
            return std::nullopt;

    Partida p;
    const auto id = leerId(campos[0]);
    const auto puerto = leerNumero(campos[1], 1, 65535);
    const auto ocupados = leerNumero(campos[2], 1, protocolo::kAsientos);
    const auto libres = leerNumero(campos[3], 0, protocolo::kAsientos - 1);
    if (!id || !puerto || !ocupados || !libres || *ocupados + *libres > protocolo::kAsientos)
        return std::nullopt;
    int estado = 0;
    while (estado < 3 && campos[4] != kEstados[estado])
        ++estado;
    if (estado == 3)
        return std::nullopt;
    p.id = *id;
    p.puerto = static_cast<quint16>(*puerto);
    p.ocupados = *ocupados;
    p.libres = *libres;
    p.estado = static_cast<Estado>(estado);
    p.nombre = QString::fromLatin1(nombre);
    return p;
}

}  // namespace

QHostAddress grupo()
{
    return QHostAddress(QStringLiteral("239.255.47.17"));
}

QByteArray componer(const Partida& p)
{
    QByteArray nombre = p.nombre.left(kMaxNombre).toLatin1();
    for (char& c : nombre)
        if (!protocolo::caracterDeLinea(static_cast<uchar>(c)))
            c = '?';
    return kCabecera + kPartida + hex(p.id) + ',' + QByteArray::number(p.puerto) + ','
           + QByteArray::number(p.ocupados) + ',' + QByteArray::number(p.libres) + ','
           + kEstados[static_cast<int>(p.estado)] + ',' + nombre + kFin;
}

QByteArray adios(quint64 id)
{
    return kCabecera + kAdios + hex(id) + kFin;
}

QByteArray consulta()
{
    return kCabecera + kConsulta + kFin;
}

std::optional<Datagrama> leer(const QByteArray& bytes)
{
    if (bytes.size() > kMaxBytes || !bytes.startsWith(kCabecera) || !bytes.endsWith(kFin))
        return std::nullopt;
    // Every field checks its own bytes, the name included: no CR or LF
    // gets past them.
    const QByteArray linea = bytes.mid(kCabecera.size(), bytes.size() - kCabecera.size() - kFin.size());
    Datagrama d;
    if (linea == kConsulta) {
        d.tipo = Tipo::Consulta;
    } else if (linea.startsWith(kAdios)) {
        const auto id = leerId(linea.mid(kAdios.size()));
        if (!id)
            return std::nullopt;
        d.tipo = Tipo::Adios;
        d.partida.id = *id;
    } else if (linea.startsWith(kPartida)) {
        const auto p = leerPartida(linea.mid(kPartida.size()));
        if (!p)
            return std::nullopt;
        d.tipo = Tipo::Partida;
        d.partida = *p;
    } else {
        return std::nullopt;
    }
    return d;
}

}  // namespace anuncio
