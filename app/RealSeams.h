#pragma once

#include "ExitQuestion.h"
#include "MixingRandomGenerator.h"
#include "Program.h"
#include "QtTimerFactory.h"
#include "SystemTimeOfDayClock.h"
#include "ThreadedMediaControl.h"

class QApplication;

// The outside world as the program meets it when a pupil runs it.
struct RealSeams {
    RealSeams();

    ProgramSeams seams() { return {clock, random, media, timers, exitQuestion}; }

    // Lets the cue thread release the sound device once the program is
    // over. Where the sound server holds that thread, the process ends here
    // at once: nothing is left to save, and a pupil's exit must not hang.
    void releaseSound(int exitStatus);

    SystemTimeOfDayClock clock;
    MixingRandomGenerator random;
    ThreadedMediaControl media;
    QtTimerFactory timers;
    MessageBoxExitQuestion exitQuestion;
};

// The cue output of this platform. Make it on the thread that plays the cues.
std::unique_ptr<MediaControl> makeCueOutput();

// Application-wide settings made once at start-up, before any window exists.
void prepareApplication(QApplication &app);
