// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Recording doubles for the ports, shared by the tests.

#include "game/juego.h"
#include "game/puertos.h"

#include <QStringList>
#include <deque>
#include <functional>

// Records every notice; optionally runs something "while it is open".
struct AvisoGrabado : Aviso {
    QStringList textos;
    std::function<void()> mientrasAbierto;
    void mostrar(const QString& texto) override
    {
        textos << texto;
        if (mientrasAbierto)
            mientrasAbierto();
    }
};

struct CajaGrabada : CajaMensaje {
    struct Caja {
        Icono icono;
        QString texto;
    };
    std::vector<Caja> cajas;
    void mostrar(Icono icono, const QString& texto) override { cajas.push_back({icono, texto}); }
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
    int resiembras = 0;
    void resembrar() override { ++resiembras; }
    double rnd() override
    {
        if (!guion.empty()) {
            ultimo = guion.front();
            guion.pop_front();
        }
        return ultimo;
    }
};

struct F2Guion : TeclaF2 {
    bool pulsadaAhora = false;
    bool pulsada() override { return std::exchange(pulsadaAhora, false); }
};

struct EnlaceGrabado : Enlace {
    struct Envio {
        QString texto;
        bool aTodos;
        bool vbSelf;
    };
    std::vector<Envio> envios;
    void enviaratodos(const QString& vsData, bool vbSelf) override { envios.push_back({vsData, true, vbSelf}); }
    void enviaraservidor(const QString& vsData) override { envios.push_back({vsData, false, false}); }
    QStringList textos() const
    {
        QStringList l;
        for (const auto& e : envios) l << e.texto;
        return l;
    }
};

// A game with every port recorded.
struct JuegoDePrueba {
    Juego j;
    AvisoGrabado aviso;
    CajaGrabada caja;
    SonidoGrabado sonido;
    AzarGuion azar;
    F2Guion f2;
    EnlaceGrabado enlace;

    explicit JuegoDePrueba(bool azarDeGuion = true)
    {
        j.usarAviso(&aviso), j.usarCaja(&caja), j.usarSonido(&sonido), j.usarF2(&f2);
        if (azarDeGuion)
            j.usarAzar(&azar);
    }

    // Turns this station into a network server or client with a recording link.
    void enRed(bool servidor)
    {
        j.e.juegoLocal = false;
        j.e.esServidor = servidor;
        j.enlace = &enlace;
    }
};
