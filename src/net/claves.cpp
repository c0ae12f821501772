// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#include "net/claves.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QStringList>

namespace claves {

namespace {

QString& rutaFijada()
{
    static QString ruta;
    return ruta;
}

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

// Lines are "address TAB port TAB name TAB secret", newest last.
QList<Linea> leerTodas()
{
    QList<Linea> l;
    QFile f(archivo());
    if (!f.open(QIODevice::ReadOnly))
        return l;
    while (!f.atEnd()) {
        const QStringList c = QString::fromUtf8(f.readLine()).trimmed().split(QLatin1Char('\t'));
        if (c.size() == 4)
            l.push_back({c[0], c[1], c[2], c[3]});
    }
    return l;
}

}  // namespace

QString archivo()
{
    if (!rutaFijada().isEmpty())
        return rutaFijada();
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

void fijarArchivo(const QString& ruta)
{
    rutaFijada() = ruta;
}

QString leer(const QHostAddress& servidor, quint16 puerto, const QString& nombre)
{
    const QString d = clave(servidor), p = QString::number(puerto);
    for (const Linea& l : leerTodas())
        if (l.direccion == d && l.puerto == p && l.nombre == nombre)
            return l.secreto;
    return {};
}

QString nombrePara(const QHostAddress& servidor, quint16 puerto)
{
    const QString d = clave(servidor), p = QString::number(puerto);
    QString nombre;
    for (const Linea& l : leerTodas())
        if (l.direccion == d && l.puerto == p)
            nombre = l.nombre;  // the newest seat there
    return nombre;
}

void guardar(const QHostAddress& servidor, quint16 puerto, const QString& nombre, const QString& secreto)
{
    const Linea nueva{clave(servidor), QString::number(puerto), nombre, secreto};
    QList<Linea> l = leerTodas();
    l.removeIf([&](const Linea& x) { return x.direccion == nueva.direccion && x.puerto == nueva.puerto && x.nombre == nueva.nombre; });
    l.push_back(nueva);
    while (l.size() > kMaximo)
        l.pop_front();
    // A name may hold anything but the separators; a secret is hex.
    const QString ruta = archivo();
    QDir().mkpath(QFileInfo(ruta).absolutePath());
    QSaveFile f(ruta);
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
