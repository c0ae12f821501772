// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

// A long game at many times human speed: the game's server in a process of
// its own, five scripted players on loopback in this one. Every player
// chats and reports its score without pause, and the players take turns to
// claim, pick three tiles, take them back and give the turn up. Each player
// checks that what the server relayed to it from each other player came
// exactly once and in order; at the end the totals and the server's memory
// are printed.
//
//   zumbarta_soak [--segundos N]      (default 60)

#include "flow/temporizadores.h"
#include "game/juego.h"
#include "transporte/conexion.h"
#include "net/redpartida.h"
#include "transporte/servidor.h"
#include "net/partidared.h"
#include "game/mensajes.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTcpSocket>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

constexpr int kJugadores = 5;
constexpr int kTic = 2;  // ms between two chat lines (and two scores) of one player

// One relayed stream (one sender, one kind) as a receiver sees it.
struct Flujo {
    std::vector<bool> visto;
    qint64 recibidos = 0, distintos = 0, desordenados = 0, mayor = -1;
    void llega(qint64 n)
    {
        ++recibidos;
        if (n < 0)
            return;
        if (n >= static_cast<qint64>(visto.size()))
            visto.resize(n + 1024);
        if (!visto[n]) {
            visto[n] = true;
            ++distintos;
            if (n < mayor)
                ++desordenados;
        }
        mayor = std::max(mayor, n);
    }
};

enum Clase { Chat, Puntos, Jugada, kClases };

struct Guionista {
    QPointer<Conexion> c;
    int asiento = 0;
    qint64 enviados[kClases] = {};
    Flujo de[7][kClases];  // by sender's seat
};

// The eight messages of one turn; the tiles name the turn, so a receiver
// can place each in the one sequence of all turns.
QStringList turno(int asiento, qint64 n)
{
    const int a = static_cast<int>(n % 47) + 1;
    return {mensajes::kTurnoON + QString::number(asiento), mensajes::kFichaON + QString::number(a),
            mensajes::kFichaON + QString::number(a + 1), mensajes::kFichaON + QString::number(a + 2),
            mensajes::kFichaOFF + QString::number(a + 2), mensajes::kFichaOFF + QString::number(a + 1),
            mensajes::kFichaOFF + QString::number(a), mensajes::kTurnoOFF + QString::number(asiento)};
}

qint64 rssKiB(qint64 pid)
{
    QFile f(QStringLiteral("/proc/%1/status").arg(pid));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& l : f.readAll().split('\n'))
        if (l.startsWith("VmRSS:"))
            return l.mid(6).trimmed().split(' ').first().toLongLong();
    return -1;
}

