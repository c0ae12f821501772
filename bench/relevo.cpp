// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

// How long a pick takes from one player to another through the game's
// server on loopback: a client writes "[fichaON]5" and another one has it.
// The baseline, in the same run, sends the same bytes the same two hops
// through a forwarder that does nothing else, so the ratio is what the
// server itself adds.

#include "game/juego.h"
#include "net/partidared.h"
#include "net/redpartida.h"
#include "transporte/servidor.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTcpServer>
#include <QTcpSocket>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

const QByteArray kFicha = "[fichaON]5\r\n";

// Runs the event loop until `s` has `b` at the end of what it read, for at
// most five seconds.
bool recibir(QTcpSocket& s, const QByteArray& b)
{
    QByteArray leido;
    QElapsedTimer t;
    t.start();
    while (!leido.endsWith(b)) {
        if (t.elapsed() > 5000)
            return false;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
        leido += s.readAll();
    }
    return true;
}

std::unique_ptr<QTcpSocket> conectar(quint16 puerto)
{
    auto s = std::make_unique<QTcpSocket>();
    s->connectToHost(QHostAddress::LocalHost, puerto);
    s->waitForConnected(3000);
    return s;
}

void medir(benchmark::State& st, QTcpSocket& a, QTcpSocket& b)
{
    for (auto _ : st) {
        a.write(kFicha);
        if (!recibir(b, kFicha)) {
            st.SkipWithError("the message did not arrive");
            break;
        }
    }
}

// Seat 2 holds the turn; seat 3 sees its picks.
void relevo(benchmark::State& st)
{
    Juego j(Entorno{1.0, {}, QHostAddress::LocalHost});
    iniciarServidor(j, {EleccionRed::Servir, QStringLiteral("Ana"), {}, QStringLiteral("0")});
    const quint16 puerto = j.red->servidor()->puertoEscucha();
    auto a = conectar(puerto), b = conectar(puerto);
    a->write("[Joined]A\r\n");
    const bool listo = recibir(*a, "[Identificacion]2\r\n") && (b->write("[Joined]B\r\n"), recibir(*b, "[Identificacion]3\r\n"))
                       && (a->write("[TurnoON]2\r\n"), recibir(*b, "[TurnoON]2\r\n"));
    if (!listo) {
        st.SkipWithError("the table was not set");
        return;
    }
    medir(st, *a, *b);
}

void relevo_base(benchmark::State& st)
{
    QTcpServer reenvio;
    reenvio.listen(QHostAddress::LocalHost, 0);
    auto a = conectar(reenvio.serverPort());
    QTcpSocket* desdeA = reenvio.waitForNewConnection(3000) ? reenvio.nextPendingConnection() : nullptr;
    auto b = conectar(reenvio.serverPort());
    QTcpSocket* haciaB = reenvio.waitForNewConnection(3000) ? reenvio.nextPendingConnection() : nullptr;
    if (!desdeA || !haciaB) {
        st.SkipWithError("the forwarder did not connect");
        return;
    }
    QObject::connect(desdeA, &QTcpSocket::readyRead, [&] { haciaB->write(desdeA->readAll()); });
    medir(st, *a, *b);
}

}  // namespace

BENCHMARK(relevo)->Unit(benchmark::kMicrosecond)->MinTime(2.0);
BENCHMARK(relevo_base)->Unit(benchmark::kMicrosecond)->MinTime(2.0);
