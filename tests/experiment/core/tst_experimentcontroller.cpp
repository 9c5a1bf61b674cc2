#include "CuePlayer.h"
#include "Dice.h"
#include "ExperimentController.h"
#include "ExperimentRecord.h"
#include "ExperimentState.h"
#include "ExperimentStatePrinting.h"
#include "LabelNames.h"
#include "RecordingControlFlags.h"
#include "RecordingFaceDisplay.h"
#include "RecordingLabelDisplay.h"
#include "RecordingMediaControl.h"
#include "RecordingWindows.h"
#include "ScriptedClock.h"
#include "ScriptedRandom.h"

#include <QTest>

#include <functional>
#include <map>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(ExperimentState)

namespace {

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

// Runs a handler by its name: "Form_Activate", "Command1_Click" …
void run(Bench &bench, const QString &event)
{
    if (event == u"Form_Activate"_s)
        return bench.controller.Form_Activate();
    const auto control = std::find_if(AllControls.begin(), AllControls.end(),
                                      [&](Control candidate) { return handlerName(candidate) == event; });
    QVERIFY2(control != AllControls.end(), qPrintable(event));
    bench.controller.handle(*control);
}

} // namespace

class ExperimentControllerTest : public QObject
{
    Q_OBJECT

private slots:
    // Each event's flag writes, in order: "+" enables, "-" disables, and a
    // control the row leaves alone is not written at all.
    void flagTable_data()
    {
        QTest::addColumn<ExperimentState>("from");
        QTest::addColumn<int>("throwsBefore");
        QTest::addColumn<QString>("event");
        QTest::addColumn<QString>("writes");

        using enum ExperimentState;
        QTest::newRow("activation") << Finished << 3 << u"Form_Activate"_s << u"Command2- Command3- Command6+"_s;
        QTest::newRow("throw") << Ready << 3 << u"Command8_Click"_s
                               << u"Timer1+ Timer2+ Command8- Command2+ Command1- Command4- Command5- Command6- "
                                  "Command7-"_s;
        QTest::newRow("stop dice") << Tumbling << 3 << u"Command2_Click"_s
                                   << u"Timer1- Timer2- Command1+ Command2- Command4+ Command5+ Command6+ Command7+ "
                                      "Command8+"_s;
        QTest::newRow("auto") << Ready << 3 << u"Command1_Click"_s
                              << u"Command1- Command2- Command3+ Command4- Command5- Command6- Command7- Command8- "
                                 "Timer3+"_s;
        QTest::newRow("stop auto") << AutoRunning << 3 << u"Command3_Click"_s
                                   << u"Command1+ Command3- Command4+ Command5+ Command6+ Command7+ Command8+ "
                                      "Timer3-"_s;
        QTest::newRow("reset") << Ready << 3 << u"Command5_Click"_s
                               << u"Command1+ Command8+ Command5+ Command7+ Command4+ Command6- Command3- Command2-"_s;
        QTest::newRow("auto tick at 1000") << AutoRunning << 1000 << u"Timer3_Timer"_s
                                           << u"Command3- Command1- Command4+ Command5+ Command6+ Command7+ "
                                              "Command8- Timer3-"_s;
        QTest::newRow("auto tick below 1000") << AutoRunning << 999 << u"Timer3_Timer"_s << QString();
        QTest::newRow("large die tick") << Tumbling << 3 << u"Timer1_Timer"_s << QString();
        QTest::newRow("small die tick") << Tumbling << 3 << u"Timer2_Timer"_s << QString();
        QTest::newRow("exit answered No") << Ready << 3 << u"Command4_Click"_s << QString();
        QTest::newRow("graph") << Ready << 3 << u"Command6_Click"_s << QString();
        QTest::newRow("help") << Ready << 3 << u"Command7_Click"_s << QString();
        // The experiment is full: a stop leaves it Finished, not Ready.
        QTest::newRow("stop dice on throw 1000") << Tumbling << 999 << u"Command2_Click"_s
                                                 << u"Timer1- Timer2- Command1- Command2- Command4+ Command5+ "
                                                    "Command6+ Command7+ Command8-"_s;
        QTest::newRow("stop auto at 1000") << AutoRunning << 1000 << u"Command3_Click"_s
                                           << u"Command1- Command3- Command4+ Command5+ Command6+ Command7+ "
                                              "Command8- Timer3-"_s;
    }

