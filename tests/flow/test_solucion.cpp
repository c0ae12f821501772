// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

// A round that runs out shows one pick that would have made the target.

#include "flow/mandos.h"
#include "game/reparto.h"
#include "partida.h"
#include "prueba.h"

#include <optional>

namespace {

// The tiles showing a pick: "10V1" is tile 10, green, first; G grey, B white.
QString vista(const Estado& e)
{
    QStringList l;
    for (int k = 1; k <= kFichas; ++k)
        if (const auto& f = e.fichaCU[k]; f.marca || f.fondo == color::verde)
            l << QStringLiteral("%1%2%3").arg(k).arg(f.fondo == color::verde ? 'V' : f.fondo == color::gris ? 'G' : 'B').arg(f.marca);
    return l.join(' ');
}

// Ana holds the turn with tile 1 picked when the round runs out. Returns the board as the notice
// opens and after `accion`, the chat pane, then only if some pick is left at the next draw, that.
QStringList vencer(JuegoDePrueba& p, int objetivo, bool lineal, const std::function<void()>& accion = {})
{
    Estado& e = p.j.e;
    empezarLocal(p, {"Ana", "Beto"}, objetivo);
    mn_mod_Click(p.j, lineal ? 2 : 1);
    jugar(p, '1', {1, 1});
    QStringList vio;
    p.aviso.mientrasAbierto = [&] {
        vio << vista(e);
        if (accion)
            accion();
        vio << vista(e) << e.txtDialog;
    };
    std::optional<QString> alSacar;
    QObject::connect(&p.j, &Juego::cambiado, [&] {
        if (!alSacar && e.fichaRE != QString::number(objetivo))
            alSacar = vista(e);
    });
    tics(p, 180);
    if (alSacar != "" || !vista(e).isEmpty())
        vio << "queda " + alSacar.value_or("?") + " / " + vista(e);
    return vio;
}

const QString de48 = "1G3 9V2 10V1";  // tile 1 is still Ana's pick, grey
const QString l48 = "Una soluci\u00F3n era 9 \u00D7 5 + 3 = 48";

}  // namespace

class TestSolucion : public QObject {
    Q_OBJECT
private slots:
    // The pick shows while the notice is open, in the mode in play, and is gone before the next draw.
    void enCadaModo()
    {
        JuegoDePrueba a, b, c;
        QCOMPARE(vencer(a, 48, false), (QStringList{de48, de48, l48}));
        QCOMPARE(vencer(b, 50, false), (QStringList{"11V1 19V2 26V3", "11V1 19V2 26V3", "Una soluci\u00F3n era 8 \u00D7 7 - 6 = 50"}));
        QCOMPARE(vencer(c, 48, true), (QStringList{"", "", "Este tablero no ten\u00EDa soluci\u00F3n para 48"}));
    }

    // What can happen under the notice takes the pick away; a click takes a green tile as a new pick.
    void bajoElAviso()
    {
        JuegoDePrueba a, b, c, d;
        QCOMPARE(vencer(a, 48, false, [&] { mn_pausar_Click(a.j); }), (QStringList{de48, "", l48}));
        QCOMPARE(vencer(b, 48, false, [&] { guionObjetivo(b.azar, b.j.e.fichasRedondas, 7), guionReparto(b.azar), mn_repar_Click(b.j); }),
                 (QStringList{de48, "", l48}));
        QCOMPARE(vencer(c, 48, false, [&] { empezarLocal(c, {"Ana", "Beto"}, 7); }), (QStringList{de48, "", l48}));
        QCOMPARE(vencer(d, 48, false, [&] { jugar(d, 0, {2, 2}); }), (QStringList{de48, "1G3 9G2 10V1", l48}));
    }
};

ZUMBARTA_PRUEBA(TestSolucion);
#include "test_solucion.moc"
