// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#include "transporte/claves.h"

#include <QDir>
#include <algorithm>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <QStandardPaths>
#include <QStringList>

namespace claves {

namespace {

struct Linea {
    QString direccion, puerto, nombre, secreto;
};

QString clave(const QHostAddress& a)
{
    // An IPv4 address reached over IPv6 sockets is still the same server.
    bool ok = false;
    const quint32 v4 = a.toIPv4Address(&ok);
    return ok ? QHostAddress(v4).toString() : a.toString();
}

// A seat's secret as servers make it: 32 hexadecimal digits. Anything else
// (a line break, a tab) could plant entries of its own in the file.
bool esSecreto(const QString& s)
{
    return s.size() == 32 && std::all_of(s.begin(), s.end(), [](QChar c) { return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F'); });
}

// Lines are "address TAB port TAB name TAB secret", newest last.
QString ruta(const QString& archivo)
{
    return archivo.isEmpty() ? archivoPropio() : archivo;
}

QList<Linea> leerTodas(const QString& archivo)
{
    QList<Linea> l;
    QFile f(ruta(archivo));
    if (!f.open(QIODevice::ReadOnly))
        return l;
    while (!f.atEnd()) {
        const QStringList c = QString::fromUtf8(f.readLine()).trimmed().split(QLatin1Char('\t'));
        if (c.size() == 4 && esSecreto(c[3]))
            l.push_back({c[0], c[1], c[2], c[3]});
    }
    return l;
}

}  // namespace

QString archivoPropio()
{
    // Qt 6.4 has no state location yet (it came with 6.7): the XDG rule
    // is spelt out here, and other systems keep it with the app's data.
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
    QString base = qEnvironmentVariable("XDG_STATE_HOME");
    if (base.isEmpty())
        base = QDir::homePath() + QStringLiteral("/.local/state");
    return base + QStringLiteral("/zumbarta/asientos");
#else
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) + QStringLiteral("/asientos");
#endif
}

QString leer(const QString& archivo, const QHostAddress& servidor, quint16 puerto, const QString& nombre)
{
    const QString d = clave(servidor), p = QString::number(puerto);
    for (const Linea& l : leerTodas(archivo))
        if (l.direccion == d && l.puerto == p && l.nombre == nombre)
            return l.secreto;
    return {};
}

QString nombrePara(const QString& archivo, const QHostAddress& servidor, quint16 puerto)
{
    const QString d = clave(servidor), p = QString::number(puerto);
    QString nombre;
    for (const Linea& l : leerTodas(archivo))
        if (l.direccion == d && l.puerto == p)
            nombre = l.nombre;  // the newest seat there
    return nombre;
}

void guardar(const QString& archivo, const QHostAddress& servidor, quint16 puerto, const QString& nombre, const QString& secreto)
{
    if (!esSecreto(secreto))
        return;
    // Two stations of this user may save at once: each reads and writes
    // the file whole, and without the lock one would lose the other's seat.
    const QString destino = ruta(archivo);
    QDir().mkpath(QFileInfo(destino).absolutePath());
    QLockFile cerrojo(destino + QStringLiteral(".lock"));
    if (!cerrojo.tryLock(2000))
        return;
    const Linea nueva{clave(servidor), QString::number(puerto), nombre, secreto};
    QList<Linea> l = leerTodas(archivo);
    l.removeIf([&](const Linea& x) { return x.direccion == nueva.direccion && x.puerto == nueva.puerto && x.nombre == nueva.nombre; });
    l.push_back(nueva);
    while (l.size() > kMaximo)
        l.pop_front();
    // A name may hold anything but the separators; a secret is hex.
    QSaveFile f(destino);
    if (!f.open(QIODevice::WriteOnly))
        return;  // no state folder: the seat simply cannot be taken back later
    f.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);  // a secret is a seat
    for (const Linea& x : l) {
        QString n = x.nombre;
        n.replace(QLatin1Char('\t'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
        f.write(QStringList{x.direccion, x.puerto, n, x.secreto}.join(QLatin1Char('\t')).toUtf8() + '\n');
    }
    f.commit();
}

}  // namespace claves
