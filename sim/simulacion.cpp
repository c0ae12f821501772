// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

// Whole network games at many times the game's speed: a server and its
// clients, each a station program of its own (zumbarta_estacion) on
// 127.0.0.1, played by scripted players at random, seeded moments. Each
// station checks its invariants after every handled message and timer tick;
// this driver checks at every quiet point that the stations agree and that
// a claim still goes through. Divergences and stalls must both be 0.
//
//   zumbarta_sim [--segundos N] [--semilla S] [--estaciones K] [--escala E] [--ocupado] [--tramposos N] [--maquinas M]
//
// K counts every station, the server included (2..6; 6 is a server and
// five clients). The game's time runs at E (0.02 = 1/50). Game g of a run
// plays with seed S + g; "--semilla S+g" replays its players' script, though
// what the stations make of it depends on timing and may differ.
// --ocupado keeps every core of the machine busy while the games are played,
// so that the stations wait for the scheduler as on a loaded machine.
// --tramposos N makes the last N clients cheats: their players write to the
// server what a modified program would (scores and matches of their own
// making, picks out of turn or scattered, the turn held, chat in another's
// name) and never a right pick. The server must credit them nothing and end
// each turn they hold by its referee's limit; the honest stations must
// still agree with it.
// --maquinas M gives the server's first M free seats to the machine, at its
// fastest level; it holds still at the quiet points, as the players do.

#include "game/combinacion.h"
#include "game/entorno.h"
#include "game/estado.h"
#include "game/tablero.h"
#include "game/tiempos.h"
#include "game/busqueda.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <csignal>
#include <QRegularExpression>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <deque>
#include <memory>
#include <random>
#include <set>
#include <thread>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString kNombres[] = {u"Ana"_s, u"Beto"_s, u"Carla"_s, u"D\u00e1maso"_s, u"Eva"_s, u"Ferm\u00edn"_s};

// An interval of the game at the stations' time scale.
int aEscala(double escala, int intervalo)
{
    Entorno e;
    e.escala = escala;
    return e.ms(intervalo);
}

qint64 reloj()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}
const qint64 origen = reloj();
qint64 ahora() { return reloj() - origen; }

void esperar(int ms)
{
    QEventLoop l;
    QTimer::singleShot(std::max(ms, 0), &l, &QEventLoop::quit);
    l.exec();
}

void decir(const QString& s)
{
    std::fputs(s.toUtf8().append('\n').constData(), stdout);
    std::fflush(stdout);
}

// A station as the driver sees it: its process, its last snapshot, the turn
// changes it reported and the clicks its player has planned.
struct Puesto {
    int n = 0;  // 1 is the server
    std::unique_ptr<QProcess> p;
    bool vivo = true;  // running and at the table
    QJsonObject foto;
    bool fotoNueva = false, trazaLista = false, jugando = false;  // jugando: its turn has a pick planned
    QStringList traza;
    int puerto = 0, turno = 0;
    qint64 desde = 0, okEn = -1;
    std::vector<std::pair<qint64, int>> turnos;
    std::deque<std::pair<qint64, QByteArray>> plan;
    int desRec = 0, desEnv = 0;  // the handshake's lines, which only one end counts
    bool matado = false;         // killed by the driver, as a machine that dies
    bool tramposo = false;
    qint64 despierta = -1;       // frozen (SIGSTOP) until then
    // Its heartbeats: the last one, and the stretches when the machine (or
    // the driver's SIGSTOP) kept it from running: a beat more than 100 ms late.
    qint64 latido = -1;
    std::deque<std::pair<qint64, qint64>> parado;
    QString nombre;

    int i(const char* k) const { return foto[QLatin1String(k)].toInt(); }
    bool b(const char* k) const { return foto[QLatin1String(k)].toBool(); }
    QString s(const char* k) const { return foto[QLatin1String(k)].toString(); }
    int cuenta(const char* k, int c) const { return foto[QLatin1String(k)].toArray().at(c).toInt(); }
    int yo() const { return i("yo"); }
    void orden(const QByteArray& c) { if (vivo) p->write(c + '\n'); }
};

// How long of [a, b] all of these stations ran: what a station's view may be
// held to is the time it and those that speak to it were let run.
qint64 enMarcha(qint64 a, qint64 b, std::initializer_list<const Puesto*> ps)
{
    std::vector<std::pair<qint64, qint64>> v;
    for (const Puesto* p : ps)
        for (const auto& [i, f] : p->parado)
            if (std::min(b, f) > std::max(a, i))
                v.push_back({std::max(a, i), std::min(b, f)});
    std::sort(v.begin(), v.end());
    qint64 t = b - a, hasta = a;
    for (const auto& [i, f] : v) {
        t -= std::max<qint64>(0, f - std::max(i, hasta));
        hasta = std::max(hasta, f);
    }
    return t;
}

// One thread per core spinning for as long as it lives.
class Carga {
public:
    explicit Carga(bool activa)
    {
        for (unsigned i = 0; activa && i < std::max(1u, std::thread::hardware_concurrency()); ++i)
            hilos_.emplace_back([](std::stop_token fin) {
                for (volatile unsigned long vueltas = 0; !fin.stop_requested();)
                    vueltas = vueltas + 1;
            });
    }
    int hilos() const { return static_cast<int>(hilos_.size()); }

private:
    std::vector<std::jthread> hilos_;  // stopped and joined as they go
};

class Simulacion {
public:
    Simulacion(double escala, int estaciones, quint64 semilla, int segundos, bool ocupado, int tramposos, int maquinas)
        : tramposos_(tramposos), maquinas_(maquinas), turnoMs_(aEscala(escala, tiempos::kTurno)), avisoMs_(aEscala(escala, tiempos::kAviso)), holgura_(ocupado ? 3 : 1),
          margenMs_(holgura_ * (aEscala(escala, tiempos::kMargenArbitro + tiempos::kAviso) + 500)),
          escala_(escala), estaciones_(estaciones), semilla_(semilla), segundos_(segundos), ocupado_(ocupado) {}

