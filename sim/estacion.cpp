// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

// One station of a simulated network game, in a process of its own as each
// player's program is: the real game core with its real timers and sockets,
// and no window. The notice and the message box return at once, as the
// program's windows do; while either is open the board and the menus take
// no clicks, as the program's modal windows prevent them.
//
//   zumbarta_estacion (--servir NOMBRE [--local] [--maquinas N] | --unirse NOMBRE PUERTO)
//                     [--escala E] [--semilla N] [--origen MS] [--claves ARCHIVO]
//
// A server with --maquinas gives its first N free seats to the machine at
// the fastest level.
//
// stdin, one command a line: turno, ficha K, aceptar, ok, chat TEXTO,
// repartir, modo 1|2, finalizar, f2, salir, estado, traza, maquinas 0|1
// (the machines hold still, or play again), and crudo TEXTO:
// a client writes TEXTO to its server as it stands, as a modified program
// would, whatever its own table shows. End of input ends the station. stdout:
//   P puerto        the server listens
//   G s x nombre    the server raised seat s's tiles (x = f) or matches
//                   (x = p while handling that seat's own message, else r)
//   E {...}         the snapshot "estado" asks for
//   T ms asiento    the turn holder changed (steady clock, ms after --origen)
//   V ms            a heartbeat every 20 ms: a late one tells the driver that
//                   the machine kept this station from running meanwhile
//   I texto         an invariant broke (each once)
//   R texto ... R.  the last 50 messages and ticks, oldest first

#include "flow/mandos.h"
#include "flow/partidalocal.h"
#include "flow/temporizadores.h"
#include "game/avisos.h"
#include "game/invariantes.h"
#include "game/juego.h"
#include "game/marcador.h"
#include "game/reparto.h"
#include "game/seleccion.h"
#include "game/tiempos.h"
#include "game/turno.h"
#include "net/chat.h"
#include "net/cierre.h"
#include "net/asientos.h"
#include "net/partidared.h"
#include "game/mensajes.h"
#include "net/redpartida.h"
#include "transporte/cliente.h"
#include "transporte/servidor.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QScopedValueRollback>
#include <QSocketNotifier>
#include <limits>
#include <chrono>
#include <cstdio>
#include <deque>
#include <set>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

namespace {

bool saliendo = false;
qint64 origen = 0;

qint64 ahora()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count() - origen;
}

void escribir(QString s)
{
    const QByteArray b = s.replace(u'\n', u' ').replace(u'\r', u' ').toUtf8() + '\n';
    std::fwrite(b.constData(), 1, static_cast<size_t>(b.size()), stdout);
    std::fflush(stdout);
}

void terminar()
{
    saliendo = true;
    QCoreApplication::exit(0);
}

// The notice window as dialogs/form3 makes it: shown and returned from at
// once; the game keeps its time and closes it. It is open while the table
// says so (avisoAbierto).
struct AvisoSim final : Aviso {
    std::function<void(const QString&)> anotar;
    void mostrar(const QString& texto) override { anotar(u"aviso "_s + texto); }
    void cerrar() override { anotar(u"aviso cerrado"_s); }
};

// A message box stays until the player presses OK; several may be up at once.
struct CajaSim final : CajaMensaje {
    std::function<void(const QString&)> anotar;
    QString ultima;
    int abiertas = 0;
    void mostrar(Icono, const QString& texto) override
    {
        anotar(u"caja "_s + (ultima = texto));
        ++abiertas;
    }
};

struct F2Sim final : TeclaF2 {
    bool ahora = false;
    bool pulsada() override { return std::exchange(ahora, false); }
};

class Estacion {
public:
    Estacion(bool servidor, quint64 semilla, const Entorno& entorno) : servidor_(servidor), azar_(semilla), j(entorno)
    {
        aviso_.anotar = caja_.anotar = [this](const QString& t) { anotar(t); };
        j.usarAviso(&aviso_);
        j.usarCaja(&caja_);
        j.usarF2(&f2_);
        j.usarAzar(&azar_);
        j.traza = [this](bool enviado, int asiento, const QString& m) { mensaje(enviado, asiento, m); };
        // Each tick is recorded before the game's own handler, connected as
        // the program connects it, and checked after it.
        const std::pair<QTimer*, QString> timers[] = {
            {&j.Timer1, u"Timer1"_s}, {&j.Timer2, u"Timer2"_s}, {&j.timer3, u"timer3"_s}, {&j.colocador, u"colocador"_s}, {&j.maquinas, u"maquinas"_s}};
        for (const auto& [t, nombre] : timers)
            antesDelTic(t, nombre);
        conectarTemporizadores(j);
        for (const auto& tn : timers)
            despuesDelTic(tn.first);
        QObject::connect(&j, &Juego::cambiado, &j, [this] { verificar(); });
    }

