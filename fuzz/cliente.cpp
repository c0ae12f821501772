// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

// A client's receive path: whatever its server sends, once the client knows
// it sits on seat 2 of three.

#include "mesa.h"
#include "net/redpartida.h"
#include "transporte/claves.h"
#include "transporte/cliente.h"

#include <QFile>
#include <QTemporaryDir>

namespace {

// An input that starts with '#' is what a server says around the seat, to a
// client not yet seated: a refusal's reason reaches the player printable and
// short, a client gives up on lines that never name its seat, and what comes
// after "[Clave]" is stored only as a real secret.
void alrededorDelAsiento(const uint8_t* datos, size_t n)
{
    static QTemporaryDir carpeta;
    const QString archivo = carpeta.filePath(QStringLiteral("asientos"));
    Cliente cli(1000, archivo);
    bool fin = false, sentado = false;
    QObject::connect(&cli, &Cliente::terminado, [&](bool ok) { fin = true, sentado = ok; });
    int sinAsiento = 0;
    bool guardada = false;
    // Lines end in CR LF on the wire; a bare LF stays inside a line.
    const QByteArray todo(reinterpret_cast<const char*>(datos) + 1, qsizetype(n - 1));
    for (qsizetype i = 0; i < todo.size();) {
        const qsizetype salto = todo.indexOf("\r\n", i), corte = salto < 0 ? todo.size() : salto;
        const QString linea = QString::fromLatin1(todo.mid(i, corte - i));
        i = corte + 2;
        if (fin && !sentado)
            break;
        cli.recibir(linea);
        sinAsiento += !fin;
        // Stored as the client does with a socket: the first secret of a connection.
        if (!guardada && linea.startsWith(QStringLiteral("[Clave]")) && (guardada = true))
            claves::guardar(archivo, QHostAddress::LocalHost, 5001, QStringLiteral("Beto"), linea.mid(7));
    }
    if (sinAsiento > Cliente::kAntesDelAsiento + 1)
        fuzz::roto("lines before the seat", QString::number(sinAsiento));
    const QString& motivo = cli.motivoRechazo();
    if (motivo.size() > Cliente::kLargoMotivo || std::any_of(motivo.begin(), motivo.end(), [](QChar c) { return !c.isPrint(); }))
        fuzz::roto("refusal reason", motivo);
    QFile f(archivo);
    if (guardada && f.open(QIODevice::ReadOnly)) {
        for (const QByteArray& l : f.readAll().split('\n'))
            if (!l.isEmpty() && (l.count('\t') != 3 || l.mid(l.lastIndexOf('\t') + 1).size() != 32))
                fuzz::roto("secrets file", QString::fromLatin1(l));
        f.close();
        f.remove();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* datos, size_t n)
{
    fuzz::iniciarQt();
    if (n > 0 && datos[0] == '#')
        return alrededorDelAsiento(datos, n), 0;
    static const Estado sentado = [] {
        Estado e;
        fuzz::sentar(e, 2);
        return e;
    }();
    fuzz::recibir(fuzz::reponer(sentado, RedPartida::Rol::Cliente), datos, n, 0, true);
    return 0;
}
