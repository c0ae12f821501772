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

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* datos, size_t n)
{
    fuzz::iniciarQt();
    fuzz::recibir(fuzz::reponer(mesaEmpezada(), RedPartida::Rol::Servidor), datos, n, 2, false);
    return 0;
}