    // The referee's timer comes with the server's network game: watched the
    // same way once that is up, around the handler the game gave it.
    void vigilarArbitro()
    {
        QTimer* t = &j.red->arbitro;
        QObject::disconnect(t, &QTimer::timeout, nullptr, nullptr);
        antesDelTic(t, u"arbitro"_s);
        QObject::connect(t, &QTimer::timeout, &j, [this] { arbitro_Timer(j); });
        despuesDelTic(t);
    }

    // A message's outcome is judged before anything else moves the scores.
    void antesDelTic(QTimer* t, const QString& nombre)
    {
        QObject::connect(t, &QTimer::timeout, &j, [this, n = nombre] {
            verificar();
            anotar(u"tic "_s + n, n == u"Timer1" ? u"reloj"_s : n);
            arbitrando_ = n == u"arbitro";
            deAsiento_ = 0;
        });
    }
    void despuesDelTic(QTimer* t)
    {
        QObject::connect(t, &QTimer::timeout, &j, [this] {
            arbitrando_ = false;
            verificar();
        });
    }

    void leer(QSocketNotifier* nota)
    {
        char buf[4096];
        const ssize_t n = ::read(0, buf, sizeof buf);
        if (n <= 0) {
            nota->setEnabled(false);
            return terminar();
        }
        entrada_.append(buf, n);
        for (qsizetype i; !saliendo && (i = entrada_.indexOf('\n')) >= 0;) {
            const QString l = QString::fromUtf8(entrada_.left(i)).trimmed();
            entrada_.remove(0, i + 1);
            orden(l.section(u' ', 0, 0), l.section(u' ', 1));
        }
    }

    // A new connection took seat k + 1 back: what went to and came from the
    // old one is not this one's to balance.
    void conexionNueva(int k)
    {
        if (k >= 1 && k < kMaxJugadores)
            env_[k] = rec_[k] = 0;
    }

private:
    bool modal() const { return j.e.avisoAbierto || caja_.abiertas > 0; }

    void orden(const QString& cmd, const QString& arg)
    {
        Estado& e = j.e;
        if (cmd == u"estado")
            return escribir(u"E "_s + foto());
        if (cmd == u"maquinas") {
            if (!ritmoMaquinas_)
                ritmoMaquinas_ = j.maquinas.interval();
            j.maquinas.setInterval(arg == u"1" ? ritmoMaquinas_ : std::numeric_limits<int>::max());
            if (j.maquinas.isActive())
                j.maquinas.start();
            return;
        }
        if (cmd == u"traza") {
            for (const QString& t : traza_)
                escribir(u"R "_s + t);
            return escribir(u"R."_s);
        }
        // A notice or a box is modal: the main window takes no clicks meanwhile.
        const bool tapado = modal() && cmd != u"aceptar" && cmd != u"ok" && cmd != u"f2" && cmd != u"salir" && cmd != u"crudo";
        verificar();
        anotar(u"orden %1 %2%3"_s.arg(cmd, arg, tapado ? u" (modal)"_s : QString()));
        if (tapado)
            return;
        if (cmd == u"turno" && e.Command1.visible && e.Command1.habilitado)
            Command1_Click(j);
        else if (cmd == u"ficha")
            Valor_Click(j, arg.toInt());
        else if (cmd == u"aceptar" && e.avisoAbierto)
            aceptarAviso(j);
        else if (cmd == u"ok" && caja_.abiertas > 0)
            --caja_.abiertas;
        else if (cmd == u"chat" && e.chatHabilitado)
            cmdSend_Click(j, arg);
        else if (cmd == u"repartir" && e.mn_repar.habilitado) {
            QScopedValueRollback<bool> r(repartiendo_, true);
            mn_repar_Click(j);
        } else if (cmd == u"modo")
            mn_mod_Click(j, arg.toInt());
        else if (cmd == u"finalizar" && e.mn_finpartida.habilitado)
            mn_finpartida_Click(j);
        else if (cmd == u"f2")
            f2_.ahora = true;
        else if (cmd == u"crudo" && !servidor_ && j.red)
            j.red->enviaraservidor(arg);
        else if (cmd == u"salir") {
            cerrarConexiones(j);
            return terminar();
        }
        verificar();
    }

