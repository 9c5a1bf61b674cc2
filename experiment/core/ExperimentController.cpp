#include "ExperimentController.h"

#include "CueFiles.h"
#include "CuePlayer.h"
#include "Dice.h"
#include "ExperimentRecord.h"
#include "ExperimentWindows.h"

using enum Control;

ExperimentController::ExperimentController(ControlFlags &controlFlags, ExperimentRecord &experimentRecord,
                                           Dice &experimentDice, CuePlayer &cuePlayer,
                                           ExperimentWindows &programWindows)
    : flags(controlFlags)
    , record(experimentRecord)
    , dice(experimentDice)
    , cues(cuePlayer)
    , windows(programWindows)
{
}

void ExperimentController::handle(Control control)
{
    using Handler = void (ExperimentController::*)();
#define ZERUBINO_CONTROL_HANDLER(control, event) &ExperimentController::control##_##event,
    static constexpr std::array<Handler, AllControls.size()> Handlers{ZERUBINO_CONTROLS(ZERUBINO_CONTROL_HANDLER)};
#undef ZERUBINO_CONTROL_HANDLER
    (this->*Handlers.at(std::size_t(control)))();
}

bool ExperimentController::experimentHasRoom() const
{
    return record.ThrowCount() < MAX_THROWS;
}

void ExperimentController::Form_Activate()
{
    // Reachable from the open help window while the dice tumble or a run
    // goes on: disabling the stop buttons then would leave the timers
    // running with no way to stop them.
    if (flags.isControlEnabled(Timer1) || flags.isControlEnabled(Timer2) || flags.isControlEnabled(Timer3))
        return;

    dice.ShowInitialFaces();
    set(Command2, false);
    set(Command3, false);
    set(Command6, true);
}

void ExperimentController::experimentRestored()
{
    const bool roomLeft = experimentHasRoom();
    set(Command1, roomLeft);
    set(Command8, roomLeft);
}

void ExperimentController::Command8_Click()
{
    set(Timer1, true);
    set(Timer2, true);

    set(Command8, false);
    set(Command2, true);
    set(Command1, false);
    set(Command4, false);
    set(Command5, false);
    set(Command6, false);
    set(Command7, false);
}

void ExperimentController::Timer1_Timer()
{
    dice.RollFace(Die::Large);
}

void ExperimentController::Timer2_Timer()
{
    dice.RollFace(Die::Small);
}

void ExperimentController::Command2_Click()
{
    record.CountThrow();

    set(Timer1, false);
    set(Timer2, false);

    // The experiment is MAX_THROWS long: once it is full only reset starts
    // a new one, exactly as at the end of an automatic run.
    const bool roomLeft = experimentHasRoom();
    set(Command1, roomLeft);
    set(Command2, false);
    set(Command4, true);
    set(Command5, true);
    set(Command6, true);
    set(Command7, true);
    set(Command8, roomLeft);

    record.RecordThrow();
}

void ExperimentController::Command1_Click()
{
    set(Command1, false);
    set(Command2, false);
    set(Command3, true);
    set(Command4, false);
    set(Command5, false);
    set(Command6, false);
    set(Command7, false);
    set(Command8, false);

    set(Timer3, true);
}

void ExperimentController::Timer3_Timer()
{
    if (experimentHasRoom()) {
        record.CountThrow();
        dice.RollFace(Die::Large);
        dice.RollFace(Die::Small);
        record.RecordThrow();
        return;
    }

    set(Command3, false);
    set(Command1, false);
    set(Command4, true);
    set(Command5, true);
    set(Command6, true);
    set(Command7, true);
    set(Command8, false);

    set(Timer3, false);
}

void ExperimentController::Command3_Click()
{
    const bool roomLeft = experimentHasRoom();
    set(Command1, roomLeft);
    set(Command3, false);
    set(Command4, true);
    set(Command5, true);
    set(Command6, true);
    set(Command7, true);
    set(Command8, roomLeft);

    set(Timer3, false);
}

void ExperimentController::Command5_Click()
{
    cues.PlayCue(CueFiles::Acknowledge);
    record.ResetExperiment();

    set(Command1, true);
    set(Command8, true);
    set(Command5, true);
    set(Command7, true);
    set(Command4, true);
    set(Command6, false);
    set(Command3, false);
    set(Command2, false);
}

void ExperimentController::Command6_Click()
{
    windows.hideExperimentWindow();
    windows.showGraphWindow();
}

void ExperimentController::Command7_Click()
{
    cues.PlayCue(CueFiles::Acknowledge);
    windows.showHelpWindow();
}

void ExperimentController::Command4_Click()
{
    cues.PlayCue(CueFiles::Farewell);
    windows.confirmExit([this](bool yes) {
        if (yes)
            windows.endProgram();
    });
}
