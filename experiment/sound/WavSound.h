#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// The samples of a WAV file and how to play them.
struct WavSound {
    enum class Encoding { UnsignedInt8, SignedInt16, SignedInt24, SignedInt32, Float32 };

    int sampleRate = 0;
    int channels = 0;
    Encoding encoding = Encoding::SignedInt16;
    QByteArray samples; // whole frames only
};

// The size of one sample of one channel.
int bytesPerSample(WavSound::Encoding encoding);

// Reads a RIFF WAVE file of PCM or float samples. Anything else, a header
// that is cut short or a file without a single whole frame is no sound.
// Data shorter than its header claims is played as far as it goes.
std::optional<WavSound> readWav(const QByteArray &file);

// A cue is a short sound: larger files are not read.
inline constexpr qint64 MaxCueBytes = 8 * 1024 * 1024;

// Reads the WAV file of that name in the working directory. A missing,
// unreadable or oversized file is no sound, as is anything readWav refuses.
std::optional<WavSound> readCueFile(const QString &fileName);
