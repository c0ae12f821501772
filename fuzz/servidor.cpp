// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

// The server's receive path: whatever the client on seat 2 sends, with
// seat 3 taken by another client and the game under way.

#include "mesa.h"
#include "net/asientos.h"
#include "net/partidared.h"
#include "net/redpartida.h"
#include "partida.h"

namespace {

// The table as the game starts, dealt once: each input starts from a copy.
const Estado& mesaEmpezada()
{
    static const Estado e = [] {
        JuegoDePrueba p;
        Estado& e = p.j.e;
        fuzz::sentar(e, 1);
        e.fichasRedondas = pozo::completo();
        guionReparto(p.azar);
        guionObjetivo(p.azar, e.fichasRedondas, 19);
        empezarPartidaRed(p.j);
        e.numJugadores = 3;  // no connection took seats 2 and 3 here
        if (e.Valor[49].isEmpty())
            fuzz::roto("set-up");
        return e;
    }();
    return e;
}

// An input that starts with '!' is a script of valid messages in whatever
// order: each pair of bytes is one message of seat 2 and its argument. What
// the seat says of its own outcome, or a bare draw, must never raise its
// counts or move the target: only a pick the server judged does. A script
// is cut at kGuion messages: a few dozen reach every order that matters,
// and thousands per input only slowed the run down.
constexpr size_t kGuion = 64;

QByteArray guion(const uint8_t* datos, size_t n)
{
    QByteArray lineas;
    for (size_t i = 1; i + 1 < n && i < 2 * kGuion; i += 2) {
        const int a = datos[i + 1];
        const QByteArray k = QByteArray::number(a % 49 + 1), v = QByteArray::number(a % 5 - 2);
        static const char* const tags[] = {"[TurnoON]2", "[TurnoOFF]2", "[fichaON]", "[fichaOFF]", "[Puntaje]2,", "[Partidas]2,", "[ficharedonda]", "[Message]Beto: "};
        const int t = datos[i] % 8;
        lineas += QByteArray(tags[t]) + (t == 2 || t == 3 ? k : t == 4 || t == 5 ? v : t == 7 ? k : QByteArray()) + "\r\n";
    }
    return lineas;
}

void jugarGuion(JuegoDePrueba& p, const QByteArray& lineas)
{
    const Estado& e = p.j.e;
    for (const QByteArray& l : lineas.split('\n')) {
        const int fichas = e.datosJugadores[2].fichas, partidas = e.partidasGanadas[2];
        const QString objetivo = e.fichaRE;
        const QByteArray m = l.trimmed();
        procesarMensaje(p.j, QString::fromLatin1(m), 2);
        fuzz::comprobar(p, false);
        const bool palabra = m.startsWith("[Puntaje]") || m.startsWith("[Partidas]") || m.startsWith("[ficharedonda]");
        if (palabra && (e.datosJugadores[2].fichas > fichas || e.partidasGanadas[2] > partidas || e.fichaRE != objetivo))
            fuzz::roto("a seat's own word scored", QString::fromLatin1(m));
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* datos, size_t n)
{
    fuzz::iniciarQt();
    JuegoDePrueba& p = fuzz::reponer(mesaEmpezada(), RedPartida::Rol::Servidor);
    if (n > 0 && datos[0] == '!')
        jugarGuion(p, guion(datos, n));
    else
        fuzz::recibir(p, datos, n, 2, false);
    return 0;
}
