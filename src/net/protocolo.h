// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The text protocol of a network game, as pure functions on plain values.
// A message is a bracketed tag, its payload and CR LF; each character
// travels as one Latin-1 byte.

#include <QByteArray>
#include <QString>
#include <optional>

namespace protocolo {

// The fifteen tags, exactly as they travel.
inline const QString kJoined = QStringLiteral("[Joined]");
inline const QString kIdentificacion = QStringLiteral("[Identificacion]");
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

// Beyond the fifteen: what this program's stations say to one another and a
// peer that speaks only the fifteen ignores.
// - "[Version]": the protocol a station speaks; a client sends it first, the
//   server answers it when it seats the client.
// - "[Clave]": the secret of the client's seat, sent to that client alone.
// - "[Volver]": a client takes its seat back with that secret.
// - "[Rechazado]": no seat for this connection (the game has started).
// - "[Ganadas]": seat and matches won, set without announcing a match.
// - "[Ausente]": seat, then 1 while its player is away, 0 when back.
inline const QString kVersion = QStringLiteral("[Version]");
inline const QString kClave = QStringLiteral("[Clave]");
inline const QString kVolver = QStringLiteral("[Volver]");
inline const QString kRechazado = QStringLiteral("[Rechazado]");
inline const QString kGanadas = QStringLiteral("[Ganadas]");
inline const QString kAusente = QStringLiteral("[Ausente]");
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

// A message of a tag and two numbers, "[Puntaje]3,-1".
inline QString conDosNumeros(const QString& tag, int a, int b)
{
    return tag + QString::number(a) + QLatin1Char(',') + QString::number(b);
}

// A two-field payload: the text before and after the first ",".
struct DosCampos {
    QString primero;
    QString segundo;
    bool tieneComa = false;
};
DosCampos dosCampos(const QString& carga);

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
