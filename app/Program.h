#pragma once

#include "ActivationTracker.h"
#include "Announcer.h"
#include "CuePlayer.h"
#include "Dice.h"
#include "ExperimentController.h"
#include "ExperimentKeeper.h"
#include "ExperimentRecord.h"
#include "ExperimentWindow.h"
#include "ProgramWindows.h"
#include "ResultAnnouncer.h"

#include <memory>
#include <optional>

class ExitQuestion;
class ExperimentStore;
class MediaControl;
class RandomSource;
class ReadAloud;
class TimeOfDayClock;
class TimerFactory;

// Everything the program reaches outside itself; start-up hands in the real
// ones, tests hand in fakes.
struct ProgramSeams {
    const TimeOfDayClock &clock;
    RandomSource &random;
    MediaControl &media;
    TimerFactory &timers;
    ExitQuestion &exitQuestion;
    // Where the page keeps the experiment; the desktop keeps none.
    ExperimentStore *store = nullptr;
    // The page's voice, where its address asks for one; the desktop reads
    // nothing aloud.
    ReadAloud *readAloud = nullptr;
};

// The whole program wired together: the experiment window with its record,
// dice, cues and controller, and the windows it opens.
class Program
{
public:
    explicit Program(const ProgramSeams &seams);

    // Shows the experiment window; its first activation readies it, and a
    // reader hears of an experiment that the page brought back.
    void start();

    // Places the shown windows again on a screen that has changed its size or
    // scale, as the browser's page does when a tablet is turned.
    void fitToScreen() { windows.fitToScreen(); }

    ExperimentWindow &experimentWindow() { return window; }
    const ExperimentRecord &experimentRecord() const { return record; }

private:
    ExperimentWindow window;
    ExperimentRecord record;
    Dice dice;
    CuePlayer cues;
    ProgramWindows windows;
    ExperimentController controller;
    // What the handlers did, told to a screen reader and read aloud.
    const std::unique_ptr<Announcer> announcer;
    ResultAnnouncer results;
    std::optional<ExperimentKeeper> keeper;
    bool restored = false;
    // Declared last, so that it goes first: the windows that close on the
    // way out must run no activation handler of a controller already gone.
    ActivationTracker activations;
};
