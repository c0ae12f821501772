// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#include "controles.h"
#include "dialogs/form4.h"
#include "mainwindow/teclaf2.h"
#include "transporte/anunciador.h"
#include "net/asientos.h"
#include "net/partidared.h"
#include "net/redpartida.h"
#include "transporte/claves.h"
#include "transporte/servidor.h"
#include "partida.h"
#include "prueba.h"

#include <QTcpServer>
#include <QTemporaryDir>

namespace {

void escribir(QWidget& f, const char* caja, const QString& t) { hijo<QLineEdit>(f, QLatin1String(caja))->setText(t); }
bool visible(QWidget& f, const char* nombre) { return hijo(f, QLatin1String(nombre))->isVisible(); }

}  // namespace

class TestForm4 : public QObject {
    Q_OBJECT
private slots:
    // The first opening offers the port this user may serve on; what shows for each role, and the checks in
    // their order.
    void controlesYComprobaciones()
    {
        preferenciasCon();
        JuegoDePrueba p;
        Form4 f(p.j);
        f.show();
        QVERIFY(hijo<QLineEdit>(f, "Puerto")->text() == QString::number(puertoPorDefecto()) && !visible(f, "Puerto") && !visible(f, "textServer")
                && hijo<QLineEdit>(f, "txtName")->maxLength() == 10);
        pulsar(f, "Command1");
        const int alto = f.height();
        hijo<QRadioButton>(f, "Option1(1)")->click();
        QVERIFY(visible(f, "textServer") && visible(f, "Puerto") && visible(f, "lstPartidas") && !visible(f, "chkAnunciar") && f.height() > alto);
        pulsar(f, "Command1");
        for (QChar c : QStringLiteral("Be\u0142to"))  // typed as they come; only what the wire carries stays
            hijo<QLineEdit>(f, "txtName")->insert(c);
        QCOMPARE(hijo<QLineEdit>(f, "txtName")->text(), QStringLiteral("Beto"));
        pulsar(f, "Command1");
        QCOMPARE(p.caja.textos(), (QStringList{"Seleccione un forma de juego", "Inserte algún nombre",
                                               "No se puede dejar en blanco el nombre del\nservidor o puerto"}));
        QVERIFY(p.caja.cajas[2].icono == CajaMensaje::Icono::Advertencia && f.isVisible());
        QVERIFY(puertoDeTexto(QStringLiteral("5001abc")) == 5001 && puertoDeTexto(QStringLiteral("abc")) == 0);
        // No server there: the buttons wait, then "Error" and the warning.
        const quint16 cerrado = [] { QTcpServer s; return s.listen(QHostAddress::LocalHost, 0) ? s.serverPort() : quint16(0); }();
        escribir(f, "textServer", QStringLiteral("127.0.0.1"));
        escribir(f, "Puerto", QString::number(cerrado));
        pulsar(f, "Command1");
        QVERIFY(!hijo(f, "Command1")->isEnabled() && !hijo(f, "Command2")->isEnabled());
        QVERIFY(esperar([&] { return p.caja.cajas.size() == 4; }));
        QVERIFY(p.j.e.barra == QStringLiteral("Error") && hijo(f, "Command1")->isEnabled() && f.isVisible());

        // The server picks its port too: Linux keeps the low ones for root.
        hijo<QRadioButton>(f, "Option1(2)")->click();
        QVERIFY(!visible(f, "textServer") && !visible(f, "Label4") && visible(f, "Puerto") && !visible(f, "lstPartidas")
                && f.height() == alto && hijo<QCheckBox>(f, "chkAnunciar")->isChecked());
        pulsar(f, "Command3");
        QVERIFY(p.caja.cajas.back().texto.contains(QRegularExpression(QStringLiteral("^El IP de este equipo es [0-9.]+\nEl nombre del equipo es "))));
    }

