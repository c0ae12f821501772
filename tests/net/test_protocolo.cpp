// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

// The protocol's pure parts: framing, parsing, the receive buffer, the chat pane and the overall winner.

#include "game/estado.h"
#include "game/mesa.h"
#include "game/panel.h"
#include "game/pozo.h"
#include "net/procesardatos.h"
#include "game/mensajes.h"
#include "transporte/recepcion.h"
#include "prueba.h"

using namespace protocolo;
using namespace mensajes;

class TestProtocolo : public QObject {
    Q_OBJECT
private slots:
    // Leading blanks and trailing text are skipped; halves round to even; no exponent.
    void numeros()
    {
        const std::pair<const char*, int> casos[] = {
            {"  12abc", 12}, {"-3,4", -3}, {"2.5", 2}, {"3.5", 4}, {"abc", 0}, {"", 0}, {"1e5", 1}, {"99999999999999", INT_MAX}};
        for (auto [texto, entero] : casos)
            QVERIFY2(enteroInicial(QLatin1String(texto)) == entero, texto);
    }

    // Framing, fields and pools; names and modes read off the wire are TestBytes' checks.
    void campos()
    {
        QCOMPARE(enmarcar(QStringLiteral("[Message]Ana: hola")), QByteArray("[Message]Ana: hola\r\n"));
        QCOMPARE(enmarcar(QStringLiteral("[Message]\u00f1 \u00d7")), QByteArray("[Message]\xf1 \xd7\r\n"));
        QVERIFY(enmarcar(QString()).isEmpty());

        const auto m = separar(QStringLiteral("[Message]a]b"));
        QCOMPARE((QStringList{m.tag, m.carga}), (QStringList{"[Message]", "a]b"}));
        QVERIFY(separar(QStringLiteral("Message")).tag.isEmpty());

        auto av = [](const char* c) { const auto p = asientoYValor(QLatin1String(c)); return p ? QStringLiteral("%1|%2|%3").arg(p->asiento).arg(p->texto).arg(p->valor) : QString(); };
        for (auto [c, leido] : {std::pair{"3,-1", "3|-1|-1"}, {"1,11", "1|11|11"}, {"2,12", "2|12|12"}, {"2", ""}, {"9,1", ""},
                                {"0,1", ""}, {"2,x", ""}, {"", ""}, {"2,", ""}})
            QVERIFY2(av(c) == QLatin1String(leido), c);

        QVERIFY(!leerPresentacion(QStringLiteral("Ana")) && !leerPresentacion(QStringLiteral("Ana(7)")));
        QVERIFY(asiento(QStringLiteral("6")) == 6 && !asiento(QStringLiteral("7")) && !ficha(QStringLiteral("50")) && ficha(QStringLiteral("49")) == 49);
        QVERIFY(pozo::valido(QStringLiteral("*01**50*")) && pozo::valido(QString()));
        QVERIFY(!pozo::valido(QStringLiteral("*01**01*")) && !pozo::valido(QStringLiteral("*51*")) && !pozo::valido(QStringLiteral("*1*")));
    }

    // Cut messages are checked over a real socket; here the cap's edges.
    void bufferAcotado()
    {
        const QByteArray justa(kLargoMaximo, 'x');
        BufferRecepcion b;
        QVERIFY(b.agregar(justa + "\r") && b.agregar("\n"));
        const auto entera = b.siguiente();
        QVERIFY(entera && entera->size() == kLargoMaximo);

        BufferRecepcion larga, sinFin;
        QVERIFY(!larga.agregar(justa + "x\r\n"));
        QVERIFY(sinFin.agregar(justa) && !sinFin.agregar("xy"));
        QVERIFY(sinFin.roto() && !sinFin.agregar("[Message]a\r\n") && !sinFin.siguiente() && sinFin.pendientes() == 0);
    }

    // A flood of chat keeps the pane within its cap, and only whole lines go.
    void panelAcotado()
    {
        QString panel;
        for (int i = 0; i < 100; ++i)
            anotarEnPanel(panel, QString::number(i) + u'.' + QString(1000, u'x'));
        QVERIFY(panel.size() <= kLargoPanelChat && panel.endsWith(QStringLiteral("99.") + QString(1000, u'x')));
        QCOMPARE(panel.section(QStringLiteral("\r\n"), 0, 0).section(u'.', 1).size(), 1000);
    }

    // Most matches, then most tiles as numbers: 10 beats 9. Empty seats never win.
    void ganadorGeneral_()
    {
        Estado e;
        for (int s = 1; s <= 3; ++s)
            e.Jugadores[s].visible = true;
        e.partidasGanadas = {0, 1, 1, 0, 0, 0, 0};
        e.datosJugadores[1].fichas = 9;
        e.datosJugadores[2].fichas = 10;
        QCOMPARE(mesa::ganadorGeneral(e), 2);
        e.partidasGanadas = {0, 0, 0, 0, 0, 0, 0};
        e.datosJugadores[2].fichas = e.datosJugadores[1].fichas = -2;
        e.Jugadores[3].visible = false;
        QCOMPARE(mesa::ganadorGeneral(e), 1);
    }
};

ZUMBARTA_PRUEBA(TestProtocolo);
#include "test_protocolo.moc"
