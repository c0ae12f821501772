// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/busqueda.h"

#include "game/combinacion.h"
#include "game/estado.h"
#include "game/tablero.h"

namespace busqueda {

Resultado buscar(const std::array<int, 50>& valores, int objetivo, bool modoLineal, bool adelante)
{
    Resultado r;
    for (int n = 1; n <= 49; ++n) {
        const int t = adelante ? n : 50 - n;
        const int r1 = tablero::fila(t), c1 = tablero::columna(t);
        for (int dr = -1; dr <= 1; ++dr) {
            if (!(r1 + dr > 0 && r1 + dr < 8))
                continue;
            for (int dc = -1; dc <= 1; ++dc) {
                if (!(c1 + dc > 0 && c1 + dc < 8))
                    continue;
                r.direccion[1] = tablero::codigoDireccion(dr, dc);
                const int r2 = r1 + dr, c2 = c1 + dc;
                const int k2 = tablero::indice(r2, c2);
                for (int dr2 = -1; dr2 <= 1; ++dr2) {
                    if (!(r2 + dr2 > 0 && r2 + dr2 < 8))
                        continue;
                    for (int dc2 = -1; dc2 <= 1; ++dc2) {
                        r.direccion[2] = tablero::codigoDireccion(dr2, dc2);
                        if (modoLineal && r.direccion[1] != r.direccion[2])
                            continue;
                        if (!(c2 + dc2 > 0 && c2 + dc2 < 8))
                            continue;
                        const int k3 = tablero::indice(r2 + dr2, c2 + dc2);
                        if (t == k2 || t == k3 || k2 == k3)
                            continue;
                        if (combinacionValida(valores[t], valores[k2], valores[k3], objetivo)) {
                            r.encontrada = true;
                            r.jugada = {0, t, k2, k3};
                            return r;
                        }
                    }
                }
            }
        }
    }
    return r;
}

}  // namespace busqueda

busqueda::Resultado buscarEnTablero(const Estado& e, bool adelante)
{
    std::array<int, 50> valores{};
    for (int k = 1; k <= kFichas; ++k)
        valores[k] = e.Valor[k].toInt();
    return busqueda::buscar(valores, e.fichaRE.toInt(), e.modoLineal, adelante);
}