    void flagTable()
    {
        QFETCH(ExperimentState, from);
        QFETCH(int, throwsBefore);
        QFETCH(QString, event);
        QFETCH(QString, writes);

        Bench bench;
        bench.runAutomatically(throwsBefore);
        bench.flags.enter(from);
        bench.queueDraws(2);
        bench.forgetWrites();

        run(bench, event);

        QCOMPARE(bench.flags.writes.join(u' '), writes);
    }

    void stateTable_data()
    {
        QTest::addColumn<ExperimentState>("from");
        QTest::addColumn<QString>("event");
        QTest::addColumn<ExperimentState>("to");
        QTest::addColumn<int>("countAfter"); // the record holds 5 throws before

        using enum ExperimentState;
        const QList<ExperimentState> idle{Ready, Cleared, Finished};
        const QStringList idleName{u"Ready"_s, u"Cleared"_s, u"Finished"_s};
        QTest::newRow("Ready: throw") << Ready << u"Command8_Click"_s << Tumbling << 5;
        QTest::newRow("Cleared: throw") << Cleared << u"Command8_Click"_s << Tumbling << 5;
        QTest::newRow("Tumbling: large die tick") << Tumbling << u"Timer1_Timer"_s << Tumbling << 5;
        QTest::newRow("Tumbling: small die tick") << Tumbling << u"Timer2_Timer"_s << Tumbling << 5;
        QTest::newRow("Tumbling: stop dice") << Tumbling << u"Command2_Click"_s << Ready << 6;
        QTest::newRow("Ready: auto") << Ready << u"Command1_Click"_s << AutoRunning << 5;
        QTest::newRow("Cleared: auto") << Cleared << u"Command1_Click"_s << AutoRunning << 5;
        QTest::newRow("AutoRunning: tick") << AutoRunning << u"Timer3_Timer"_s << AutoRunning << 6;
        QTest::newRow("AutoRunning: stop auto") << AutoRunning << u"Command3_Click"_s << Ready << 5;
        for (qsizetype n = 0; n < idle.size(); ++n) {
            const QByteArray name = idleName.at(n).toLatin1();
            QTest::addRow("%s: reset", name.constData()) << idle.at(n) << u"Command5_Click"_s << Cleared << 0; // emptied
            QTest::addRow("%s: graph", name.constData()) << idle.at(n) << u"Command6_Click"_s << idle.at(n) << 5;
            QTest::addRow("%s: help", name.constData()) << idle.at(n) << u"Command7_Click"_s << idle.at(n) << 5;
            QTest::addRow("%s: exit, No", name.constData()) << idle.at(n) << u"Command4_Click"_s << idle.at(n) << 5;
        }
        QTest::newRow("Ready: activation") << Ready << u"Form_Activate"_s << Ready << 5;
        QTest::newRow("Finished: activation") << Finished << u"Form_Activate"_s << Finished << 5;
        QTest::newRow("Cleared: activation") << Cleared << u"Form_Activate"_s << Ready << 5;
        // An activation from the open help window must leave a way to stop.
        QTest::newRow("Tumbling: activation") << Tumbling << u"Form_Activate"_s << Tumbling << 5;
        QTest::newRow("AutoRunning: activation") << AutoRunning << u"Form_Activate"_s << AutoRunning << 5;
    }

    void stateTable()
    {
        QFETCH(ExperimentState, from);
        QFETCH(QString, event);
        QFETCH(ExperimentState, to);
        QFETCH(int, countAfter);

        Bench bench;
        bench.runAutomatically(5);
        bench.flags.enter(from);
        bench.queueDraws(2);

        run(bench, event);

        QCOMPARE(bench.state(), to);
        QCOMPARE(bench.record.ThrowCount(), countAfter);
    }

    void startUpActivationGivesReady()
    {
        Bench bench;
        QCOMPARE(bench.state(), std::nullopt); // freshly created: everything enabled
        bench.controller.Form_Activate();
        QCOMPARE(bench.state(), ExperimentState::Ready);
        QCOMPARE(bench.faces.shownFace(Die::Large), 1);
        QCOMPARE(bench.faces.shownFace(Die::Small), 1);
        QVERIFY(bench.labels.writes.isEmpty());
    }

