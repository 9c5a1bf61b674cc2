#pragma once

#include "CueFileMediaControl.h"
#include "PulseCue.h"
#include "ThreadedMediaControl.h"

#include <QTimer>

#include <chrono>
#include <optional>

struct pa_mainloop;

// Plays a cue on the sound server (PulseAudio, or PipeWire's pulse server),
// each cue through a connection of its own (PulseCue), so that the next cue
// meets a server that restarted as it is now. The connections run on a main
// loop of this control's own, which the thread's event loop turns while a
// cue is under way, waiting for the server one short slice at a time. So no
// call waits on the server for longer, a stall holds up neither the thread
// nor the next cue, and a cue that cannot start within the patience is
// ended, leaving nothing behind. Reading the file and the sound library's
// settings may still wait on the disk: run it off the window's thread
// (ThreadedMediaControl).
class PulseMediaControl final : public CueFileMediaControl
{
public:
    static constexpr std::chrono::milliseconds StartPatience = ThreadedMediaControl::DefaultPatience;

    PulseMediaControl();
    ~PulseMediaControl() override;

    void stop() override;
    void close() override;
    void sound() override;

private:
    void pump();
    void end();

    pa_mainloop *const loop;
    std::optional<PulseCue> current;
    QTimer pumping;
};
