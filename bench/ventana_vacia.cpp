// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

// The smallest Qt Widgets program that maps a window, for bench/startup.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget w;
    w.setWindowTitle(QStringLiteral("ventana vacia"));
    w.resize(709, 528);
    w.show();
    return app.exec();
}