    int correr()
    {
        const Carga carga(ocupado_);
        const qint64 fin = ahora() + qint64(segundos_) * 1000;
        for (int g = 0; g < 100000 && ahora() < fin; ++g)
            jugarJuego(semilla_ + g, fin);
        decir(u"\ngames %1  matches %2  rounds %3  claims %4  races %5  quiet points %6"_s.arg(juegos_).arg(partidas_).arg(rondas_).arg(pedidos_).arg(carreras_).arg(calmas_));
        if (carga.hilos())
            decir(u"(%1 threads kept every core busy)"_s.arg(carga.hilos()));
        if (fugaces_)
            decir(u"differences seen at one quiet point and gone by the next: %1 (each printed above)"_s.arg(fugaces_));
        decir(u"divergences %1\nstalls %2"_s.arg(divergencias_).arg(estancamientos_));
        decir(u"(script: Repartir wanted %1 times, its menu entry disabled %2 of them; %3 mode changes; %4 stations froze; %5 clients left mid-game, %6 came back)"_s
                  .arg(repartirPedido_).arg(repartirNegado_).arg(cambiosDeModo_).arg(congelados_).arg(abandonos_).arg(regresos_));
        if (maquinas_)
            decir(u"machine seats %1: turns %2"_s.arg(maquinas_).arg(turnosMaquina_));
        if (tramposos_)
            decir(u"cheats %1: lines sent %2, scores refused %3, turns held %4 (longest %5 ms; the referee's limit %6 ms, %7 with slack), tiles gained %8, matches gained %9 (%10 more won by the clock), server crashes %11"_s
                      .arg(tramposos_).arg(lineasTrampa_).arg(rechazos_).arg(turnosTrampa_).arg(turnoMasLargo_)
                      .arg(aEscala(escala_, tiempos::kTurno + tiempos::kMargenArbitro + tiempos::kAviso)).arg(turnoMs_ + margenMs_)
                      .arg(fichasTrampa_).arg(partidasTrampa_).arg(partidasPorReloj_).arg(caidasServidor_));
        return divergencias_ || estancamientos_ ? 1 : 0;
    }

private:
    const int tramposos_;
    const int maquinas_;
    int turnosMaquina_ = 0;
    const int turnoMs_;
    const int avisoMs_;
    // What the driver's own waits allow for beyond the game's times: a busy
    // machine hands the stations the processor late.
    const int holgura_;
    // What a turn may take beyond its own time: the server's grace, the
    // notice's time it adds once the third tile came, and the wire.
    const int margenMs_;

    // ---- stations

    Puesto& lanzar(QStringList args)
    {
        auto& x = *puestos_.emplace_back(std::make_unique<Puesto>());
        x.n = static_cast<int>(puestos_.size());
        x.nombre = args[1];
        x.tramposo = tramposo(x.nombre);
        x.p = std::make_unique<QProcess>();
        x.p->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        QObject::connect(x.p.get(), &QProcess::readyReadStandardOutput, [this, &x] { leer(x); });
        QObject::connect(x.p.get(), &QProcess::finished, [this, &x](int codigo, QProcess::ExitStatus st) {
            if (std::exchange(x.vivo, false))
                rotas_.push_back({u"station %1 ended by itself (%2)"_s.arg(x.n).arg(st == QProcess::CrashExit ? u"crash"_s : QString::number(codigo)), true});
        });
        // Each player keeps its seat secrets in a file of its own, as on a computer of its own.
        args << u"--claves"_s << claves_.filePath(args[1]);
        args << u"--escala"_s << QString::number(escala_) << u"--origen"_s << QString::number(origen) << u"--semilla"_s << QString::number(semillaJuego_ * 8 + x.n);
        x.p->start(QCoreApplication::applicationDirPath() + u"/zumbarta_estacion"_s, args);
        return x;
    }

    void leer(Puesto& x)
    {
        while (x.p->canReadLine()) {
            const QString l = QString::fromUtf8(x.p->readLine()).chopped(1);
            const QString resto = l.mid(2);
            if (l.startsWith(u"E ")) {
                x.foto = QJsonDocument::fromJson(resto.toUtf8()).object();
                x.fotoNueva = true;
            } else if (l.startsWith(u"T ")) {
                const qint64 desde = std::exchange(x.desde, resto.section(u' ', 0, 0).toLongLong());
                if (x.n == 1 && tramposo(nombreDe(x, x.turno))) {
                    ++turnosTrampa_;
                    turnoMasLargo_ = std::max(turnoMasLargo_, x.desde - desde);
                    if (x.desde - desde > turnoMs_ + margenMs_)
                        rotas_.push_back({u"the server let cheating seat %1 hold the turn for %2 ms"_s.arg(x.turno).arg(x.desde - desde), false});
                }
                x.turno = resto.section(u' ', 1, 1).toInt();
                turnosMaquina_ += x.n == 1 && x.turno >= 2 && x.turno <= maquinas_ + 1;  // seated before any client
                if (x.turnos.size() < 1000)
                    x.turnos.push_back({x.desde, x.turno});
            } else if (l.startsWith(u"V ")) {
                const qint64 t = resto.toLongLong();
                if (x.latido >= 0 && t - x.latido > 100)
                    x.parado.push_back({x.latido, t});
                if (x.parado.size() > 1000)
                    x.parado.pop_front();
                x.latido = t;
            } else if (l.startsWith(u"I ")) {
                rotas_.push_back({u"station %1: %2"_s.arg(x.n).arg(resto), false});
            } else if (l == u"R.") {
                x.trazaLista = true;
            } else if (l.startsWith(u"R ")) {
                x.traza << resto;
            } else if (l.startsWith(u"G ") && x.n == 1 && tramposo(resto.section(u' ', 2))) {
                const QString como = resto.section(u' ', 1, 1);
                ++(como == u"f" ? fichasTrampa_ : como == u"p" ? partidasTrampa_ : partidasPorReloj_);
                if (como != u"r")
                    rotas_.push_back({u"the server credited cheating seat %1 a %2"_s.arg(resto.section(u' ', 0, 0), como == u"f" ? u"tile"_s : u"match"_s), false});
            } else if (l.startsWith(u"P ")) {
                x.puerto = resto.toInt();
            }
        }
    }

