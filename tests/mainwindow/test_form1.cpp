// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window over a recorded game, the board from the keyboard, its menus over the real dialogs and pages,
// its files and sounds.

#include "controles.h"
#include "dialogs/form2.h"
#include "dialogs/frmabout.h"
#include "dialogs/frmayuda.h"
#include "dialogs/temasayuda.h"
#include "game/arranque.h"
#include "mainwindow/aplicacion.h"
#include "mainwindow/figuras.h"
#include "mainwindow/sonidoqt.h"
#include "partida.h"
#include "prueba.h"
#include "transporte/anuncio.h"

#include <QAccessible>
#include <QSoundEffect>

class TestForm1 : public QObject {
    Q_OBJECT
    static QString texto(QWidget& w, const char* nombre, int i = 0) { return hijo<QLabel>(w, QLatin1String(nombre), i)->text(); }
    static void teclas(QWidget& w, std::initializer_list<Qt::Key> ks)
    {
        for (Qt::Key k : ks)
            QTest::keyClick(&w, k);
    }

private slots:
    // A fresh window shows an empty table, greyed chat and round entries, no timer; then what the state says,
    // to the eye and to a screen reader.
    void muestraElEstado()
    {
        VentanaDePrueba w(false);
        Form_Load(w.j, QStringLiteral("/opt/zumbarta/"));
        Estado& e = w.j.e;
        QVERIFY(e.ruta == QStringLiteral("/opt/zumbarta") && e.juegoLocal && texto(w, "Valor", 49).isEmpty() && hijo(w, "Shape1")->isVisible());
        for (const char* oculto : {"relog", "Label3", "Command1", "Jugadores(1)", "Jugadores(6)"})
            QVERIFY2(!hijo(w, QLatin1String(oculto))->isVisible(), oculto);
        for (const char* gris : {"Command1", "txtDialog", "txtMessage", "cmdSend", "mn_pausar", "mn_repar", "mn_finpartida"})
            QVERIFY2(!hijo<QObject>(w, QLatin1String(gris))->property("enabled").toBool(), gris);
        QVERIFY(hijo<QAction>(w, "mn_mod(1)")->isChecked() && !hijo<QAction>(w, "mn_mod(2)")->isChecked() && andando(w.j).isEmpty());
        e.fichaRE = QStringLiteral("7"), e.Valor[12] = QStringLiteral("5"), e.fichaCU[12].fondo = color::gris;
        e.Jugadores[2] = {QStringLiteral(" 2     Ana"), true, true};
        e.Fichas[2] = {QStringLiteral("-1"), true, false};
        e.relog = {QStringLiteral("2 : 05"), true, false};
        e.Partidas[2].texto = QStringLiteral("0"), e.turno = 2;
        w.j.cambio();
        // What a screen reader says of them, renamed as they change.
        const auto nombre = [&](const char* n, int i = 0) { return QAccessible::queryAccessibleInterface(hijo(w, QLatin1String(n), i))->text(QAccessible::Name); };
        QCOMPARE((QStringList{nombre("Valor", 11), nombre("Valor", 12), nombre("fichaRE"), nombre("relog"), nombre("Jugadores", 2)}),
                 (QStringList{"Fila 2, columna 4", "Fila 2, columna 5: 5", "Objetivo: 7", "Tiempo: 2 : 05", "2 Ana, fichas -1, partidas 0, tiene el turno"}));
        auto* f12 = hijo<FiguraFicha>(w, "fichaCU", 12);
        auto* ana = hijo<QLabel>(w, "Jugadores", 2);
        QVERIFY(f12->fondo() == color::gris && f12->borde() == e.fichaCU[12].borde);
        QCOMPARE((QStringList{texto(w, "Valor", 12), texto(w, "fichaRE"), ana->text(), texto(w, "Fichas", 2), texto(w, "relog")}),
                 (QStringList{"5", "7", " 2     Ana", "-1", "2 : 05"}));
        QVERIFY(ana->isVisible() && ana->palette().color(QPalette::Window).alpha() == 255);
        e.Jugadores[2].opaca = false;
        w.j.cambio();
        QCOMPARE(ana->palette().color(QPalette::Window).alpha(), 0);
        // The table grows with the window, fonts too.
        w.resize(720, 600);
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        auto* v1 = hijo<QLabel>(w, "Valor", 1);
        const int ancho = v1->width(), letra = v1->font().pixelSize();
        w.resize(1440, 1200);
        QVERIFY(esperar([&] { return v1->width() > ancho * 3 / 2 && v1->font().pixelSize() > letra * 3 / 2; }));
        QVERIFY(hijo(w, "fichaRE")->geometry().left() > hijo(w, "Valor", 49)->geometry().right());  // the target beside the board
    }