    // Repeated entries (the clock, the deal, the start gate, one message to
    // every client) share one line with a count.
    void anotar(const QString& texto, const QString& clave = {}, const QString& repetido = {})
    {
        const QString l = u"%1 %2"_s.arg(ahora(), 7).arg(repetido.isEmpty() ? texto : repetido);
        if (!clave.isEmpty() && clave == ultimaClave_ && !traza_.empty()) {
            traza_.back() = l + u" (x%1)"_s.arg(++repeticiones_);
            return;
        }
        ultimaClave_ = clave;
        repeticiones_ = 1;
        traza_.push_back(l);
        if (traza_.size() > 50)
            traza_.pop_front();
    }

    // Each kind once: the numbers in a text do not make another kind.
    void romper(const QString& que)
    {
        if (!rotas_.insert(QString(que).remove(QRegularExpression(u"[0-9]+"_s))).second)
            return;
        anotar(u"ROTO "_s + que);
        escribir(u"I "_s + que);
    }

    void mensaje(bool enviado, int asiento, const QString& m)
    {
        const bool relog = m.startsWith(mensajes::kRelog);
        // "[Relog]" moves only the clock's text and flows all the time: not
        // counted; nor is the name a player who took its seat back sends
        // after its secret, which the server only drops.
        if (!relog && !(servidor_ && !enviado && asiento >= 1 && m.startsWith(protocolo::kJoined)))
            ++(enviado ? env_ : rec_)[std::max(asiento - 1, 0)];
        const QString flecha = enviado ? u"-> "_s : u"<- "_s;
        const QString quien = asiento >= 1 ? QString::number(asiento) : servidor_ ? u"yo"_s : QString();
        const QString clave = relog ? u"reloj"_s : m.startsWith(mensajes::kFichaValor) ? u"reparto"_s : flecha + m;
        // Repeated, a message the server sends goes to several clients: "*".
        anotar(flecha + quien + u' ' + m, clave, ultimaClave_ == clave ? flecha + u"* "_s + m : QString());
        if (enviado) {
            // The server took the turn back from that seat itself: no tile is
            // lost for it. A turn that only took too long still has its outcome to come.
            if (asiento >= 1 && m.startsWith(mensajes::kTurnoOFF) && mensajes::asiento(m.mid(mensajes::kTurnoOFF.size())) == asiento
                && turnoDe_[asiento] == Turno::Dado && !arbitrando_)
                turnoDe_[asiento] = Turno::Quitado;
            return;
        }
        verificar();
        deAsiento_ = asiento;
        // The server as referee credits a client's tile only for a turn it
        // gave that seat, once, and a match only for the last target taken
        // with the turn held.
        const auto t = protocolo::separar(m);
        const int s = asiento;
        if (servidor_ && asiento >= 1 && (t.tag == mensajes::kPuntaje || t.tag == mensajes::kPartidas)) {
            vigilado_ = s;
            vigiladoPuntaje_ = t.tag == mensajes::kPuntaje;
            antes_ = {j.e.datosJugadores[s].fichas, j.e.partidasGanadas[s]};
            antesTurno_ = turnoDe_[s];
            valido_ = vigiladoPuntaje_ ? antesTurno_ == Turno::Dado : j.e.turno == s && j.e.fichasRedondas.isEmpty();
            if (vigiladoPuntaje_)
                turnoDe_[s] = Turno::Ninguno;
        }
    }