    // At the table and awake.
    std::vector<Puesto*> vivos() const
    {
        std::vector<Puesto*> v;
        for (const auto& x : puestos_)
            if (x->vivo && x->despierta < 0)
                v.push_back(x.get());
        return v;
    }

    bool tramposo(const QString& nombre) const
    {
        const auto i = std::find(std::begin(kNombres), std::end(kNombres), nombre) - std::begin(kNombres);
        return i < estaciones_ && i >= estaciones_ - tramposos_;
    }
    // A seat's row reads " 4  Eva|...".
    static QString fila(const Puesto& x, int s) { return x.foto[u"asientos"_s].toArray().at(s - 1).toString(); }
    static QString nombreDe(const Puesto& x, int s) { return s >= 1 ? fila(x, s).section(u'|', 0, 0).simplified().section(u' ', 1) : QString(); }

    // A station that hangs for a while (a lid closed, a program stuck), then
    // wakes; one that drops (it quits, or dies) and whose player comes back
    // later in a new program with the secret it kept.
    void congelar(Puesto& x, int ms)
    {
        ++congelados_;
        ::kill(static_cast<pid_t>(x.p->processId()), SIGSTOP);
        x.despierta = ahora() + ms;
    }
    void despertar(bool todos)
    {
        for (const auto& x : puestos_)
            if (x->vivo && x->despierta >= 0 && (todos || ahora() >= x->despierta)) {
                ::kill(static_cast<pid_t>(x->p->processId()), SIGCONT);
                x->despierta = -1;
            }
        for (auto it = vuelven_.begin(); !todos && it != vuelven_.end();)
            if (ahora() >= it->first) {
                ++regresos_;
                // Its program is new, its handshake the same as everybody's.
                Puesto& c = lanzar({u"--unirse"_s, it->second, QString::number(servidor().puerto)});
                std::tie(c.desRec, c.desEnv) = saludo_;
                it = vuelven_.erase(it);
            } else {
                ++it;
            }
    }
    void caer(Puesto& x)
    {
        ++abandonos_;
        x.vivo = false;
        if (prob(0.5))
            x.p->write("salir\n");
        else
            x.p->kill(), x.matado = true;
        if (prob(0.8))
            vuelven_.push_back({ahora() + turnoMs_ * (1 + azar(20)), x.nombre});
    }
    template <class F>
    bool todos(F f) const
    {
        const auto v = vivos();
        return std::all_of(v.begin(), v.end(), [&](Puesto* x) { return f(*x); });
    }
    Puesto& servidor() const { return *puestos_.front(); }
    // Clients at the table, a frozen one too: the server still counts it present.
    int clientes() const
    {
        return static_cast<int>(std::count_if(puestos_.begin() + 1, puestos_.end(), [](const auto& x) { return x->vivo; }));
    }

    template <class F>
    bool hasta(int ms, F cond)
    {
        for (const qint64 fin = ahora() + ms; !roto_; esperar(2))
            if (cond())
                return true;
            else if (ahora() >= fin)
                return false;
        return false;
    }

    // A fresh snapshot of each of these stations, every one at the table by default.
    bool fotos(const std::vector<Puesto*>& v)
    {
        for (Puesto* x : v) {
            x->fotoNueva = false;
            x->orden("estado");
        }
        auto listas = [&] { return std::all_of(v.begin(), v.end(), [](Puesto* x) { return x->fotoNueva || !x->vivo; }); };
        if (hasta(3000 * holgura_, listas))
            return true;
        for (Puesto* x : v)
            if (!x->fotoNueva && x->vivo)
                fallo(true, u"station %1 does not answer"_s.arg(x->n));
        return false;
    }
    bool fotos() { return fotos(vivos()); }

    // ---- faults

    void fallo(bool estancamiento, const QString& que, bool terminaJuego = true)
    {
        ++(estancamiento ? estancamientos_ : divergencias_);
        decir(u"\n%1 seed %2 (game %3, %4 s): %5"_s.arg(estancamiento ? u"STALL"_s : u"DIVERGENCE"_s).arg(semillaJuego_).arg(juegos_).arg(ahora() / 1000.0, 0, 'f', 1).arg(que));
        // Every station's last 50 messages and ticks, on one clock, for the first fault of each kind.
        QString tipo = que.section(u'\n', 0, 0);
        if (tipos_.insert(tipo.remove(QRegularExpression(u"[0-9]"_s))).second && tipos_.size() <= 20) {
            for (Puesto* x : vivos()) {
                x->traza.clear();
                x->trazaLista = false;
                x->orden("traza");
            }
            const bool antes = std::exchange(roto_, false);
            hasta(3000, [&] { return todos([](Puesto& x) { return x.trazaLista; }); });
            roto_ = antes;
            for (Puesto* x : vivos())
                decir(u"--- station %1 (%2, seat %3)\n"_s.arg(x->n).arg(x->n == 1 ? u"server"_s : u"client"_s).arg(x->yo()) + x->traza.join(u'\n'));
        }
        roto_ = roto_ || terminaJuego;
    }

