// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

// The game's sounds: short WAVs beside the program, played without blocking or complaining.

#include "mainwindow/sonidoqt.h"
#include "prueba.h"

#include <QSoundEffect>

class TestSonido : public QObject {
    Q_OBJECT
    const QString ruta = QStringLiteral(ZUMBARTA_DIR);

private slots:
    void sonWavCortos()
    {
        for (const char* nombre : {"/Click.wav", "/Beep.wav"}) {
            QFile f(ruta + QLatin1String(nombre));
            QVERIFY2(f.open(QIODevice::ReadOnly), nombre);
            const QByteArray d = f.readAll();  // PCM, then bytes of sound over bytes per second
            QVERIFY(d.size() > 44 && d.startsWith("RIFF") && d.mid(8, 8) == "WAVEfmt " && d[20] == 1 && d[21] == 0);
            const double segundos = double(qFromLittleEndian<quint32>(d.constData() + 40)) / qFromLittleEndian<quint32>(d.constData() + 28);
            QVERIFY2(segundos > 0.01 && segundos < 0.3, qPrintable(QString::number(segundos)));
        }
    }

    // The click at once and every time, whatever broken or missing sound came before it (skipped
    // without a word), and the beep, the game's own file found through the program folder alone.
    void loQueSeOye()
    {
        QTemporaryDir dir;
        QFile basura(dir.filePath(QStringLiteral("roto.wav")));
        QVERIFY(basura.open(QIODevice::WriteOnly) && basura.write("esto no es un sonido") > 0 && basura.flush());
        Estado e;
        e.ruta = ruta;
        SonidoQt s(e);
        auto efecto = [&](const QString& archivo) {
            const auto l = s.findChildren<QSoundEffect*>();
            const auto x = std::find_if(l.begin(), l.end(), [&](auto* x) { return x->source() == QUrl::fromLocalFile(archivo); });
            return x == l.end() ? nullptr : *x;
        };
        const QString click = ruta + QStringLiteral("/Click.wav"), beep = ruta + QStringLiteral("/Beep.wav");
        for (const QString& f : {dir.filePath("no-existe.wav"), basura.fileName(), QString(), click})
            s.reproducir(f);
        s.beep();
        QVERIFY(efecto(click) && efecto(click)->isPlaying() && efecto(beep) && efecto(beep)->isPlaying());
        QVERIFY(esperar([&] { return efecto(basura.fileName())->status() == QSoundEffect::Error; }));
        efecto(click)->stop();
        s.reproducir(click);
        QVERIFY(efecto(click)->isPlaying() && efecto(click)->status() != QSoundEffect::Error);
        QCOMPARE(s.findChildren<QSoundEffect*>().size(), 3);  // one per file found, made once
    }
};

ZUMBARTA_PRUEBA(TestSonido);
#include "test_sonido.moc"
