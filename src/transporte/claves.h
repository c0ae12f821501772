// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The secrets of the seats this station has held, kept so that a player can
// take a seat back after a dropped connection or a restart of the program:
// one line per server address, port and player name. This is the only file
// the game writes, in the user's state folder.

#include <QHostAddress>
#include <QString>

namespace claves {

// <state folder>/zumbarta/asientos: $XDG_STATE_HOME, or ~/.local/state.
QString archivoPropio();

// Every function below takes the file it works on: empty is archivoPropio();
// stations that share one user (tests, the simulation) name their own.

// The secret kept for that server and player, or empty.
QString leer(const QString& archivo, const QHostAddress& servidor, quint16 puerto, const QString& nombre);
// Keeps a seat's secret, replacing an older one for that server and player.
void guardar(const QString& archivo, const QHostAddress& servidor, quint16 puerto, const QString& nombre, const QString& secreto);
// The player whose seat at that server can be taken back, or empty.
QString nombrePara(const QString& archivo, const QHostAddress& servidor, quint16 puerto);

// How many seats are kept at most; the oldest go first.
inline constexpr int kMaximo = 32;

}  // namespace claves
