// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/seleccion.h"

#include "game/avisos.h"
#include "game/combinacion.h"
#include "game/envio.h"
#include "game/juego.h"
#include "game/marcador.h"
#include "game/tablero.h"

#include <cstdlib>

namespace {

int digitoDeTag(const QString& tag, int i)
{
    return i < tag.size() && tag[i].isDigit() ? tag[i].digitValue() : 0;
}

void rechazar(Juego& j, const QString& texto)
{
    j.sonido->beep();
    mostrarAviso(j, texto);
}

void desmarcar(Juego& j, int k)
{
    Estado& e = j.e;
    enviar(j, QStringLiteral("[fichaOFF]%1").arg(k));
    e.fichaCU[k].fondo = color::blanco;
    // A tile greyed by someone else (the placer, another station) was never
    // counted here.
    if (e.fichasElegidas > 0)
        --e.fichasElegidas;
    const int pos = e.combinacion.indexOf(e.Valor[k]);
    if (!e.Valor[k].isEmpty() && pos >= 0)
        e.combinacion.remove(pos, e.Valor[k].size());
    if (e.fichasElegidas == 1) {
        for (int m = 1; m <= kFichas; ++m) {
            if (e.fichaCU[m].fondo == color::gris) {
                e.ultimaFicha = e.fichaCU[m].tag;
                break;
            }
        }
    }
    j.cambio();
}

void marcar(Juego& j, int k)
{
    Estado& e = j.e;
    const int fila = tablero::fila(k);
    const int columna = tablero::columna(k);
    if (e.fichasElegidas >= 1) {
        if (!esContigua(e.ultimaFicha, fila, columna)) {
            rechazar(j, QStringLiteral("Esta ficha no es continua a la ficha anteriormente elegida"));
            return;
        }
        if (e.modoLineal) {
            const int paso = e.fichasElegidas;
            if (paso < static_cast<int>(e.direccion.size())) {
                e.direccion[paso] = tablero::codigoDireccion(digitoDeTag(e.ultimaFicha, 0) - fila,
                                                             digitoDeTag(e.ultimaFicha, 1) - columna);
            }
            if (paso == 2 && e.direccion[1] != e.direccion[2]) {
                rechazar(j, QStringLiteral("Esta ficha no es continua (Horizontal - Vertical - Diagonal)"));
                return;
            }
        }
    }
    ++e.fichasElegidas;
    enviar(j, QStringLiteral("[fichaON]%1").arg(k));
    e.fichaCU[k].fondo = color::gris;
    e.combinacion += e.Valor[k];
    e.ultimaFicha = e.fichaCU[k].tag;
    j.cambio();
    if (e.fichasElegidas >= 3) {
        e.fichasElegidas = 0;
        // A client whose server confirms claims does not score a claim that
        // may have lost the race: the pick waits, grey, for the server's word.
        if (!e.esServidor && !e.juegoLocal && e.servidorConfirma && !e.turnoConfirmado) {
            e.chequeoEnEspera = true;
            j.Timer2.stop();
            return;
        }
        verificarCombinacion(j);
    }
}

}  // namespace

bool esContigua(const QString& anterior, int fila, int columna)
{
    if (anterior.size() != 2 || !anterior[0].isDigit() || !anterior[1].isDigit())
        return false;
    return std::abs(anterior[0].digitValue() - fila) <= 1 && std::abs(anterior[1].digitValue() - columna) <= 1;
}

void Valor_Click(Juego& j, int k)
{
    Estado& e = j.e;
    if (k < 1 || k > kFichas)
        return;
    if (e.numJugadores <= 0 && e.juegoLocal)
        return;
    if (e.turno == 0) {
        mostrarAviso(j, QStringLiteral("No se ha seleccionado ningun jugador"));
        return;
    }
    if (!e.juegoLocal && e.turno != e.miJugador) {
        j.sonido->beep();
        return;
    }
    // A finished pick waiting for the server's word can no longer change.
    if (e.chequeoEnEspera) {
        j.sonido->beep();
        return;
    }
    // A machine seat's tiles are laid by the placer, not by the mouse.
    if (marcador::esAsiento(e.turno) && e.maquina[e.turno] == 1)
        return;

    if (e.fichaCU[k].fondo == color::gris)
        desmarcar(j, k);
    else
        marcar(j, k);
}
