// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#include "flow/temporizadores.h"

#include "flow/colocador.h"
#include "flow/reloj.h"
#include "flow/vencimiento.h"
#include "game/juego.h"
#include "machine/maquina.h"
#include "net/partidared.h"

void conectarTemporizadores(Juego& j)
{
    QObject::connect(&j.Timer1, &QTimer::timeout, &j, [&j] { Timer1_Timer(j); });
    QObject::connect(&j.Timer2, &QTimer::timeout, &j, [&j] { Timer2_Timer(j); });
    QObject::connect(&j.colocador, &QTimer::timeout, &j, [&j] { colocador_Timer(j); });
    QObject::connect(&j.timer3, &QTimer::timeout, &j, [&j] { timer3_Timer(j); });
    QObject::connect(&j.maquinas, &QTimer::timeout, &j, [&j] { maquinas_Timer(j); });
}
