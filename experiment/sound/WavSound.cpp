#include "WavSound.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtEndian>

namespace {

constexpr quint16 FormatPcm = 1;
constexpr quint16 FormatFloat = 3;
constexpr quint16 FormatExtensible = 0xfffe;

quint16 read16(const QByteArray &bytes, qsizetype at)
{
    return qFromLittleEndian<quint16>(bytes.constData() + at);
}

quint32 read32(const QByteArray &bytes, qsizetype at)
{
    return qFromLittleEndian<quint32>(bytes.constData() + at);
}

std::optional<WavSound::Encoding> encodingOf(quint16 format, quint16 bits)
{
    if (format == FormatPcm && bits == 8)
        return WavSound::Encoding::UnsignedInt8;
    if (format == FormatPcm && bits == 16)
        return WavSound::Encoding::SignedInt16;
    if (format == FormatPcm && bits == 24)
        return WavSound::Encoding::SignedInt24;
    if (format == FormatPcm && bits == 32)
        return WavSound::Encoding::SignedInt32;
    if (format == FormatFloat && bits == 32)
        return WavSound::Encoding::Float32;
    return std::nullopt;
}

} // namespace

int bytesPerSample(WavSound::Encoding encoding)
{
    switch (encoding) {
    case WavSound::Encoding::UnsignedInt8:
        return 1;
    case WavSound::Encoding::SignedInt16:
        return 2;
    case WavSound::Encoding::SignedInt24:
        return 3;
    case WavSound::Encoding::SignedInt32:
    case WavSound::Encoding::Float32:
        return 4;
    }
    return 1;
}

std::optional<WavSound> readWav(const QByteArray &file)
{
    if (file.size() < 12 || !file.startsWith("RIFF") || file.mid(8, 4) != "WAVE")
        return std::nullopt;

    std::optional<WavSound> sound;
    int bytesPerFrame = 0;
    qsizetype at = 12;
    while (at + 8 <= file.size()) {
        const QByteArray id = file.mid(at, 4);
        const qint64 declared = read32(file, at + 4);
        const qsizetype body = at + 8;
        const qsizetype available = qMin<qint64>(declared, file.size() - body);

        if (id == "fmt " && available >= 16) {
            quint16 format = read16(file, body);
            const quint16 channels = read16(file, body + 2);
            const quint32 rate = read32(file, body + 4);
            const quint16 bits = read16(file, body + 14);
            // The extensible header names the real format in its sub-format.
            if (format == FormatExtensible && available >= 26)
                format = read16(file, body + 24);
            const auto encoding = encodingOf(format, bits);
            if (!encoding || channels < 1 || channels > 8 || rate < 1000 || rate > 384000)
                return std::nullopt;
            sound = WavSound{int(rate), channels, *encoding, {}};
            bytesPerFrame = channels * bits / 8;
        } else if (id == "data") {
            if (!sound)
                return std::nullopt; // the format must come first
            const qsizetype frames = available / bytesPerFrame;
            if (frames == 0)
                return std::nullopt;
            sound->samples = file.mid(body, frames * bytesPerFrame);
            return sound;
        }
        // Chunks are padded to an even length.
        at = body + declared + (declared % 2);
    }
    return std::nullopt;
}

std::optional<WavSound> readCueFile(const QString &fileName)
{
    const QFileInfo info(QDir::current(), fileName);
    if (!info.isFile() || info.size() > MaxCueBytes)
        return std::nullopt;
    QFile file(info.absoluteFilePath());
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return readWav(file.read(MaxCueBytes));
}
