// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

// A station whose packets nftables drops is noticed by the other side within 20 s, in lobby and game.

#include "aislado.h"
#include "flow/temporizadores.h"
#include "net/red.h"

#include <QElapsedTimer>
#include <QProcess>

namespace {

bool nft(const QString& orden)
{
    QProcess p;
    p.start(QStringLiteral("nft"), {orden});
    return p.waitForFinished(5000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

}  // namespace

class TestDesaparece : public QObject {
    Q_OBJECT
private slots:
    void desaparece()
    {
        Mesa sala, juego;
        QVERIFY(sala.unir(QStringLiteral("Beto")) && juego.unir(QStringLiteral("Beto")));
        conectarTemporizadores(juego.servidor.j);  // the clock's text goes out every second
        QVERIFY(juego.empezar(19));
        const QString puertos = QStringLiteral("{ %1, %2 }").arg(sala.puerto).arg(juego.puerto);
        QVERIFY(nft(QStringLiteral("add table inet zb")));
        QVERIFY(nft(QStringLiteral("add chain inet zb entrada { type filter hook input priority 0 ; }")));
        QVERIFY(nft(QStringLiteral("add rule inet zb entrada tcp dport %1 drop").arg(puertos)));
        QVERIFY(nft(QStringLiteral("add rule inet zb entrada tcp sport %1 drop").arg(puertos)));

        // Each side in turn: one that noticed while another was awaited is seen at once.
        QElapsedTimer t;
        t.start();
        const char* quien[] = {"servidor en la sala", "cliente en la sala", "servidor en juego", "cliente en juego"};
        for (int i = 0; i < 4; ++i) {
            Mesa& mesa = i < 2 ? sala : juego;
            const auto notado = [&] { return i % 2 ? mesa[2].j.e.barra == QStringLiteral("Desconectado") : mesa.servidor.j.e.ausente[2]; };
            const bool visto = esperar(notado, int(std::max<qint64>(0, 25000 - t.elapsed())));
            QVERIFY2(visto && t.elapsed() <= 20000, qPrintable(QStringLiteral("%1: %2 ms").arg(quien[i]).arg(t.elapsed())));
        }
        QVERIFY(juego[2].j.e.txtDialog.endsWith(QStringLiteral("Se ha perdido la conexi\u00f3n con el servidor.")));
    }
};

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    if (!aislado(false))
        return 77;
    if (!nft(QStringLiteral("list tables"))) {
        std::fprintf(stderr, "desaparece: nft is not usable here: test skipped\n");
        return 77;
    }
    TestDesaparece t;
    return QTest::qExec(&t, argc, argv);
}
#include "desaparece.moc"
