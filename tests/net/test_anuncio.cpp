// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

// One datagram of the LAN announcement: what a server puts in comes back the same, anything else is ignored.

#include "transporte/anuncio.h"

#include "prueba.h"

using namespace anuncio;

class TestAnuncio : public QObject {
    Q_OBJECT

    static Partida leida(const QByteArray& b)
    {
        const auto d = leer(b);
        return d && d->tipo == Tipo::Partida ? d->partida : Partida{};
    }

private slots:
    // A "bye" keeps its game's id; a name the LAN could not carry is made readable (ranges: fuzz/anuncio.cpp).
    void vaYVuelve()
    {
        const auto bye = leer(adios(0xfedcba9876543210ULL));
        QVERIFY(bye && bye->tipo == Tipo::Adios && bye->partida.id == 0xfedcba9876543210ULL);
        QVERIFY(leer(consulta()) && leer(consulta())->tipo == Tipo::Consulta);
        const Partida largo{7, 5001, QStringLiteral("a\r\nb\u20ac") + QString(40, QLatin1Char('x')), 2, 4, Estado::Esperando};
        QCOMPARE(leida(componer(largo)).nombre, (QStringLiteral("a??b?") + QString(40, QLatin1Char('x'))).left(kMaxNombre));
    }

    // Values out of range are fuzz/anuncio.cpp's invariants, replayed on its corpus; here what it cannot tell.
    void ignorados_data()
    {
        QTest::addColumn<QByteArray>("datos");
        const QByteArray bien = componer({0x10, 5001, QStringLiteral("Ana"), 2, 4, Estado::Esperando});
        const QByteArray id = "0000000000000010";
        auto con = [&](const QByteArray& campos) { return "ZUMBARTA/1 [Partida]" + campos + "\r\n"; };
        QTest::newRow("palabra") << QByteArray(bien).replace("ZUMBARTA", "ZUMBARTO");
        QTest::newRow("version") << QByteArray(bien).replace("/1 ", "/2 ");
        QTest::newRow("sin CR LF") << bien.chopped(2);
        QTest::newRow("otra linea detras") << bien + consulta();
        QTest::newRow("etiqueta") << QByteArray("ZUMBARTA/1 [Joined]Ana\r\n");
        QTest::newRow("id corto") << con(id.mid(1) + ",5001,2,4,esperando,Ana");
        QTest::newRow("id no hex") << con("000000000000001g,5001,2,4,esperando,Ana");
        QTest::newRow("puerto con signo") << con(id + ",+5001,2,4,esperando,Ana");
        QTest::newRow("estado") << con(id + ",5001,2,4,jugando,Ana");
        QTest::newRow("faltan campos") << con(id + ",5001,2,4");
        QTest::newRow("nombre con control") << con(id + ",5001,2,4,esperando,A\x01na");
        QTest::newRow("consulta con cola") << QByteArray("ZUMBARTA/1 [Consulta]x\r\n");
    }
    void ignorados()
    {
        QFETCH(QByteArray, datos);
        QVERIFY(!leer(datos));
    }
};

ZUMBARTA_PRUEBA(TestAnuncio);
#include "test_anuncio.moc"
