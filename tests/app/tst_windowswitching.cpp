#include "DrawingSurface.h"
#include "ExperimentStatePrinting.h"
#include "GraphWindow.h"
#include "HelpWindow.h"
#include "LabelNames.h"
#include "ProgramBench.h"

#include <QApplication>

using namespace Qt::StringLiterals;

// The graph and help windows opened, closed and switched to, and what each
// switch does to the experiment window.
// How a pupil closes the graph window.
enum class Closing { Button, Frame, Escape };
Q_DECLARE_METATYPE(Closing)

class WindowSwitchingTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<ProgramBench> bench;

private slots:
    void init() { bench = std::make_unique<ProgramBench>(); }
    void cleanup()
    {
        bench.reset();
        QTRY_COMPARE(windowCount<GraphWindow>(), 0); // closed graph windows are deleted later
    }

    void graphHidesAndRestoresTheExperimentWindow_data()
    {
        QTest::addColumn<Closing>("closing");
        QTest::newRow("close button") << Closing::Button;
        QTest::newRow("frame close box") << Closing::Frame;
        QTest::newRow("Escape key") << Closing::Escape;
    }

    void graphHidesAndRestoresTheExperimentWindow()
    {
        QFETCH(Closing, closing);
        bench->start();
        bench->click(Control::Command8);
        bench->tick(Control::Timer1);
        bench->tick(Control::Timer2);
        bench->click(Control::Command2);

        bench->click(Control::Command6);
        QVERIFY(!bench->form1().isVisible());
        GraphWindow *graph = openWindow<GraphWindow>();
        QVERIFY(graph);
        QVERIFY(QTest::qWaitForWindowActive(graph));
        QVERIFY(bench->media.commands.isEmpty());
        // The graph itself has the focus, so that a reader tells it first.
        QCOMPARE(QApplication::focusWidget(), graph->findChild<QWidget *>(u"Picture1"_s));

        if (closing == Closing::Frame)
            graph->close();
        else if (closing == Closing::Escape)
            QTest::keyClick(graph, Qt::Key_Escape);
        else
            clickChild(graph, u"Command1"_s);

        QVERIFY(QTest::qWaitForWindowActive(&bench->form1()));
        QCOMPARE(openWindow<GraphWindow>(), nullptr);
        QCOMPARE(bench->shownFace(Die::Large), 1);
        QCOMPARE(bench->shownFace(Die::Small), 1);
        QCOMPARE(bench->state(), ExperimentState::Ready);
        QCOMPARE(bench->text(LabelNames::ThrowCount), u"1"_s);
    }

    void theGraphIsDrawnOnOpeningAndStartsWhiteEveryTime()
    {
        bench->start();
        bench->click(Control::Command1);
        for (int n = 0; n < 30; ++n)
            bench->tick(Control::Timer3);
        bench->click(Control::Command3);

        bench->click(Control::Command6);
        GraphWindow *graph = openWindow<GraphWindow>();
        QVERIFY(QTest::qWaitForWindowActive(graph));
        GraphWindow reference(bench->program.experimentRecord());
        reference.DrawGraph();
        QCOMPARE(graph->surface().image(), reference.surface().image());
        clickChild(graph, u"Command1"_s);
        QVERIFY(QTest::qWaitForWindowActive(&bench->form1()));

        // After a reset the new window shows only the new, empty record.
        bench->click(Control::Command5);
        bench->form1().activateWindow(); // Cleared leaves the graph button off
        bench->click(Control::Command7);
        HelpWindow *help = openWindow<HelpWindow>();
        QVERIFY(QTest::qWaitForWindowActive(help));
        QTest::keyClick(help, Qt::Key_Escape); // as its close button does
        QTRY_VERIFY(bench->button(Control::Command6)->isEnabled());
        bench->click(Control::Command6);
        graph = openWindow<GraphWindow>();
        QVERIFY(QTest::qWaitForWindowActive(graph));
        GraphWindow emptyReference(bench->program.experimentRecord());
        emptyReference.DrawGraph();
        QCOMPARE(graph->surface().image(), emptyReference.surface().image());
    }

    void helpShowsOneCopyOfItsTextAfterManySwitches()
    {
        bench->start();
        bench->click(Control::Command7);
        HelpWindow *help = openWindow<HelpWindow>();
        QVERIFY(QTest::qWaitForWindowActive(help));
        for (int n = 0; n < 4; ++n) {
            bench->form1().activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&bench->form1()));
            help->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(help));
        }
        // Pressing help again while it is open: the cue again, the same window.
        bench->media.commands.clear();
        bench->form1().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&bench->form1()));
        bench->click(Control::Command7);
        QVERIFY(QTest::qWaitForWindowActive(help));
        QCOMPARE(bench->media.commands.size(), 5);
        QCOMPARE(windowCount<HelpWindow>(), 1);

        HelpWindow reference;
        reference.showHelpText();
        QCOMPARE(help->surface().image(), reference.surface().image());
    }

    void helpStaysBesideTheExperimentWindow()
    {
        bench->start();
        bench->click(Control::Command5); // Cleared: the graph button is off
        bench->media.commands.clear();

        bench->click(Control::Command7);
        HelpWindow *help = openWindow<HelpWindow>();
        QVERIFY(help);
        QVERIFY(QTest::qWaitForWindowActive(help));
        QVERIFY(bench->form1().isVisible());
        QCOMPARE(bench->media.commands.at(2), u"FileName=pinpon.wav"_s);
        QCOMPARE(bench->state(), ExperimentState::Cleared);

        // Throws can go on beside it.
        bench->click(Control::Command1);
        QVERIFY(bench->tick(Control::Timer3));
        bench->click(Control::Command3);

        // Its close button hides it and activates the experiment window.
        bench->click(Control::Command5);
        help->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(help));
        clickChild(help, u"Command1"_s);
        QVERIFY(!help->isVisible());
        QVERIFY(QTest::qWaitForWindowActive(&bench->form1()));
        QCOMPARE(bench->state(), ExperimentState::Ready);

        // The next opening shows the same window again.
        bench->click(Control::Command7);
        QCOMPARE(openWindow<HelpWindow>(), help);
        QCOMPARE(windowCount<HelpWindow>(), 1);
    }

    void switchingFromHelpActivatesTheExperimentWindow()
    {
        bench->start();
        bench->click(Control::Command5);
        QCOMPARE(bench->state(), ExperimentState::Cleared);
        bench->click(Control::Command7);
        HelpWindow *help = openWindow<HelpWindow>();
        QVERIFY(QTest::qWaitForWindowActive(help));
        QCOMPARE(bench->state(), ExperimentState::Cleared);

        bench->form1().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&bench->form1()));
        QCOMPARE(bench->state(), ExperimentState::Ready);
    }

    void activationFromHelpWhileBusyKeepsTheStopButton_data()
    {
        QTest::addColumn<Control>("start");
        QTest::addColumn<Control>("stop");
        QTest::newRow("dice tumbling") << Control::Command8 << Control::Command2;
        QTest::newRow("automatic run") << Control::Command1 << Control::Command3;
    }

    void activationFromHelpWhileBusyKeepsTheStopButton()
    {
        QFETCH(Control, start);
        QFETCH(Control, stop);
        bench->start();
        bench->click(Control::Command7);
        HelpWindow *help = openWindow<HelpWindow>();
        QVERIFY(QTest::qWaitForWindowActive(help));
        bench->click(start);
        const auto busy = bench->state();

        help->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(help));
        bench->form1().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&bench->form1()));

        QCOMPARE(bench->state(), busy);
        QVERIFY(bench->button(stop)->isEnabled());
    }

    void returningFromAnotherApplicationIsNoActivation()
    {
        bench->start();
        bench->click(Control::Command5);
        QWidget otherApplication; // a window that is none of the program's
        otherApplication.show();
        otherApplication.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&otherApplication));

        bench->form1().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&bench->form1()));
        QCOMPARE(bench->state(), ExperimentState::Cleared);
    }

    void helpClosedByItsFrameIsMadeAnew()
    {
        bench->start();
        bench->click(Control::Command7);
        QPointer<HelpWindow> first = openWindow<HelpWindow>();
        QVERIFY(QTest::qWaitForWindowActive(first));
        first->close();
        QTRY_VERIFY(first.isNull());
        QVERIFY(bench->form1().isVisible());

        bench->click(Control::Command7);
        QVERIFY(openWindow<HelpWindow>());
        QCOMPARE(windowCount<HelpWindow>(), 1);
    }
};

QTEST_MAIN(WindowSwitchingTest)
#include "tst_windowswitching.moc"
