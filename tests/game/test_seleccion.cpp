// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

// Claiming the turn by key and picking tiles with the mouse, in both game modes.

#include "partida.h"
#include "prueba.h"

namespace {
const QString kNoContinua = QStringLiteral("Esta ficha no es continua a la ficha anteriormente elegida");
const QString kNoLineal = QStringLiteral("Esta ficha no es continua (Horizontal - Vertical - Diagonal)");
}  // namespace

class TestSeleccion : public QObject {
    Q_OBJECT
private slots:
    // Claims by key; unmarking takes its digit out once and the other tile is the one to touch next.
    void reclamarYDesmarcar()
    {
        JuegoDePrueba p;
        Estado& e = p.j.e;
        e.ruta = QStringLiteral("/juego");
        jugar(p, '1', {1, 1});  // no game yet: a beep, no notice
        QVERIFY(empezarLocal(p, {"Ana", "Beto", "Carla"}, 19, {false, false, false, true}));
        p.sonido.archivos.clear();
        jugar(p, 0, {1, 1});
        QCOMPARE(p.aviso.textos, QStringList{"No se ha seleccionado ningun jugador"});
        for (char c : {'4', '0', '7', 'a', '3'})  // beyond the count, no seat, a letter, a machine
            jugar(p, c);
        QVERIFY(p.sonido.beeps == 6 && e.turno == 0 && !p.j.Timer2.isActive());
        jugar(p, '2');
        QVERIFY(e.turno == 2 && e.Jugadores[2].opaca && p.j.Timer2.isActive());
        QCOMPARE(p.sonido.archivos, QStringList{"/juego/Click.wav"});
        jugar(p, '1');  // held by seat 2
        QVERIFY(p.sonido.beeps == 7 && e.turno == 2);

        jugar(p, 0, {2, 5, 1, 4, 1, 4});  // both hold a 1
        QCOMPARE((QStringList{e.combinacion, e.ultimaFicha}), (QStringList{"1", "25"}));
        jugar(p, 0, {3, 6});  // touches (2,5), not (1,4)
        QCOMPARE(e.fichasElegidas, 2);
        jugar(p, 0, {3, 6, 2, 5});
        QVERIFY(e.fichasElegidas == 0 && e.combinacion.isEmpty() && grises(e) == 0);
        QVERIFY(p.aviso.textos.size() == 1 && p.sonido.beeps == 7);
    }

    // Each pick in both modes (tiles as row, column), refused or reaching the check: none of the
    // accepted ones makes 19, and a refused tile leaves the others marked.
    void elegir()
    {
        const std::tuple<bool, QList<int>, QString> casos[] = {
            {false, {1, 1, 2, 2, 1, 3}, {}}, {false, {1, 1, 1, 3}, kNoContinua},           // Continuo: bent; a jump
            {true, {1, 1, 1, 3}, kNoContinua}, {true, {1, 1, 2, 2, 2, 3}, kNoLineal},       // Lineal: a jump; bent;
            {true, {1, 1, 1, 2, 2, 2}, kNoLineal}, {true, {1, 1, 2, 2, 3, 3}, {}},          // a corner; diagonal,
            {true, {4, 4, 4, 5, 4, 6}, {}}, {true, {5, 2, 4, 3, 3, 4}, {}}, {true, {3, 7, 2, 7, 1, 7}, {}}};  // across, up
        for (const auto& [lineal, casillas, rechazo] : casos) {
            EnJuego p({"Ana", "Beto"});
            p.j.e.modoLineal = lineal;
            jugar(p, '1', casillas);
            const bool ok = rechazo.isEmpty();
            QCOMPARE(p.aviso.textos, QStringList{ok ? "Ana La combinacion elegida no es correcta, perdera un punto" : rechazo});
            const int n = ok ? 0 : static_cast<int>(casillas.size()) / 2 - 1;
            const Estado& e = p.j.e;
            QCOMPARE((QList<int>{e.fichasElegidas, grises(e), int(e.combinacion.size()), e.turno, p.sonido.beeps}),
                     (QList<int>{n, n, n, ok ? 0 : 1, 1}));
        }
    }
};

ZUMBARTA_PRUEBA(TestSeleccion);
#include "test_seleccion.moc"
