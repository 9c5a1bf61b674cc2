#pragma once

#include "ExitQuestion.h"
#include "MixingRandomGenerator.h"
#include "Program.h"
#include "QtTimerFactory.h"
#include "AudioOutputMediaControl.h"
#include "SystemTimeOfDayClock.h"

class QApplication;

// The outside world as the program meets it when a pupil runs it.
struct RealSeams {
    RealSeams();

    ProgramSeams seams() { return {clock, random, media, timers, exitQuestion}; }

    SystemTimeOfDayClock clock;
    MixingRandomGenerator random;
    AudioOutputMediaControl media;
    QtTimerFactory timers;
    MessageBoxExitQuestion exitQuestion;
};

// Application-wide settings made once at start-up, before any window exists.
void prepareApplication(QApplication &app);
