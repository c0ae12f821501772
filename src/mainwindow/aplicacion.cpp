// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#include "mainwindow/aplicacion.h"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QLocale>
#include <QSocketNotifier>
#include <QTranslator>
#include <QWidget>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>
#endif

namespace {

#ifdef Q_OS_UNIX
int tuberiaSenal[2] = {-1, -1};

void alRecibirTerm(int)
{
    const char c = 1;
    [[maybe_unused]] auto n = ::write(tuberiaSenal[0], &c, 1);
}

// A session that ends (or a test harness) sends SIGTERM: close the windows
// as if the user had, so connections are shut down and the process exits 0.
// One that came during start-up waits in the pair until the loop runs.
void cerrarConTerm(QApplication& app)
{
    if (tuberiaSenal[1] < 0)
        return;
    auto* aviso = new QSocketNotifier(tuberiaSenal[1], QSocketNotifier::Read, &app);
    QObject::connect(aviso, &QSocketNotifier::activated, &app, [aviso] {
        char c;
        [[maybe_unused]] auto n = ::read(tuberiaSenal[1], &c, 1);
        aviso->setEnabled(false);
        QApplication::closeAllWindows();
        QCoreApplication::quit();
    });
}
#endif

}  // namespace

void atraparTerm()
{
#ifdef Q_OS_UNIX
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, tuberiaSenal) != 0)
        return;
    struct sigaction sa {};
    sa.sa_handler = alRecibirTerm;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = SA_RESTART;
    ::sigaction(SIGTERM, &sa, nullptr);
#endif
}

void prepararAplicacion(QApplication& app)
{
    QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
    auto* qtbase = new QTranslator(&app);
    if (qtbase->load(QLocale(QLocale::Spanish), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qtbase);

    // Century Gothic where installed; otherwise the nearest geometric sans.
    QFont::insertSubstitutions(QStringLiteral("Century Gothic"),
                               {QStringLiteral("URW Gothic"), QStringLiteral("TeX Gyre Adventor"),
                                QStringLiteral("Avant Garde Gothic"), QStringLiteral("Futura"),
                                QStringLiteral("Beteckna"), QStringLiteral("DejaVu Sans")});

#ifdef Q_OS_UNIX
    cerrarConTerm(app);
#endif
}
