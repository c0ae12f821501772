// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The lines of the network protocol, as pure functions on plain values: how
// a message is framed and split, the reading rules every field follows, and
// the handshake the transport itself speaks. A message is a bracketed tag,
// its payload and CR LF; each character travels as one Latin-1 byte. What
// the game says in those lines is the game's business (game/mensajes.h).

#include <QByteArray>
#include <QString>

namespace protocolo {

// The seats of a table: 1 is the server's player, 2..6 its clients'.
inline constexpr int kAsientos = 6;
inline constexpr int kPrimerCliente = 2;

// The handshake, exactly as it travels.
// - "[Joined]": a newcomer's name; the server's answer names each seat.
// - "[Identificacion]": the seat the server gives this connection.
// Beyond the original messages, what this program's stations say to one
// another and a peer that speaks only those ignores:
// - "[Version]": the protocol a station speaks; a client sends it first, the
//   server answers it when it seats the client.
// - "[Clave]": the secret of the client's seat, sent to that client alone.
// - "[Volver]": a client takes its seat back with that secret.
// - "[Rechazado]": no seat for this connection, and why, in the player's
//   words (the game has started or ended, the name is taken).
inline const QString kJoined = QStringLiteral("[Joined]");
inline const QString kIdentificacion = QStringLiteral("[Identificacion]");
inline const QString kVersion = QStringLiteral("[Version]");
inline const QString kClave = QStringLiteral("[Clave]");
inline const QString kVolver = QStringLiteral("[Volver]");
inline const QString kRechazado = QStringLiteral("[Rechazado]");
inline constexpr int kVersionPropia = 2;

// The longest line a peer may send, CR LF excluded. Anything longer is a
// broken or hostile peer.
inline constexpr int kLargoMaximo = 8 * 1024;

// The bytes of one message on the wire; empty for an empty message, which
// is never sent.
QByteArray enmarcar(const QString& mensaje);

// A message split at its first "]": the tag keeps the bracket, the payload is
// the rest (later brackets stay in it). Without "]" the tag is empty.
struct Mensaje {
    QString tag;
    QString carga;
};
Mensaje separar(const QString& mensaje);

// The leading number of a text: blanks, an optional sign, digits with an
// optional decimal point; 0 when the text does not start with one.
double numeroInicial(const QString& texto);

// The leading number rounded to a whole number, halves to even, clamped to
// the range of int.
int enteroInicial(const QString& texto);

// A two-field payload: the text before and after the first ",".
struct DosCampos {
    QString primero;
    QString segundo;
    bool tieneComa = false;
};
DosCampos dosCampos(const QString& carga);

// Whether a character travels as itself: Latin-1, one byte, and no control
// character (C0, DEL or C1) that could break a line or a list.
constexpr bool caracterDeLinea(char16_t u)
{
    return u >= 0x20 && (u < 0x7F || u >= 0xA0) && u <= 0xFF;
}
// Whether every character of a text does: a name or a chat line that passes
// shows the same on every station.
bool cabeEnLinea(const QString& texto);

}  // namespace protocolo