    // Broken invariants the stations reported, and turns held too long.
    void vigilar()
    {
        for (const auto& [que, terminal] : std::exchange(rotas_, {}))
            fallo(false, que, terminal);
        for (Puesto* x : vivos())
            for (int k = 1; !x->tramposo && k <= 6; ++k)
                if (tramposo(nombreDe(*x, k)) && fila(*x, k).section(u'(', 1, 1).section(u')', 0, 0).toInt() > 0)
                    return fallo(false, u"station %1 shows cheating seat %2 with tiles: %3"_s.arg(x->n).arg(k).arg(fila(*x, k)));
        const Puesto& s = servidor();
        // Held to the time each station ran: one the machine kept waiting
        // shows what it was told last, and catches up once it runs.
        for (Puesto* x : vivos()) {
            const qint64 t = x->latido < 0 ? 0 : enMarcha(x->desde, x->latido, {x, &s});
            if (x->turno == 0 || t <= turnoMs_ + margenMs_)
                continue;
            if (x->n != 1 && s.vivo && s.turno != x->turno)
                return fallo(false, u"station %1 shows seat %2 holding the turn for %3 ms of its running, the server seat %4"_s.arg(x->n).arg(x->turno).arg(t).arg(s.turno));
            return fallo(true, u"station %1 shows seat %2 holding the turn for %3 ms of its running (a turn is %4 ms)"_s.arg(x->n).arg(x->turno).arg(t).arg(turnoMs_));
        }
    }

    // ---- the players

    std::mt19937_64 rng_;
    double pAcierto_ = 0.7;
    int azar(int n) { return n <= 1 ? 0 : static_cast<int>(rng_() % static_cast<quint64>(n)); }
    double uniforme() { return std::uniform_real_distribution<double>(0, 1)(rng_); }
    bool prob(double p) { return uniforme() < p; }

    static std::array<int, 50> valores(const Puesto& x)
    {
        std::array<int, 50> v{};
        const QString t = x.s("tablero");
        for (int k = 1; k <= kFichas && k <= t.size(); ++k)
            v[k] = t[k - 1].digitValue();
        return v;
    }
    static int objetivo(const Puesto& x) { return x.s("objetivo").toInt(); }
    static bool lineal(const Puesto& x) { return x.s("modo") == u"Lineal"; }

    // A pick that makes the target, as the machine player finds it.
    std::vector<int> acierto(const Puesto& x)
    {
        const auto r = busqueda::buscar(valores(x), objetivo(x), lineal(x), azar(2) == 1);
        return r.encontrada ? std::vector<int>{r.jugada[1], r.jugada[2], r.jugada[3]} : std::vector<int>{};
    }

    // Three touching tiles (in a line in "Lineal") that do not make it.
    std::vector<int> errado(const Puesto& x)
    {
        const auto v = valores(x);
        for (int intento = 0; intento < 50; ++intento) {
            const int a = 1 + azar(kFichas);
            int dr = azar(3) - 1, dc = azar(3) - 1;
            const int fb = tablero::fila(a) + dr, cb = tablero::columna(a) + dc;
            if (!lineal(x)) {
                dr = azar(3) - 1;
                dc = azar(3) - 1;
            }
            const int fc = fb + dr, cc = cb + dc;
            if ((dr == 0 && dc == 0) || !tablero::dentro(fb, cb) || !tablero::dentro(fc, cc) || tablero::indice(fc, cc) == a || (fb == tablero::fila(a) && cb == tablero::columna(a)))
                continue;
            const int b = tablero::indice(fb, cb), c = tablero::indice(fc, cc);
            if (!combinacionValida(v[a], v[b], v[c], objetivo(x)))
                return {a, b, c};
        }
        return {};
    }

    void pedir(Puesto& x)
    {
        ++pedidos_;
        if (ahora() - ultimoPedido_ < turnoMs_ / 4 && ultimoPedidor_ != x.n)
            ++carreras_;
        ultimoPedido_ = ahora();
        ultimoPedidor_ = x.n;
        QByteArray c = "turno";
        // Quick hands: the pick goes out with the claim, before any answer.
        if (prob(0.15)) {
            for (int k : prob(pAcierto_) ? acierto(x) : errado(x))
                c += "\nficha " + QByteArray::number(k);
            x.jugando = true;
        }
        x.orden(c);
    }

    // The holder's attempt: right or wrong, maybe a tile taken back first, or none at all.
    void planear(Puesto& x)
    {
        const double r = uniforme();
        if (r < 0.15)
            return;  // the turn runs out
        std::vector<int> clics = prob(pAcierto_) ? acierto(x) : errado(x);
        if (clics.empty())
            clics = errado(x);
        if (r >= 0.85 && !clics.empty())
            clics.insert(clics.begin(), {clics[0], clics[0]});
        qint64 t = ahora();
        for (int k : clics)
            x.plan.push_back({t += azar(turnoMs_ / 4), "ficha " + QByteArray::number(k)});
    }

    void pulsarOk(Puesto& x)
    {
        if (x.okEn < 0)
            x.okEn = ahora() + azar(2 * avisoMs_);
        else if (ahora() >= x.okEn) {
            x.orden("ok");
            x.okEn = -1;
        }
    }

