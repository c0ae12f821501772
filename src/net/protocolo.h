// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The game's messages of a network game, as pure functions on plain values.
// Framing, the reading rules and the handshake belong to the transport
// (net/transporte/lineas.h), whose names share this namespace.

#include "net/transporte/lineas.h"

#include <QString>
#include <optional>

namespace protocolo {

// The game's tags, exactly as they travel ("[Joined]" and
// "[Identificacion]", the other two of the original fifteen, are the
// transport's).
inline const QString kModoJuego = QStringLiteral("[modojuego]");
inline const QString kMessage = QStringLiteral("[Message]");
inline const QString kFichaRedonda = QStringLiteral("[ficharedonda]");
inline const QString kFichaValor = QStringLiteral("[fichaValor]");
inline const QString kFichaON = QStringLiteral("[fichaON]");
inline const QString kFichaOFF = QStringLiteral("[fichaOFF]");
inline const QString kTurnoON = QStringLiteral("[TurnoON]");
inline const QString kTurnoOFF = QStringLiteral("[TurnoOFF]");
inline const QString kPuntaje = QStringLiteral("[Puntaje]");
inline const QString kPartidas = QStringLiteral("[Partidas]");
inline const QString kRelog = QStringLiteral("[Relog]");
inline const QString kFinalizarpartidas = QStringLiteral("[Finalizarpartidas]");
inline const QString kDisconnected = QStringLiteral("[Disconnected]");

// Beyond the original messages (see also the transport's handshake):
// - "[Ganadas]": seat and matches won, set without announcing a match.
// - "[Ausente]": seat, then 1 while its player is away, 0 when back.
inline const QString kGanadas = QStringLiteral("[Ganadas]");
inline const QString kAusente = QStringLiteral("[Ausente]");

// A message of a tag and two numbers, "[Puntaje]3,-1".
inline QString conDosNumeros(const QString& tag, int a, int b)
{
    return tag + QString::number(a) + QLatin1Char(',') + QString::number(b);
}

// "[Puntaje]" and "[Partidas]": the seat is the first character alone; the
// value text is the payload with every "seat," taken out. Empty when the
// payload does not carry a seat 1..6 and a whole number.
struct AsientoValor {
    int asiento = 0;
    QString texto;  // shown as it came
    int valor = 0;
};
std::optional<AsientoValor> asientoYValor(const QString& carga);

// A server's "[Joined]": "name(seat)". The seat is read after the last "(",
// so a name that holds "(" still reads right. Empty when no seat 1..6 is there.
struct Presentacion {
    QString nombre;
    int asiento = 0;
};
std::optional<Presentacion> leerPresentacion(const QString& carga);
// The server's "[Joined]" for seat s: "[Joined]Ana(1)".
QString conPresentacion(const QString& nombre, int s);

// The game mode text: " Falso" is "Continuo"; any other text is "Lineal".
bool modoLinealDe(const QString& carga);

// The seat (1..6) or tile (1..49) a payload's leading number names, or
// nothing when it names none.
std::optional<int> asiento(const QString& carga);
std::optional<int> ficha(const QString& carga);

// A pool text of "*NN*" tokens, each number 1..50 at most once.
bool poolValido(const QString& pool);

}  // namespace protocolo