    // Until an arrow is pressed a mouse player's board is untouched: no frame, Enter, Space, Esc and Backspace
    // beep, Ctrl+digit claims nothing, a digit claims from any control but the enabled chat line (whose arrows
    // stay its own), clicks pick; F10 opens the menus.
    void sinFlechaComoSiempre()
    {
        VentanaDePrueba w;
        QVERIFY(empezarLocal(w, {"Ana", "Beto"}, 19));
        for (Qt::Key k : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space, Qt::Key_Escape, Qt::Key_Backspace, Qt::Key_1})
            QTest::keyClick(&w, k, k == Qt::Key_1 ? Qt::ControlModifier : Qt::NoModifier);
        QVERIFY(w.sonido.beeps == 5 && w.j.e.turno == 0 && !hijo(w, "marco")->isVisible());
        QTest::keyClick(hijo(w, "txtDialog"), '1');
        QCOMPARE(w.j.e.turno, 1);
        for (int c = 1; c <= 3; ++c)
            QTest::mouseClick(hijo(w, "Valor", ficha(1, c)), Qt::LeftButton);
        QCOMPARE(hijo<QLabel>(w, "Fichas", 1)->text(), QStringLiteral("1"));  // the pick was judged and shown
        w.j.e.chatHabilitado = true;
        w.j.cambio();
        auto* linea = hijo(w, "txtMessage");
        w.activateWindow();
        linea->setFocus();
        QVERIFY(esperar([&] { return linea->hasFocus(); }));
        for (Qt::Key k : {Qt::Key_Up, Qt::Key_Left})  // Up is passed on unused, Left moves the cursor
            QTest::keyClick(linea, k);
        QVERIFY(!hijo(w, "marco")->isVisible());
        QTest::keyClick(&w, Qt::Key_F10);  // the menus too, without a mouse
        QVERIFY(esperar([] { return qobject_cast<QMenu*>(QApplication::activePopupWidget()); }));
        QApplication::activePopupWidget()->close();
    }

    // The first arrow frames the middle tile, the edges stop the frame, Space and Enter click the framed tile:
    // a grey tile is taken back, a correct pick scores, and in "Lineal" a bent pick is refused as with the mouse.
    void eligeConLasFlechas()
    {
        VentanaDePrueba w;
        QVERIFY(empezarLocal(w, {"Ana", "Beto"}, 19));
        teclas(w, {Qt::Key_Down});
        QVERIFY(hijo(w, "marco")->isVisible() && hijo(w, "marco")->geometry().contains(hijo(w, "Valor", ficha(4, 4))->geometry()));
        teclas(w, {Qt::Key_Up, Qt::Key_Up, Qt::Key_Up, Qt::Key_Up, Qt::Key_Left, Qt::Key_Left, Qt::Key_Left, Qt::Key_Left});
        teclas(w, {Qt::Key_1, Qt::Key_Space});
        QCOMPARE(grises(w.j.e), 1);
        teclas(w, {Qt::Key_Space});
        QCOMPARE(grises(w.j.e), 0);
        teclas(w, {Qt::Key_Space, Qt::Key_Right, Qt::Key_Enter, Qt::Key_Right, Qt::Key_Return});  // 3 * 4 + 7
        QCOMPARE(hijo<QLabel>(w, "Fichas", 1)->text(), QStringLiteral("1"));
        hijo<QAction>(w, "mn_mod", 2)->trigger();
        teclas(w, {Qt::Key_1, Qt::Key_Left, Qt::Key_Left, Qt::Key_Space, Qt::Key_Down, Qt::Key_Space, Qt::Key_Right, Qt::Key_Space});
        QVERIFY(grises(w.j.e) == 2 && w.aviso.textos.endsWith(QStringLiteral("Esta ficha no es continua (Horizontal - Vertical - Diagonal)")));
        QTest::mouseClick(hijo(w, "Valor", 1), Qt::LeftButton);
        QVERIFY(!hijo(w, "marco")->isVisible());
    }

    // Closing shuts the game down; Ctrl+S leaves at once without doing so, but not from the help window.
    void cerrarYSalir()
    {
        VentanaDePrueba w;
        auto salida = [](QWidget* v) {  // what the program ends with, 99 if it goes on
            v->activateWindow();
            if (!esperar([v] { return QApplication::activeWindow() == v; }))
                return -1;
            QTimer::singleShot(0, v, [v] { QTest::keyClick(v, Qt::Key_S, Qt::ControlModifier); });
            QTimer tope;
            tope.callOnTimeout([] { QCoreApplication::exit(99); });
            tope.start(100);
            return QCoreApplication::exec();
        };
        w.j.Timer1.start();
        QCOMPARE(salida(&w), 0);
        QCOMPARE(salida(abrirTemasDeAyuda(w.j.e.ruta, &w)), 99);
        QVERIFY(w.j.Timer1.isActive() && w.isVisible());
        w.j.e.Command1.visible = w.j.e.chatHabilitado = true;
        QVERIFY(w.close());
        QVERIFY(!w.j.Timer1.isActive() && !w.j.e.Command1.visible && !w.j.e.chatHabilitado);
    }

    // The game menu reaches the game; "Partida local" holds it while open (once), "Cancelar" sets it going.
    void menuDeJuego()
    {
        VentanaDePrueba w(false);
        QVERIFY(empezarLocal(w, {"Ana", "Beto"}, 19));
        auto* pausar = hijo<QAction>(w, "mn_pausar");
        pausar->trigger();
        QVERIFY(pausar->text() == QStringLiteral("Reanudar") && !w.j.Timer1.isActive());
        auto* lineal = hijo<QAction>(w, "mn_mod(2)");
        lineal->trigger();
        lineal->trigger();  // a checked entry stays checked
        QVERIFY(lineal->isChecked() && w.j.e.modoLineal);
        w.j.e.Valor[1].clear();
        hijo<QAction>(w, "mn_repar")->trigger();
        QVERIFY(!w.j.e.Valor[1].isEmpty());
        pausar->trigger();
        hijo<QAction>(w, "mn_local")->trigger();
        hijo<QAction>(w, "mn_local")->trigger();  // one dialog, the game held once
        QVERIFY(andando(w.j).isEmpty() && w.findChildren<Form2*>().size() == 1);
        QTest::mouseClick(hijo(*hijo<Form2>(w, {}), "Command2"), Qt::LeftButton);
        QVERIFY(andando(w.j) == QStringLiteral("Timer1 Timer2") && pausar->text() == QStringLiteral("Pausar"));
    }

    // Qt's own buttons speak Spanish. "Acerca de ..." opens its own box; "Info del sistema..." tells, with no
    // icon, that there is no such program here, and the box stays open.
    void acercaDe()
    {
        prepararAplicacion(*qApp);
        QMessageBox caja(QMessageBox::Warning, QStringLiteral("Zumbarta"), QString(), QMessageBox::Ok);
        QCOMPARE(caja.button(QMessageBox::Ok)->text().remove(QLatin1Char('&')), QStringLiteral("Aceptar"));
        VentanaDePrueba w;
        hijo<QAction>(w, "mn_acerca")->trigger();
        QPointer<QWidget> f = hijo<frmAbout>(w, {});
        QTest::mouseClick(hijo(*f, "cmdSysInfo"), Qt::LeftButton);
        QVERIFY(f->isVisible());
        QTest::mouseClick(hijo(*f, "cmdOK"), Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!f && w.caja.cajas.size() == 1 && w.caja.cajas[0].icono == CajaMensaje::Icono::Ninguno);
        QCOMPARE(w.caja.cajas[0].texto, QStringLiteral("La informaci\u00F3n del sistema no est\u00E1 disponible en este momento"));
    }

    // One help window, from whose contents every page on disk, with a title, and every link's anchor are
    // reached; the menus page names every menu entry, the network page the announcement's port and group.
    void temasDeAyuda()
    {
        VentanaDePrueba w;
        const QString carpeta = QFINDTESTDATA("../../assets/ayuda");
        w.j.e.ruta = QFileInfo(carpeta).path();
        hijo<QAction>(w, "mn_ayuda2")->trigger();
        hijo<frmAyuda>(w, {})->close();
        hijo<QAction>(w, "mn_ayuda2")->trigger();
        frmAyuda& f = *hijo<frmAyuda>(w, {});
        QVERIFY(w.findChildren<frmAyuda*>().size() == 1 && f.isVisible());
        QTextBrowser* b = f.txtAyuda();
        QMap<QString, QString> vistas;  // each page's text
        QStringList pendientes{QStringLiteral("indice.html")};
        while (!pendientes.isEmpty()) {
            const QString destino = pendientes.takeFirst(), pagina = destino.section(u'#', 0, 0), ancla = destino.section(u'#', 1);
            f.mostrarPagina(pagina);
            QVERIFY2(!b->toPlainText().contains(QStringLiteral("no está disponible")) && !b->documentTitle().isEmpty(), qPrintable(destino));
            QStringList enlaces, anclas;
            for (QTextBlock t = b->document()->begin(); t.isValid(); t = t.next())
                for (auto it = t.begin(); !it.atEnd(); ++it)
                    enlaces << it.fragment().charFormat().anchorHref(), anclas << it.fragment().charFormat().anchorNames();
            QVERIFY2(ancla.isEmpty() || anclas.contains(ancla), qPrintable(destino));
            for (const QString& e : enlaces)
                if (!e.isEmpty() && !vistas.contains(pagina))
                    pendientes << (e.startsWith(u'#') ? pagina + e : e);
            vistas[pagina] = b->toPlainText();
        }
        QCOMPARE(vistas.keys(), QDir(carpeta).entryList({QStringLiteral("*.html")}));
        for (QAction* a : w.menuBar()->findChildren<QAction*>())
            QVERIFY2(vistas["menus.html"].contains(a->text().remove(u'&')), qPrintable(a->text()));
        const QString& red = vistas["red.html"];  // firewalls are opened from it
        QVERIFY(red.contains(QStringLiteral("UDP en el puerto %1").arg(anuncio::kPuertoUdp)) && red.contains(anuncio::grupo().toString()));
    }

    // A build folder inside an installed layout uses its own files, not an older installed copy. With no help
    // pages anywhere, the help window names the page it looked for.
    void laCarpetaDelProgramaGanaALaInstalada()
    {
        QTemporaryDir raiz;
        const QString bin = raiz.filePath(QStringLiteral("bin")), share = raiz.filePath(QStringLiteral("share/zumbarta"));
        QVERIFY(QDir().mkpath(bin));
        QCOMPARE(carpetaDeDatos(bin), bin);  // nothing anywhere: the program folder
        const QString texto = frmAyuda(bin).txtAyuda()->toPlainText();
        QVERIFY(texto.contains(QStringLiteral("no está disponible")) && texto.contains(QStringLiteral("indice.html")));
        QVERIFY(QDir().mkpath(share + QStringLiteral("/ayuda")));
        QCOMPARE(carpetaDeDatos(bin), share);
        QVERIFY(QFile(bin + QStringLiteral("/Click.wav")).open(QIODevice::WriteOnly));
        QCOMPARE(carpetaDeDatos(bin), bin);
    }

    // Given an installed tree (ZUMBARTA_INSTALADO), the game and its help open from there.
    void elJuegoInstaladoEncuentraSusArchivos()
    {
        const QString instalado = qEnvironmentVariable("ZUMBARTA_INSTALADO");
        if (instalado.isEmpty())
            QSKIP("no installed tree given");
        Juego j;
        Form_Load(j, carpetaDeDatos(instalado + QStringLiteral("/bin")));
        QCOMPARE(j.e.ruta, instalado + QStringLiteral("/share/zumbarta"));
        QVERIFY(QFileInfo(j.e.ruta + QStringLiteral("/Click.wav")).isFile());
        QWidget ventana;
        frmAyuda* ayuda = abrirTemasDeAyuda(j.e.ruta, &ventana);
        QVERIFY(ayuda && !ayuda->txtAyuda()->documentTitle().isEmpty() && !ayuda->txtAyuda()->toPlainText().contains(QStringLiteral("no está")));
    }

    // The click plays at once and every time, whatever broken or missing sound came before it, and the beep,
    // found through the program folder alone; both files load as sounds Qt can play.
    void loQueSeOye()
    {
        QTemporaryDir dir;
        QFile basura(dir.filePath(QStringLiteral("roto.wav")));
        QVERIFY(basura.open(QIODevice::WriteOnly) && basura.write("esto no es un sonido") > 0 && basura.flush());
        Estado e;
        const QString ruta = e.ruta = QStringLiteral(ZUMBARTA_DIR), click = ruta + "/Click.wav", beep = ruta + "/Beep.wav";
        SonidoQt s(e);
        auto efecto = [&](const QString& archivo) {
            for (auto* x : s.findChildren<QSoundEffect*>())
                if (x->source() == QUrl::fromLocalFile(archivo))
                    return x;
            qFatal("sin efecto %s", qPrintable(archivo));
        };
        for (const QString& f : {dir.filePath("no-existe.wav"), basura.fileName(), QString(), click})
            s.reproducir(f);
        s.beep();
        QVERIFY(efecto(click)->isPlaying() && efecto(beep)->isPlaying());
        QVERIFY(esperar([&] { return efecto(click)->status() == QSoundEffect::Ready && efecto(beep)->status() == QSoundEffect::Ready; }));
        efecto(click)->stop();
        s.reproducir(click);
        QVERIFY(efecto(click)->isPlaying() && s.findChildren<QSoundEffect*>().size() == 3);  // one per file found, made once
    }
};

ZUMBARTA_PRUEBA(TestForm1);
#include "test_form1.moc"
