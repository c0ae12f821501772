// The game's sounds: real short WAVs beside the program; the beep is one of
// them, and playing never blocks or fails loudly, whatever the machine's audio.

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
            const QByteArray d = f.readAll();
            QVERIFY(d.size() > 44 && d.startsWith("RIFF") && d.mid(8, 8) == "WAVEfmt ");
            QCOMPARE(qFromLittleEndian<quint16>(d.constData() + 20), quint16(1));  // PCM
            const double segundos = double(qFromLittleEndian<quint32>(d.constData() + 40)) /
                                    qFromLittleEndian<quint32>(d.constData() + 28);
            QVERIFY2(segundos > 0.01 && segundos < 0.3, qPrintable(QString::number(segundos)));
        }
    }

    // The beep is the game's own file, found through the program folder alone.
    void beepEsElDelJuego()
    {
        Estado e;
        e.ruta = ruta;
        SonidoQt s(e);
        s.beep();
        const auto efectos = s.findChildren<QSoundEffect*>();
        QCOMPARE(efectos.size(), 1);
        QCOMPARE(efectos[0]->source(), QUrl::fromLocalFile(ruta + QStringLiteral("/Beep.wav")));
    }

    void reproducirNuncaFalla()
    {
        QTemporaryDir dir;
        QFile basura(dir.filePath(QStringLiteral("roto.wav")));
        QVERIFY(basura.open(QIODevice::WriteOnly) && basura.write("esto no es un sonido") > 0);
        basura.close();
        Estado e;
        e.ruta = dir.path();
        SonidoQt s(e);
        for (const QString& f : {dir.filePath("no-existe.wav"), basura.fileName(), ruta + "/Click.wav", QString()})
            s.reproducir(f);
        s.beep();  // no Beep.wav in that folder
        QTest::qWait(200);  // let any asynchronous loading finish or fail
    }
};

ZUMBARTA_PRUEBA(TestSonido);
#include "test_sonido.moc"
