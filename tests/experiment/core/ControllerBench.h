#pragma once

#include "CuePlayer.h"
#include "Dice.h"
#include "ExperimentController.h"
#include "ExperimentRecord.h"
#include "ExperimentState.h"
#include "RecordingAnnouncer.h"
#include "RecordingControlFlags.h"
#include "RecordingFaceDisplay.h"
#include "RecordingLabelDisplay.h"
#include "RecordingMediaControl.h"
#include "RecordingWindows.h"
#include "ResultAnnouncer.h"
#include "ScriptedClock.h"
#include "ScriptedRandom.h"

#include <QTest>

#include <QStringList>

// The experiment window's logic with every outside thing faked.
struct Bench {
    RecordingLabelDisplay labels;
    ExperimentRecord record{labels};
    RecordingFaceDisplay faces;
    ScriptedClock clock;
    ScriptedRandom random;
    Dice dice{record, faces, clock, random};
    RecordingMediaControl media;
    CuePlayer cues{media};
    RecordingControlFlags flags;
    RecordingWindows windows{media.commands};
    ExperimentController controller{flags, record, dice, cues, windows};
    RecordingAnnouncer spoken;
    ResultAnnouncer results{record, flags, spoken};

    // Every draw r gives face floor(6r + 1): 0.0 -> 1, 0.5 -> 4, 0.9 -> 6.
    void queueDraws(int count, double draw = 0.5)
    {
        for (int n = 0; n < count; ++n)
            random.values.append(draw);
    }

    // Throw, one tick of each die, stop.
    void throwByHand()
    {
        controller.Command8_Click();
        controller.Timer1_Timer();
        controller.Timer2_Timer();
        controller.Command2_Click();
    }

    // Brings the record to `throws` by an automatic run, then stops it.
    void runAutomatically(int throws)
    {
        queueDraws(2 * throws);
        controller.Command1_Click();
        for (int n = 0; n < throws; ++n)
            controller.Timer3_Timer();
        controller.Command3_Click();
    }

    void forgetWrites()
    {
        flags.writes.clear();
        media.commands.clear();
        labels.writes.clear();
    }

    std::optional<ExperimentState> state() const { return stateOf(flags); }
};

// Runs a handler by its name: "Form_Activate", "Command1_Click" …, and
// tells what it did, as the program does.
inline void run(Bench &bench, const QString &event)
{
    if (event == QStringLiteral("Form_Activate"))
        return bench.controller.Form_Activate();
#define ZERUBINO_HANDLER_NAME(control, event) QStringLiteral(#control "_" #event),
    static const QStringList handlerNames{ZERUBINO_CONTROLS(ZERUBINO_HANDLER_NAME)};
#undef ZERUBINO_HANDLER_NAME
    const qsizetype control = handlerNames.indexOf(event);
    QVERIFY2(control >= 0, qPrintable(event));
    bench.controller.handle(Control(control));
    bench.results.afterHandling(Control(control));
}
