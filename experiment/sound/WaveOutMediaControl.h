#pragma once

#include "MediaControl.h"
#include "WavSound.h"

#include <QString>
#include <QTimer>

#include <memory>
#include <optional>

// Plays a cue through the wave output of the Windows multimedia system,
// which takes a file's own PCM format and converts it to the device's. Opening
// reads the whole file and checks it (readCueFile). Once a cue has played to
// its end, the device is closed again, so it can sleep. The calls may wait on
// the audio service: run them off the window's thread (ThreadedMediaControl).
class WaveOutMediaControl final : public MediaControl
{
public:
    WaveOutMediaControl();
    ~WaveOutMediaControl() override;

    void stop() override;
    void close() override;
    void setFileName(const QString &name) override;
    void open() override;
    void sound() override;

private:
    struct Device;

    QString fileName;
    std::optional<WavSound> cue;
    std::unique_ptr<Device> device;
    QTimer release;
};
