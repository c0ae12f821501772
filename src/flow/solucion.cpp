// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#include "flow/solucion.h"

#include "game/envio.h"
#include "game/juego.h"
#include "machine/maquina.h"
#include "net/chat.h"

namespace {

QString lineaSolucion(const Estado& e, const busqueda::Resultado& r)
{
    if (!r.encontrada)
        return QStringLiteral("Este tablero no ten\u00EDa soluci\u00F3n para ") + e.fichaRE;
    const int x = e.Valor[r.jugada[1]].toInt();
    const int y = e.Valor[r.jugada[2]].toInt();
    const int z = e.Valor[r.jugada[3]].toInt();
    // With z = 0 both signs would do; say "+" then.
    const QString signo = x * y + z == e.fichaRE.toInt() ? QStringLiteral("+") : QStringLiteral("-");
    return QStringLiteral("Una soluci\u00F3n era %1 \u00D7 %2 %3 %4 = %5")
        .arg(QString::number(x), QString::number(y), signo, QString::number(z), e.fichaRE);
}

}  // namespace

void mostrarSolucion(Juego& j)
{
    Estado& e = j.e;
    const auto r = buscarEnTablero(e, true);
    if (r.encontrada) {
        for (int paso = 1; paso <= 3; ++paso) {
            FichaCU& f = e.fichaCU[r.jugada[paso]];
            f.marca = paso;
            // Turning a selected tile green would drop it from the attempt
            // behind the back of whoever picked it.
            if (f.fondo != color::gris)
                f.fondo = color::verde;
        }
    }
    const QString linea = lineaSolucion(e, r);
    if (e.juegoLocal)
        UpdateDialog(j, linea);
    else if (e.esServidor)
        enviar(j, QStringLiteral("[Message]") + linea, true);
    j.cambio();
}
