// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#include "net/redpartida.h"

#include "game/juego.h"
#include "game/tiempos.h"
#include "net/asientos.h"
#include "game/mensajes.h"
#include "transporte/anunciador.h"
#include "transporte/cliente.h"
#include "transporte/servidor.h"

#include <algorithm>

RedPartida::RedPartida(Juego& j, Rol rol) : QObject(&j), j_(j)
{
    if (rol == Rol::Servidor) {
        servidor_ = new Servidor({j.ms(tiempos::kPresentacion), j.ms(tiempos::kPausaChat), mensajes::kMessage,
                                  j.ms(tiempos::kPausaFichas), {mensajes::kFichaON, mensajes::kFichaOFF},
                                  j.ms(tiempos::kAsientoEnSala)},
                                 this);
        arbitro.setSingleShot(true);
        connect(&arbitro, &QTimer::timeout, this, [&j] { arbitro_Timer(j); });
    } else {
        // How long a server may take to seat us is the network's time, not
        // the game's: on a loaded machine a scaled wait gave up on a server
        // that was only slow.
        cliente_ = new Cliente(tiempos::kConexion, j.entorno.archivoClaves, this);
    }
}

RedPartida::~RedPartida()
{
    // Whatever closes with it must not report to a game that is going too.
    cerrar();
}

Anunciador* RedPartida::anunciar(bool soloLoopback)
{
    // The spacing of answers is the LAN's, not the game's: it is not scaled.
    if (!anunciador_)
        anunciador_ = new Anunciador(soloLoopback, j_.ms(tiempos::kAnuncio), tiempos::kSeparacionAnuncio, this);
    return anunciador_;
}

void RedPartida::enviaratodos(const QString& vsData, bool vbSelf)
{
    if (servidor_)
        servidor_->enviaratodos(vsData, vbSelf);
}

void RedPartida::enviaraservidor(const QString& vsData)
{
    if (cliente_)
        cliente_->enviaraservidor(vsData);
}

void RedPartida::enviarSalvo(const QString& vsData, int asiento)
{
    if (servidor_)
        servidor_->SendToAllButOriginator(vsData, asiento);
}

void RedPartida::vigilarTurno(int ms, bool alargar)
{
    arbitro.start(ms + (alargar ? std::max(0, arbitro.remainingTime()) : 0));
}

void RedPartida::cerrar(const QString& despedida)
{
    arbitro.stop();
    if (anunciador_)
        anunciador_->terminar();
    if (servidor_)
        despedida.isEmpty() ? servidor_->cerrarTodo() : servidor_->cerrarMesa(despedida);
    if (cliente_)
        cliente_->cerrar();
}
