#pragma once

#include "MediaControl.h"
#include "PulseCue.h"
#include "ThreadedMediaControl.h"
#include "WavSound.h"

#include <QString>
#include <QTimer>

#include <chrono>
#include <optional>

struct pa_mainloop;

// Plays a cue on the sound server (PulseAudio, or PipeWire's pulse server),
// each cue through a connection of its own (PulseCue), so that the next cue
// meets a server that restarted as it is now. Opening reads and checks the
// whole file (readCueFile): a missing or foreign file stays silent.
// The connections run on a main loop of this control's own, which the
// thread's event loop turns while a cue is under way, waiting for the server
// one short slice at a time. So no call waits on the server for longer, a
// stall holds up neither the thread nor the next cue, and a cue that cannot
// start within the patience is ended, leaving nothing behind. Reading the
// file and the sound library's settings may still wait on the disk: run it
// off the window's thread (ThreadedMediaControl).
class PulseMediaControl final : public MediaControl
{
public:
    static constexpr std::chrono::milliseconds StartPatience = ThreadedMediaControl::DefaultPatience;
    static constexpr std::chrono::milliseconds Slice{10};

    PulseMediaControl();
    ~PulseMediaControl() override;

    void stop() override;
    void close() override;
    void setFileName(const QString &name) override;
    void open() override;
    void sound() override;

private:
    void pump();
    void end();

    QString fileName;
    std::optional<WavSound> cue;
    pa_mainloop *const loop;
    std::optional<PulseCue> current;
    QTimer pumping;
};
