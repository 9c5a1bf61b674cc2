#pragma once

#include <QByteArray>
#include <QDataStream>
#include <QIODevice>

// A mono PCM WAV file holding `pcm`, samples of `bits` bits, for tests that
// need a real cue.
inline QByteArray monoWav(quint32 sampleRate, quint16 bits, const QByteArray &pcm)
{
    const quint16 sampleBytes = bits / 8;
    QByteArray wav;
    QDataStream out(&wav, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out.writeRawData("RIFF", 4);
    out << quint32(36 + pcm.size());
    out.writeRawData("WAVEfmt ", 8);
    out << quint32(16) << quint16(1) << quint16(1) << sampleRate << quint32(sampleRate * sampleBytes) << sampleBytes
        << bits;
    out.writeRawData("data", 4);
    out << quint32(pcm.size());
    out.writeRawData(pcm.constData(), int(pcm.size()));
    return wav;
}

inline QByteArray monoWav16(quint32 sampleRate, const QByteArray &pcm)
{
    return monoWav(sampleRate, 16, pcm);
}

// 16-bit samples widened to 24 bits, as sound editors export them.
inline QByteArray widenedTo24Bits(const QByteArray &pcm16)
{
    QByteArray pcm24;
    for (qsizetype at = 0; at + 1 < pcm16.size(); at += 2)
        pcm24 += '\0' + pcm16.mid(at, 2);
    return pcm24;
}
