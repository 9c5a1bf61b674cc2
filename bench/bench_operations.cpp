// Times the program's hot paths on the offscreen platform and prints one
// line per figure: "name value unit", each value the median of its samples.
#include "DrawingSurface.h"
#include "ExperimentState.h"
#include "GraphWindow.h"
#include "HelpWindow.h"
#include "ManualTimerFactory.h"
#include "MemoryExperimentStore.h"
#include "MixingRandomGenerator.h"
#include "Program.h"
#include "QtTimerFactory.h"
#include "ReadAloud.h"
#include "ReadAloudForm.h"
#include "RecordingLabelDisplay.h"
#include "RecordingMediaControl.h"
#include "ScriptedClock.h"
#include "ScriptedExitQuestion.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QPushButton>
#include <QTimer>
#include <QTest>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

double median(std::vector<double> samples)
{
    std::sort(samples.begin(), samples.end());
    return samples.at(samples.size() / 2);
}

double microseconds(const std::function<void()> &work)
{
    QElapsedTimer clock;
    clock.start();
    work();
    return double(clock.nsecsElapsed()) / 1000.0;
}

void report(const char *name, double value, const char *unit)
{
    std::printf("%s %.3f %s\n", name, value, unit);
    std::fflush(stdout);
}

struct Fakes {
    ScriptedClock clock;
    MixingRandomGenerator random{11};
    RecordingMediaControl media;
    ScriptedExitQuestion exitQuestion;
};

// The page's voice up to the handover: the text cut into utterances in
// their spoken form, as the program hands them to the page.
class CuttingReadAloud final : public ReadAloud
{
public:
    void read(const QString &text) override { utterances += ReadAloudForm::utterances(text).size(); }
    void stop() override {}

    qsizetype utterances = 0;
};

// The program on screen with fakes for everything but the timers; given a
// store, it keeps the experiment as the page does, and given a voice, it
// reads aloud.
template<typename Timers> struct ShownProgram {
    explicit ShownProgram(ExperimentStore *store = nullptr, ReadAloud *voice = nullptr)
        : program({fakes.clock, fakes.random, fakes.media, timers, fakes.exitQuestion, store, voice})
    {
        program.start();
        if (!QTest::qWaitForWindowExposed(&program.experimentWindow()))
            qFatal("the experiment window never showed");
    }

    Fakes fakes;
    Timers timers;
    Program program;
};

void click(Program &program, const QString &name)
{
    QTest::mouseClick(program.experimentWindow().findChild<QPushButton *>(name), Qt::LeftButton);
}

// One automatic tick: count, two rolls, record, 39 label updates, then the
// repaint that follows them; in the browser also the kept form handed to the
// page, about 1000 characters long on average over the run. Reading aloud,
// the ticks that reach a hundredth throw hand its sentence over; their
// median is reported apart.
double automaticTick(ExperimentStore *store = nullptr, ReadAloud *voice = nullptr)
{
    ShownProgram<ManualTimerFactory> shown(store, voice);
    Program &program = shown.program;
    ManualTimerFactory &timers = shown.timers;
    click(program, u"Command1"_s);
    QCoreApplication::processEvents();

    std::vector<double> ticks;
    std::vector<double> hundredths;
    std::vector<double> idle;
    for (int n = 0; n < 990; ++n) {
        const double tick = microseconds([&] {
            timers.created.at(2)->tick();
            QCoreApplication::processEvents();
        });
        (program.experimentRecord().ThrowCount() % 100 == 0 ? hundredths : ticks).push_back(tick);
        idle.push_back(microseconds([] { QCoreApplication::processEvents(); }));
    }
    if (!store && !voice)
        report("idle_event_loop_pass_us", median(idle), "us");
    if (voice)
        report("automatic_tick_hundredth_read_aloud_us", median(hundredths), "us");
    return median(ticks);
}

// The rhythm of a real automatic run: 100 ticks of the 100 ms timer.
void cadence()
{
    ShownProgram<QtTimerFactory> shown;
    Program &program = shown.program;
    QElapsedTimer clock;
    click(program, u"Command1"_s);
    clock.start();
    while (program.experimentRecord().ThrowCount() < 100)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    report("cadence_100_ticks_ms", double(clock.nsecsElapsed()) / 1e6, "ms");
}

void drawGraph()
{
    RecordingLabelDisplay labels;
    ExperimentRecord record(labels);
    MixingRandomGenerator random(3);
    for (int n = 0; n < MAX_THROWS; ++n) {
        record.storeFace(Die::Large, qint16(1 + random.next() * 6));
        record.storeFace(Die::Small, qint16(1 + random.next() * 6));
        record.CountThrow();
        record.RecordThrow();
    }
    GraphWindow window(record);
    std::vector<double> samples;
    for (int n = 0; n < 50; ++n)
        samples.push_back(microseconds([&] { window.DrawGraph(); }));
    report("draw_graph_1000_us", median(samples), "us");
}

void helpRedraw()
{
    HelpWindow window;
    std::vector<double> samples;
    for (int n = 0; n < 50; ++n)
        samples.push_back(microseconds([&] { window.showHelpText(); }));
    report("help_redraw_us", median(samples), "us");
}

// Two seconds in Ready with the real timers: none of ours may tick.
void idleInReady()
{
    ShownProgram<QtTimerFactory> shown;
    Program &program = shown.program;
    QTest::qWait(100);
    int ticks = 0;
    QObject::connect(&program.experimentWindow(), &ExperimentWindow::fired, [&](Control control) {
        ticks += control >= Control::Timer1 ? 1 : 0;
    });
    rusage before{};
    rusage after{};
    // A bare event loop sleeps until its one timer; qWait would poll.
    QEventLoop loop;
    QTimer::singleShot(2000, &loop, &QEventLoop::quit);
    getrusage(RUSAGE_SELF, &before);
    loop.exec();
    getrusage(RUSAGE_SELF, &after);
    const auto cpu = [](const rusage &usage) {
        return usage.ru_utime.tv_sec * 1e3 + usage.ru_utime.tv_usec / 1e3 + usage.ru_stime.tv_sec * 1e3
               + usage.ru_stime.tv_usec / 1e3;
    };
    report("idle_timer_ticks_2s", ticks, "ticks");
    report("idle_cpu_2s_ms", cpu(after) - cpu(before), "ms");
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QStringList only = app.arguments().mid(1);
    const auto wanted = [&](const QString &name) { return only.isEmpty() || only.contains(name); };
    if (wanted(u"tick"_s)) {
        // The first program of a process fills the caches of glyphs and
        // pictures, which would weigh on whichever tick is measured first.
        automaticTick();
        report("automatic_tick_us", automaticTick(), "us");
        MemoryExperimentStore page;
        report("automatic_tick_kept_us", automaticTick(&page), "us");
        CuttingReadAloud voice;
        report("automatic_tick_read_aloud_us", automaticTick(nullptr, &voice), "us");
    }
    if (wanted(u"graph"_s))
        drawGraph();
    if (wanted(u"help"_s))
        helpRedraw();
    if (wanted(u"idle"_s))
        idleInReady();
    if (wanted(u"cadence"_s))
        cadence();
    return 0;
}