    // Three tiles in a line whose first two multiply to 60 or more, which
    // make no target (at most 50) however the target changes; two touching
    // tiles, never judged, when the board has no such line.
    std::vector<int> sinAcierto(const Puesto& x)
    {
        const auto v = valores(x);
        std::vector<int> par;
        for (int intento = 0; intento < 300; ++intento) {
            const int a = 1 + azar(kFichas), dr = azar(3) - 1, dc = azar(3) - 1;
            const int fb = tablero::fila(a) + dr, cb = tablero::columna(a) + dc;
            if ((dr == 0 && dc == 0) || !tablero::dentro(fb, cb))
                continue;
            par = {a, tablero::indice(fb, cb)};
            if (v[a] * v[par[1]] >= 60 && tablero::dentro(fb + dr, cb + dc))
                return {a, par[1], tablero::indice(fb + dr, cb + dc)};
        }
        return par;
    }
    // A tile that does not touch k, refused as the next pick.
    int lejos(int k)
    {
        for (int m;;)
            if (m = 1 + azar(kFichas); std::abs(tablero::fila(m) - tablero::fila(k)) > 1 || std::abs(tablero::columna(m) - tablero::columna(k)) > 1)
                return m;
    }

    // What a modified program sends, at random moments: never a right pick.
    void trampa(Puesto& x)
    {
        const QByteArray s = QByteArray::number(x.yo()), otro = kNombres[azar(estaciones_)].toUtf8();
        const QByteArray sueltas[] = {"[Puntaje]" + s + ",1", "[Puntaje]" + s + (prob(0.5) ? ",2" : ",-2"), "[Partidas]" + s + ",1", "[ficharedonda]",
                                      "[Message]" + otro + ": me rindo", "[Message]" + otro + "  se ha desconectado", "[TurnoOFF]" + s};
        std::vector<QByteArray> l;
        if (prob(0.5)) {
            l.push_back(sueltas[azar(std::size(sueltas))]);
        } else {
            // A claim, picks scattered with refused ones, a score of its own, then the turn held.
            const auto picks = sinAcierto(x);
            l.push_back(prob(0.5) ? "[TurnoON]" + s : QByteArray());
            for (int k : picks) {
                l.push_back("[fichaON]" + QByteArray::number(k));
                if (prob(0.4))
                    l.push_back("[fichaON]" + QByteArray::number(lejos(k)));
            }
            l.push_back(sueltas[0]);
            for (int n = picks.size() == 3 ? azar(6) : 0; n > 0; --n)
                l.push_back(prob(0.3) ? sueltas[3] : (prob(0.5) ? "[fichaOFF]" : "[fichaON]") + QByteArray::number(picks[azar(3)]));
            if (prob(0.3))
                l.insert(l.begin() + azar(static_cast<int>(l.size())), sueltas[azar(std::size(sueltas))]);
        }
        qint64 t = ahora();
        for (const QByteArray& c : l)
            x.plan.push_back({t += azar(turnoMs_ / 3), c.isEmpty() ? "turno" : "crudo " + c});
    }

    void actuar(Puesto& x, double pPedir)
    {
        if (x.tramposo && x.yo() && x.plan.empty() && prob(0.05))
            trampa(x);
        if (x.i("cajas") > 0)
            return pulsarOk(x);
        if (x.b("aviso")) {
            if (prob(0.1))
                x.orden("aceptar");
            return;  // the notice is modal
        }
        const int yo = x.yo(), turno = x.i("turno");
        auto libre = [](const Puesto& y) { return y.i("turno") == 0 && y.b("turnoLibre") && !y.b("aviso"); };
        x.jugando = x.jugando && turno == yo;
        if (!x.tramposo && yo != 0 && turno == yo && !std::exchange(x.jugando, true)) {
            planear(x);
        } else if (!x.tramposo && libre(x) && prob(pPedir)) {
            pedir(x);
            for (Puesto* y : vivos())
                if (y != &x && !y->tramposo && libre(*y) && prob(0.3))
                    pedir(*y);
        }
        if (prob(0.003) && !x.tramposo)
            x.orden(prob(0.5) ? "chat hola" : "chat \xc2\xa1qu\xc3\xa9 suerte!");
        // Rare: each "Repartir" starts the match again, and matches must also end.
        if (x.n == 1 && prob(2e-4)) {
            ++repartirPedido_;
            if (x.b("repartir"))
                x.orden("repartir");
            else
                ++repartirNegado_;
        } else if (x.n == 1 && prob(0.002)) {
            ++cambiosDeModo_;
            x.orden(prob(0.5) ? "modo 1" : "modo 2");
        } else if (x.n != 1 && prob(3e-4)) {
            congelar(x, turnoMs_ * (1 + azar(6)));
        } else if (x.n != 1 && prob(2e-4)) {
            caer(x);  // in the middle of whatever it was doing
        }
    }

    void jugar(qint64 duracion)
    {
        // Idle, calm or eager players, who find the target easily, now and
        // then, or hardly ever: rounds then also run out while claims fly.
        // The last target of a match makes everyone eager and clumsy: the
        // match then often ends as its last round runs out, claims in flight.
        static constexpr double kRitmos[] = {0.002, 0.02, 0.08}, kAciertos[] = {0.9, 0.8, 0.25, 0.03};
        const double ritmo = kRitmos[azar(3)], acierto = kAciertos[azar(4)];
        servidor().orden("maquinas 1");
        for (const qint64 fin = ahora() + duracion; !roto_ && ahora() < fin && clientes() > 0; esperar(1 + azar(turnoMs_ / 10))) {
            despertar(false);
            if (!fotos())
                return;
            vigilar();
            const bool ultima = servidor().s("pozo").isEmpty();
            pAcierto_ = ultima ? 0.05 : acierto;
            const auto v = vivos();
            const size_t primero = static_cast<size_t>(azar(static_cast<int>(v.size())));
            for (size_t i = 0; i < v.size(); ++i)
                actuar(*v[(primero + i) % v.size()], ultima ? 0.08 : ritmo);
            for (Puesto* x : vivos())
                for (; !x->plan.empty() && x->plan.front().first <= ahora(); x->plan.pop_front()) {
                    lineasTrampa_ += x->plan.front().second.startsWith("crudo ");
                    x->orden(x->plan.front().second);
                }
        }
    }