    // The client's list fills by itself, a game to go back to marked; a pick fills the fields (the name the
    // seat was held by), a double click joins.
    void partidasEnLaRed()
    {
        QTemporaryDir carpeta;
        const Entorno entorno{1.0, carpeta.filePath(QStringLiteral("asientos")), QHostAddress::LocalHost};
        JuegoDePrueba ana, beto(true, entorno);
        QVERIFY(iniciarServidor(ana.j, {EleccionRed::Servir, QStringLiteral("Ana"), {}, QStringLiteral("0"), true}));
        const quint16 puerto = servidorEn(ana.j)->puertoEscucha();
        claves::guardar(entorno.archivoClaves, QHostAddress::LocalHost, puerto, QStringLiteral("Beto"), QString(32, u'f'));
        Form4 f(beto.j);
        f.show();
        escribir(f, "txtName", QStringLiteral("Bea"));
        hijo<QRadioButton>(f, "Option1(1)")->click();
        auto* lista = hijo<QTreeWidget>(f, "lstPartidas");
        QList<QTreeWidgetItem*> filas;
        QVERIFY(esperar([&] { return !(filas = lista->findItems(QStringLiteral("Puede volver a su lugar"), Qt::MatchExactly, 3)).isEmpty(); }, 3000));
        QCOMPARE((QStringList{filas[0]->text(0), filas[0]->text(1), filas[0]->text(2)}), (QStringList{QStringLiteral("Ana"), QStringLiteral("127.0.0.1"), QStringLiteral("1 de 6")}));
        const QPoint fila = lista->visualItemRect(filas[0]).center();
        QTest::mouseClick(lista->viewport(), Qt::LeftButton, {}, fila);
        const auto texto = [&](const char* caja) { return hijo<QLineEdit>(f, QLatin1String(caja))->text(); };
        QCOMPARE((QStringList{texto("txtName"), texto("textServer"), texto("Puerto")}), (QStringList{QStringLiteral("Beto"), QStringLiteral("127.0.0.1"), QString::number(puerto)}));
        QTest::mouseDClick(lista->viewport(), Qt::LeftButton, {}, fila);
        QVERIFY(esperar([&] { return clientesSentados(ana.j) == 1 && f.result() == QDialog::Accepted; }, 5000));
    }

    // "Partida en red" over a local game: a busy port is told, the dialog stays; Enter serves afresh, announced
    // as the box says. Enter in the chat sends and empties it, "Enviar" keeps it. Served again unannounced,
    // the first port is let go of.
    void servidorDesdeLaVentana()
    {
        VentanaDePrueba w(false);
        QVERIFY(empezarLocal(w, {"Ana", "Beto"}, 19, {false, false, true}));
        QTcpServer ocupado;
        QVERIFY(ocupado.listen(QHostAddress::LocalHost, 0));
        auto servir = [&](const QString& puerto, bool anunciar, const std::function<void(Form4&)>& antes = {}) {
            hijo<QAction>(w, "mn_red")->trigger();
            Form4& f = *qobject_cast<Form4*>(QApplication::activeModalWidget());
            escribir(f, "txtName", QStringLiteral("Ana"));
            hijo<QRadioButton>(f, "Option1(2)")->click();
            if (antes)
                antes(f);
            if (hijo<QCheckBox>(f, "chkAnunciar")->isChecked() != anunciar)
                hijo<QCheckBox>(f, "chkAnunciar")->click();
            escribir(f, "Puerto", puerto);
            QTest::keyClick(hijo(f, "Puerto"), Qt::Key_Return);
            if (f.isVisible())
                pulsar(f, "Command2");  // refused: the checks below fail
        };
        servir(QStringLiteral("0"), true, [&](Form4& f) {
            escribir(f, "Puerto", QString::number(ocupado.serverPort()));
            pulsar(f, "Command1");
            QVERIFY(f.isVisible() && !servidorEn(w.j) && hijo<QCheckBox>(f, "chkAnunciar")->isChecked());
        });
        QCOMPARE(w.caja.textos(), QStringList{QStringLiteral("No se puede usar el puerto %1.\nOtro programa ya usa ese puerto; elija otro, por ejemplo 5001.").arg(ocupado.serverPort())});
        QVERIFY(servidorEn(w.j) && w.j.red->anunciador() && w.j.red->anunciador()->anunciando());
        const Estado& e = w.j.e;
        QCOMPARE((QStringList{e.Jugadores[1].texto, e.Fichas[1].texto, e.barra}),
                 (QStringList{" 1  Ana", "0", "Esperando a los otros... Presione F2 para comenzar con estos jugadores."}));
        QVERIFY(!e.Jugadores[2].visible && e.Jugadores[1].visible && e.maquina[2] == 0 && !e.juegoLocal && andando(w.j) == "timer3");
        QVERIFY(hijo<QAction>(w, "mn_finpartida")->isEnabled() && !hijo<QAction>(w, "mn_pausar")->isEnabled());
        QVERIFY(hijo(w, "Command1")->isVisible() && !hijo(w, "Command1")->isEnabled() && hijo(w, "txtMessage")->isEnabled());
        auto* linea = hijo<QLineEdit>(w, "txtMessage");
        QCOMPARE(linea->maxLength(), 500);
        for (QChar c : QStringLiteral("ho\u0142la"))
            linea->insert(c);
        QTest::keyClick(linea, Qt::Key_Return);
        QVERIFY(linea->text().isEmpty());
        QTest::keyClicks(linea, QStringLiteral("otra"));
        pulsar(w, "cmdSend");
        QCOMPARE(linea->text(), QStringLiteral("otra"));
        QCOMPARE(hijo<QPlainTextEdit>(w, "txtDialog")->toPlainText(), QStringLiteral("Ana: hola\nAna: otra"));
        QCOMPARE(e.txtDialog, QStringLiteral("Ana: hola\r\nAna: otra"));
        QVERIFY(e.turno == 0 && w.sonido.beeps == 0);  // no key typed in the line was the game's
        const quint16 puerto = servidorEn(w.j)->puertoEscucha();
        servir(QString::number(puerto), false);
        QVERIFY(servidorEn(w.j) && servidorEn(w.j)->puertoEscucha() == puerto && !w.j.red->anunciador());
        TeclaF2Qt f2;  // F2 on the window reaches the start gate once per press
        QTest::keyClick(&w, Qt::Key_F2);
        QVERIFY(f2.pulsada() && !f2.pulsada());
    }

