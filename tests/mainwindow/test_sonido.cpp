// The click sound: the shipped file is a real short WAV, and playing never
// blocks or fails loudly, whatever the machine's audio.

#include "mainwindow/sonidoqt.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

class TestSonido : public QObject {
    Q_OBJECT

    static QString click() { return QStringLiteral(ZUMBARTA_DIR "/Click.wav"); }

private slots:
    // The build puts Click.wav beside the program; it must be a PCM WAV
    // short enough to be a click.
    void clickEsUnWavCorto()
    {
        QFile f(click());
        QVERIFY2(f.open(QIODevice::ReadOnly), qPrintable(f.fileName()));
        const QByteArray d = f.readAll();
        QVERIFY(d.size() > 44);
        QCOMPARE(d.left(4), QByteArray("RIFF"));
        QCOMPARE(d.mid(8, 4), QByteArray("WAVE"));
        QCOMPARE(d.mid(12, 4), QByteArray("fmt "));
        const auto le16 = [&](int at) { return qFromLittleEndian<quint16>(d.constData() + at); };
        const auto le32 = [&](int at) { return qFromLittleEndian<quint32>(d.constData() + at); };
        QCOMPARE(le16(20), quint16(1));  // PCM
        const quint32 bytesPorSegundo = le32(28);
        const quint32 datos = le32(40);
        QVERIFY(bytesPorSegundo > 0);
        const double segundos = double(datos) / bytesPorSegundo;
        QVERIFY2(segundos > 0.01 && segundos < 0.3, qPrintable(QString::number(segundos)));
    }

    // A missing file, a file that is not a sound, the real click, and the
    // same again at once: every call returns and nothing is reported.
    void reproducirNuncaFalla()
    {
        QTemporaryDir dir;
        QFile basura(dir.filePath(QStringLiteral("roto.wav")));
        QVERIFY(basura.open(QIODevice::WriteOnly));
        basura.write("esto no es un sonido");
        basura.close();

        SonidoQt s;
        s.reproducir(dir.filePath(QStringLiteral("no-existe.wav")));
        s.reproducir(basura.fileName());
        s.reproducir(click());
        s.reproducir(click());
        s.reproducir(QString());
        QTest::qWait(200);  // let any asynchronous loading finish or fail
    }
};

QTEST_MAIN(TestSonido)
#include "test_sonido.moc"
