#pragma once
// Scripted whole games: a known board, known targets, and the local setup's
// own "Aceptar" to start them. Shared by the game, flow and window tests.

#include "dobles.h"
#include "flow/partidalocal.h"
#include "game/pozo.h"
#include "game/tablero.h"

// The board every scripted deal lays out, row by row (a legal board: six
// each of 1..4, five each of 5..9).
//      c1 c2 c3 c4 c5 c6 c7
// r1:   3  4  7  1  2  5  6
// r2:   2  5  9  8  1  3  4
// r3:   6  1  2  9  7  4  8
// r4:   3  8  5  4  6  2  9
// r5:   1  7  3  6  9  5  2
// r6:   4  2  8  7  1  3  5
// r7:   9  6  1  4  8  7  3
inline const char* const kTablero = "3471256" "2598134" "6129748" "3854629" "1736952" "4287135" "9614873";

inline int ficha(int fila, int columna) { return tablero::indice(fila, columna); }

// The draws that deal kTablero: per tile a border colour, then its value.
inline void guionReparto(AzarGuion& a)
{
    for (int k = 0; k < kFichas; ++k) {
        a.guion.push_back(0.0);
        a.guion.push_back((kTablero[k] - '0' - 0.5) / 9.0);
    }
}

// The draw that takes `numero` out of `pool` (never the pool's last token
// unless it is the only one).
inline void guionObjetivo(AzarGuion& a, const QString& pool, int numero)
{
    const int pos = static_cast<int>(pool.indexOf(QStringLiteral("*%1*").arg(numero, 2, 10, QLatin1Char('0')))) / 4;
    const int n = pozo::cantidad(pool);
    a.guion.push_back(n <= 1 ? 0.0 : (pos + 0.5) / (n - 1));
}

// A local game for the given names through the setup's "Aceptar", with the
// first target `objetivo` and the board kTablero.
inline bool empezarLocal(JuegoDePrueba& p, const QStringList& nombres, int objetivo,
                         std::array<bool, 7> maquinas = {})
{
    EleccionLocal el;
    el.numJugadores = static_cast<int>(nombres.size());
    for (int s = 1; s <= el.numJugadores; ++s)
        el.nombres[s] = nombres[s - 1];
    el.maquina = maquinas;
    guionObjetivo(p.azar, pozo::completo(), objetivo);
    guionReparto(p.azar);
    return aceptarPartidaLocal(p.j, el);
}
