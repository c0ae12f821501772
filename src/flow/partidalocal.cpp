// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#include "flow/partidalocal.h"

#include "game/juego.h"
#include "game/sonido.h"
#include "game/tiempos.h"
#include "net/cierre.h"

#include <algorithm>

namespace {

void clic(Juego& j)
{
    reproducirClick(j);
}

// The first refusal for the names of seats 1..n, or none.
bool nombresValidos(Juego& j, int n, const std::array<QString, 7>& nombres)
{
    for (int s = 1; s <= n; ++s) {
        if (nombres[s].isEmpty() || nombres[s] == QStringLiteral(" ")) {
            j.caja->mostrar(CajaMensaje::Icono::Advertencia, QStringLiteral("TODOS LOS USUARIOS DEBEN TENER ALGUN NOMBRE"));
            return false;
        }
    }
    for (int s = 1; s <= n; ++s) {
        if (nombres[s].toUpper().contains(QStringLiteral("RETIRADO"))) {
            j.caja->mostrar(CajaMensaje::Icono::Informacion, QStringLiteral("NINGUN NOMBRE PUEDE CONTENER LA PALABRA RETIRADO"));
            return false;
        }
    }
    return true;
}

// The player table of a new game: the seats in play with their names and
// nothing won yet, the other rows hidden and empty.
void sentarJugadores(Estado& e, const EleccionLocal& el, int n)
{
    for (int s = 1; s <= kMaxJugadores; ++s) {
        const bool enJuego = s <= n;
        e.datosJugadores[s].nombre = enJuego ? el.nombres[s] : QString();
        e.datosJugadores[s].fichas = 0;
        e.maquina[s] = enJuego && el.maquina[s] ? 1 : 0;
        e.partidasGanadas[s] = 0;
        e.Jugadores[s] = {enJuego ? QStringLiteral(" %1     %2").arg(s).arg(el.nombres[s]) : QString(), enJuego, false};
        e.Fichas[s] = {QStringLiteral("0"), enJuego, false};
        e.Partidas[s] = {QStringLiteral("0"), enJuego, false};
    }
}

}  // namespace

void abrirPartidaLocal(Juego& j)
{
    j.e.preparando = true;
    j.Timer2.stop();
    j.sincronizar();
}

bool dejariaSinHumanos(int n, const std::array<bool, 7>& marcadas, int i)
{
    n = std::clamp(n, 0, kMaxJugadores);
    for (int s = 1; s <= n; ++s) {
        if (s != i && !marcadas[s])
            return false;
    }
    return i >= 1 && i <= n;
}

int intervaloDeNivel(int nivel)
{
    static constexpr std::array<int, 5> kIntervalos{0, tiempos::kNivel1, tiempos::kNivel2, tiempos::kNivel3, tiempos::kNivel4};
    return nivel >= 1 && nivel <= 4 ? kIntervalos[nivel] : 0;
}

void elegirNivel(Juego& j, int nivel)
{
    if (const int ms = intervaloDeNivel(nivel))
        j.maquinas.setInterval(j.ms(ms));
}

void cancelarPartidaLocal(Juego& j)
{
    clic(j);
    j.e.preparando = false;
    if (j.e.enPartida)
        j.Timer2.start();
    j.sincronizar();
}

bool aceptarPartidaLocal(Juego& j, const EleccionLocal& eleccion)
{
    clic(j);
    const int n = std::clamp(eleccion.numJugadores, 2, kMaxJugadores);
    if (!nombresValidos(j, n, eleccion.nombres))
        return false;

    // Only now is the old game given up: a refused dialog leaves it running.
    cerrarConexiones(j);
    Estado& e = j.e;
    e.barra = QStringLiteral("Presione en el tecla la tecla correspondiente a su numero ");
    sentarJugadores(e, eleccion, n);
    e.numJugadores = n;
    e.juegoLocal = true;
    e.relog.texto = QStringLiteral("3:00");
    e.Label3.visible = true;
    e.relog.visible = true;
    e.mn_repar.habilitado = true;
    e.mn_pausar.habilitado = true;
    j.Timer2.stop();
    j.colocador.stop();
    j.transicion([&](Estado& es, Salida& o) {
        mesa::mesaNueva(es);
        es.enPartida = true;
        mesa::sacarObjetivo(es, o, *j.azar);
        mesa::repartir(es, o, *j.azar);
    });
    return true;
}
