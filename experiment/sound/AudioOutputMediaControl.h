#pragma once

#include "CueFileMediaControl.h"

#include <QBuffer>
#include <QTimer>

#include <chrono>
#include <memory>

class QAudioSink;

// Plays a cue on the default audio output. The file is read and checked
// before anything is handed to the audio system. Once a cue has played to
// its end, its stream is released, so the sound device can sleep. The calls
// wait on the audio server: run them off the window's thread
// (ThreadedMediaControl).
class AudioOutputMediaControl final : public CueFileMediaControl
{
public:
    // How long after its last sample a cue's stream is kept: the output
    // still has that much buffered when the sink has taken the last byte.
    static constexpr std::chrono::milliseconds ReleaseDelay{300};

    AudioOutputMediaControl();
    ~AudioOutputMediaControl() override;

    void stop() override;
    void close() override;
    void sound() override;

private:
    std::unique_ptr<QBuffer> samples;
    std::unique_ptr<QAudioSink> sink;
    QTimer release;
};
