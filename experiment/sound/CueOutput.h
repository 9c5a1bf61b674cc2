#pragma once

#include "MediaControl.h"

#include <chrono>
#include <memory>

// How long after its last sample a cue's stream is kept: the output still
// has that much buffered when the last byte has been taken.
inline constexpr std::chrono::milliseconds CueReleaseDelay{300};

// A cue that cannot start within this time of its click stays silent,
// rather than sounding long after its button.
inline constexpr std::chrono::milliseconds CueStartPatience{2000};

// The player of cues on the sound system of the platform the program runs
// on. On the desktop its calls may wait on that system: run it off the
// window's thread (ThreadedMediaControl). The browser's audio never waits.
std::unique_ptr<MediaControl> makeCueOutput();