int servir()
{
    Juego j(Entorno{1.0, {}, QHostAddress::LocalHost});
    conectarTemporizadores(j);
    if (!iniciarServidor(j, {EleccionRed::Servir, QStringLiteral("Servidor"), {}, QStringLiteral("0")}))
        return 1;
    std::printf("%d\n", j.red->servidor()->puertoEscucha());
    std::fflush(stdout);
    return QCoreApplication::exec();
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.contains(QStringLiteral("--servidor")))
        return servir();
    const int i = args.indexOf(QStringLiteral("--segundos"));
    const int segundos = i > 0 && i + 1 < args.size() ? args[i + 1].toInt() : 60;

    QProcess servidor;
    servidor.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    servidor.start(app.applicationFilePath(), {QStringLiteral("--servidor")});
    if (!servidor.waitForReadyRead(10000)) {
        std::fprintf(stderr, "soak: the server did not start\n");
        return 1;
    }
    const quint16 puerto = static_cast<quint16>(servidor.readLine().trimmed().toUInt());
    const qint64 pid = servidor.processId();

    std::vector<std::unique_ptr<Guionista>> js;
    qint64 turnos = 0, finesDeTurno = 0;  // turns played; TurnoOFF messages received of the last one
    bool jugando = false;
    auto siguienteTurno = [&] {
        if (!jugando)
            return;
        Guionista& p = *js[turnos % kJugadores];
        for (const QString& m : turno(p.asiento, turnos))
            p.c->enviar(m);
        p.enviados[Jugada] += 8;
        ++turnos;
        finesDeTurno = 0;
    };
    for (int k = 0; k < kJugadores; ++k) {
        auto* s = new QTcpSocket;
        s->connectToHost(QHostAddress::LocalHost, puerto);
        if (!s->waitForConnected(5000)) {
            std::fprintf(stderr, "soak: cannot connect\n");
            return 1;
        }
        js.push_back(std::make_unique<Guionista>());
        Guionista& p = *js.back();
        p.c = new Conexion(s, &app);
        p.c->alPerderse = [&p] { std::fprintf(stderr, "soak: player %d was cut off\n", p.asiento); };
        p.c->alRecibir = [&, yo = &p](const QString& linea) {
            const auto m = protocolo::separar(linea);
            if (m.tag == protocolo::kIdentificacion) {
                yo->asiento = m.carga.toInt();
            } else if (m.tag == mensajes::kMessage) {
                const auto dos = m.carga.split(QStringLiteral(": "));
                const int de = dos[0].mid(1).toInt();
                if (dos.size() == 2 && de >= 2 && de <= 6)
                    yo->de[de][Chat].llega(dos[1].toLongLong());
            } else if (m.tag == mensajes::kPuntaje) {
                if (const auto v = mensajes::asientoYValor(m.carga))
                    yo->de[v->asiento][Puntos].llega(v->valor);
            } else if (m.tag == mensajes::kTurnoON || m.tag == mensajes::kFichaON || m.tag == mensajes::kFichaOFF
                       || m.tag == mensajes::kTurnoOFF) {
                // The n-th turn's k-th message is number 8n + k of the one sequence of all turns.
                const qint64 n = turnos - 1;
                const QStringList esperado = turno(static_cast<int>(n % kJugadores) + 2, n);
                const auto k = esperado.indexOf(linea);
                yo->de[n % kJugadores + 2][Jugada].llega(k < 0 ? -1 : 8 * (n / kJugadores) + k);
                if (m.tag == mensajes::kTurnoOFF && ++finesDeTurno == kJugadores - 1)
                    QTimer::singleShot(0, &app, siguienteTurno);
            }
        };
        p.c->enviar(protocolo::kJoined + QStringLiteral("P%1").arg(k + 2));
    }
    QElapsedTimer reloj;
    reloj.start();
    while (reloj.elapsed() < 10000 && std::any_of(js.begin(), js.end(), [](auto& p) { return p->asiento == 0; }))
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    // The fifth player fills the table and the server starts the game at once.
    QTimer::singleShot(500, &app, [&] { app.exit(); });
    app.exec();
    const qint64 rssUnidos = rssKiB(pid);
    qint64 rssInicio = -1;  // after the first tenth of the run: Qt's and the allocator's warm-up is over
    std::printf("soak: %d players on port %u for %d s; server RSS with everybody seated %lld KiB\n", kJugadores, puerto,
                segundos, static_cast<long long>(rssUnidos));
    std::fflush(stdout);

    QTimer tic;
    qint64 n = 0;
    QObject::connect(&tic, &QTimer::timeout, [&] {
        for (auto& p : js) {
            p->c->enviar(mensajes::kMessage + QStringLiteral("P%1: %2").arg(p->asiento).arg(n));
            p->c->enviar(mensajes::kPuntaje + QStringLiteral("%1,%2").arg(p->asiento).arg(n));
            ++p->enviados[Chat];
            ++p->enviados[Puntos];
        }
        ++n;
    });
    reloj.restart();
    tic.start(kTic);
    // The server's memory along the way: a warm-up step is not a leak.
    QTimer muestra;
    QObject::connect(&muestra, &QTimer::timeout, [&] {
        const qint64 rss = rssKiB(pid);
        if (rssInicio < 0)
            rssInicio = rss;
        std::printf("soak: %4.0f s, server RSS %lld KiB\n", reloj.elapsed() / 1000.0, static_cast<long long>(rss));
        std::fflush(stdout);
    });
    muestra.start(segundos * 100);
    jugando = true;
    siguienteTurno();
    QTimer::singleShot(segundos * 1000, &app, [&] {
        tic.stop();
        muestra.stop();
        jugando = false;
        // What is still on its way gets a few seconds to arrive.
        QTimer::singleShot(3000, &app, [&] { app.exit(); });
    });
    app.exec();
    const qint64 rssFin = rssKiB(pid);

    qint64 enviados = 0, recibidos = 0, perdidos = 0, duplicados = 0, desordenados = 0;
    for (auto& emisor : js) {
        for (int c = 0; c < kClases; ++c) {
            enviados += emisor->enviados[c];
            for (auto& receptor : js) {
                if (receptor == emisor)
                    continue;
                const Flujo& f = receptor->de[emisor->asiento][c];
                recibidos += f.recibidos;
                perdidos += emisor->enviados[c] - f.distintos;
                duplicados += f.recibidos - f.distintos;
                desordenados += f.desordenados;
            }
        }
    }
    std::printf("soak: messages sent %lld, relayed and received %lld (%lld turns)\n", static_cast<long long>(enviados),
                static_cast<long long>(recibidos), static_cast<long long>(turnos));
    std::printf("soak: lost %lld, duplicated %lld, reordered %lld\n", static_cast<long long>(perdidos),
                static_cast<long long>(duplicados), static_cast<long long>(desordenados));
    std::printf("soak: server RSS start (after warm-up) %lld KiB, end %lld KiB (%+.1f%%)\n", static_cast<long long>(rssInicio),
                static_cast<long long>(rssFin), 100.0 * (rssFin - rssInicio) / std::max<qint64>(rssInicio, 1));
    servidor.kill();
    servidor.waitForFinished(3000);
    return perdidos || duplicados || desordenados ? 1 : 0;
}
