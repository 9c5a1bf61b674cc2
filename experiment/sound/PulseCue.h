#pragma once

#include "WavSound.h"

#include <pulse/sample.h>

#include <chrono>

struct pa_context;
struct pa_mainloop_api;
struct pa_stream;

// One cue on the sound server, through a connection of its own: made when
// the cue starts, it begins to connect; destroyed, it closes its stream and
// its connection at once, whatever the server is doing. It never waits: it
// only moves on when its main loop has run, and is over when the server
// fails it, when it has not begun to play by its start deadline, or once it
// has played.
class PulseCue
{
public:
    using Clock = std::chrono::steady_clock;

    PulseCue(pa_mainloop_api *loop, const WavSound &sound, Clock::time_point startBy);
    ~PulseCue();
    PulseCue(const PulseCue &) = delete;
    PulseCue &operator=(const PulseCue &) = delete;

    // After the main loop has run: opens the stream once connected and
    // hands the server the samples it asks for. False once the cue is over.
    [[nodiscard]] bool advance(Clock::time_point now);

private:
    bool advanceStream(Clock::time_point now);
    bool openStream();
    void feed();

    const QByteArray samples;
    const pa_sample_spec format;
    Clock::time_point deadline;
    pa_context *context = nullptr;
    pa_stream *stream = nullptr;
    qsizetype written = 0;
    bool playing = false;
};