    // 1001 where this user may listen on it, else 5001 on Linux: root, or the kernel's first free port.
    void puertoPropuesto()
    {
#ifndef Q_OS_LINUX
        QSKIP("only Linux keeps the low ports for root");
#endif
        QTemporaryDir carpeta;
        const QString proc = carpeta.filePath(QStringLiteral("ip_unprivileged_port_start"));
        const std::tuple<const char*, unsigned, int> casos[] = {
            {"1024\n", 0, 1001}, {"1024\n", 1000, 5001}, {"1002", 1000, 5001}, {"1001\n", 1000, 1001},
            {"0\n", 1000, 1001}, {"basura", 1000, 5001}, {nullptr, 1000, 5001}, {nullptr, 0, 1001}};
        for (auto [contenido, euid, puerto] : casos) {
            QFile::remove(proc);
            QFile f(proc);
            QVERIFY(!contenido || (f.open(QIODevice::WriteOnly) && f.write(contenido) > 0));
            f.close();
            QCOMPARE(puertoPorDefecto(proc, euid), puerto);
        }
    }

    // Accepted choices come back at the next opening, a cancelled one is not kept; a spoilt file is read as
    // no file, value by value.
    void recuerdaLoAceptado()
    {
        preferenciasCon();
        JuegoDePrueba ana, beto;
        QVERIFY(iniciarServidor(ana.j, {EleccionRed::Servir, QStringLiteral("Ana"), {}, QStringLiteral("0"), false}));
        const QString puerto = QString::number(servidorEn(ana.j)->puertoEscucha());
        const auto vista = [&](Form4& f) {
            const auto texto = [&](const char* caja) { return hijo<QLineEdit>(f, QLatin1String(caja))->text(); };
            return QStringList{texto("txtName"), texto("textServer"), texto("Puerto"),
                               hijo<QCheckBox>(f, "chkAnunciar")->isChecked() ? "anuncia" : "calla"};
        };
        {
            Form4 f(beto.j);
            hijo<QRadioButton>(f, "Option1(1)")->click();
            escribir(f, "txtName", QStringLiteral("Beto"));
            escribir(f, "textServer", QStringLiteral("127.0.0.1"));
            escribir(f, "Puerto", puerto);
            hijo<QCheckBox>(f, "chkAnunciar")->setChecked(false);
            pulsar(f, "Command1");
            QVERIFY(esperar([&] { return f.result() == QDialog::Accepted; }));
        }
        const QStringList aceptado{"Beto", "127.0.0.1", puerto, "calla"};
        {
            Form4 f(beto.j);
            QCOMPARE(vista(f), aceptado);
            escribir(f, "txtName", QStringLiteral("Zoe"));
            escribir(f, "Puerto", QStringLiteral("7000"));
            pulsar(f, "Command2");
        }
        Form4 otra(beto.j);
        QCOMPARE(vista(otra), aceptado);
        const QStringList porDefecto{"", "", QString::number(puertoPorDefecto()), "anuncia"};
        for (const QByteArray& archivo : {QByteArrayLiteral("\x00\xff[red]\n=\x01\x02\nnombre=@Variant(\x7f\x00)\xfe"),
                                          QByteArrayLiteral("[red]\nnombre=Beto12345678\npuerto=99999\nanunciar=quizas\nservidor=\"a\\tb\""),
                                          QByteArrayLiteral("[red]\nnombre=\"Be\\x1bto\"\npuerto=abc\nanunciar=1")}) {
            preferenciasCon(archivo);
            Form4 f(beto.j);
            QCOMPARE(vista(f), porDefecto);
        }
    }
};

ZUMBARTA_PRUEBA(TestForm4);
#include "test_form4.moc"
