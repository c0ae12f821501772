// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The game's messages as they travel between stations, composed and read in
// one place: a bracketed tag, then its payload. Framing (CR LF, Latin-1), the
// reading rules and the handshake ("[Joined]", "[Identificacion]") belong to
// the transport; what each message means belongs to the table.

#include "transporte/lineas.h"

#include <QString>
#include <optional>

namespace mensajes {

// The tags of the game, exactly as they travel.
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
// Beyond those, what this program's stations say to one another; a peer
// that knows only the ones above ignores them.
// - "[Ganadas]": seat and matches won, set without announcing a match.
// - "[Ausente]": seat, then 1 while its player is away, 0 when back.
inline const QString kGanadas = QStringLiteral("[Ganadas]");
inline const QString kAusente = QStringLiteral("[Ausente]");

// "[Puntaje]3,-1": a tag and two numbers.
inline QString conDosNumeros(const QString& tag, int a, int b)
{
    return tag + QString::number(a) + QLatin1Char(',') + QString::number(b);
}

inline QString turnoOn(int s) { return kTurnoON + QString::number(s); }
inline QString turnoOff(int s) { return kTurnoOFF + QString::number(s); }
inline QString fichaOn(int k) { return kFichaON + QString::number(k); }
inline QString fichaOff(int k) { return kFichaOFF + QString::number(k); }
inline QString fichaValor(int k, const QString& v) { return kFichaValor + QString::number(k) + QLatin1Char(',') + v; }
inline QString puntaje(int s, int fichas) { return conDosNumeros(kPuntaje, s, fichas); }
inline QString partidas(int s, int ganadas) { return conDosNumeros(kPartidas, s, ganadas); }
inline QString ganadas(int s, int n) { return conDosNumeros(kGanadas, s, n); }
inline QString ausente(int s, bool fuera) { return conDosNumeros(kAusente, s, fuera ? 1 : 0); }
// "[Ausente]s,2": the seat was given up, its row goes.
inline constexpr int kAsientoSoltado = 2;
inline QString relog(const QString& texto) { return kRelog + texto; }
inline QString chat(const QString& linea) { return kMessage + linea; }
inline QString identificacion(int s) { return protocolo::kIdentificacion + QString::number(s); }
// The server's target and what is left of the pool, "[ficharedonda]19,*01**02*...".
inline QString objetivo(const QString& fichaRE, const QString& pool) { return kFichaRedonda + fichaRE + QLatin1Char(',') + pool; }
// A client that would draw asks the server to, with the bare tag.
inline QString pedirObjetivo() { return kFichaRedonda; }

// The mode as it travels: " Falso" is "Continuo", anything else "Lineal".
inline QString modo(bool lineal) { return kModoJuego + (lineal ? QStringLiteral(" Verdadero") : QStringLiteral(" Falso")); }
inline bool modoLinealDe(const QString& carga) { return carga != QStringLiteral(" Falso"); }

// The server's "[Joined]" for seat s: "[Joined]Ana(1)".
inline QString presentacion(const QString& nombre, int s)
{
    return protocolo::kJoined + nombre + QLatin1Char('(') + QString::number(s) + QLatin1Char(')');
}

// Lines of the chat that only the server composes.
inline QString lineaSeFue(const QString& nombre) { return nombre + QStringLiteral("  se ha desconectado"); }
inline QString lineaVolvio(const QString& nombre) { return nombre + QStringLiteral(" ha vuelto"); }
inline QString lineaFinDeTiempo(const QString& fichaRE) { return QStringLiteral("Finalizo el tiempo y nadie gano la ficha ") + fichaRE; }

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
// The seat (1..6) or tile (1..49) a payload's leading number names, or
// nothing when it names none.
std::optional<int> asiento(const QString& carga);
std::optional<int> ficha(const QString& carga);

}  // namespace mensajes
