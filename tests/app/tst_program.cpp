#include "ExperimentState.h"
#include "LabelNames.h"
#include "ExperimentStatePrinting.h"
#include "GraphWindow.h"
#include "HelpWindow.h"
#include "KeptExperiment.h"
#include "MemoryExperimentStore.h"
#include "ProgramBench.h"
#include "SpokenText.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

// How a pupil left the experiment when the page went away.
enum class Left { RunStopped, Finished, Emptied, Unreadable };

// Every number the experiment window shows.
QStringList shownNumbers(ProgramBench &bench)
{
    QStringList shown;
    for (const QString &label : {LabelNames::ThrowCount, LabelNames::OddCount, LabelNames::Ratio})
        shown.append(bench.text(label));
    for (int large = 1; large <= 6; ++large) {
        for (int small = 1; small <= 6; ++small)
            shown.append(bench.text(LabelNames::tallyCell(large, small)));
    }
    return shown;
}

void throwByHand(ProgramBench &bench)
{
    bench.click(Control::Command8);
    bench.tick(Control::Timer1);
    bench.tick(Control::Timer2);
    bench.click(Control::Command2);
}

} // namespace

class ProgramTest : public QObject
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

    void startUpShowsAReadyWindowWithEmptyBoxes()
    {
        bench->start();
        QCOMPARE(bench->state(), ExperimentState::Ready);
        QCOMPARE(bench->shownFace(Die::Large), 1);
        QCOMPARE(bench->shownFace(Die::Small), 1);
        for (const QString &label : {LabelNames::ThrowCount, LabelNames::OddCount, LabelNames::Ratio,
                                     LabelNames::tallyCell(1, 1), LabelNames::tallyCell(6, 6)})
            QCOMPARE(bench->text(label), QString());
        QCOMPARE(bench->text(u"Label5"_s), u"１"_s);
    }

    void aManualThrowOnScreen()
    {
        bench->start();
        bench->click(Control::Command8);
        QCOMPARE(bench->state(), ExperimentState::Tumbling);
        QVERIFY(bench->tick(Control::Timer1));
        QVERIFY(bench->tick(Control::Timer2));
        QVERIFY(!bench->tick(Control::Timer3));
        bench->click(Control::Command1); // disabled: ignored
        bench->click(Control::Command2);

        QCOMPARE(bench->state(), ExperimentState::Ready);
        const ExperimentRecord &record = bench->program.experimentRecord();
        QCOMPARE(bench->text(LabelNames::ThrowCount), u"1"_s);
        QCOMPARE(bench->text(u"d%1%2"_s.arg(record.FaceA()).arg(record.FaceB())), u"1"_s);
        QCOMPARE(bench->shownFace(Die::Large), record.FaceA());
        QCOMPARE(bench->shownFace(Die::Small), record.FaceB());
    }

    void anAutomaticRunOnScreenEndsAtAThousand()
    {
        bench->start();
        bench->click(Control::Command1);
        int ticks = 0;
        while (bench->tick(Control::Timer3))
            ++ticks;
        QCOMPARE(ticks, 1001);
        QCOMPARE(bench->state(), ExperimentState::Finished);
        QCOMPARE(bench->text(LabelNames::ThrowCount), u"1000"_s);
    }

    void exitAnsweredNoChangesNothing()
    {
        bench->start();
        bench->click(Control::Command5);
        bench->media.commands.clear();
        bench->click(Control::Command4);
        QCOMPARE(bench->exitQuestion.asked, 1);
        QCOMPARE(bench->media.commands.at(2), u"FileName=endpinpon.wav"_s);
        QCOMPARE(bench->state(), ExperimentState::Cleared);
        QVERIFY(bench->form1().isVisible());
    }

    // The page kept what a handler changed; a start with it shows the same
    // numbers and holds the same throws and faces, in Ready or Finished, and a
    // reader hears once that it came back. An emptied record starts as a start
    // does, untold; what cannot be read is erased.
    void aKeptExperimentComesBackAsItWasLeft_data()
    {
        QTest::addColumn<Left>("how");
        QTest::addColumn<ExperimentState>("state");
        QTest::addColumn<int>("ticks");
        QTest::addColumn<int>("count");
        QTest::newRow("a run stopped") << Left::RunStopped << ExperimentState::Ready << 639 << 640;
        QTest::newRow("a finished experiment") << Left::Finished << ExperimentState::Finished << 1000 << 1000;
        QTest::newRow("an emptied record") << Left::Emptied << ExperimentState::Ready << 0 << 0;
        QTest::newRow("an unreadable form") << Left::Unreadable << ExperimentState::Ready << 0 << 0;
    }

    void aKeptExperimentComesBackAsItWasLeft()
    {
        QFETCH(Left, how);
        QFETCH(ExperimentState, state);
        QFETCH(int, ticks);
        QFETCH(int, count);

        MemoryExperimentStore page;
        page.keptForStart = u"1;1;0;0.000;11;71"_s;
        ProgramBench left(nullptr, &page);
        left.start();
        throwByHand(left);
        left.click(how == Left::Emptied ? Control::Command5 : Control::Command1);
        for (int tick = 0; tick < ticks; ++tick)
            left.tick(Control::Timer3);
        left.click(Control::Command3);

        MemoryExperimentStore reloaded;
        reloaded.keptForStart = how == Left::Unreadable ? page.keptForStart : page.forms.last();
        ProgramBench back(nullptr, &reloaded);
        back.start();
        const ExperimentRecord &record = back.program.experimentRecord();
        QCOMPARE(back.state(), state);
        QCOMPARE(record.ThrowCount(), count);
        QCOMPARE(reloaded.forgotten, how == Left::Unreadable ? 1 : 0);
        QVERIFY(reloaded.forms.isEmpty());
#ifndef Q_OS_WIN
        // Linux tells a reader through a notification in the window; Windows
        // through UI Automation, which no test hears.
        const auto heard = back.form1().findChildren<QWidget *>();
        QCOMPARE(std::count_if(heard.begin(), heard.end(), [&](QWidget *widget) {
                     return widget->accessibleName() == SpokenText::experimentRestored(record);
                 }), count > 0 ? 1 : 0);
#endif
        QCOMPARE(shownNumbers(back), count > 0 ? shownNumbers(left) : QStringList(39, QString()));
        if (count > 0)
            QCOMPARE(KeptExperiment::write(record), KeptExperiment::write(left.program.experimentRecord()));

        // The next throw is kept; a finished experiment takes none.
        throwByHand(back);
        QCOMPARE(reloaded.forms.value(reloaded.forms.size() - 1).section(u';', 1, 1).toInt(),
                 state == ExperimentState::Finished ? 0 : count + 1);
    }

    void theRealExitQuestionClosingIsNoActivation()
    {
        MessageBoxExitQuestion realQuestion;
        ProgramBench asking;
        Program program({asking.clock, asking.random, asking.media, asking.timers, realQuestion});
        program.start();
        QVERIFY(QTest::qWaitForWindowActive(&program.experimentWindow()));
        auto *reset = program.experimentWindow().findChild<QPushButton *>(controlName(Control::Command5));
        auto *exit = program.experimentWindow().findChild<QPushButton *>(controlName(Control::Command4));
        QTest::mouseClick(reset, Qt::LeftButton);

        QString asked;
        QTimer::singleShot(0, this, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            QVERIFY(box);
            asked = box->text();
            QVERIFY(QTest::qWaitForWindowActive(box));
            box->button(QMessageBox::No)->click();
        });
        QTest::mouseClick(exit, Qt::LeftButton);

        QCOMPARE(asked, u"終了していいですか？"_s);
        // A window manager hands the focus back to the window under the box.
        program.experimentWindow().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&program.experimentWindow()));
        QTest::qWait(20);
        QCOMPARE(stateOf(program.experimentWindow()), ExperimentState::Cleared);
    }

    void exitAnsweredYesClosesEveryWindow()
    {
        bench->start();
        bench->click(Control::Command7);
        HelpWindow *help = openWindow<HelpWindow>();
        QVERIFY(help);
        bench->exitQuestion.answerYes = true;
        bench->click(Control::Command4);
        QVERIFY(!bench->form1().isVisible());
        QVERIFY(!help->isVisible());
    }

    void closingTheExperimentWindowEndsTheProgram()
    {
        bench->start();
        bench->click(Control::Command7);
        HelpWindow *help = openWindow<HelpWindow>();
        QVERIFY(QTest::qWaitForWindowActive(help));
        clickChild(help, u"Command1"_s); // hidden, not closed
        bench->media.commands.clear();

        bench->form1().close();

        QVERIFY(!bench->form1().isVisible());
        QCOMPARE(openWindow<HelpWindow>(), nullptr);
        QCOMPARE(bench->exitQuestion.asked, 0);
        QVERIFY(bench->media.commands.isEmpty());
    }
};

QTEST_MAIN(ProgramTest)
#include "tst_program.moc"
