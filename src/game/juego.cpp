// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/juego.h"

#include "game/tiempos.h"

// What a port does before the window layer provides it: nothing at all.
struct Juego::Silencio final : Aviso, CajaMensaje, Sonido, TeclaF2 {
    void mostrar(const QString&) override {}
    void cerrar() override {}
    void mostrar(Icono, const QString&) override {}
    void beep() override {}
    void reproducir(const QString&) override {}
    bool pulsada() override { return false; }
};

Juego::Juego(QObject* parent)
    : QObject(parent), silencio_(new Silencio)
{
    aviso = silencio_;
    caja = silencio_;
    sonido = silencio_;
    f2 = silencio_;
    azar = &azarPropio_;

    Timer1.setInterval(tiempos::ms(tiempos::kReloj));
    Timer2.setInterval(tiempos::ms(tiempos::kTurno));
    timer3.setInterval(tiempos::ms(tiempos::kPuerta));
    colocador.setInterval(tiempos::ms(tiempos::kColocador));
    maquinas.setInterval(tiempos::ms(tiempos::kMaquinas));
    arbitro.setSingleShot(true);
}

Juego::~Juego()
{
    // The network link goes first, while the state it reports to still exists.
    qDeleteAll(findChildren<QObject*>(QString(), Qt::FindDirectChildrenOnly));
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
