// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Finding the operating system's own system-information program for the
// about box. Windows says in its registry where the program lives; other
// systems have no such program to offer, and the player is told so.

#include <QString>
#include <cstdint>
#include <functional>

class CajaMensaje;

namespace infosistema {

// The registry root the search reads from, numbered as Windows numbers it.
inline constexpr std::uint32_t kRaizMaquina = 0x80000002u;  // HKEY_LOCAL_MACHINE

QString sinInformacion();  // what the player reads when there is nothing to start

// What the search needs from the system. The real one reads the registry and
// the disk and starts processes; tests bring a registry of their own.
struct Sistema {
    // True when the text value SubKeyRef of KeyName under KeyRoot was read.
    std::function<bool(std::uint32_t KeyRoot, const QString& KeyName, const QString& SubKeyRef,
                       QString& KeyVal)>
        GetKeyValue;
    std::function<bool(const QString& archivo)> existeArchivo;
    // Starts a program in its own window without waiting; false if it did not start.
    std::function<bool(const QString& programa)> iniciar;
};

Sistema sistemaReal();

// Reads a text value of the registry; KeyVal is "" when it could not. Where
// there is no registry nothing is ever read.
bool GetKeyValue(std::uint32_t KeyRoot, const QString& KeyName, const QString& SubKeyRef, QString& KeyVal);

// The text that a registry query left in its buffer: bytes of UTF-16, whose
// closing NUL (when the value was stored with one) is not part of the text.
QString textoDeValor(const char16_t* datos, unsigned bytes);

// Looks for the program and starts it; false when nothing could be started.
bool buscarEIniciar(const Sistema& sistema);

}  // namespace infosistema

// "Info del sistema...": starts the program, or shows the message with no icon.
void StartSysInfo(CajaMensaje& caja, const infosistema::Sistema& sistema);
