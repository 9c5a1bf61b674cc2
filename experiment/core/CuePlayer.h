#pragma once

#include <QString>

class MediaControl;

// Plays the short acknowledgement sounds of the reset, help and exit buttons.
// A new cue always cuts off the one before it.
class CuePlayer
{
public:
    explicit CuePlayer(MediaControl &control);

    // fileName is a bare name, looked up in the working directory. Nothing is
    // reported back: a cue that cannot sound is simply silent.
    void PlayCue(const QString &fileName);

private:
    MediaControl &control;
};
