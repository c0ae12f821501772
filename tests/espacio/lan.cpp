// Finding a game on the LAN over real UDP, run by tests/espacio-red inside
// network namespaces of its own: nothing sent here leaves the machine.
//
//   lan        one namespace, loopback only: servers and browsers of this
//              process find each other, and a client joins what it found.
//   lan ... a  the first of two namespaces joined by a veth pair: a server
//              on every interface and one on loopback only.
//   lan ... b  the second: finds the first server through the pair, joins
//              it over TCP, and never hears the loopback one.

#include "dobles.h"
#include "net/anunciador.h"
#include "net/buscador.h"
#include "net/cierre.h"
#include "net/cliente.h"
#include "net/partidared.h"
#include "net/servidor.h"

#include <QNetworkDatagram>
#include <QNetworkInterface>
#include <QSignalSpy>
#include <QUdpSocket>
#include <QtTest>

namespace {

const Buscador::Entrada* entrada(const Buscador& b, const QString& nombre)
{
    for (const auto& e : b.partidas())
        if (e.partida.nombre == nombre)
            return &e;
    return nullptr;
}

bool servir(JuegoDePrueba& p, const QString& nombre, const QHostAddress& donde)
{
    return iniciarServidor(p.j, {EleccionRed::Servir, nombre, {}, QStringLiteral("0"), true}, donde);
}

// What a player's pick does: connect to the host and port the list shows.
bool unirse(JuegoDePrueba& c, const Buscador::Entrada& e)
{
    Cliente* cli = iniciarCliente(c.j, {EleccionRed::Conectarse, QStringLiteral("Beto"), e.equipo.toString(), QString::number(e.partida.puerto)});
    QSignalSpy fin(cli, &Cliente::terminado);
    return fin.wait(5000) && terminarConexion(c.j, fin.first().first().toBool())
           && QTest::qWaitFor([&] { return c.j.e.miJugador == 2; }, 5000);
}

// A station that is not the game, writing straight to the group on loopback.
struct Crudo {
    QUdpSocket s;
    Crudo()
    {
        s.bind(QHostAddress::AnyIPv4, 0);
        s.setMulticastInterface(QNetworkInterface::interfaceFromName(QStringLiteral("lo")));
    }
    void enviar(const QByteArray& d) { s.writeDatagram(d, anuncio::grupo(), anuncio::kPuertoUdp); }
};

}  // namespace

class TestLan : public QObject {
    Q_OBJECT
private slots:
    // Found at once, joined for real, seats kept up to date; two servers
    // are two entries for every browser; "bye" takes a game off at once,
    // whether its lobby is given up or its game starts.
    void encontrarYUnirse()
    {
        JuegoDePrueba ana, lola, beto;
        Buscador b1, b2;
        b1.buscar(true);
        QVERIFY(servir(ana, QStringLiteral("Ana"), QHostAddress::LocalHost));
        QElapsedTimer t;
        t.start();
        QVERIFY(QTest::qWaitFor([&] { return entrada(b1, QStringLiteral("Ana")); }, 3000));
        qInfo("listed after %lld ms", t.elapsed());
        const Buscador::Entrada e = *entrada(b1, QStringLiteral("Ana"));
        QCOMPARE(e.equipo, QHostAddress(QHostAddress::LocalHost));
        QCOMPARE(e.partida.puerto, servidorDe(ana.j)->puertoEscucha());
        QVERIFY(e.partida.ocupados == 1 && e.partida.libres == 5 && e.partida.estado == anuncio::Estado::Esperando);

        QVERIFY(unirse(beto, e));
        QVERIFY(QTest::qWaitFor([&] { return entrada(b1, QStringLiteral("Ana"))->partida.ocupados == 2; }, 1000));
        QCOMPARE(entrada(b1, QStringLiteral("Ana"))->partida.libres, 4);

        // The second browser opens after both servers: its query brings them.
        QVERIFY(servir(lola, QStringLiteral("Lola"), QHostAddress::LocalHost));
        b2.buscar(true);
        for (Buscador* b : {&b1, &b2})
            QVERIFY(QTest::qWaitFor([&] { return b->partidas().size() == 2 && entrada(*b, QStringLiteral("Lola")); }, 1000));
        QVERIFY(entrada(b2, QStringLiteral("Ana"))->partida.id != entrada(b2, QStringLiteral("Lola"))->partida.id);

        cerrarConexiones(lola.j);
        QVERIFY(QTest::qWaitFor([&] { return !entrada(b1, QStringLiteral("Lola")) && !entrada(b2, QStringLiteral("Lola")); }, 500));
        empezarPartidaRed(ana.j);
        QVERIFY(QTest::qWaitFor([&] { return b1.partidas().empty() && b2.partidas().empty(); }, 500));
        QVERIFY(ana.caja.cajas.empty() && ana.aviso.textos.isEmpty());
    }

