// The click: a real short WAV beside the program, and playing never blocks
// or fails loudly, whatever the machine's audio.

#include "mainwindow/sonidoqt.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

class TestSonido : public QObject {
    Q_OBJECT
    const QString click = QStringLiteral(ZUMBARTA_DIR "/Click.wav");

private slots:
    void clickEsUnWavCorto()
    {
        QFile f(click);
        QVERIFY2(f.open(QIODevice::ReadOnly), qPrintable(click));
        const QByteArray d = f.readAll();
        QVERIFY(d.size() > 44 && d.startsWith("RIFF") && d.mid(8, 8) == "WAVEfmt ");
        QCOMPARE(qFromLittleEndian<quint16>(d.constData() + 20), quint16(1));  // PCM
        const double segundos = double(qFromLittleEndian<quint32>(d.constData() + 40)) /
                                qFromLittleEndian<quint32>(d.constData() + 28);
        QVERIFY2(segundos > 0.01 && segundos < 0.3, qPrintable(QString::number(segundos)));
    }

    void reproducirNuncaFalla()
    {
        QTemporaryDir dir;
        QFile basura(dir.filePath(QStringLiteral("roto.wav")));
        QVERIFY(basura.open(QIODevice::WriteOnly) && basura.write("esto no es un sonido") > 0);
        basura.close();
        SonidoQt s;
        for (const QString& f : {dir.filePath(QStringLiteral("no-existe.wav")), basura.fileName(), click, click, QString()})
            s.reproducir(f);
        QTest::qWait(200);  // let any asynchronous loading finish or fail
    }
};

QTEST_MAIN(TestSonido)
#include "test_sonido.moc"