    void countRisesAtTheStopNotAtTheThrow()
    {
        Bench bench;
        bench.controller.Form_Activate();
        bench.queueDraws(1, 0.0);
        bench.queueDraws(1, 0.5);

        bench.controller.Command8_Click();
        QCOMPARE(bench.record.ThrowCount(), 0);
        QVERIFY(!bench.labels.hasShown(LabelNames::ThrowCount));
        bench.controller.Timer1_Timer();
        bench.controller.Timer2_Timer();
        QCOMPARE(bench.record.ThrowCount(), 0);

        bench.controller.Command2_Click();
        QCOMPARE(bench.record.ThrowCount(), 1);
        QCOMPARE(bench.labels.text(LabelNames::ThrowCount), u"1"_s);
        QCOMPARE(bench.record.Tally(1, 4), 1);
        QVERIFY(bench.media.commands.isEmpty()); // a throw plays no cue
    }

    void stopBeforeAnyTickRecordsTheStoredFaces()
    {
        Bench bench;
        bench.controller.Form_Activate();

        // The very first stop: no die has been rolled, so no cell changes.
        bench.controller.Command8_Click();
        bench.controller.Command2_Click();
        QCOMPARE(bench.record.ThrowCount(), 1);
        QCOMPARE(bench.labels.text(LabelNames::Ratio), u"0.000"_s);

        // After rolls, a stop before the next tick records the previous faces.
        bench.queueDraws(1, 0.9);
        bench.queueDraws(1, 0.0);
        bench.throwByHand();
        bench.controller.Form_Activate(); // the display now shows 1 and 1
        bench.controller.Command8_Click();
        bench.controller.Command2_Click();

        QCOMPARE(bench.record.ThrowCount(), 3);
        QCOMPARE(bench.record.Tally(6, 1), 2);
        QCOMPARE(bench.record.Tally(1, 1), 0);
    }

    void automaticRunFillsTheExperiment_data()
    {
        QTest::addColumn<int>("startCount");
        QTest::addColumn<int>("ticksWithAThrow");
        QTest::newRow("from an empty record") << 0 << 1000;
        QTest::newRow("from 400 throws") << 400 << 600;
        QTest::newRow("from 1000 throws") << 1000 << 0;
    }

    void automaticRunFillsTheExperiment()
    {
        QFETCH(int, startCount);
        QFETCH(int, ticksWithAThrow);

        Bench bench;
        bench.runAutomatically(startCount);
        bench.controller.Form_Activate();
        bench.queueDraws(2 * ticksWithAThrow);

        bench.controller.Command1_Click();
        for (int tick = 0; tick < ticksWithAThrow; ++tick) {
            bench.controller.Timer3_Timer();
            QCOMPARE(bench.state(), ExperimentState::AutoRunning);
        }
        QCOMPARE(bench.record.ThrowCount(), 1000);
        bench.labels.writes.clear();
        bench.controller.Timer3_Timer(); // the closing tick throws nothing

        QCOMPARE(bench.state(), ExperimentState::Finished);
        QCOMPARE(bench.record.ThrowCount(), 1000);
        QVERIFY(bench.labels.writes.isEmpty());
        QVERIFY(bench.random.values.isEmpty());
        for (int n = 1; n <= 1000; ++n)
            QCOMPARE(bench.record.RatioHistory(n), 0.0f); // every throw was (4, 4)
        QCOMPARE(bench.record.Tally(4, 4), 1000);
    }

    void stopAndContinueKeepsCounting()
    {
        Bench bench;
        bench.controller.Form_Activate();
        bench.runAutomatically(7);
        QCOMPARE(bench.state(), ExperimentState::Ready);

        bench.queueDraws(2);
        bench.throwByHand();
        QCOMPARE(bench.record.ThrowCount(), 8);

        bench.runAutomatically(2);
        QCOMPARE(bench.record.ThrowCount(), 10);
        QCOMPARE(bench.labels.text(LabelNames::ThrowCount), u"10"_s);
    }

