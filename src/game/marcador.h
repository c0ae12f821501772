// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The player table as the rules change it: tiles won, matches won and the
// highlight of the seat that holds the turn. The labels always follow the
// counts, so no caller can forget one of them.

#include "game/estado.h"

namespace marcador {

inline bool esAsiento(int s) { return s >= 1 && s <= kMaxJugadores; }

// What a machine seat is called, at a local table or a network one: "Maquina 3".
inline QString nombreDeMaquina(int s) { return QStringLiteral("Maquina %1").arg(s); }

// Tiles won move by d; they may go below zero.
inline void sumarFichas(Estado& e, int s, int d)
{
    if (!esAsiento(s))
        return;
    e.datosJugadores[s].fichas += d;
    e.Fichas[s].texto = QString::number(e.datosJugadores[s].fichas);
}

inline void sumarPartida(Estado& e, int s)
{
    if (!esAsiento(s))
        return;
    ++e.partidasGanadas[s];
    e.Partidas[s].texto = QString::number(e.partidasGanadas[s]);
}

// A new match: every seat back to no tiles won.
inline void fichasACero(Estado& e)
{
    for (int s = 1; s <= kMaxJugadores; ++s) {
        e.datosJugadores[s].fichas = 0;
        e.Fichas[s].texto = QStringLiteral("0");
    }
}

inline void resaltar(Estado& e, int s, bool opaca)
{
    if (esAsiento(s))
        e.Jugadores[s].opaca = opaca;
}

inline void tableroEnBlanco(Estado& e)
{
    for (int k = 1; k <= kFichas; ++k) {
        e.fichaCU[k].fondo = color::blanco;
        e.fichaCU[k].marca = 0;
    }
}

// Takes away the pick shown when a round ran out; a tile someone has
// selected meanwhile stays selected.
inline void quitarSolucion(Estado& e)
{
    for (int k = 1; k <= kFichas; ++k) {
        if (e.fichaCU[k].fondo == color::verde)
            e.fichaCU[k].fondo = color::blanco;
        e.fichaCU[k].marca = 0;
    }
}

// The picks of an attempt that ends without a check.
inline void soltarSeleccion(Estado& e)
{
    e.combinacion.clear();
    e.ultimaFicha.clear();
    e.fichasElegidas = 0;
}

inline void relojACero(Estado& e)
{
    e.minutos = e.segundos = e.minutosPasados = 0;
}

}  // namespace marcador
