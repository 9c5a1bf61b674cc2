#include "WavFloats.h"
#include "WavSound.h"

#include <QDataStream>
#include <QTest>

Q_DECLARE_METATYPE(WavSound::Encoding)

namespace {

QByteArray chunk(const char *id, const QByteArray &body, quint32 declared)
{
    QByteArray bytes(id, 4);
    QDataStream out(&bytes, QIODevice::Append);
    out.setByteOrder(QDataStream::LittleEndian);
    out << declared;
    return bytes + body;
}

QByteArray chunk(const char *id, const QByteArray &body)
{
    return chunk(id, body, quint32(body.size())) + (body.size() % 2 ? QByteArray(1, '\0') : QByteArray());
}

QByteArray format(quint16 tag, quint16 channels, quint32 rate, quint16 bits, quint16 extensibleTag = 0)
{
    QByteArray body;
    QDataStream out(&body, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out << tag << channels << rate << quint32(rate * channels * bits / 8) << quint16(channels * bits / 8) << bits;
    if (tag == 0xfffe)
        out << quint16(22) << bits << quint32(0) << extensibleTag << QByteArray(14, '\0');
    return chunk("fmt ", body);
}

QByteArray riff(const QByteArray &chunks)
{
    return chunk("RIFF", "WAVE" + chunks, quint32(4 + chunks.size()));
}

} // namespace

class WavSoundTest : public QObject
{
    Q_OBJECT

private slots:
    void readsWhatItCanPlay_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<WavSound::Encoding>("encoding");
        QTest::addColumn<int>("channels");
        QTest::addColumn<int>("sampleBytes");

        using enum WavSound::Encoding;
        const QByteArray samples(400, '\x10');
        QTest::newRow("16-bit mono") << riff(format(1, 1, 11025, 16) + chunk("data", samples)) << SignedInt16 << 1
                                     << 400;
        QTest::newRow("8-bit stereo") << riff(format(1, 2, 8000, 8) + chunk("data", samples)) << UnsignedInt8 << 2
                                      << 400;
        QTest::newRow("32-bit float") << riff(format(3, 1, 48000, 32) + chunk("data", samples)) << Float32 << 1
                                      << 400;
        QTest::newRow("24-bit mono") << riff(format(1, 1, 44100, 24) + chunk("data", samples.left(399))) << SignedInt24
                                     << 1 << 399;
        QTest::newRow("24-bit stereo, extensible") << riff(format(0xfffe, 2, 48000, 24, 1) + chunk("data", samples))
                                                   << SignedInt24 << 2 << 396;
        QTest::newRow("extensible PCM") << riff(format(0xfffe, 2, 44100, 16, 1) + chunk("data", samples))
                                        << SignedInt16 << 2 << 400;
        QTest::newRow("other chunks are skipped")
            << riff(chunk("LIST", "abc") + format(1, 1, 11025, 16) + chunk("fact", "1234") + chunk("data", samples))
            << SignedInt16 << 1 << 400;
        QTest::newRow("data cut short plays what is there")
            << riff(format(1, 1, 11025, 16) + chunk("data", samples, 100000)) << SignedInt16 << 1 << 400;
        QTest::newRow("a half frame at the end is dropped")
            << riff(format(1, 2, 11025, 16) + chunk("data", samples.left(398), 398)) << SignedInt16 << 2 << 396;
    }

    void readsWhatItCanPlay()
    {
        QFETCH(QByteArray, file);
        QFETCH(WavSound::Encoding, encoding);
        QFETCH(int, channels);
        QFETCH(int, sampleBytes);

        const auto sound = readWav(file);
        QVERIFY(sound);
        QCOMPARE(sound->encoding, encoding);
        QCOMPARE(sound->channels, channels);
        QCOMPARE(sound->samples.size(), sampleBytes);
    }

    void refusesWhatItCannot_data()
    {
        QTest::addColumn<QByteArray>("file");

        const QByteArray samples(400, '\x10');
        const QByteArray good = riff(format(1, 1, 11025, 16) + chunk("data", samples));
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("RIFF header only") << good.left(12);
        QTest::newRow("cut inside the format") << good.left(30);
        QTest::newRow("no samples at all") << riff(format(1, 1, 11025, 16) + chunk("data", {}));
        QTest::newRow("not a WAVE") << QByteArray("RIFF\x10\0\0\0AVI LIST", 16);
        QTest::newRow("compressed (ADPCM)") << riff(format(2, 1, 11025, 4) + chunk("data", samples));
        QTest::newRow("24-bit float") << riff(format(3, 1, 11025, 24) + chunk("data", samples));
        QTest::newRow("24-bit, less than a frame") << riff(format(1, 2, 11025, 24) + chunk("data", "abcd"));
        QTest::newRow("no channels") << riff(format(1, 0, 11025, 16) + chunk("data", samples));
        QTest::newRow("data before format") << riff(chunk("data", samples) + format(1, 1, 11025, 16));
        QTest::newRow("random bytes") << QByteArray(4096, '\xa7');
        QTest::newRow("a chunk claiming 4 GiB") << riff(chunk("LIST", "x", 0xffffffffu));
    }

    void refusesWhatItCannot()
    {
        QFETCH(QByteArray, file);
        QVERIFY(!readWav(file));
    }

    // The browser takes its cues as floats, one list per channel: the
    // extremes of every encoding land at -1 and just below 1, and the
    // channels of a frame are not mixed up.
    void samplesBecomeFloatsPerChannel_data()
    {
        QTest::addColumn<WavSound::Encoding>("encoding");
        QTest::addColumn<QByteArray>("frames"); // two stereo frames: (lowest, zero), (highest, zero)
        const auto bytes = [](std::initializer_list<int> values) {
            QByteArray out;
            for (int value : values)
                out.append(char(value));
            return out;
        };
        QTest::newRow("8-bit") << WavSound::Encoding::UnsignedInt8 << bytes({0x00, 0x80, 0xff, 0x80});
        QTest::newRow("16-bit") << WavSound::Encoding::SignedInt16
                                << bytes({0x00, 0x80, 0, 0, 0xff, 0x7f, 0, 0});
        QTest::newRow("24-bit") << WavSound::Encoding::SignedInt24
                                << bytes({0, 0, 0x80, 0, 0, 0, 0xff, 0xff, 0x7f, 0, 0, 0});
        QTest::newRow("32-bit") << WavSound::Encoding::SignedInt32
                                << bytes({0, 0, 0, 0x80, 0, 0, 0, 0, 0xff, 0xff, 0xff, 0x7f, 0, 0, 0, 0});
        QTest::newRow("float") << WavSound::Encoding::Float32
                               << bytes({0, 0, 0x80, 0xbf, 0, 0, 0, 0, 0, 0, 0x80, 0x3f, 0, 0, 0, 0});
    }

    void samplesBecomeFloatsPerChannel()
    {
        QFETCH(WavSound::Encoding, encoding);
        QFETCH(QByteArray, frames);
        const QList<QList<float>> channels = channelsAsFloats({44100, 2, encoding, frames});
        QCOMPARE(channels.size(), 2);
        QCOMPARE(channels[0].size(), 2);
        QCOMPARE(channels[0][0], -1.0f);
        QVERIFY2(channels[0][1] > 0.99f && channels[0][1] <= 1.0f, qPrintable(QString::number(channels[0][1])));
        QCOMPARE(channels[1], QList<float>({0.0f, 0.0f}));
    }
};

QTEST_GUILESS_MAIN(WavSoundTest)
#include "tst_wavsound.moc"
