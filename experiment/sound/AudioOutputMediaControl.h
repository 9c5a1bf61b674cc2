#pragma once

#include "MediaControl.h"
#include "WavSound.h"

#include <QBuffer>
#include <QString>
#include <QTimer>

#include <chrono>

#include <memory>
#include <optional>

class QAudioSink;

// Plays a cue on the default audio output. Opening reads the whole file
// (readCueFile) and checks it before anything is handed to the audio system,
// so a missing, empty, cut-short or foreign file simply stays silent. Once a
// cue has played to its end, its stream is released, so the sound device can
// sleep. The calls wait on the audio server: run them off the window's
// thread (ThreadedMediaControl).
class AudioOutputMediaControl final : public MediaControl
{
public:
    // How long after its last sample a cue's stream is kept: the output
    // still has that much buffered when the sink has taken the last byte.
    static constexpr std::chrono::milliseconds ReleaseDelay{300};

    AudioOutputMediaControl();
    ~AudioOutputMediaControl() override;

    void stop() override;
    void close() override;
    void setFileName(const QString &name) override;
    void open() override;
    void sound() override;

private:
    QString fileName;
    std::optional<WavSound> cue;
    std::unique_ptr<QBuffer> samples;
    std::unique_ptr<QAudioSink> sink;
    QTimer release;
};
