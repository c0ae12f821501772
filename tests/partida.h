// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Scripted local games: a known board, known targets, the setup's own "Aceptar".

#include "dobles.h"
#include "flow/partidalocal.h"
#include "flow/reloj.h"
#include "game/pozo.h"
#include "game/seleccion.h"
#include "game/tablero.h"
#include "game/turno.h"

#include <algorithm>

// The scripted board, rows 1..7 (six each of 1..4, five each of 5..9).
inline const char* const kTablero = "3471256" "2598134" "6129748" "3854629" "1736952" "4287135" "9614873";

inline int ficha(int fila, int columna) { return tablero::indice(fila, columna); }

inline int grises(const Estado& e)
{
    return static_cast<int>(std::count_if(e.fichaCU.begin(), e.fichaCU.end(), [](auto& f) { return f.fondo == color::gris; }));
}

// The draws that deal kTablero: per tile a border colour, then its value.
inline void guionReparto(AzarGuion& a)
{
    for (int k = 0; k < kFichas; ++k)
        a.guion.insert(a.guion.end(), {0.0, (kTablero[k] - '0' - 0.5) / 9.0});
}

// The draw that takes `numero` out of `pool`.
inline void guionObjetivo(AzarGuion& a, const QString& pool, int numero)
{
    const auto pos = pool.indexOf(QStringLiteral("*%1*").arg(numero, 2, 10, QLatin1Char('0'))) / 4;
    const int n = pozo::cantidad(pool);
    a.guion.push_back(n <= 1 ? 0.0 : (pos + 0.5) / (n - 1));
}

// A local game through "Aceptar", first target `objetivo`, board kTablero.
inline bool empezarLocal(JuegoDePrueba& p, const QStringList& nombres, int objetivo, std::array<bool, 7> maquinas = {})
{
    EleccionLocal el{static_cast<int>(nombres.size()), {}, maquinas};
    std::copy(nombres.begin(), nombres.end(), el.nombres.begin() + 1);
    guionObjetivo(p.azar, pozo::completo(), objetivo);
    guionReparto(p.azar);
    return aceptarPartidaLocal(p.j, el);
}

// Claims with `tecla` (none for 0), then clicks the tiles given as row, column pairs.
inline void jugar(JuegoDePrueba& p, char tecla, const QList<int>& casillas = {})
{
    if (tecla)
        Form_KeyPress(p.j, QLatin1Char(tecla));
    for (int i = 0; i + 1 < casillas.size(); i += 2)
        Valor_Click(p.j, ficha(casillas[i], casillas[i + 1]));
}
