#include "PulseMediaControl.h"

#include <pulse/mainloop.h>

using namespace std::chrono;

namespace {

// The longest the thread waits for the server at a time; a command handed
// to the thread meanwhile waits as long.
constexpr milliseconds Slice{10};

// One turn of the loop: waits for the server at most `longest`, then runs
// what has come in.
void turn(pa_mainloop *loop, microseconds longest)
{
    if (pa_mainloop_prepare(loop, int(longest.count())) >= 0 && pa_mainloop_poll(loop) >= 0)
        pa_mainloop_dispatch(loop);
}

} // namespace

PulseMediaControl::PulseMediaControl()
    : loop(pa_mainloop_new())
{
    pumping.callOnTimeout([this] { pump(); });
}

PulseMediaControl::~PulseMediaControl()
{
    end();
    if (loop)
        pa_mainloop_free(loop);
}

void PulseMediaControl::stop()
{
    end();
}

void PulseMediaControl::close()
{
    end();
    cue.reset();
}

void PulseMediaControl::sound()
{
    if (!cue || !loop)
        return;
    current.emplace(pa_mainloop_get_api(loop), *cue, PulseCue::Clock::now() + StartPatience);
    pumping.start();
}

void PulseMediaControl::pump()
{
    turn(loop, Slice);
    if (!current->advance(PulseCue::Clock::now()))
        end();
}

void PulseMediaControl::end()
{
    if (!current)
        return;
    pumping.stop();
    current.reset();
    // Lets the loop free what the connection left in it.
    turn(loop, 0us);
}
