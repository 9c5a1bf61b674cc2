#include "ControllerBench.h"
#include "ExperimentStatePrinting.h"
#include "LabelNames.h"

#include <QTest>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(ExperimentState)

// Whole courses of the experiment window's logic: throws by hand and
// automatic, stops, resets, the limit of 1000 and activations between them.
class ControllerScenariosTest : public QObject
{
    Q_OBJECT

private slots:
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

QTEST_GUILESS_MAIN(ControllerScenariosTest)
#include "tst_controllerscenarios.moc"
