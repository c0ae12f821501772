// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What both fuzz targets share: a station whose peer is the fuzzer. The
// bytes go through a connection's receive path exactly as a socket's reads
// would (the receive buffer, then each whole message to the handler with the
// connection's origin), and after every message the game's invariants are
// checked; a broken one aborts, which libFuzzer reports as a finding.
//
// No socket is involved: a server's seats without a connection, and a
// client without one, send nothing.

#include "dobles.h"
#include "net/procesardatos.h"
#include "game/mensajes.h"
#include "net/redpartida.h"
#include "transporte/recepcion.h"

#include <QCoreApplication>
#include <cstdio>
#include <cstdlib>

namespace fuzz {

// What one socket read hands over at most, in these targets; small enough
// that messages of an ordinary input straddle reads.
inline constexpr qsizetype kLectura = 512;

[[noreturn]] inline void roto(const char* que, const QString& detalle = {})
{
    std::fprintf(stderr, "invariant broken: %s %s\n", que, qPrintable(detalle));
    std::abort();
}

// The game's invariants and the notices a peer may not cause, as the tests
// check them (tests/dobles.h); a client may also report the whole game's winner.
inline void comprobar(const JuegoDePrueba& p, bool cajaPermitida)
{
    if (const QString r = incoherencia(p, cajaPermitida); !r.isEmpty())
        roto("state", r);
}

// Feeds the input in reads of kLectura bytes, as Conexion::leer does.
inline void recibir(JuegoDePrueba& p, const uint8_t* datos, size_t n, int origen, bool cajaPermitida)
{
    BufferRecepcion b;
    for (size_t i = 0; i < n; i += kLectura) {
        const auto trozo = static_cast<qsizetype>(std::min<size_t>(kLectura, n - i));
        const bool sigue = b.agregar(QByteArray(reinterpret_cast<const char*>(datos) + i, trozo));
        if (b.pendientes() > protocolo::kLargoMaximo + 2 + kLectura)
            roto("receive buffer", QString::number(b.pendientes()));
        while (auto linea = b.siguiente()) {
            procesarMensaje(p.j, *linea, origen);
            comprobar(p, cajaPermitida);
        }
        if (!sigue)
            return;  // the peer is cut off, once what it sent whole before has been handled
    }
}

// One station serves every input, set back to `e` each time: building a
// game per input took a third of each run. What a handler may have left
// beyond the state (records, draws, timers, a closed link) goes too.
inline JuegoDePrueba& reponer(const Estado& e, RedPartida::Rol rol)
{
    static JuegoDePrueba& p = *new JuegoDePrueba;
    p.j.e = e;
    p.aviso.textos.clear();
    p.caja.cajas.clear();
    p.azar.guion.clear();
    p.azar.ultimo = 0.0;
    for (QTimer* t : {&p.j.Timer1, &p.j.Timer2, &p.j.timer3, &p.j.colocador, &p.j.maquinas, &p.j.avisoAbierto})
        t->stop();
    if (!p.j.red) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        p.j.red = new RedPartida(p.j, rol);
        p.j.enlace = p.j.red;
    }
    return p;
}

// Timers are started by some handlers; they need an application object.
inline void iniciarQt()
{
    static int argc = 1;
    static char nombre[] = "fuzz";
    static char* argv[] = {nombre, nullptr};
    static QCoreApplication app(argc, argv);
}

// The three seats of these tables, seen from seat 1 (the server) or seat 2.
inline void sentar(Estado& e, int yo)
{
    const char* nombres[] = {"", "Ana", "Beto", "Carla"};
    e.juegoLocal = false;
    e.esServidor = yo == 1;
    e.miJugador = yo;
    e.miNombre = QLatin1String(nombres[yo]);
    for (int s = 1; s <= 3; ++s) {
        e.datosJugadores[s].nombre = QLatin1String(nombres[s]);
        e.Jugadores[s] = {QStringLiteral(" %1  %2").arg(s).arg(QLatin1String(nombres[s])), true, false};
        e.Fichas[s] = {QStringLiteral("0"), true, false};
        e.Partidas[s] = {QStringLiteral("0"), true, false};
    }
}

}  // namespace fuzz
