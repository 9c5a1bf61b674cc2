#pragma once

#include "Control.h"

class CuePlayer;
class Dice;
class ExperimentRecord;
class ExperimentWindows;

// The behaviour of the experiment window: what each button, timer tick and
// activation does, and which buttons and timers it leaves enabled. It keeps
// no mode of its own; the flags it sets are the state.
class ExperimentController
{
public:
    ExperimentController(ControlFlags &flags, ExperimentRecord &record, Dice &dice, CuePlayer &cues,
                         ExperimentWindows &windows);

    void Form_Activate();
    void Command1_Click(); // auto
    void Command2_Click(); // stop dice
    void Command3_Click(); // stop auto
    void Command4_Click(); // exit
    void Command5_Click(); // reset
    void Command6_Click(); // graph
    void Command7_Click(); // help
    void Command8_Click(); // throw
    void Timer1_Timer();
    void Timer2_Timer();
    void Timer3_Timer();

    // Before the first activation, for an experiment brought back whole: a
    // full one comes back finished, any other ready to go on.
    void experimentRestored();

    // Runs the handler of a control's click or tick.
    void handle(Control control);

private:
    void set(Control control, bool enabled) { flags.setControlEnabled(control, enabled); }
    bool experimentHasRoom() const;

    ControlFlags &flags;
    ExperimentRecord &record;
    Dice &dice;
    CuePlayer &cues;
    ExperimentWindows &windows;
};
