#include "Program.h"

#include "ScreenReaderAnnouncer.h"
#include "WindowPlacement.h"

Program::Program(const ProgramSeams &seams)
    : window(seams.timers)
    , record(window)
    , dice(record, window, seams.clock, seams.random)
    , cues(seams.media)
    , windows(window, record, seams.exitQuestion, activations)
    , controller(window, record, dice, cues, windows)
    , announcer(screenReaderAnnouncer(window))
    , results(record, window, *announcer)
{
    QObject::connect(&window, &ExperimentWindow::fired, &window, [this](Control control) {
        controller.handle(control);
        results.afterHandling(control);
    });
    activations.track(&window, [this] { controller.Form_Activate(); });
}

void Program::start()
{
    WindowPlacement::show(window);
    window.activateWindow();
}
