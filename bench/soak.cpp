// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

// A long game at many times human speed: the game's server in a process of
// its own with its time scaled down, five scripted players on loopback in
// this one. The players play by the rules: they chat and pick within the
// server's pace, claim the turn (now and then two at once), pick three tiles
// that make the target or that do not, take a tile back, give the turn up
// and report their score. The server's process notes what it relayed of
// each seat's lines, what it sent each seat of the play, and why it dropped
// the rest; at the end each player's receipts are checked against that
// (exactly once, in order, per sender), and the server's memory in the
// first and last thirds of the run is compared.
//
//   zumbarta_soak [--segundos N]      (default 60)

#include "flow/temporizadores.h"
#include "game/combinacion.h"
#include "game/juego.h"
#include "game/mensajes.h"
#include "game/tablero.h"
#include "game/tiempos.h"
#include "net/partidared.h"
#include "net/redpartida.h"
#include "transporte/conexion.h"
#include "transporte/servidor.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSocketNotifier>
#include <QTcpSocket>
#include <QTimer>
#include <algorithm>
#include <array>
#include <cstdio>
#include <memory>
#include <numeric>
#include <unistd.h>
#include <vector>

namespace {

constexpr int kJugadores = 5;
const Entorno kEntorno{0.05, {}, QHostAddress::LocalHost};  // twenty times human speed
// A player keeps to half the server's pace, so a stall of the server's
// process has a whole burst to spend before a line is refused.
const int kChatMs = 2 * kEntorno.ms(tiempos::kPausaChat);
const int kFichaMs = 2 * kEntorno.ms(tiempos::kPausaFichas);

// A play line as one byte: its kind and the tile or seat it names; -1 for
// any other line. Whom it speaks for: the seat it names, or for a pick,
// whoever holds the turn.
enum { FichaOn, FichaOff, TurnoOn, TurnoOff };
int codigo(const QString& linea)
{
    const QString* const tags[] = {&mensajes::kFichaON, &mensajes::kFichaOFF, &mensajes::kTurnoON, &mensajes::kTurnoOFF};
    const auto m = protocolo::separar(linea);
    for (int t = FichaOn; t <= TurnoOff; ++t)
        if (m.tag == *tags[t])
            if (const int n = protocolo::enteroInicial(m.carga); n >= 0 && n < 64)
                return t * 64 + n;
    return -1;
}
int deQuien(int c, int turno) { return c >= TurnoOn * 64 ? std::min(c % 64, 6) : turno; }

enum Motivo { Carrera, Tarde, Reglas, Incompleto, kMotivos };

int servir()
{
    Juego j(kEntorno);
    conectarTemporizadores(j);
    if (!iniciarServidor(j, {EleccionRed::Servir, QStringLiteral("Servidor"), {}, QStringLiteral("0")}))
        return 1;
    Servidor* srv = j.red->servidor();
    std::array<std::array<QByteArray, 7>, 7> enviadas;  // play lines to each seat, by whom they speak for
    qint64 manejadas[7][2] = {}, relevadas[7][2] = {}, descartes[kMotivos] = {};
    int origen = 0, destinos = 0;
    QString entrante;
    j.traza = [&](bool enviado, int d, const QString& m) {
        if (!enviado || d < 2 || d > 6)
            return;
        if (const int c = codigo(m); c >= 0)
            enviadas[d][deQuien(c, origen)].append(static_cast<char>(c));
        destinos += d != origen && m == entrante;
    };
    const auto manejar = srv->alRecibir;
    srv->alRecibir = [&, manejar](int s, const QString& m) {
        if (s == 0)
            return manejar(s, m);  // the server's own word to itself
        const int antes = j.e.turno, c = codigo(m), k = c < 0 ? 0 : 1;
        origen = s, destinos = 0, entrante = m;
        manejar(s, m);
        origen = 0;
        if (c < 0 && !m.startsWith(mensajes::kMessage))
            return;  // a score report: the server keeps its own
        ++manejadas[s][k];
        const int todos = srv->presentes() - srv->conectada(s);
        if (destinos > 0)
            ++relevadas[s][k], descartes[Incompleto] += std::max(0, todos - destinos);
        else
            ++descartes[c / 64 == TurnoOn ? (antes != 0 ? Carrera : Reglas) : (c >= 0 && antes != s ? Tarde : Reglas)];
    };
    std::printf("%d\n", srv->puertoEscucha());
    std::fflush(stdout);
    // The soak closes our input when it is done: we say what we saw and go.
    QSocketNotifier fin(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&fin, &QSocketNotifier::activated, [&] {
        char b[64];
        if (::read(STDIN_FILENO, b, sizeof b) > 0)
            return;
        for (int s = 2; s <= 6; ++s) {
            std::printf("asiento %d %s %lld %lld %lld %lld\n", s, qPrintable(j.e.datosJugadores[s].nombre),
                        manejadas[s][0], relevadas[s][0], manejadas[s][1], relevadas[s][1]);
            for (int x = 0; x <= 6; ++x)
                std::printf("jugadas %d %d %s\n", s, x, enviadas[s][x].toHex().constData());
        }
        std::printf("descartes %lld %lld %lld %lld\n", descartes[0], descartes[1], descartes[2], descartes[3]);
        std::fflush(stdout);
        QCoreApplication::quit();
    });
    return QCoreApplication::exec();
}

// One sender's chat as a receiver sees it: each line numbered by its sender.
struct Flujo {
    std::vector<bool> visto;
    qint64 recibidos = 0, distintos = 0, desordenados = 0, mayor = -1;
    void llega(qint64 n)
    {
        ++recibidos;
        if (n >= static_cast<qint64>(visto.size()))
            visto.resize(n + 1024);
        if (n >= 0 && !visto[n]) {
            visto[n] = true;
            ++distintos;
            desordenados += n < mayor;
        }
        mayor = std::max(mayor, n);
    }
};

struct Guionista {
    Conexion* c = nullptr;
    QString nombre;
    int indice = 0, asiento = 0, tiene = 0, objetivo = 0, puntos = 0, valor[50] = {};
    bool lineal = false, ultimo = false, reclamando = false, jugando = false, pendiente = false, acierto = false;
    QStringList cola;  // this turn's picks still to send
    qint64 chats = 0, jugadas = 0;
    Flujo chat[7];                        // by the sender's name
    std::array<QByteArray, 7> recibidas;  // play lines, by whom they speak for
    void enviar(const QString& m) { c->enviar(m); }
};

// Three tiles one may pick in that order (each touching the last, on one
// line in "Lineal") whose digits make the target, or do not; from `desde` on.
QList<int> buscar(const Guionista& p, bool acierto, int desde)
{
    using namespace tablero;
    const auto paso = [](int a, int b) { return codigoDireccion(fila(a) - fila(b), columna(a) - columna(b)); };
    const auto junto = [](int a, int b) { return a != b && std::abs(fila(a) - fila(b)) <= 1 && std::abs(columna(a) - columna(b)) <= 1; };
    for (int i = 0; i < 49; ++i)
        for (int a = (desde + i) % 49 + 1, b = 1; b <= 49; ++b)
            for (int c = 1; junto(a, b) && c <= 49; ++c)
                if (junto(b, c) && c != a && (!p.lineal || paso(a, b) == paso(b, c))
                    && combinacionValida(p.valor[a], p.valor[b], p.valor[c], p.objetivo) == acierto)
                    return {a, b, c};
    return {};
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

// How the play lines a player received of one sender differ from what the
// server sent it: by how many of each line there are, lines missing and
// lines beyond; with the same lines, those out of place.
void comparar(const QByteArray& esperadas, const QByteArray& recibidas, qint64& perdidos, qint64& duplicados, qint64& desordenados)
{
    std::array<qint64, 256> n{};
    for (const char c : esperadas)
        ++n[static_cast<quint8>(c)];
    for (const char c : recibidas)
        --n[static_cast<quint8>(c)];
    const qint64 falta = std::accumulate(n.begin(), n.end(), qint64{0}, [](qint64 t, qint64 x) { return t + std::max<qint64>(x, 0); });
    perdidos += falta, duplicados += falta - std::accumulate(n.begin(), n.end(), qint64{0});
    for (qsizetype k = 0; falta == 0 && esperadas.size() == recibidas.size() && k < esperadas.size(); ++k)
        desordenados += esperadas[k] != recibidas[k];
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
    bool enMarcha = false, alFinal = false;
    int siguiente = 0;  // who claims next; every seventh turn the one after them claims too
    qint64 turnos = 0, carreras = 0, aciertos = 0, fallos = 0, contrarios = 0, cortados = 0, corregidos = 0;
    QElapsedTimer desdeTurno;
    auto recibir = [&](Guionista& p, const QString& linea) {
        const auto m = protocolo::separar(linea);
        if (const int c = codigo(linea); c >= 0) {
            const int w = deQuien(c, p.tiene);
            p.recibidas[w].append(static_cast<char>(c));
            if (c / 64 == TurnoOn && w == p.asiento && p.reclamando) {  // our claim stands
                p.reclamando = false, p.jugando = true, p.tiene = w;
                siguiente = (p.indice + 1) % kJugadores;
                desdeTurno.restart();
                p.acierto = ++turnos % 3 != 0;
                QList<int> t = buscar(p, p.acierto, static_cast<int>(turnos * 11));
                if (t.isEmpty())
                    t = buscar(p, p.acierto = !p.acierto, 0);
                if (turnos % 4 == 1)
                    p.cola << mensajes::fichaOn(t[0]) << mensajes::fichaOff(t[0]);
                for (const int k : t)
                    p.cola << mensajes::fichaOn(k);
            } else if (c / 64 == TurnoOn) {
                // Told again who holds the turn: our claim came too late.
                if (p.reclamando && p.tiene == w)
                    p.reclamando = false, ++carreras;
                p.tiene = w;
            } else if (c / 64 == TurnoOff) {
                if (w == p.asiento && (p.jugando || p.pendiente))
                    p.jugando = p.pendiente = false, p.cola.clear(), ++cortados;
                p.tiene = 0;
            }
        } else if (m.tag == protocolo::kIdentificacion) {
            p.asiento = m.carga.toInt();
        } else if (m.tag == mensajes::kMessage) {
            const auto dos = m.carga.split(QStringLiteral(": "));
            if (const int de = dos[0].mid(1).toInt(); dos.size() == 2 && dos[0].startsWith('P') && de >= 2 && de <= 6)
                p.chat[de].llega(dos[1].toLongLong());
        } else if (m.tag == mensajes::kFichaValor) {
            const auto d = protocolo::dosCampos(m.carga);
            p.valor[std::clamp(d.primero.toInt(), 0, 49)] = d.segundo.toInt();
        } else if (m.tag == mensajes::kFichaRedonda) {
            const auto d = protocolo::dosCampos(m.carga);
            p.objetivo = d.primero.toInt(), p.ultimo = d.segundo.isEmpty();
        } else if (m.tag == mensajes::kModoJuego) {
            p.lineal = mensajes::modoLinealDe(m.carga);
        } else if (m.tag == mensajes::kPuntaje || m.tag == mensajes::kPartidas) {
            const auto v = mensajes::asientoYValor(m.carga);
            const bool partida = m.tag == mensajes::kPartidas, propio = v && v->asiento == p.asiento;
            // The server's verdict on our last pick: a tile won, or the match.
            const bool gana = propio && (partida || v->valor > p.puntos);
            if (propio && p.pendiente)
                p.pendiente = false, ++(gana ? aciertos : fallos), contrarios += gana != p.acierto;
            if (partida || propio)
                p.puntos = partida ? 0 : v->valor;  // a match won brings every count back to 0
        } else if (m.tag == mensajes::kGanadas) {
            ++corregidos;
        }
    };
    // One beat of a player's play: the next pick of its turn, or a claim
    // when it is its turn to claim and the board has the target somewhere.
    auto jugar = [&](Guionista& p) {
        if (!enMarcha || p.reclamando || p.pendiente)
            return;
        if (p.jugando) {
            if (!p.cola.isEmpty())
                p.enviar(p.cola.takeFirst()), ++p.jugadas;
            if (!p.cola.isEmpty())
                return;
            p.enviar(mensajes::turnoOff(p.asiento));
            p.enviar(mensajes::puntaje(p.asiento, p.acierto ? (p.ultimo ? 0 : p.puntos + 1) : p.puntos - 1));
            p.jugadas += 1;
            p.jugando = false, p.pendiente = true, p.tiene = 0;
            return;
        }
        if (desdeTurno.elapsed() > 2000)  // whoever was to claim could not: the next one may
            siguiente = (siguiente + 1) % kJugadores, desdeTurno.restart();
        const bool toca = p.indice == siguiente || (turnos % 7 == 6 && p.indice == (siguiente + 1) % kJugadores);
        if (toca && p.tiene == 0 && p.objetivo > 0 && !buscar(p, true, 0).isEmpty()) {
            p.enviar(mensajes::turnoOn(p.asiento));
            ++p.jugadas;
            p.reclamando = true;
        }
    };
    std::vector<std::unique_ptr<QTimer>> timers;
    for (int k = 0; k < kJugadores; ++k) {
        auto* s = new QTcpSocket;
        s->connectToHost(QHostAddress::LocalHost, puerto);
        if (!s->waitForConnected(5000)) {
            std::fprintf(stderr, "soak: cannot connect\n");
            return 1;
        }
        js.push_back(std::make_unique<Guionista>());
        Guionista& p = *js.back();
        p.indice = k;
        p.nombre = QStringLiteral("P%1").arg(k + 2);
        p.c = new Conexion(s, &app);
        p.c->alPerderse = [&] {
            if (!alFinal)
                std::fprintf(stderr, "soak: %s was cut off\n", qPrintable(p.nombre));
        };
        p.c->alRecibir = [&](const QString& linea) { recibir(p, linea); };
        p.enviar(protocolo::kVersion + QString::number(protocolo::kVersionPropia));
        p.enviar(protocolo::kJoined + p.nombre);
        for (const int ms : {kChatMs, kFichaMs}) {
            auto& t = timers.emplace_back(std::make_unique<QTimer>());
            t->setTimerType(Qt::PreciseTimer);
            t->start(ms);
            if (ms == kChatMs)
                QObject::connect(t.get(), &QTimer::timeout, [&] {
                    if (enMarcha)
                        p.enviar(mensajes::chat(QStringLiteral("%1: %2").arg(p.nombre).arg(p.chats++)));
                });
            else
                QObject::connect(t.get(), &QTimer::timeout, [&] { jugar(p); });
        }
    }
    QElapsedTimer reloj;
    reloj.start();
    // The fifth player fills the table and the server deals at once.
    while (reloj.elapsed() < 10000 && std::any_of(js.begin(), js.end(), [](auto& p) { return p->objetivo == 0; }))
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    std::printf("soak: %d players on port %u for %d s, the server at 1/%.0f of human time\n", kJugadores, puerto,
                segundos, 1 / kEntorno.escala);
    std::fflush(stdout);

    std::vector<qint64> rss;
    QTimer muestra;
    QObject::connect(&muestra, &QTimer::timeout, [&] {
        rss.push_back(rssKiB(pid));
        if (rss.size() % 3 == 0)
            std::printf("soak: %4.0f s, server RSS %lld KiB\n", reloj.elapsed() / 1000.0, static_cast<long long>(rss.back()));
        std::fflush(stdout);
    });
    reloj.restart();
    desdeTurno.start();
    enMarcha = true;
    muestra.start(segundos * 1000 / 30);
    QTimer::singleShot(segundos * 1000, &app, [&] {
        enMarcha = false;
        muestra.stop();
        // What is still on its way gets a few seconds to arrive, and a turn
        // left half played is ended by the server.
        QTimer::singleShot(3000, &app, [&] { app.exit(); });
    });
    app.exec();

    rss.push_back(rssKiB(pid));
    // The server's record: what it relayed of each seat and sent each seat.
    alFinal = true;
    servidor.closeWriteChannel();
    servidor.waitForFinished(30000);
    qint64 descartes[kMotivos] = {}, manejadas[7][2] = {}, relevadas[7][2] = {};
    std::array<std::array<QByteArray, 7>, 7> enviadas;
    std::array<Guionista*, 7> porAsiento{};
    for (auto& p : js)
        porAsiento[std::clamp(p->asiento, 0, 6)] = p.get();
    for (const QByteArray& l : servidor.readAllStandardOutput().split('\n')) {
        const QList<QByteArray> c = l.split(' ');
        const int s = c.size() > 2 ? std::clamp(c[1].toInt(), 0, 6) : 0;
        if (c[0] == "asiento" && c.size() == 7)
            for (int k = 0; k < 2; ++k)
                manejadas[s][k] = c[3 + 2 * k].toLongLong(), relevadas[s][k] = c[4 + 2 * k].toLongLong();
        else if (c[0] == "jugadas" && c.size() == 4)
            enviadas[s][std::clamp(c[2].toInt(), 0, 6)] = QByteArray::fromHex(c[3]);
        else if (c[0] == "descartes" && c.size() == 5)
            for (int k = 0; k < kMotivos; ++k)
                descartes[k] = c[1 + k].toLongLong();
    }

    qint64 perdidos = descartes[Incompleto], duplicados = 0, desordenados = 0, chats = 0, jugadas = 0;
    qint64 chatsRecibidos = 0, jugadasRecibidas = 0, chatsAceptados = 0, jugadasAceptadas = 0, sobreRitmo[2] = {};
    for (auto& e : js) {
        const int s = e->asiento;
        chats += e->chats, jugadas += e->jugadas;
        chatsAceptados += relevadas[s][0], jugadasAceptadas += relevadas[s][1];
        sobreRitmo[0] += e->chats - manejadas[s][0], sobreRitmo[1] += e->jugadas - manejadas[s][1];
        for (auto& r : js) {
            if (r != e) {
                const Flujo& f = r->chat[e->nombre.mid(1).toInt()];
                chatsRecibidos += f.recibidos;
                perdidos += relevadas[s][0] - f.distintos;
                duplicados += f.recibidos - f.distintos;
                desordenados += f.desordenados;
            }
            jugadasRecibidas += r->recibidas[s].size();
            comparar(enviadas[r->asiento][s], r->recibidas[s], perdidos, duplicados, desordenados);
        }
    }
    for (auto& r : js)  // picks heard while nobody held the turn, as the server would not send them
        comparar(enviadas[r->asiento][0], r->recibidas[0], perdidos, duplicados, desordenados);
    const auto n = static_cast<qsizetype>(std::max<std::size_t>(rss.size() / 3, 1));
    const auto media = [&](auto desde) { return std::accumulate(desde, desde + n, qint64{0}) / n; };
    const qint64 rssPrimero = media(rss.begin()), rssUltimo = media(rss.end() - n);
    const bool plana = !rss.empty() && rssUltimo <= rssPrimero + std::max<qint64>(rssPrimero / 20, 512);
    const auto ll = [](qint64 n) { return static_cast<long long>(n); };
    std::printf("soak: chat lines sent %lld, accepted %lld, relayed and received %lld\n", ll(chats), ll(chatsAceptados), ll(chatsRecibidos));
    std::printf("soak: play lines sent %lld, accepted %lld, relayed and received %lld (%lld turns)\n", ll(jugadas),
                ll(jugadasAceptadas), ll(jugadasRecibidas), ll(turnos));
    std::printf("soak: outcomes right %lld, wrong %lld (%lld judged otherwise than meant); turns the server ended %lld; "
                "stations set right %lld\n", ll(aciertos), ll(fallos), ll(contrarios), ll(cortados), ll(corregidos));
    std::printf("soak: dropped by design: claims that lost a race %lld (players saw %lld), plays after the turn was over %lld, "
                "chat over the pace %lld, picks over the pace %lld; refused otherwise %lld\n", ll(descartes[Carrera]),
                ll(carreras), ll(descartes[Tarde]), ll(sobreRitmo[0]), ll(sobreRitmo[1]), ll(descartes[Reglas]));
    std::printf("soak: lost %lld, duplicated %lld, reordered %lld\n", ll(perdidos), ll(duplicados), ll(desordenados));
    std::printf("soak: server RSS first third %lld KiB, last third %lld KiB (%+.1f%%): %s\n", ll(rssPrimero), ll(rssUltimo),
                100.0 * (rssUltimo - rssPrimero) / std::max<qint64>(rssPrimero, 1), plana ? "flat" : "GROWING");
    servidor.kill();
    servidor.waitForFinished(3000);
    return perdidos || duplicados || desordenados || !plana ? 1 : 0;
}