    // What holds after every handled message and timer tick.
    void verificar()
    {
        const Estado& e = j.e;
        if (e.turno != turnoVisto_) {
            turnoVisto_ = e.turno;
            escribir(u"T %1 %2"_s.arg(ahora()).arg(e.turno));
            anotar(u"turno %1"_s.arg(e.turno));
            if (marcador::esAsiento(e.turno))
                turnoDe_[e.turno] = Turno::Dado;
        }
        if (!servidor_ && j.Timer1.isActive())
            romper(u"Timer1 en marcha en un cliente"_s);
        if (const QString r = incoherencia(e); !r.isEmpty())
            romper(r);
        if (e.juegoLocal)
            return;  // a local game played before the network one counts for nothing
        if (e.fichaRE != ultimoObjetivo_) {
            ultimoObjetivo_ = e.fichaRE;
            ++rondas_;
        }
        if (!servidor_)
            return;
        // A match ends where the server's empty pool is filled again, Repartir aside.
        const bool vacio = e.fichasRedondas.isEmpty();
        if (pozoVacio_ && !vacio && e.numJugadores > 0 && !repartiendo_)
            ++finales_;
        pozoVacio_ = vacio;
        // Gains: a match credited while handling the seat's own message came
        // with its pick; otherwise with the clock (most tiles when the pool ran out).
        for (int s = 1; s <= kMaxJugadores; ++s) {
            if (e.datosJugadores[s].fichas > ganancias_[s].first && e.datosJugadores[s].fichas != 0)
                escribir(u"G %1 f %2"_s.arg(s).arg(e.datosJugadores[s].nombre));
            if (e.partidasGanadas[s] > ganancias_[s].second)
                escribir(u"G %1 %2 %3"_s.arg(s).arg(deAsiento_ == s ? u"p"_s : u"r"_s, e.datosJugadores[s].nombre));
            ganancias_[s] = {e.datosJugadores[s].fichas, e.partidasGanadas[s]};
        }
        deAsiento_ = 0;
        // A refused score leaves the turn it came in as it was.
        if (const int s = vigilado_; s && vigiladoPuntaje_ && e.datosJugadores[s].fichas == antes_.first) {
            ++rechazos_[s - 1];
            turnoDe_[s] = antesTurno_;
        }
        if (const int s = std::exchange(vigilado_, 0); s && !valido_) {
            if (vigiladoPuntaje_ && e.datosJugadores[s].fichas != antes_.first)
                romper(antesTurno_ == Turno::Quitado ? u"el servidor movio las fichas del asiento %1 despues de quitarle el turno"_s.arg(s)
                                                     : u"el servidor movio las fichas del asiento %1 sin haberle dado el turno"_s.arg(s));
            if (!vigiladoPuntaje_ && e.partidasGanadas[s] != antes_.second)
                romper(u"el servidor acredito una partida al asiento %1 sin que tomara la ultima ficha"_s.arg(s));
        }
    }

    QString foto() const
    {
        const Estado& e = j.e;
        QString tablero, elegidas;
        QJsonArray asientos, env, rec, rechazados;
        int partidas = 0;
        for (int k = 1; k <= kFichas; ++k) {
            tablero += e.Valor[k].isEmpty() ? u"0"_s : e.Valor[k];
            elegidas += e.fichaCU[k].fondo == color::gris ? u'1' : u'0';
        }
        for (int s = 1; s <= kMaxJugadores; ++s) {
            asientos.append(u"%1|%2|%3|fichas %4 (%5)|partidas %6 (%7)"_s.arg(e.Jugadores[s].texto).arg(e.Jugadores[s].visible).arg(e.Jugadores[s].opaca)
                                .arg(e.Fichas[s].texto).arg(e.datosJugadores[s].fichas).arg(e.Partidas[s].texto).arg(e.partidasGanadas[s]));
            partidas += e.partidasGanadas[s];
            env.append(env_[s - 1]);
            rec.append(rec_[s - 1]);
            rechazados.append(rechazos_[s - 1]);
        }
        const QJsonObject o{{u"yo"_s, e.miJugador}, {u"turno"_s, e.turno}, {u"modo"_s, e.modoLineal ? u"Lineal"_s : u"Continuo"_s},
                            {u"objetivo"_s, e.fichaRE}, {u"pozo"_s, e.fichasRedondas}, {u"tablero"_s, tablero}, {u"elegidas"_s, elegidas},
                            {u"asientos"_s, asientos}, {u"partidas"_s, partidas}, {u"finales"_s, finales_}, {u"rondas"_s, rondas_},
                            {u"aviso"_s, e.avisoAbierto}, {u"cajas"_s, caja_.abiertas}, {u"caja"_s, caja_.ultima},
                            {u"turnoLibre"_s, e.Command1.visible && e.Command1.habilitado}, {u"repartir"_s, e.mn_repar.habilitado}, {u"finalizar"_s, e.mn_finpartida.habilitado},
                            {u"conexiones"_s, clientesSentados(j)}, {u"env"_s, env}, {u"rec"_s, rec}, {u"rechazos"_s, rechazados}};
        return QString::fromUtf8(QJsonDocument(o).toJson(QJsonDocument::Compact));
    }

