#pragma once

#include <QByteArray>
#include <QDataStream>
#include <QIODevice>

// A 16-bit mono PCM WAV file holding `pcm`, for tests that need a real cue.
inline QByteArray monoWav16(quint32 sampleRate, const QByteArray &pcm)
{
    QByteArray wav;
    QDataStream out(&wav, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out.writeRawData("RIFF", 4);
    out << quint32(36 + pcm.size());
    out.writeRawData("WAVEfmt ", 8);
    out << quint32(16) << quint16(1) << quint16(1) << sampleRate << quint32(sampleRate * 2) << quint16(2)
        << quint16(16);
    out.writeRawData("data", 4);
    out << quint32(pcm.size());
    out.writeRawData(pcm.constData(), int(pcm.size()));
    return wav;
}
