// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

// The menu bar of the main window: captions, names and start states.

#include "mainwindow/form1.h"
#include "mainwindow/encima.h"

#include "dialogs/frmabout.h"
#include "dialogs/temasayuda.h"
#include "game/juego.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>

namespace {

QAction* entrada(QMenu* menu, const char* nombre, const QString& texto)
{
    QAction* a = menu->addAction(texto);
    a->setObjectName(QLatin1String(nombre));
    return a;
}

void separador(QMenu* menu, const char* nombre)
{
    menu->addSeparator()->setObjectName(QLatin1String(nombre));
}

}  // namespace

void Form1::construirMenus()
{
    QMenu* juego = menuBar()->addMenu(QStringLiteral("Juego"));
    juego->setObjectName(QStringLiteral("Mn_juego"));

    QMenu* nuevo = juego->addMenu(QStringLiteral("Nuevo Juego"));
    nuevo->setObjectName(QStringLiteral("Mn_njuevo"));
    mn_local_ = entrada(nuevo, "mn_local", QStringLiteral("Partida local"));
    mn_red_ = entrada(nuevo, "mn_red", QStringLiteral("Partida en red"));

    separador(juego, "mn_line1");

    QMenu* modo = juego->addMenu(QStringLiteral("Modo de juego"));
    modo->setObjectName(QStringLiteral("mn_modoj"));
    mn_mod_[1] = entrada(modo, "mn_mod(1)", QStringLiteral("Continuo"));
    mn_mod_[2] = entrada(modo, "mn_mod(2)", QStringLiteral("Lineal"));
    for (int i = 1; i <= 2; ++i)
        mn_mod_[i]->setCheckable(true);

    mn_pausar_ = entrada(juego, "mn_pausar", QStringLiteral("Pausar"));
    mn_pausar_->setCheckable(true);
    mn_repar_ = entrada(juego, "mn_repar", QStringLiteral("Repartir"));

    // In the server's lobby: free seats played by the machine, at the level
    // the local setup offers.
    mn_maquinared_ = juego->addMenu(QStringLiteral("Agregar jugador maquina"));
    mn_maquinared_->setObjectName(QStringLiteral("mn_maquinared"));
    const char* niveles[] = {"Facil", "Moderado", "Dificil", "Muy dificil"};
    for (int n = 1; n <= 4; ++n)
        entrada(mn_maquinared_, QStringLiteral("mn_maqnivel(%1)").arg(n).toLatin1().constData(), QLatin1String(niveles[n - 1]));
    mn_quitarmaq_ = entrada(juego, "mn_quitarmaq", QStringLiteral("Quitar jugador maquina"));
    separador(juego, "mn_line2");
    mn_finpartida_ = entrada(juego, "mn_finpartida", QStringLiteral("Finalizar partida"));
    separador(juego, "mn_line4");

    QAction* salir = entrada(juego, "mn_salida", QStringLiteral("Salir"));
    salir->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    // Only while this window has the focus: Ctrl+S in the help window or a
    // dialog must not end the game.
    salir->setShortcutContext(Qt::WindowShortcut);
    // Ends the program at once: no close-down, no question.
    connect(salir, &QAction::triggered, qApp, [] { QCoreApplication::exit(0); });

    // F10 opens the menu bar, as desktops do: every command is in reach of
    // a player without a mouse.
    auto* f10 = new QShortcut(QKeySequence(Qt::Key_F10), this);
    f10->setObjectName(QStringLiteral("f10"));
    connect(f10, &QShortcut::activated, this, [this, juego] { menuBar()->setActiveAction(juego->menuAction()); });

    QMenu* ayuda = menuBar()->addMenu(QStringLiteral("Ayuda"));
    ayuda->setObjectName(QStringLiteral("mn_ayuda"));
    QAction* temas = entrada(ayuda, "mn_ayuda2", QStringLiteral("Temas de ayuda"));
    connect(temas, &QAction::triggered, this, [this] { abrirTemasDeAyuda(j_.e.ruta, this); });
    separador(ayuda, "mn_line3");
    QAction* acerca = entrada(ayuda, "mn_acerca", QStringLiteral("Acerca de ..."));
    connect(acerca, &QAction::triggered, this, [this] { abrirEncima(new frmAbout(*j_.caja, this)); });
}
