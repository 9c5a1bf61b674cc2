#pragma once

#include "CueFileMediaControl.h"

#include <QTimer>

#include <memory>

// Plays a cue through the wave output of the Windows multimedia system,
// which takes a file's own PCM format and converts it to the device's. Once
// a cue has played to its end, the device is closed again, so it can sleep.
// The calls may wait on the audio service: run them off the window's thread
// (ThreadedMediaControl).
class WaveOutMediaControl final : public CueFileMediaControl
{
public:
    WaveOutMediaControl();
    ~WaveOutMediaControl() override;

    void stop() override;
    void close() override;
    void sound() override;

private:
    struct Device;

    std::unique_ptr<Device> device;
    QTimer release;
};
