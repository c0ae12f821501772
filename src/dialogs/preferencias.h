// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What the setup dialogs remember from one run to the next: the choices the
// player last accepted, in the user's configuration folder (QSettings,
// native format; on Linux ~/.config/Zumbarta/Zumbarta.conf). The file is the
// player's to edit or spoil: each value is checked as it is read, and one
// that makes no sense is left out, so the dialog shows its default instead.

#include "net/asientos.h"

#include <QString>
#include <array>
#include <optional>

namespace preferencias {

// The name boxes' lengths: what is read back must fit where it is shown.
inline constexpr int kLargoNombreRed = kLargoNombre;  // what the server keeps of a name
inline constexpr int kLargoNombreLocal = 13;

// The network setup. Empty texts and no `anunciar` mean nothing remembered.
struct Red {
    QString nombre;
    QString servidor;
    QString puerto;
    std::optional<bool> anunciar;
};

// The local setup: 0 players and level 0 mean nothing remembered.
struct Local {
    int numJugadores = 0;
    std::array<QString, 7> nombres;
    std::array<bool, 7> maquina{};
    int nivel = 0;
};

Red leerRed();
void guardarRed(const Red& r);
Local leerLocal();
void guardarLocal(const Local& l);

// The settings file, for the player's eyes and for the tests.
QString archivo();

}  // namespace preferencias
