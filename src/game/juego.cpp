// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/juego.h"

#include "game/tiempos.h"

// What a port does before the window layer provides it: nothing at all.
struct Juego::Silencio final : Aviso, CajaMensaje, Sonido, TeclaF2 {
    void mostrar(const QString&) override {}
    void mostrar(Icono, const QString&) override {}
    void beep() override {}
    void reproducir(const QString&) override {}
    bool pulsada() override { return false; }
};

Juego::Juego(const Entorno& entorno, QObject* parent)
    : QObject(parent), entorno(entorno), silencio_(new Silencio)
{
    aviso = silencio_;
    caja = silencio_;
    sonido = silencio_;
    f2 = silencio_;
    azar = &azarPropio_;

    Timer1.setInterval(ms(tiempos::kReloj));
    Timer2.setInterval(ms(tiempos::kTurno));
    timer3.setInterval(ms(tiempos::kPuerta));
    colocador.setInterval(ms(tiempos::kColocador));
    maquinas.setInterval(ms(tiempos::kMaquinas));
}

Juego::~Juego()
{
    // The network game goes first, while the state it reports to still exists
    // (and a client still connecting, not yet installed).
    const QObjectList hijos = children();
    qDeleteAll(hijos);
    delete silencio_;
}

void Juego::usarAviso(Aviso* p) { aviso = p ? p : silencio_; }
void Juego::usarCaja(CajaMensaje* p) { caja = p ? p : silencio_; }
void Juego::usarSonido(Sonido* p) { sonido = p ? p : silencio_; }
void Juego::usarAzar(Azar* p) { azar = p ? p : &azarPropio_; }
void Juego::usarF2(TeclaF2* p) { f2 = p ? p : silencio_; }

bool correReloj(const Estado& e)
{
    return e.enPartida && !e.mesaEnEspera && (e.juegoLocal || e.esServidor);
}

void arrancarReloj(Juego& j)
{
    if (correReloj(j.e))
        j.Timer1.start();
}
