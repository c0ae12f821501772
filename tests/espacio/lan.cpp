// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

// Finding a game on the LAN over real UDP in tests/espacio-red: loopback only, or a veth pair ("a" or "b" last).

#include "aislado.h"
#include "game/tiempos.h"
#include "transporte/anunciador.h"
#include "net/asientos.h"
#include "transporte/buscador.h"
#include "net/cierre.h"
#include "net/red.h"

#include <QNetworkDatagram>
#include <QTimer>
#include <QUdpSocket>

namespace {

const Buscador::Entrada* entrada(const Buscador& b, const char* nombre)
{
    const auto& l = b.partidas();
    const auto i = std::find_if(l.begin(), l.end(), [&](const auto& e) { return e.partida.nombre == QLatin1String(nombre); });
    return i == l.end() ? nullptr : &*i;
}

bool servir(JuegoDePrueba& p, const char* nombre)
{
    return iniciarServidor(p.j, {EleccionRed::Servir, QString::fromLatin1(nombre), {}, QStringLiteral("0"), true});
}

// What a player's pick does: connect to the host and port the list shows.
bool unirse(JuegoDePrueba& c, const Buscador::Entrada& e)
{
    return Mesa::conectarA(c, QStringLiteral("Beto"), e.partida.puerto, e.equipo.toString()) && esperar([&] { return c.j.e.miJugador == 2; });
}

QNetworkInterface lo() { return QNetworkInterface::interfaceFromName(QStringLiteral("lo")); }

}  // namespace

class TestLan : public QObject {
    Q_OBJECT
    enum Ataque { Nada, Adios, SuId, Avalancha };
private slots:
    // Listed at once, joined, seats kept up to date; two servers two entries; "bye" takes a game off at once.
    void encontrarYUnirse()
    {
        JuegoDePrueba ana, lola, beto;
        Buscador b1(tiempos::kAnuncio), b2(tiempos::kAnuncio);
        b1.buscar(true);
        QVERIFY(servir(ana, "Ana"));
        QVERIFY(QTest::qWaitFor([&] { return entrada(b1, "Ana"); }, 3000));
        const Buscador::Entrada e = *entrada(b1, "Ana");
        QVERIFY(e.equipo == QHostAddress(QHostAddress::LocalHost) && e.partida.puerto == servidorEn(ana.j)->puertoEscucha());
        QVERIFY(e.partida.ocupados == 1 && e.partida.libres == 5 && e.partida.estado == anuncio::Estado::Esperando);
        QVERIFY(unirse(beto, e));
        QVERIFY(QTest::qWaitFor([&] { return entrada(b1, "Ana")->partida.libres == 4; }, 1000));

        // The second browser opens after both servers: its query brings them.
        QVERIFY(servir(lola, "Lola"));
        b2.buscar(true);
        for (Buscador* b : {&b1, &b2})
            QVERIFY(QTest::qWaitFor([&] { return b->partidas().size() == 2 && entrada(*b, "Lola"); }, 1000));
        QVERIFY(entrada(b2, "Ana")->partida.id != entrada(b2, "Lola")->partida.id);

        cerrarConexiones(lola.j);
        QVERIFY(QTest::qWaitFor([&] { return !entrada(b1, "Lola") && !entrada(b2, "Lola"); }, 500));
        QVERIFY(sentarMaquina(ana.j));
        empezarPartidaRed(ana.j);
        QVERIFY(QTest::qWaitFor([&] { return b1.partidas().empty() && b2.partidas().empty(); }, 500));
        // A player away: the game is back on the list, for its own players (the machine's seat waits for nobody).
        cerrarConexiones(beto.j);
        QVERIFY(QTest::qWaitFor([&] {
            auto* a = entrada(b1, "Ana");
            return a && a->partida.estado == anuncio::Estado::Ausentes && a->partida.libres == 1 && a->partida.ocupados == 2;
        }, 3000));
        QVERIFY(ana.caja.cajas.empty() && ana.aviso.textos.isEmpty());
    }

    // Another host (127.0.0.2) saying "bye", the game's id, or a flood: the game never leaves the list, even
    // for a moment, nor points elsewhere, through several lifetimes of an entry.
    void otroEquipo_data()
    {
        QTest::addColumn<int>("ataque");
        QTest::newRow("nadie mas") << int(Nada);
        QTest::newRow("su adios") << int(Adios);
        QTest::newRow("su id") << int(SuId);
        QTest::newRow("40 partidas") << int(Avalancha);
    }
    void otroEquipo()
    {
        QFETCH(int, ataque);
        constexpr int kIntervalo = 200;  // an entry lives 700 ms
        Buscador b(tiempos::kAnuncio);
        b.intervaloMs = kIntervalo;
        b.buscar(true);
        Anunciador a(true, kIntervalo, tiempos::kSeparacionAnuncio);
        const quint64 id = a.partida().id;
        const auto bien = [&] {
            for (const Buscador::Entrada& e : b.partidas())
                if (e.partida.id == id)
                    return e.equipo == QHostAddress(QHostAddress::LocalHost) && e.partida.puerto == 5001;
            return false;
        };

        QUdpSocket otro;
        QVERIFY(otro.bind(QHostAddress(QStringLiteral("127.0.0.2")), 0));
        otro.setMulticastInterface(lo());
        QList<QByteArray> dice;
        if (ataque == Adios || ataque == SuId)
            dice << anuncio::adios(id);
        if (ataque == SuId)
            dice << anuncio::componer({id, 9, QStringLiteral("Ana"), 1, 5, anuncio::Estado::Esperando});
        for (quint64 f = 1; ataque == Avalancha && f <= 40; ++f)
            dice << anuncio::componer({id + f, 9, QStringLiteral("Falsa"), 1, 5, anuncio::Estado::Esperando});
        QTimer habla;
        connect(&habla, &QTimer::timeout, [&] {
            for (const QByteArray& d : dice)
                otro.writeDatagram(d, anuncio::grupo(), anuncio::kPuertoUdp);
        });
        // A flood is there first; anyone else learns the id from the game itself.
        if (ataque == Avalancha) {
            habla.start(20);
            QVERIFY(QTest::qWaitFor([&] { return !b.partidas().empty(); }, 1000));
            QTest::qWait(100);
        }
        a.empezar({0, 5001, QStringLiteral("Ana"), 1, 5, anuncio::Estado::Esperando});
        QVERIFY(QTest::qWaitFor(bien, 1000));
        int mal = 0;
        connect(&b, &Buscador::cambiaron, [&] { mal += !bien(); });
        habla.start(20);
        QTest::qWait(3 * 700);
        QVERIFY(bien());
        QCOMPARE(mal, 0);
    }

