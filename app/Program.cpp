#include "Program.h"

#include <array>

namespace {

using Handler = void (ExperimentController::*)();

// The handler of each control, in the order of Control.
constexpr std::array<Handler, AllControls.size()> Handlers{
    &ExperimentController::Command1_Click, &ExperimentController::Command2_Click,
    &ExperimentController::Command3_Click, &ExperimentController::Command4_Click,
    &ExperimentController::Command5_Click, &ExperimentController::Command6_Click,
    &ExperimentController::Command7_Click, &ExperimentController::Command8_Click,
    &ExperimentController::Timer1_Timer,   &ExperimentController::Timer2_Timer,
    &ExperimentController::Timer3_Timer,
};

} // namespace

Program::Program(const ProgramSeams &seams)
    : window(seams.timers)
    , record(window)
    , dice(record, window, seams.clock, seams.random)
    , cues(seams.media)
    , windows(window, record, seams.exitQuestion, activations)
    , controller(window, record, dice, cues, windows)
{
    QObject::connect(&window, &ExperimentWindow::fired, &window, [this](Control control) { handle(control); });
    activations.track(&window, [this] { controller.Form_Activate(); });
}

void Program::start()
{
    window.show();
    window.activateWindow();
}

void Program::handle(Control control)
{
    (controller.*Handlers.at(std::size_t(control)))();
}
