#pragma once

#include "CueFileMediaControl.h"

// Plays a cue through the browser's audio. Nothing here waits: the browser
// starts the sound when it can, so the calls are made on the window's thread
// (a page has no other). A browser that refuses sound, or lets it start only
// after the patience of a cue, leaves the cue silent; an interrupted or
// stalled audio is replaced on the next cue. Once a cue has
// played, the audio is suspended, so the device can sleep.
class WebAudioMediaControl final : public CueFileMediaControl
{
public:
    ~WebAudioMediaControl() override;

    void stop() override;
    void close() override;
    void sound() override;
};
