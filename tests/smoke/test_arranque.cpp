// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

// The real program, started then asked to close, exits cleanly, with nothing for the sanitizers to report.

#include <QFile>
#include <QProcess>
#include <QtTest>

class TestArranque : public QObject {
    Q_OBJECT
private slots:
    void arrancaYCierraLimpio()
    {
        QProcess juego;
        // ZUMBARTA_PROGRAMA names another copy to start, such as an installed one.
        juego.start(qEnvironmentVariable("ZUMBARTA_PROGRAMA", QStringLiteral(ZUMBARTA_EXE)), {});
        QVERIFY2(juego.waitForStarted(10000), qPrintable(juego.errorString()));
        // SIGTERM is sent only once the program catches it (bit 15 of SigCgt): a slow start is no crash.
        QVERIFY(QTest::qWaitFor([&] {
            QFile f(QStringLiteral("/proc/%1/status").arg(juego.processId()));
            const QByteArray st = f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
            return (st.mid(st.indexOf("SigCgt:") + 7, 17).trimmed().toULongLong(nullptr, 16) >> 14) & 1;
        }, 20000));
        QVERIFY(!juego.waitForFinished(500) && juego.state() == QProcess::Running);  // start-up neither crashed nor quit

        juego.terminate();
        QVERIFY(juego.waitForFinished(20000));
        const QString errores = QString::fromLocal8Bit(juego.readAllStandardError());
        QVERIFY2(juego.exitStatus() == QProcess::NormalExit && juego.exitCode() == 0, qPrintable(errores));
        QVERIFY2(!errores.contains(QStringLiteral("Sanitizer")) && !errores.contains(QStringLiteral("runtime error")), qPrintable(errores));
    }
};

QTEST_GUILESS_MAIN(TestArranque)
#include "test_arranque.moc"
