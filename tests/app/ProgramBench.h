#pragma once

#include "ExperimentState.h"
#include "ManualTimerFactory.h"
#include "MixingRandomGenerator.h"
#include "Program.h"
#include "RecordingMediaControl.h"
#include "ScriptedClock.h"
#include "ScriptedExitQuestion.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>

// The program's visible window of a kind, if there is one.
template<typename Window> Window *openWindow()
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (auto *window = qobject_cast<Window *>(widget); window && window->isVisible())
            return window;
    }
    return nullptr;
}

// How many top-level windows of a kind there are, shown or not.
template<typename Window> int windowCount()
{
    int count = 0;
    for (QWidget *widget : QApplication::topLevelWidgets())
        count += qobject_cast<Window *>(widget) ? 1 : 0;
    return count;
}

inline void clickChild(QWidget *window, const QString &name)
{
    QTest::mouseClick(window->findChild<QPushButton *>(name), Qt::LeftButton);
}

// The real program with fakes for the clock, the random source, the sound,
// the timers and the exit question; the sound may be a real one, and the
// page's keeping of the experiment a fake one.
struct ProgramBench {
    ProgramBench()
        : ProgramBench(nullptr)
    {
    }
    explicit ProgramBench(MediaControl *sound, ExperimentStore *store = nullptr)
        : program({clock, random, sound ? *sound : media, timers, exitQuestion, store})
    {
    }

    ScriptedClock clock;
    MixingRandomGenerator random{0xbe9c};
    RecordingMediaControl media;
    ManualTimerFactory timers;
    ScriptedExitQuestion exitQuestion;
    Program program;

    ExperimentWindow &form1() { return program.experimentWindow(); }

    // The named state the experiment window's flags form, if any.
    std::optional<ExperimentState> state() { return stateOf(form1()); }

    // Shows the program and waits for its first activation.
    void start()
    {
        program.start();
        QVERIFY(QTest::qWaitForWindowActive(&form1()));
    }

    QPushButton *button(Control control)
    {
        return form1().findChild<QPushButton *>(controlName(control));
    }

    QString text(const QString &label) { return form1().findChild<QLabel *>(label)->text(); }

    void click(Control control) { QTest::mouseClick(button(control), Qt::LeftButton); }

    bool tick(Control timer)
    {
        clock.now += 0.05f;
        return timers.created.at(int(timer) - int(Control::Timer1))->tick();
    }

    int shownFace(Die die)
    {
        int shown = 0;
        for (int face = 1; face <= 6; ++face) {
            const auto *picture = form1().findChild<QWidget *>(
                QStringLiteral("Image%1(%2)").arg(die == Die::Large ? 1 : 2).arg(face));
            if (picture->isVisible())
                shown = shown == 0 ? face : -1;
        }
        return shown;
    }
};
