// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/preferencias.h"

#include "game/estado.h"
#include "transporte/lineas.h"

#include <QRegularExpression>
#include <QSettings>

#include <algorithm>
#include <memory>

namespace preferencias {

namespace {

// Named outright rather than from the application object: the program sets
// no organization, and the tests' programs have names of their own.
std::unique_ptr<QSettings> abrir()
{
    auto s = std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Zumbarta"),
                                         QStringLiteral("Zumbarta"));
    s->setFallbacksEnabled(false);  // only the player's own file, never a system-wide one
    return s;
}

QString texto(const QSettings& s, const QString& clave) { return s.value(clave).toString(); }

// A number written as QSettings writes it: digits only, in [minimo, maximo].
int numero(const QSettings& s, const QString& clave, int minimo, int maximo)
{
    static const QRegularExpression digitos(QStringLiteral("^[0-9]{1,5}$"));
    const QString t = texto(s, clave);
    const int n = digitos.match(t).hasMatch() ? t.toInt() : 0;
    return n >= minimo && n <= maximo ? n : 0;
}

std::optional<bool> siNo(const QSettings& s, const QString& clave)
{
    const QString t = texto(s, clave);
    if (t == QStringLiteral("true") || t == QStringLiteral("false"))
        return t == QStringLiteral("true");
    return std::nullopt;
}

// A name the dialog's box could have held.
QString nombre(const QSettings& s, const QString& clave, int largo, bool red)
{
    const QString t = texto(s, clave);
    const bool imprimible = std::all_of(t.begin(), t.end(), [](QChar c) { return c.isPrint(); });
    return t.size() <= largo && imprimible && (!red || protocolo::cabeEnLinea(t)) ? t : QString();
}

QString clave(const char* nombre, int s) { return QStringLiteral("local/%1%2").arg(QLatin1String(nombre)).arg(s); }

}  // namespace

Red leerRed()
{
    const auto s = abrir();
    Red r;
    r.nombre = nombre(*s, QStringLiteral("red/nombre"), kLargoNombreRed, true);
    // A host name is at most 253 characters.
    r.servidor = nombre(*s, QStringLiteral("red/servidor"), 253, true);
    if (const int p = numero(*s, QStringLiteral("red/puerto"), 1, 65535))
        r.puerto = QString::number(p);
    r.anunciar = siNo(*s, QStringLiteral("red/anunciar"));
    return r;
}

void guardarRed(const Red& r)
{
    const auto s = abrir();
    s->setValue(QStringLiteral("red/nombre"), r.nombre);
    s->setValue(QStringLiteral("red/servidor"), r.servidor);
    s->setValue(QStringLiteral("red/puerto"), r.puerto);
    s->setValue(QStringLiteral("red/anunciar"), r.anunciar.value_or(true));
}

Local leerLocal()
{
    const auto s = abrir();
    Local l;
    l.numJugadores = numero(*s, QStringLiteral("local/jugadores"), 2, kMaxJugadores);
    for (int i = 1; i <= kMaxJugadores; ++i) {
        l.nombres[i] = nombre(*s, clave("nombre", i), kLargoNombreLocal, false);
        l.maquina[i] = siNo(*s, clave("maquina", i)).value_or(false);
    }
    l.nivel = numero(*s, QStringLiteral("local/nivel"), 1, 4);
    return l;
}

void guardarLocal(const Local& l)
{
    const auto s = abrir();
    s->setValue(QStringLiteral("local/jugadores"), l.numJugadores);
    for (int i = 1; i <= kMaxJugadores; ++i) {
        s->setValue(clave("nombre", i), l.nombres[i]);
        s->setValue(clave("maquina", i), l.maquina[i]);
    }
    s->setValue(QStringLiteral("local/nivel"), l.nivel);
}

QString archivo() { return abrir()->fileName(); }

}  // namespace preferencias
