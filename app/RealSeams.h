#pragma once

#include "ExitQuestion.h"
#include "MixingRandomGenerator.h"
#include "Program.h"
#include "QtTimerFactory.h"
#include "SystemTimeOfDayClock.h"
#ifdef Q_OS_WASM
#include "MediaControl.h"
#include "PageExperimentStore.h"
#include "PageReadAloud.h"

#include <memory>
#else
#include "ThreadedMediaControl.h"
#endif

class QApplication;

// The outside world as the program meets it when a pupil runs it.
struct RealSeams {
    RealSeams();

    ProgramSeams seams();

    // Lets the cue thread release the sound device once the program is
    // over. Where the sound server holds that thread, the process ends here
    // at once: nothing is left to save, and a pupil's exit must not hang.
    void releaseSound(int exitStatus);

    SystemTimeOfDayClock clock;
    MixingRandomGenerator random;
#ifdef Q_OS_WASM
    // A page has no threads, and the browser's audio never waits.
    const std::unique_ptr<MediaControl> media;
#else
    ThreadedMediaControl media;
#endif
    QtTimerFactory timers;
    MessageBoxExitQuestion exitQuestion;
#ifdef Q_OS_WASM
    // Tablets throw pages away; a desktop keeps its program, and nothing.
    PageExperimentStore store;
    PageReadAloud readAloud;
#endif
};

// Application-wide settings made once at start-up, before any window exists.
void prepareApplication(QApplication &app);