    // ---- quiet points

    // The lines sent one way and handled at the other end of each connection match.
    bool equilibrada(const Puesto& c) const
    {
        const Puesto& s = servidor();
        const int k = c.yo() - 1;
        return c.n == 1 || (k >= 1 && c.cuenta("rec", 0) - s.cuenta("env", k) == c.desRec && c.cuenta("env", 0) - s.cuenta("rec", k) == c.desEnv);
    }
    bool tranquila() const
    {
        return todos([this](Puesto& x) { return !x.b("aviso") && !x.i("cajas") && !x.i("turno") && equilibrada(x); });
    }
    QString contadores() const
    {
        QString s;
        for (Puesto* x : vivos())
            s += QString::fromUtf8(QJsonDocument(QJsonArray{x->foto[u"env"_s], x->foto[u"rec"_s]}).toJson(QJsonDocument::Compact));
        return s;
    }

    // One cut through the table: the server's snapshot, every client's, then
    // the server's again. The server sent and handled nothing while the
    // clients answered (`firme`), so when every connection is balanced the
    // snapshots all stand for one moment with nothing in flight, however
    // late the scheduler let each station answer.
    bool corte(bool& firme)
    {
        std::vector<Puesto*> clientes = vivos();
        std::erase(clientes, &servidor());
        if (!fotos({&servidor()}))
            return false;
        const QJsonObject antes = servidor().foto;
        if (!fotos(clientes) || !fotos({&servidor()}))
            return false;
        firme = servidor().foto[u"env"_s] == antes[u"env"_s] && servidor().foto[u"rec"_s] == antes[u"rec"_s];
        return true;
    }

    // After the deal nothing moves until the players do: what one end counts
    // and the other does not (the greeting before a seat is given) is fixed
    // then, once firm cuts count the same for a while. A while, because a
    // burst (a cheat's answers) may wait some 40 ms on the wire for the
    // acknowledgement of the segment before it.
    void calibrar()
    {
        QString antes;
        qint64 desde = 0;
        bool firme = false;
        auto quieta = [&] {
            if (!corte(firme) || !firme)
                return false;
            if (const QString c = contadores(); c != antes)
                antes = c, desde = ahora();
            return ahora() - desde >= 250;
        };
        if (!hasta(3000 * holgura_, quieta))
            return roto_ ? void() : fallo(true, u"the table never settled after the deal"_s);
        const Puesto& s = servidor();
        for (Puesto* c : vivos()) {
            c->desRec = c->cuenta("rec", 0) - s.cuenta("env", c->yo() - 1);
            c->desEnv = c->cuenta("env", 0) - s.cuenta("rec", c->yo() - 1);
            if (c->n == 2)
                saludo_ = {c->desRec, c->desEnv};
        }
    }

    // The players pause, notices and boxes close, nothing is in flight: every
    // station must agree. A difference is reported once a second quiet cut
    // still shows it, or when no other quiet cut comes; one that is gone by
    // then is printed and counted apart, never dropped in silence.
    void calma()
    {
        servidor().orden("maquinas 0");
        despertar(true);
        for (const auto& x : puestos_)
            x->plan.clear();
        std::pair<QString, QString> vista;  // the last difference: which station and field, and how
        QString cuentasVista;
        for (const qint64 limite = ahora() + holgura_ * (2 * (turnoMs_ + margenMs_) + 1500); !roto_ && ahora() < limite; esperar(3)) {
            bool firme = false;
            if (!corte(firme))
                return;
            vigilar();
            for (Puesto* x : vivos())
                if (x->i("cajas") > 0)
                    pulsarOk(*x);
            if (roto_ || !firme || !tranquila())
                continue;
            const auto d = diferencia();
            if (!vista.first.isEmpty() && d.first == vista.first)
                return fallo(false, d.second);
            if (d.first.isEmpty()) {
                if (!vista.first.isEmpty()) {
                    ++fugaces_;
                    decir(u"\nnote seed %1 (%2 s): gone by the next quiet point (%3 lines between): %4"_s.arg(semillaJuego_).arg(ahora() / 1000.0, 0, 'f', 1)
                              .arg(cuentasVista == contadores() ? u"no"_s : u"some"_s, vista.second));
                }
                ++calmas_;
                return enCalma();
            }
            vista = d;
            cuentasVista = contadores();
        }
        if (roto_)
            return;
        if (!vista.first.isEmpty())
            return fallo(false, vista.second + u"\n  (no other quiet point came to confirm it)"_s);
        sinCalma();
    }

    static QString texto(const QJsonValue& v) { return v.isString() ? v.toString() : QString::fromUtf8(QJsonDocument(QJsonArray{v}).toJson(QJsonDocument::Compact)); }

    // The first field a client shows differently from the server: which, and how.
    std::pair<QString, QString> diferencia() const
    {
        const Puesto& s = servidor();
        for (Puesto* c : vivos())
            for (const char* campo : {"tablero", "objetivo", "pozo", "turno", "modo", "asientos", "elegidas"}) {
                QJsonValue a = s.foto[QLatin1String(campo)], b = c->foto[QLatin1String(campo)];
                if (a == b)
                    continue;
                for (qsizetype i = 0; a.isArray() && i < a.toArray().size(); ++i)
                    if (a.toArray()[i] != b.toArray()[i]) {
                        std::tie(a, b) = std::pair(a.toArray()[i], b.toArray()[i]);
                        break;
                    }
                return {u"%1 %2"_s.arg(c->n).arg(QLatin1String(campo)),
                        u"station %1 (seat %2) and the server differ in %3 at a quiet point:\n  server:  %4\n  station: %5"_s.arg(c->n).arg(c->yo()).arg(QLatin1String(campo), texto(a), texto(b))};
            }
        return {};
    }

