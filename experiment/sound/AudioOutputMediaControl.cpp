#include "AudioOutputMediaControl.h"

#include <QAudioSink>
#include <QMediaDevices>

namespace {

QAudioFormat::SampleFormat sampleFormatOf(WavSound::Encoding encoding)
{
    switch (encoding) {
    case WavSound::Encoding::UnsignedInt8:
        return QAudioFormat::UInt8;
    case WavSound::Encoding::SignedInt16:
        return QAudioFormat::Int16;
    case WavSound::Encoding::SignedInt32:
        return QAudioFormat::Int32;
    case WavSound::Encoding::Float32:
        return QAudioFormat::Float;
    }
    return QAudioFormat::Unknown;
}

} // namespace

AudioOutputMediaControl::AudioOutputMediaControl()
{
    release.setSingleShot(true);
    release.callOnTimeout([this] { close(); });
}

AudioOutputMediaControl::~AudioOutputMediaControl()
{
    close();
}

void AudioOutputMediaControl::stop()
{
    if (sink)
        sink->stop();
}

void AudioOutputMediaControl::close()
{
    release.stop();
    cue.reset();
    // Taken out first: ending a stream may run the thread's events, and with
    // them the next cue, which must find nothing of this one.
    std::unique_ptr<QAudioSink> endingSink = std::move(sink);
    std::unique_ptr<QBuffer> endingSamples = std::move(samples);
    endingSink.reset(); // before the samples it reads
}

void AudioOutputMediaControl::sound()
{
    // Without an output device there is nothing to play on; asking Qt anyway
    // would only print a warning.
    const QAudioDevice output = QMediaDevices::defaultAudioOutput();
    if (!cue || output.isNull())
        return;

    QAudioFormat format;
    format.setSampleRate(cue->sampleRate);
    format.setChannelCount(cue->channels);
    format.setSampleFormat(sampleFormatOf(cue->encoding));

    samples = std::make_unique<QBuffer>();
    samples->setData(cue->samples);
    samples->open(QIODevice::ReadOnly);
    sink = std::make_unique<QAudioSink>(output, format);
    sink->start(samples.get());
    const std::chrono::microseconds length(format.durationForBytes(qint32(samples->size())));
    release.start(std::chrono::duration_cast<std::chrono::milliseconds>(length) + ReleaseDelay);
}
