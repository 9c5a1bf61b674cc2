#include "WavFloats.h"

#include <QtEndian>

namespace {

float sampleAt(const char *at, WavSound::Encoding encoding)
{
    switch (encoding) {
    case WavSound::Encoding::UnsignedInt8:
        return (float(quint8(*at)) - 128.0f) / 128.0f;
    case WavSound::Encoding::SignedInt16:
        return float(qFromLittleEndian<qint16>(at)) / 32768.0f;
    case WavSound::Encoding::SignedInt24: {
        const auto byte = [at](int i) { return qint32(quint8(at[i])); };
        const qint32 unsignedValue = byte(0) | byte(1) << 8 | byte(2) << 16;
        return float(unsignedValue >= 0x800000 ? unsignedValue - 0x1000000 : unsignedValue) / 8388608.0f;
    }
    case WavSound::Encoding::SignedInt32:
        return float(double(qFromLittleEndian<qint32>(at)) / 2147483648.0);
    case WavSound::Encoding::Float32:
        return qFromLittleEndian<float>(at);
    }
    return 0.0f;
}

} // namespace

QList<QList<float>> channelsAsFloats(const WavSound &sound)
{
    const int sampleBytes = bytesPerSample(sound.encoding);
    const qsizetype frames = sound.samples.size() / (sampleBytes * sound.channels);
    QList<QList<float>> channels(sound.channels);
    for (QList<float> &channel : channels)
        channel.reserve(frames);
    const char *at = sound.samples.constData();
    for (qsizetype frame = 0; frame < frames; ++frame) {
        for (QList<float> &channel : channels) {
            channel.append(sampleAt(at, sound.encoding));
            at += sampleBytes;
        }
    }
    return channels;
}