    // Why no quiet point came.
    void sinCalma()
    {
        const Puesto& s = servidor();
        for (Puesto* x : vivos())
            if (x->b("aviso") || x->i("cajas"))
                return fallo(true, u"station %1 keeps a notice or a box open"_s.arg(x->n));
            else if (!equilibrada(*x))
                return fallo(false, u"messages between station %1 and the server are never handled (sent %2, handled %3; sent %4, handled %5; the handshake's %6 and %7 aside)"_s.arg(x->n)
                                        .arg(x->cuenta("env", 0)).arg(s.cuenta("rec", x->yo() - 1)).arg(s.cuenta("env", x->yo() - 1)).arg(x->cuenta("rec", 0)).arg(x->desEnv).arg(x->desRec));
        if (s.i("turno"))
            return fallo(true, u"seat %1 holds the turn on every station and never lets it go"_s.arg(s.i("turno")));
        fallo(true, u"the server never stood still while its clients answered"_s);
    }

    // What a quiet table owes beyond agreement.
    void enCalma()
    {
        const Puesto& s = servidor();
        if (s.i("partidas") != s.i("finales"))
            return fallo(false, u"the server credits %1 matches won, but %2 matches ended"_s.arg(s.i("partidas")).arg(s.i("finales")));
        for (Puesto* x : vivos())
            if (!x->b("turnoLibre"))
                return fallo(true, u"station %1 (seat %2) cannot claim the turn at a quiet table"_s.arg(x->n).arg(x->yo()));
    }

    // A claim made now reaches every station within one turn time.
    void sondeo()
    {
        const auto v = vivos();
        Puesto& x = *v[static_cast<size_t>(azar(static_cast<int>(v.size())))];
        const int s = x.yo();
        for (Puesto* y : v)
            y->turnos.clear();
        ++pedidos_;
        const qint64 pedido = ahora();
        x.orden("turno");
        auto visto = [s](const Puesto& y) -> qint64 {
            for (const auto& [t, a] : y.turnos)
                if (a == s)
                    return t;
            return -1;
        };
        // Waiting on each station for as long as it ran, not as long as the clock ran.
        const Puesto& srv = servidor();
        auto aguarda = [&](const Puesto& y) {
            return visto(y) < 0 && (y.latido < 0 || enMarcha(std::max(visto(x), pedido), y.latido, {&x, &srv, &y}) <= turnoMs_ + margenMs_);
        };
        hasta(10 * holgura_ * (turnoMs_ + margenMs_), [&] { return !aguarda(x) && todos([&](Puesto& y) { return !aguarda(y); }); });
        if (visto(x) < 0)
            return;  // a notice opened on the claimant's station first (its round ran out): the click never landed
        for (Puesto* y : vivos())
            if (visto(*y) < 0)
                return fallo(true, u"a claim by seat %1 at a quiet table never reached station %2"_s.arg(s).arg(y->n));
            else if (const qint64 t = enMarcha(visto(x), visto(*y), {&x, &srv, y}); t > holgura_ * turnoMs_)
                return fallo(true, u"a claim by seat %1 reached station %2 after %3 ms of its running, more than a turn"_s.arg(s).arg(y->n).arg(t));
    }

    // ---- one game

    void jugarJuego(quint64 semilla, qint64 finCorrida)
    {
        semillaJuego_ = semilla;
        rng_.seed(semilla);
        roto_ = false;
        ++juegos_;
        QStringList servir{u"--servir"_s, kNombres[0], u"--maquinas"_s, QString::number(maquinas_)};
        if (prob(0.5))
            servir << u"--local"_s;
        Puesto& srv = lanzar(servir);
        if (!hasta(5000, [&] { return srv.puerto != 0 || !srv.vivo; }) || !srv.puerto)
            fallo(true, u"the server did not start"_s);
        srv.orden("maquinas 0");  // until the table has settled after the deal
        for (int c = 2; c <= estaciones_ && !roto_; ++c)
            lanzar({u"--unirse"_s, kNombres[c - 1], QString::number(srv.puerto)});
        if (!roto_ && !hasta(10000, [&] { return fotos() && srv.i("conexiones") == estaciones_ - 1 + maquinas_ && todos([](Puesto& x) { return x.yo() != 0; }); }))
            fallo(true, u"the clients did not all get a seat"_s);
        // Cheats score in the lobby, where a table of six never waits.
        for (Puesto* x : vivos())
            if (x->tramposo)
                lineasTrampa_ += 2, x->orden("crudo [Puntaje]" + QByteArray::number(x->yo()) + ",1\ncrudo [Partidas]" + QByteArray::number(x->yo()) + ",1");
        if (!roto_ && estaciones_ + maquinas_ < 6)
            srv.orden("f2");
        if (!roto_ && !hasta(5000, [&] { return fotos() && todos([](Puesto& x) { return !x.s("tablero").contains(u'0') && x.b("turnoLibre"); }); }))
            fallo(true, u"the game did not start on every station"_s);
        if (!roto_)
            calibrar();

        // 5 to 40 minutes of the game's time: long enough for a few matches.
        for (const qint64 fin = std::min(finCorrida, ahora() + aEscala(escala_, 60000 * (5 + azar(35)))); !roto_ && ahora() < fin && clientes() > 0;) {
            jugar(std::min<qint64>(turnoMs_ * (6 + azar(35)), fin - ahora()));
            if (!roto_ && clientes() > 0)
                calma();
            if (!roto_ && clientes() > 0)
                sondeo();
        }
        if (!roto_)
            terminarJuego();
        partidas_ += servidor().i("finales");
        for (int k = 1; k <= 6; ++k)
            rechazos_ += tramposo(nombreDe(servidor(), k)) ? servidor().cuenta("rechazos", k - 1) : 0;
        rondas_ += servidor().i("rondas");
        cerrar();
    }

