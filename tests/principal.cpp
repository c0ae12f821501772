// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

// Runs every registered class, or only the one named first: pruebas_net TestBytes cliente

#include "prueba.h"

#ifdef QT_WIDGETS_LIB
#include <QApplication>
#endif

int main(int argc, char* argv[])
{
    // Run by hand, outside CTest's environment, the dialogs still must not write to the player's settings.
    if (qEnvironmentVariableIsEmpty("XDG_CONFIG_HOME"))
        qputenv("XDG_CONFIG_HOME", ZUMBARTA_DIR "/config-pruebas");
#ifdef QT_WIDGETS_LIB
    QApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);  // as QTEST_MAIN: sizes do not follow the screen
#else
    QCoreApplication app(argc, argv);
#endif
    auto& clases = clasesDePrueba();
    QStringList argumentos = QCoreApplication::arguments();
    const QString sola = argumentos.size() > 1 && !argumentos[1].startsWith(u'-') ? argumentos.takeAt(1) : QString();
    if (!sola.isEmpty())
        std::erase_if(clases, [&](auto& c) { return c.first != sola; });
    if (clases.empty())
        qFatal("No hay clase %s", qPrintable(sola));
    int fallidas = 0;
    for (const auto& clase : clases) {
        fallidas += QTest::qExec(clase.second().get(), argumentos) != 0;
        // What one class let go of is gone before the next one starts.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    return fallidas ? 1 : 0;
}
