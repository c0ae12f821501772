// A round that runs out shows one pick that would have made the target.

#include "flow/mandos.h"
#include "game/reparto.h"
#include "partida.h"

#include <QtTest>
#include <optional>

namespace {

// The tiles that show something of a pick: "10V1" is tile 10, green, first.
QStringList vista(const Estado& e)
{
    QStringList l;
    for (int k = 1; k <= kFichas; ++k) {
        const auto& f = e.fichaCU[k];
        if (f.marca || f.fondo == color::verde)
            l << QStringLiteral("%1%2%3").arg(k).arg(f.fondo == color::verde ? 'V' : f.fondo == color::gris ? 'G' : 'B').arg(f.marca);
    }
    return l;
}

}  // namespace

class TestSolucion : public QObject {
    Q_OBJECT
private slots:
    void alVencer_data()
    {
        QTest::addColumn<int>("objetivo");
        QTest::addColumn<bool>("lineal");
        QTest::addColumn<bool>("servidor");
        QTest::addColumn<QStringList>("fichas");
        QTest::addColumn<QString>("linea");
        const QStringList suma{"1G3", "9V2", "10V1"};  // tile 1 is the turn holder's pick
        QTest::newRow("continuo, suma") << 48 << false << false << suma << "Una soluci\u00F3n era 9 \u00D7 5 + 3 = 48";
        QTest::newRow("continuo, resta") << 50 << false << false << QStringList{"11V1", "19V2", "26V3"}
                                         << "Una soluci\u00F3n era 8 \u00D7 7 - 6 = 50";
        QTest::newRow("lineal: ninguna") << 48 << true << false << QStringList{} << "Este tablero no ten\u00EDa soluci\u00F3n para 48";
        QTest::newRow("servidor") << 48 << false << true << suma << "Una soluci\u00F3n era 9 \u00D7 5 + 3 = 48";
    }
    // The pick shows while the notice is open and is gone before the next
    // target is drawn; a selected tile stays grey. A server sends the line
    // right after the time-out's own and leaves its pane to its handler.
    void alVencer()
    {
        QFETCH(int, objetivo);
        QFETCH(bool, lineal);
        QFETCH(bool, servidor);
        QFETCH(QStringList, fichas);
        QFETCH(QString, linea);
        JuegoDePrueba p;
        QVERIFY(empezarLocal(p, {"Ana", "Beto"}, objetivo));
        Estado& e = p.j.e;
        mn_mod_Click(p.j, lineal ? 2 : 1);
        jugar(p, '1', {1, 1});
        if (servidor)
            p.enRed(true);
        QStringList abierta;
        QString chat;
        p.aviso.mientrasAbierto = [&] { abierta = vista(e), chat = e.txtDialog; };
        std::optional<QStringList> alSacar;
        QObject::connect(&p.j, &Juego::cambiado, [&] {
            if (!alSacar && e.fichaRE != QString::number(objetivo))
                alSacar = vista(e);
        });
        tics(p, 180);
        QCOMPARE(abierta, fichas);
        QVERIFY(alSacar && alSacar->isEmpty() && vista(e).isEmpty() && !grises(e));
        const QString fin = QStringLiteral("[Message]Finalizo el tiempo y nadie gano la ficha %1").arg(objetivo);
        if (servidor) {
            const qsizetype i = p.enlace.textos().indexOf(fin);
            QCOMPARE(p.enlace.textos().mid(i, 2), (QStringList{fin, "[Message]" + linea}));
            QVERIFY(p.enlace.envios[i + 1].vbSelf && chat.isEmpty());
        } else {
            QCOMPARE(chat, linea);
        }
    }

    void bajoElAviso_data()
    {
        QTest::addColumn<int>("accion");
        QTest::addColumn<QStringList>("despues");
        // Last entry: the picked digits.
        QTest::newRow("pausa") << 0 << QStringList{""};
        QTest::newRow("repartir") << 1 << QStringList{""};
        QTest::newRow("partida nueva") << 2 << QStringList{""};
        QTest::newRow("clic en una verde la elige") << 3 << QStringList{"1V3", "9V2", "10G1", "9"};
    }
    // What can happen while the notice is open clears the pick, and green is
    // never taken for a selection.
    void bajoElAviso()
    {
        QFETCH(int, accion);
        QFETCH(QStringList, despues);
        JuegoDePrueba p;
        QVERIFY(empezarLocal(p, {"Ana", "Beto"}, 48));
        Estado& e = p.j.e;
        QStringList antes, luego;
        p.aviso.mientrasAbierto = [&] {
            antes = vista(e);
            if (accion == 0)
                mn_pausar_Click(p.j);
            else if (accion == 1) {
                guionObjetivo(p.azar, e.fichasRedondas, 7);
                guionReparto(p.azar);
                mn_repar_Click(p.j);
            } else if (accion == 2)
                QVERIFY(empezarLocal(p, {"Ana", "Beto"}, 7));
            else
                jugar(p, '2', {2, 3});
            luego = vista(e) << e.combinacion;
        };
        tics(p, 180);
        QCOMPARE(antes, (QStringList{"1V3", "9V2", "10V1"}));
        QCOMPARE(luego, despues);
        QVERIFY(vista(e).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestSolucion)
#include "test_solucion.moc"
