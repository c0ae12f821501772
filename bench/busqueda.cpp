// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

// The machine player's search: the worst case (no valid path anywhere, the
// whole board scanned) and the best (the first tile scanned starts a valid
// path), in both modes. Each is also reported as a ratio to a plain walk over
// the same 49 x 81 candidate paths measured in the same run, so the figure
// means the same on any machine.

#include "game/tablero.h"
#include "game/busqueda.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

namespace {

using Tablero = std::array<int, 50>;

// A legal board: six each of 1..4 and five each of 5..9, spread out.
Tablero tableroLegal()
{
    Tablero v{};
    int n = 1;
    for (int d = 1; d <= 9; ++d)
        for (int i = 0; i < (d < 5 ? 6 : 5); ++i)
            v[(n++ * 19) % 49 + 1] = d;
    return v;
}

// A legal board has a path for every target 1..50 in Continuo; 91 is past
// the largest anything can make (9·9 + 9), so the whole board is scanned.
constexpr int kObjetivoImposible = 91;

void busqueda_peor_caso(benchmark::State& st, bool lineal)
{
    const Tablero v = tableroLegal();
    for (auto _ : st)
        benchmark::DoNotOptimize(busqueda::buscar(v, kObjetivoImposible, lineal, st.range(0) != 0));
}

void busqueda_mejor_caso(benchmark::State& st, bool lineal)
{
    Tablero v = tableroLegal();
    // Tiles 1, 2, 3 (forward) or 49, 48, 47 (backward) make 3·4 + 2 = 14.
    const bool adelante = st.range(0) != 0;
    const int a = adelante ? 1 : 49, b = adelante ? 2 : 48, c = adelante ? 3 : 47;
    v[a] = 3;
    v[b] = 4;
    v[c] = 2;
    for (auto _ : st)
        benchmark::DoNotOptimize(busqueda::buscar(v, 14, lineal, adelante));
}

// Baseline: visit every (first tile, step, step) the search visits, reading
// the three values and comparing, with no rule of the game in it.
void busqueda_base_recorrido(benchmark::State& st)
{
    const Tablero v = tableroLegal();
    for (auto _ : st) {
        int suma = 0;
        for (int t = 1; t <= 49; ++t)
            for (int a = 0; a < 9; ++a)
                for (int b = 0; b < 9; ++b) {
                    const int k2 = (t + a) % 49 + 1, k3 = (t + a + b) % 49 + 1;
                    suma += v[t] * v[k2] + v[k3] == 50;
                }
        benchmark::DoNotOptimize(suma);
    }
}

}  // namespace

BENCHMARK_CAPTURE(busqueda_peor_caso, continuo, false)->Arg(1)->Arg(0)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(busqueda_peor_caso, lineal, true)->Arg(1)->Arg(0)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(busqueda_mejor_caso, continuo, false)->Arg(1)->Arg(0)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(busqueda_mejor_caso, lineal, true)->Arg(1)->Arg(0)->Unit(benchmark::kMicrosecond);
BENCHMARK(busqueda_base_recorrido)->Unit(benchmark::kMicrosecond);
