// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The seams between the game and the platform. The window layer implements
// them for real; tests put recording doubles in their place.

#include <QString>

// The notice window: modal for this station's player, and it never blocks
// the caller. There is only one: asked again while it is open, it shows the
// newer text. The game keeps its time and closes it (cerrar); the player's
// "Aceptar" is reported with aceptarAviso (game/avisos.h).
class Aviso {
public:
    virtual ~Aviso() = default;
    virtual void mostrar(const QString& texto) = 0;
    virtual void cerrar() = 0;
};

// A message box titled "Zumbarta" with an OK button, modal for the player;
// it returns at once and nothing waits for its answer.
class CajaMensaje {
public:
    enum class Icono { Informacion, Advertencia, Ninguno };
    virtual ~CajaMensaje() = default;
    virtual void mostrar(Icono icono, const QString& texto) = 0;
};

class Sonido {
public:
    virtual ~Sonido() = default;
    virtual void beep() = 0;
    // Starts a WAV file and returns at once; any failure is silent.
    virtual void reproducir(const QString& archivo) = 0;
};

// Uniform draws in [0, 1). resembrar() mixes the clock into the state; it never
// restarts the sequence, so draws made within one clock tick still differ.
class Azar {
public:
    virtual ~Azar() = default;
    virtual void resembrar() = 0;
    virtual double rnd() = 0;
};

// The F2 key, read system-wide: pressed since the last poll?
class TeclaF2 {
public:
    virtual ~TeclaF2() = default;
    virtual bool pulsada() = 0;
};

// Where the game's network messages leave. The network game (net/redpartida.h)
// is the one installed while it is up; the transport's classes are not links.
class Enlace {
public:
    virtual ~Enlace() = default;
    virtual void enviaratodos(const QString& vsData, bool vbSelf) = 0;
    virtual void enviaraservidor(const QString& vsData) = 0;
    // The server relays what seat `asiento` said to every other client.
    virtual void enviarSalvo(const QString& vsData, int asiento) = 0;
    // The server's referee watches a client's turn for `ms` from now, or
    // (alargar) for `ms` more than it had left.
    virtual void vigilarTurno(int ms, bool alargar) = 0;
};