    // A server that falls silent without "bye" leaves after about three
    // announcements missed, not before.
    void silencioCaduca()
    {
        Buscador b;
        b.intervaloMs = 200;
        b.buscar(true);
        Crudo c;
        c.enviar(anuncio::componer({42, 5001, QStringLiteral("Muda"), 1, 5, anuncio::Estado::Esperando}));
        QVERIFY(QTest::qWaitFor([&] { return entrada(b, QStringLiteral("Muda")); }, 1000));
        QTest::qWait(500);
        QVERIFY(entrada(b, QStringLiteral("Muda")));
        QVERIFY(QTest::qWaitFor([&] { return b.partidas().empty(); }, 1000));
    }

    // Garbage is dropped, a flood of games fills a bounded list, and a flood
    // of queries does not make a server flood the LAN.
    void abusos()
    {
        Buscador b;
        b.buscar(true);
        Crudo c;
        QByteArray grande = anuncio::componer({7, 5001, QStringLiteral("Grande"), 1, 5, anuncio::Estado::Esperando});
        grande.insert(grande.size() - 2, QByteArray(600, ' '));
        c.enviar(grande);
        c.enviar(anuncio::componer({8, 5001, QStringLiteral("Mala"), 1, 5, anuncio::Estado::Esperando}).replace("/1 ", "/9 "));
        for (quint64 id = 1; id <= 100; ++id)
            c.enviar(anuncio::componer({id + 100, 5001, QStringLiteral("Falsa"), 1, 5, anuncio::Estado::Esperando}));
        QVERIFY(QTest::qWaitFor([&] { return int(b.partidas().size()) == Buscador::kMaxPartidas; }, 2000));
        QTest::qWait(200);
        QCOMPARE(int(b.partidas().size()), Buscador::kMaxPartidas);
        QVERIFY(!entrada(b, QStringLiteral("Grande")) && !entrada(b, QStringLiteral("Mala")));

        Anunciador a(true);
        a.intervaloMs = 60000;
        a.empezar({0, 5001, QStringLiteral("Ana"), 1, 5, anuncio::Estado::Esperando});
        QUdpSocket oido;
        QVERIFY(oido.bind(QHostAddress::AnyIPv4, anuncio::kPuertoUdp, QUdpSocket::ShareAddress | QUdpSocket::ReuseAddressHint));
        QVERIFY(oido.joinMulticastGroup(anuncio::grupo(), QNetworkInterface::interfaceFromName(QStringLiteral("lo"))));
        int oidos = 0;
        connect(&oido, &QUdpSocket::readyRead, [&] {
            while (oido.hasPendingDatagrams()) {
                const auto d = anuncio::leer(oido.receiveDatagram().data());
                oidos += d && d->tipo == anuncio::Tipo::Partida && d->partida.id == a.partida().id;
            }
        });
        for (int i = 0; i < 20; ++i) {
            for (int k = 0; k < 10; ++k)
                c.enviar(anuncio::consulta());
            QTest::qWait(50);
        }
        QTest::qWait(300);
        // About a second of queries: one answer per separacionMs at most.
        QVERIFY2(oidos >= 2 && oidos <= 6, qPrintable(QString::number(oidos)));
    }
};

namespace {

int ladoServidor()
{
    JuegoDePrueba ana, lola;
    if (!servir(ana, QStringLiteral("Ana"), QHostAddress::Any) || !servir(lola, QStringLiteral("Lola"), QHostAddress::LocalHost))
        return 1;
    // Until the other side has joined and gone again.
    if (!QTest::qWaitFor([&] { return ana.j.e.numConexiones == 1; }, 20000))
        return 2;
    return QTest::qWaitFor([&] { return ana.j.e.desconectados == 1; }, 20000) ? 0 : 3;
}

int ladoCliente()
{
    Buscador b;
    b.buscar(false);
    bool lola = false;
    QObject::connect(&b, &Buscador::cambiaron, [&] { lola = lola || entrada(b, QStringLiteral("Lola")); });
    QElapsedTimer t;
    t.start();
    if (!QTest::qWaitFor([&] { return entrada(b, QStringLiteral("Ana")); }, 10000))
        return 1;
    const Buscador::Entrada e = *entrada(b, QStringLiteral("Ana"));
    qInfo("found %s:%d through the pair after %lld ms", qPrintable(e.equipo.toString()), e.partida.puerto, t.elapsed());
    if (e.equipo != QHostAddress(QStringLiteral("10.77.0.1")))
        return 2;
    JuegoDePrueba beto;
    if (!unirse(beto, e))
        return 3;
    qInfo("joined over TCP after %lld ms", t.elapsed());
    // A server on loopback stays on loopback, through a whole period.
    QTest::qWait(b.intervaloMs + 500);
    return lola ? 4 : 0;
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QByteArray lado = argc > 1 ? QByteArray(argv[argc - 1]) : QByteArray();
    if (lado == "a")
        return ladoServidor();
    if (lado == "b")
        return ladoCliente();
    TestLan t;
    return QTest::qExec(&t, argc, argv);
}

#include "lan.moc"