    // "Finalizar partida" (or the last client gone): every station names the same winner.
    void terminarJuego()
    {
        Puesto& s = servidor();
        // A frozen client still has its seat: it must hear the end and show the winner too.
        despertar(true);
        for (const auto& x : puestos_)
            x->plan.clear();
        // A notice open on the server takes the click: the player chooses the menu entry again once it has closed.
        auto finalizar = [&] {
            if (s.b("finalizar") && !s.b("aviso") && !s.i("cajas"))
                s.orden("finalizar");
        };
        finalizar();
        // A cheat carries on as if the game had not ended, until its link closes.
        for (Puesto* x : vivos())
            if (x->tramposo && x->yo())
                for (trampa(*x); !x->plan.empty(); x->plan.pop_front())
                    lineasTrampa_ += x->plan.front().second.startsWith("crudo "), x->orden(x->plan.front().second);
        if (!hasta(3000 + 10 * avisoMs_, [&] { return fotos() && (vigilar(), finalizar(), todos([](Puesto& x) { return x.i("cajas") > 0; })); }))
            return roto_ ? void() : fallo(true, u"after \"Finalizar partida\" not every station shows the winner"_s);
        for (Puesto* x : vivos()) {
            if (x->s("caja") != s.s("caja"))
                return fallo(false, u"station %1 ends with \"%2\", the server with \"%3\""_s.arg(x->n).arg(x->s("caja"), s.s("caja")));
            x->orden("ok");
        }
    }

    void cerrar()
    {
        despertar(true);
        vuelven_.clear();
        for (const auto& x : puestos_) {
            x->vivo = false;
            x->p->closeWriteChannel();
        }
        for (const auto& x : puestos_) {
            if (x->p->state() != QProcess::NotRunning && !x->p->waitForFinished(5000)) {
                x->p->kill();
                x->p->waitForFinished(1000);
                fallo(true, u"station %1 did not end when told to"_s.arg(x->n), false);
            } else if (!x->matado && (x->p->exitStatus() != QProcess::NormalExit || x->p->exitCode() != 0)) {
                caidasServidor_ += x->n == 1;
                // A sanitizer's report ends the station with a failure code.
                fallo(false, u"station %1 ended with code %2"_s.arg(x->n).arg(x->p->exitCode()), false);
            }
            x->p->disconnect();
        }
        puestos_.clear();
        rotas_.clear();
    }

    const double escala_;
    const int estaciones_;
    const quint64 semilla_;
    const int segundos_;
    const bool ocupado_;
    std::pair<int, int> saludo_;  // a client's handshake offsets, as calibrated
    quint64 semillaJuego_ = 0;
    std::vector<std::unique_ptr<Puesto>> puestos_;
    QTemporaryDir claves_;
    std::vector<std::pair<QString, bool>> rotas_;  // reported, and whether the game cannot go on
    bool roto_ = false;  // the game cannot go on
    std::set<QString> tipos_;
    qint64 ultimoPedido_ = -1000000;
    int ultimoPedidor_ = 0;
    int juegos_ = 0, partidas_ = 0, rondas_ = 0, pedidos_ = 0, carreras_ = 0, divergencias_ = 0, estancamientos_ = 0, calmas_ = 0, fugaces_ = 0;
    int lineasTrampa_ = 0, rechazos_ = 0, turnosTrampa_ = 0, fichasTrampa_ = 0, partidasTrampa_ = 0, partidasPorReloj_ = 0, caidasServidor_ = 0;
    qint64 turnoMasLargo_ = 0;
    int repartirPedido_ = 0, repartirNegado_ = 0, cambiosDeModo_ = 0, abandonos_ = 0, congelados_ = 0, regresos_ = 0;
    std::vector<std::pair<qint64, QString>> vuelven_;  // when, and who
};

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList a = app.arguments();
    auto valor = [&](QStringView op, const QString& siNo) {
        const qsizetype i = a.indexOf(op);
        return i >= 0 && i + 1 < a.size() ? a[i + 1] : siNo;
    };
    const double escala = valor(u"--escala", u"0.02"_s).toDouble();
    const int estaciones = valor(u"--estaciones", u"6"_s).toInt();
    const quint64 semilla = valor(u"--semilla", QString::number(reloj() % 100000)).toULongLong();
    const int segundos = valor(u"--segundos", u"60"_s).toInt();
    const bool ocupado = a.contains(u"--ocupado"_s);
    const int tramposos = valor(u"--tramposos", u"0"_s).toInt(), maquinas = valor(u"--maquinas", u"0"_s).toInt();
    if (escala <= 0 || escala > 0.02 || estaciones < 2 || estaciones > 6 || segundos < 1 || tramposos < 0 || tramposos >= estaciones || maquinas < 0
        || estaciones + maquinas > 6) {
        std::fputs("zumbarta_sim [--segundos N] [--semilla S] [--estaciones 2..6] [--escala E <= 0.02] [--ocupado] [--tramposos 0..K-1] [--maquinas 0..6-K]\n", stderr);
        return 2;
    }
    decir(u"zumbarta_sim --segundos %1 --semilla %2 --estaciones %3 --escala %4%5%6%7"_s.arg(segundos).arg(semilla).arg(estaciones).arg(escala)
              .arg(ocupado ? u" --ocupado"_s : QString(), tramposos ? u" --tramposos %1"_s.arg(tramposos) : QString(), maquinas ? u" --maquinas %1"_s.arg(maquinas) : QString()));
    return Simulacion(escala, estaciones, semilla, segundos, ocupado, tramposos, maquinas).correr();
}
