#pragma once

#include <QByteArray>
#include <QDataStream>
#include <QList>
#include <QtEndian>

#include <cmath>
#include <cstdlib>

// A steady sine tone of `hz`, 16-bit mono, as raw samples.
inline QByteArray sineTone(int rate, int hz, int milliseconds, qint16 amplitude)
{
    QByteArray pcm;
    QDataStream out(&pcm, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    const int samples = rate * milliseconds / 1000;
    for (int n = 0; n < samples; ++n)
        out << qint16(amplitude * std::sin(2 * M_PI * hz * n / rate));
    return pcm;
}

// One stretch of a recording in which a single tone sounds.
struct HeardTone {
    double onset = 0;  // seconds into the recording
    double length = 0; // seconds
    int hz = 0;        // the tone's pitch, to within a few tens of hertz

    int crossings = 0;   // zero crossings in the windows that the tone fills
    int fullWindows = 0; // how many windows it fills
};

// Cuts a recording of 16-bit mono samples into the tones heard in it, in
// windows of 10 ms: a tone ends at 30 ms of silence or where the pitch of a
// window that the sound fills changes. A window only partly sounding, at a
// tone's start or end, belongs to its neighbour and has no say in the pitch.
inline QList<HeardTone> heardTones(const QByteArray &recording, int rate, int loudEnough = 2000)
{
    constexpr double Window = 0.01;
    const int perWindow = int(rate * Window);
    const auto *samples = reinterpret_cast<const qint16 *>(recording.constData());
    const auto sampleAt = [samples](int n) { return int(qFromLittleEndian(samples[n])); };
    const auto peakIn = [&](int from, int to) {
        int peak = 0;
        for (int n = from; n < to; ++n)
            peak = std::max(peak, std::abs(sampleAt(n)));
        return peak;
    };
    const int count = int(recording.size() / 2);

    QList<HeardTone> tones;
    int silentWindows = 0;
    for (int start = 0; start + perWindow <= count; start += perWindow) {
        const int end = start + perWindow;
        const double at = start / double(rate);
        if (peakIn(start, end) < loudEnough) {
            ++silentWindows;
            continue;
        }
        int crossings = 0;
        for (int n = start + 1; n < end; ++n)
            crossings += (sampleAt(n) >= 0) != (sampleAt(n - 1) >= 0) ? 1 : 0;
        const int quarter = perWindow / 4;
        const bool full = peakIn(start, start + quarter) >= loudEnough && peakIn(end - quarter, end) >= loudEnough;
        const int hz = int(std::lround(crossings / 2.0 / Window));

        const bool adjacent = !tones.isEmpty() && silentWindows < 3;
        const bool samePitch = adjacent && (!full || tones.last().fullWindows == 0 || std::abs(tones.last().hz - hz) <= 150);
        silentWindows = 0;
        if (!samePitch)
            tones.append({at, 0, 0, 0, 0});
        HeardTone &tone = tones.last();
        tone.length = at + Window - tone.onset;
        if (full) {
            tone.crossings += crossings;
            ++tone.fullWindows;
            tone.hz = int(std::lround(tone.crossings / 2.0 / (tone.fullWindows * Window)));
        }
    }
    // A single window of another pitch at a tone's edge is the click of its
    // start or end, not a tone of its own.
    for (qsizetype n = tones.size() - 1; n > 0; --n) {
        HeardTone &before = tones[n - 1];
        if (tones.at(n).fullWindows <= 1 && tones.at(n).onset - (before.onset + before.length) < 3 * Window) {
            before.length = tones.at(n).onset + tones.at(n).length - before.onset;
            tones.removeAt(n);
        }
    }
    return tones;
}

// The loudest sample of a recording.
inline int peakOf(const QByteArray &recording)
{
    const auto *samples = reinterpret_cast<const qint16 *>(recording.constData());
    int peak = 0;
    for (qsizetype n = 0; n < recording.size() / 2; ++n)
        peak = std::max(peak, std::abs(int(qFromLittleEndian(samples[n]))));
    return peak;
}