    bool servidor_;
    int ritmoMaquinas_ = 0;
    AvisoSim aviso_;
    CajaSim caja_;
    F2Sim f2_;
    AzarReloj azar_;
    QByteArray entrada_;
    std::deque<QString> traza_;
    QString ultimaClave_;
    int repeticiones_ = 0;
    std::set<QString> rotas_;
    std::array<int, kMaxJugadores> env_{}, rec_{};  // by seat - 1; 0 is a client's server
    std::array<int, kMaxJugadores> rechazos_{};     // by seat - 1: scores the server left as they were
    std::array<std::pair<int, int>, kMaxJugadores + 1> ganancias_{};  // tiles and matches last seen
    int deAsiento_ = 0;  // the client seat whose message is being handled
    int turnoVisto_ = 0, rondas_ = 0, finales_ = 0;
    QString ultimoObjetivo_;
    // The server's watch as referee.
    // Per seat: the turn it was last given, unscored, or taken back by the server.
    enum class Turno { Ninguno, Dado, Quitado };
    std::array<Turno, kMaxJugadores + 1> turnoDe_{};
    Turno antesTurno_ = Turno::Ninguno;
    int vigilado_ = 0;
    std::pair<int, int> antes_;
    bool vigiladoPuntaje_ = false, valido_ = false, pozoVacio_ = false, repartiendo_ = false, arbitrando_ = false;

public:
    // Last, so that it goes first: its link must not outlive the ports.
    Juego j;
};

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList a = app.arguments();
    auto valor = [&](QStringView op, int d = 1) {
        const qsizetype i = a.indexOf(op);
        return i >= 0 && i + d < a.size() ? a[i + d] : QString();
    };
    const bool servidor = a.contains(u"--servir"_s);
    const QString nombre = valor(servidor ? u"--servir" : u"--unirse");
    if (nombre.isEmpty()) {
        std::fputs("zumbarta_estacion (--servir NOMBRE [--local] | --unirse NOMBRE PUERTO) [--escala E] [--semilla N] [--origen MS]\n", stderr);
        return 2;
    }
    // Each player keeps its seat secrets apart, as on a computer of its own.
    Entorno entorno{1.0, valor(u"--claves"), QHostAddress::LocalHost};
    if (const QString e = valor(u"--escala"); !e.isEmpty())
        entorno.escala = e.toDouble();
    origen = valor(u"--origen").toLongLong();

    Estacion est(servidor, valor(u"--semilla").toULongLong(), entorno);
    Juego& j = est.j;
    QTimer latido;
    QObject::connect(&latido, &QTimer::timeout, [] { escribir(u"V %1"_s.arg(ahora())); });
    latido.start(20);
    QSocketNotifier nota(0, QSocketNotifier::Read);
    QObject::connect(&nota, &QSocketNotifier::activated, &j, [&] { est.leer(&nota); });
    if (servidor) {
        // A player may have played a local game before: nothing of it may leak into the network game.
        if (a.contains(u"--local"_s)) {
            EleccionLocal local;
            local.nombres = {QString(), nombre, u"Rival"_s};
            aceptarPartidaLocal(j, local);
        }
        if (!iniciarServidor(j, {EleccionRed::Servir, nombre, {}, u"0"_s}))
            return 1;
        est.vigilarArbitro();
        elegirNivel(j, 4);
        for (int m = valor(u"--maquinas").toInt(); m > 0; --m)
            sentarMaquina(j);
        Servidor* srv = j.red->servidor();
        srv->alVolver = [&est, volver = srv->alVolver](int s) {
            est.conexionNueva(s - 1);
            volver(s);
        };
        escribir(u"P %1"_s.arg(srv->puertoEscucha()));
    } else {
        RedPartida* red = iniciarCliente(j, {EleccionRed::Conectarse, nombre, u"127.0.0.1"_s, valor(u"--unirse", 2)});
        QObject::connect(red->cliente(), &Cliente::terminado, &j, [&j, red](bool conectado) {
            if (!terminarConexion(j, red, conectado))
                terminar();
        });
    }
    return app.exec();
}
