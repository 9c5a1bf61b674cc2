#pragma once

#include "MediaControl.h"
#include "WavSound.h"

#include <QBuffer>
#include <QString>
#include <QTimer>

#include <memory>
#include <optional>

class QAudioSink;

// Plays a cue on the default audio output of Qt Multimedia. Opening reads
// the whole file and checks it (readCueFile). Once a cue has played to its
// end, its stream is released, so the sound device can sleep. The calls wait
// on the audio server: run them off the window's thread (ThreadedMediaControl).
class AudioOutputMediaControl final : public MediaControl
{
public:
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
