// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/juego.h"

#include "game/panel.h"
#include "game/envio.h"
#include "game/mesa.h"
#include "game/sonido.h"
#include "game/tiempos.h"

#include <algorithm>

// What a port does before the window layer provides it: nothing at all.
struct Juego::Silencio final : Aviso, CajaMensaje, Sonido, TeclaF2 {
    void mostrar(const QString&) override {}
    void cerrar() override {}
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
    avisoAbierto.setSingleShot(true);
    avisoAbierto.setInterval(ms(tiempos::kAviso));
    connect(&avisoAbierto, &QTimer::timeout, this, &Juego::cerrarAviso);
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

void Juego::aplicar(const Salida& o)
{
    for (int i = 0; i < o.beeps; ++i)
        sonido->beep();
    if (o.click)
        reproducirClick(*this);
    for (const QString& linea : o.chat)
        anotarEnPanel(e.txtDialog, linea);
    if (o.turnoPara)
        Timer2.stop();
    if (o.turnoArranca)
        Timer2.start();
    if (o.colocadorPara)
        colocador.stop();
    if (o.colocadorArranca)
        colocador.start();
    if (o.maquinasDeNuevo)
        maquinas.stop();  // started afresh below, if they may look now
    // The newest notices take the window over, as a player would expect of
    // news: what was still queued is dropped.
    if (!o.avisos.isEmpty()) {
        avisosEnCola_ = o.avisos;
        e.avisoAbierto = true;
        mostrarSiguienteAviso();
    }
    // Sent last: a server's own handler (vbSelf) sees the table as it now is.
    for (const Salida::Envio& m : o.envios)
        enviar(*this, m.texto, m.vbSelf, m.salvo);
    if (enlace && o.arbitroArranca)
        enlace->vigilarTurno(ms(tiempos::kTurno + tiempos::kMargenArbitro), false);
    if (enlace && o.arbitroSeAlarga)
        enlace->vigilarTurno(ms(tiempos::kAviso), true);
    sincronizar();
    cambio();
}

void Juego::sincronizar()
{
    const bool reloj = mesa::correReloj(e);
    if (reloj != Timer1.isActive())
        reloj ? Timer1.start() : Timer1.stop();
    const bool buscan = mesa::buscanMaquinas(e);
    if (buscan != maquinas.isActive())
        buscan ? maquinas.start() : maquinas.stop();
}

void Juego::mostrarSiguienteAviso()
{
    e.mensaje = avisosEnCola_.takeFirst();
    cambio();
    aviso->mostrar(e.mensaje);
    avisoAbierto.start();
}

void Juego::cerrarAviso()
{
    if (!e.avisoAbierto)
        return;
    if (!avisosEnCola_.isEmpty())
        return mostrarSiguienteAviso();
    avisoAbierto.stop();
    aviso->cerrar();
    transicion([this](Estado& es, Salida& o) { mesa::avisoCerrado(es, o, *azar); });
}
