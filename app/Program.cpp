#include "Program.h"

#include "AnnouncerReadingAloud.h"
#include "ScreenReaderAnnouncer.h"
#include "SpokenText.h"
#include "WindowPlacement.h"

namespace {

std::unique_ptr<Announcer> toldTo(std::unique_ptr<Announcer> screenReader, ReadAloud *voice)
{
    if (!voice)
        return screenReader;
    return std::make_unique<AnnouncerReadingAloud>(std::move(screenReader), *voice);
}

} // namespace

Program::Program(const ProgramSeams &seams)
    : window(seams.timers)
    , record(window)
    , dice(record, window, seams.clock, seams.random)
    , cues(seams.media)
    , windows(window, record, seams.exitQuestion, activations, seams.readAloud)
    , controller(window, record, dice, cues, windows)
    , announcer(toldTo(screenReaderAnnouncer(window), seams.readAloud))
    , results(record, window, *announcer)
{
    if (seams.store) {
        keeper.emplace(record, *seams.store);
        restored = keeper->restore();
        if (restored)
            controller.experimentRestored();
    }
    QObject::connect(&window, &ExperimentWindow::fired, &window, [this](Control control) {
        controller.handle(control);
        results.afterHandling(control);
        if (keeper)
            keeper->afterHandling();
    });
    activations.track(&window, [this] { controller.Form_Activate(); });
}

void Program::start()
{
    WindowPlacement::show(window);
    window.activateWindow();
    if (restored)
        announcer->announce(SpokenText::experimentRestored(record));
}