    // Silent games leave after 3.5 periods, queries make no flood (what a datagram may say: fuzz/anuncio.cpp).
    void abusos()
    {
        Buscador b(tiempos::kAnuncio);
        b.intervaloMs = 400;
        b.buscar(true);
        QUdpSocket c;  // a station that is not the game, writing to the group on loopback
        c.bind(QHostAddress::AnyIPv4, 0);
        c.setMulticastInterface(lo());
        const auto enviar = [&](const QByteArray& d) { c.writeDatagram(d, anuncio::grupo(), anuncio::kPuertoUdp); };
        QElapsedTimer t;
        t.start();
        for (quint64 id = 100; id < 103; ++id)
            enviar(anuncio::componer({id, 5001, QStringLiteral("Falsa"), 1, 5, anuncio::Estado::Esperando}));
        QVERIFY(QTest::qWaitFor([&] { return b.partidas().size() == 3; }, 2000));
        QVERIFY(QTest::qWaitFor([&] { return b.partidas().empty(); }, 3000));
        QVERIFY2(t.elapsed() > 1200 && t.elapsed() < 2200, qPrintable(QString::number(t.elapsed())));  // 3.5 periods: 1400 ms

        Anunciador a(true, tiempos::kAnuncio, tiempos::kSeparacionAnuncio);
        a.intervaloMs = 60000;
        a.empezar({0, 5001, QStringLiteral("Ana"), 1, 5, anuncio::Estado::Esperando});
        QUdpSocket oido;
        QVERIFY(oido.bind(QHostAddress::AnyIPv4, anuncio::kPuertoUdp, QUdpSocket::ShareAddress | QUdpSocket::ReuseAddressHint));
        QVERIFY(oido.joinMulticastGroup(anuncio::grupo(), lo()));
        int oidos = 0;
        connect(&oido, &QUdpSocket::readyRead, [&] {
            while (oido.hasPendingDatagrams()) {
                const auto d = anuncio::leer(oido.receiveDatagram().data());
                oidos += d && d->tipo == anuncio::Tipo::Partida && d->partida.id == a.partida().id;
            }
        });
        for (int i = 1; i <= 200; ++i) {
            enviar(anuncio::consulta());
            if (i % 10 == 0)
                QTest::qWait(50);
        }
        QTest::qWait(300);
        // A second of queries: one answer per separacionMs at most.
        QVERIFY2(oidos >= 2 && oidos <= 6, qPrintable(QString::number(oidos)));
    }
};

namespace {

// Serves on every interface and on loopback only, until the other side has joined and gone.
int ladoServidor()
{
    JuegoDePrueba ana(true, enPruebas(1.0, QHostAddress::Any)), lola;
    return servir(ana, "Ana") && servir(lola, "Lola")
                   && QTest::qWaitFor([&] { return clientesSentados(ana.j) == 1; }, 20000)
                   && QTest::qWaitFor([&] { return clientesPresentes(ana.j) == 0; }, 20000)
               ? 0
               : 1;
}

// Joins the first server through the pair, never hearing the one on loopback; a loopback browser hears neither.
int ladoCliente()
{
    Buscador b(tiempos::kAnuncio), soloLoopback(tiempos::kAnuncio);
    b.buscar(false);
    soloLoopback.buscar(true);
    bool lola = false;
    QObject::connect(&b, &Buscador::cambiaron, [&] { lola = lola || entrada(b, "Lola"); });
    if (!QTest::qWaitFor([&] { return entrada(b, "Ana"); }, 10000) || entrada(b, "Ana")->equipo != QHostAddress(QStringLiteral("10.77.0.1")))
        return 1;
    JuegoDePrueba beto;
    if (!unirse(beto, *entrada(b, "Ana")))
        return 2;
    QTest::qWait(b.intervaloMs + 500);
    return lola ? 3 : soloLoopback.partidas().empty() ? 0 : 4;
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QByteArray lado = argc > 1 ? QByteArray(argv[argc - 1]) : QByteArray();
    if (!aislado(lado == "a" || lado == "b"))
        return 77;
    if (lado == "a" || lado == "b")
        return lado == "a" ? ladoServidor() : ladoCliente();
    TestLan t;
    return QTest::qExec(&t, argc, argv);
}

#include "lan.moc"
