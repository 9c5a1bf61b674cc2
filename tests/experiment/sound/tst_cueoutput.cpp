#include "CuePlayer.h"
#include "CueAtOnce.h"
#include "CueOutput.h"
#include "WavBytes.h"

#include <QDataStream>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>

using namespace Qt::StringLiterals;

namespace {

// A short 880 Hz beep.
QByteArray beepWav()
{
    constexpr quint32 SampleRate = 8000;
    QByteArray pcm;
    QDataStream samples(&pcm, QIODevice::WriteOnly);
    samples.setByteOrder(QDataStream::LittleEndian);
    for (int n = 0; n < 800; ++n)
        samples << qint16(8000 * std::sin(2 * M_PI * 880 * n / SampleRate));
    return monoWav16(SampleRate, pcm);
}

QByteArray randomBytes()
{
    QByteArray bytes(4096, '\0');
    QRandomGenerator generator(99);
    for (char &byte : bytes)
        byte = char(generator.bounded(256));
    return bytes;
}

} // namespace

class CueOutputTest : public QObject
{
    Q_OBJECT

private slots:
    void cuesReturnAtOnceWhateverTheFile_data()
    {
        QTest::addColumn<bool>("present");
        QTest::addColumn<QByteArray>("contents");
        QTest::newRow("a real WAV") << true << beepWav();
        QTest::newRow("missing file") << false << QByteArray();
        QTest::newRow("random bytes named .wav") << true << randomBytes();
    }

    void cuesReturnAtOnceWhateverTheFile()
    {
        QFETCH(bool, present);
        QFETCH(QByteArray, contents);

        QTemporaryDir workingDirectory;
        QVERIFY(workingDirectory.isValid());
        const QString previousDirectory = QDir::currentPath();
        QVERIFY(QDir::setCurrent(workingDirectory.path()));

        const auto control = makeCueOutput();
        CuePlayer player(*control);

        // The file is looked up when the cue sounds, not when the player is made.
        if (present) {
            QFile file(u"pinpon.wav"_s);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(contents);
        }

        QElapsedTimer clock;
        clock.start();
        player.PlayCue(u"pinpon.wav"_s);
        QVERIFY2(clock.elapsed() < CueAtOnceMs, qPrintable(QString::number(clock.elapsed())));

        // Let the background decoder finish, then cut the first cue off.
        QTest::qWait(200);
        clock.restart();
        player.PlayCue(u"pinpon.wav"_s);
        player.PlayCue(u"endpinpon.wav"_s);
        QVERIFY2(clock.elapsed() < CueAtOnceMs, qPrintable(QString::number(clock.elapsed())));
        QTest::qWait(100);

        QVERIFY(QDir::setCurrent(previousDirectory));
    }
};

QTEST_MAIN(CueOutputTest)
#include "tst_cueoutput.moc"
