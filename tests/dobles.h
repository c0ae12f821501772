// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Recording doubles for the ports, shared by the tests.

#include "game/invariantes.h"
#include "game/juego.h"
#include "game/puertos.h"
#include "game/tiempos.h"
#include "net/redpartida.h"
#include "transporte/servidor.h"

#include <QTimer>
#include <QStringList>
#include <deque>
#include <functional>

// Records every notice shown.
struct AvisoGrabado : Aviso {
    QStringList textos;
    void mostrar(const QString& texto) override { textos << texto; }
    void cerrar() override {}
};

struct CajaGrabada : CajaMensaje {
    struct Caja { Icono icono; QString texto; };
    std::vector<Caja> cajas;
    std::function<void()> mientrasAbierta;
    void mostrar(Icono icono, const QString& texto) override
    {
        cajas.push_back({icono, texto});
        if (mientrasAbierta)
            mientrasAbierta();
    }
    QStringList textos() const
    {
        QStringList l;
        for (const Caja& c : cajas)
            l << c.texto;
        return l;
    }
};

struct SonidoGrabado : Sonido {
    int beeps = 0;
    QStringList archivos;
    void beep() override { ++beeps; }
    void reproducir(const QString& archivo) override { archivos << archivo; }
};

// Draws from a script; once the script is spent it repeats its last value.
struct AzarGuion : Azar {
    std::deque<double> guion;
    double ultimo = 0.0;
    void resembrar() override {}
    double rnd() override
    {
        if (!guion.empty())
            ultimo = guion.front(), guion.pop_front();
        return ultimo;
    }
};

struct F2Guion : TeclaF2 {
    bool pulsadaAhora = false;
    bool pulsada() override { return std::exchange(pulsadaAhora, false); }
};

// A test station's timers at that scale, its server on loopback only, its secrets in the tests' state folder.
inline Entorno enPruebas(double escala = 1.0, const QHostAddress& escucha = QHostAddress::LocalHost)
{
    return {escala, {}, escucha};
}

// The server of a station's network game, or null.
inline Servidor* servidorEn(const Juego& j) { return j.red ? j.red->servidor() : nullptr; }

// A game with every port recorded.
struct JuegoDePrueba {
    Juego j;
    AvisoGrabado aviso;
    CajaGrabada caja;
    SonidoGrabado sonido;
    AzarGuion azar;
    F2Guion f2;

    explicit JuegoDePrueba(bool azarDeGuion = true, const Entorno& entorno = enPruebas()) : j(entorno)
    {
        j.usarAviso(&aviso), j.usarCaja(&caja), j.usarSonido(&sonido), j.usarF2(&f2);
        if (azarDeGuion)
            j.usarAzar(&azar);
    }
};

// The game's timers that run, by name: "Timer1 Timer2 maquinas".
inline QString andando(const Juego& j)
{
    const std::pair<const QTimer*, const char*> timers[] = {
        {&j.Timer1, "Timer1"}, {&j.Timer2, "Timer2"}, {&j.timer3, "timer3"}, {&j.colocador, "colocador"}, {&j.maquinas, "maquinas"}};
    QStringList l;
    for (auto [t, nombre] : timers)
        if (t->isActive())
            l << QLatin1String(nombre);
    return l.join(u' ');
}

// What no peer's input may bring about, "" if none: a table invariantes.h refuses, a notice or box but the winners'.
inline QString incoherencia(const JuegoDePrueba& p, bool cajaPermitida)
{
    if (const QString r = incoherencia(p.j.e); !r.isEmpty())
        return r;
    for (const QString& t : p.aviso.textos)
        if (!t.startsWith(QStringLiteral("El ganador de esta partida es ")))
            return QStringLiteral("aviso ") + t;
    for (const auto& c : p.caja.cajas)
        if (!cajaPermitida || !c.texto.startsWith(QStringLiteral("El ganador general del juego es ")))
            return QStringLiteral("caja ") + c.texto;
    return {};
}