    void resetKeepsFacesAndTimers()
    {
        Bench bench;
        bench.controller.Form_Activate();
        bench.queueDraws(1, 0.9);
        bench.queueDraws(1, 0.4);
        bench.throwByHand();
        bench.forgetWrites();

        bench.controller.Command5_Click();

        QCOMPARE(bench.media.commands.first(), u"Stop"_s);
        QVERIFY(bench.media.commands.contains(u"FileName=pinpon.wav"_s));
        QCOMPARE(bench.labels.text(LabelNames::ThrowCount), u"0"_s);
        QCOMPARE(bench.faces.shownFace(Die::Large), 6);
        QCOMPARE(bench.faces.shownFace(Die::Small), 3);
        QCOMPARE(bench.record.FaceA(), 6);
        for (const QString &write : std::as_const(bench.flags.writes))
            QVERIFY2(!write.startsWith(u"Timer"_s), qPrintable(write));
        QCOMPARE(bench.state(), ExperimentState::Cleared);
    }

    void graphButtonReturnsOnlyAfterAThrowOrAnActivation()
    {
        Bench bench;
        bench.controller.Form_Activate();
        bench.controller.Command5_Click();
        QVERIFY(!bench.flags.isControlEnabled(Control::Command6));
        bench.controller.Form_Activate(); // e.g. closing the help window
        QVERIFY(bench.flags.isControlEnabled(Control::Command6));
    }

    void buttonsThatTalkToOtherWindows_data()
    {
        QTest::addColumn<QString>("event");
        QTest::addColumn<bool>("answerYes");
        QTest::addColumn<QStringList>("log");

        const QStringList cue{u"Stop"_s, u"Close"_s, u"FileName=pinpon.wav"_s, u"Open"_s, u"Sound"_s};
        const QStringList farewell{u"Stop"_s, u"Close"_s, u"FileName=endpinpon.wav"_s, u"Open"_s, u"Sound"_s};
        QTest::newRow("graph: no cue") << u"Command6_Click"_s << false
                                       << QStringList{u"hide experiment window"_s, u"show graph window"_s};
        QTest::newRow("help: cue first") << u"Command7_Click"_s << false
                                         << cue + QStringList{u"show help window"_s};
        QTest::newRow("exit answered No") << u"Command4_Click"_s << false
                                          << farewell + QStringList{u"ask exit question"_s};
        QTest::newRow("exit answered Yes") << u"Command4_Click"_s << true
                                           << farewell + QStringList{u"ask exit question"_s, u"end program"_s};
    }

    void buttonsThatTalkToOtherWindows()
    {
        QFETCH(QString, event);
        QFETCH(bool, answerYes);
        QFETCH(QStringList, log);

        Bench bench;
        bench.controller.Form_Activate();
        bench.runAutomatically(4);
        bench.windows.answerYes = answerYes;
        bench.forgetWrites();

        run(bench, event);

        QCOMPARE(bench.media.commands, log);
        QVERIFY(bench.flags.writes.isEmpty());
        QVERIFY(bench.labels.writes.isEmpty());
        QCOMPARE(bench.record.ThrowCount(), 4);
    }

    void activationWhileBusyChangesNothing_data()
    {
        QTest::addColumn<QString>("start");
        QTest::newRow("dice tumbling") << u"Command8_Click"_s;
        QTest::newRow("automatic run") << u"Command1_Click"_s;
    }

    void activationWhileBusyChangesNothing()
    {
        QFETCH(QString, start);

        Bench bench;
        bench.controller.Form_Activate();
        bench.queueDraws(2, 0.9);
        run(bench, start);
        bench.controller.Timer1_Timer();
        bench.controller.Timer2_Timer();
        bench.forgetWrites();

        bench.controller.Form_Activate();

        QVERIFY(bench.flags.writes.isEmpty());
        QCOMPARE(bench.faces.shownFace(Die::Large), 6);
    }

    void theThousandthManualThrowEndsTheExperiment()
    {
        Bench bench;
        bench.controller.Form_Activate();
        bench.runAutomatically(999);
        bench.queueDraws(2);

        bench.throwByHand();

        QCOMPARE(bench.record.ThrowCount(), 1000);
        QCOMPARE(bench.state(), ExperimentState::Finished);
        // It stays finished across activations; only reset starts anew.
        bench.controller.Form_Activate();
        QCOMPARE(bench.state(), ExperimentState::Finished);
        bench.controller.Command5_Click();
        QCOMPARE(bench.state(), ExperimentState::Cleared);
        QCOMPARE(bench.record.ThrowCount(), 0);
    }
};

QTEST_GUILESS_MAIN(ExperimentControllerTest)
#include "tst_experimentcontroller.moc"
