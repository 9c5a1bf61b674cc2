#include "ControllerBench.h"
#include "ExperimentStatePrinting.h"
#include "LabelNames.h"
#include "SpokenText.h"

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

    // What a screen reader hears after each handler: events are handler
    // names, "Name*n" running one n times; draws give the faces.
    void spokenResults_data()
    {
        QTest::addColumn<QList<double>>("draws");
        QTest::addColumn<QStringList>("events");
        QTest::addColumn<QStringList>("spoken");

        const QStringList byHand{u"Form_Activate"_s, u"Command8_Click"_s, u"Timer1_Timer"_s, u"Timer2_Timer"_s,
                                 u"Command2_Click"_s};
        QTest::newRow("a throw with an odd product")
            << QList<double>{0.4, 0.7} << byHand << QStringList{u"大 3、小 5、積は奇数。実験回数 1、積が奇数の回数 1、割合 1.000"_s};
        QTest::newRow("a throw with an even product")
            << QList<double>{0.5, 0.7} << byHand << QStringList{u"大 4、小 5、積は偶数。実験回数 1、積が奇数の回数 0、割合 0.000"_s};
        QTest::newRow("a stop before the dice have rolled names no faces")
            << QList<double>{} << QStringList{u"Command8_Click"_s, u"Command2_Click"_s}
            << QStringList{u"実験回数 1、積が奇数の回数 0、割合 0.000"_s};
        QTest::newRow("an automatic run is quiet until it is stopped")
            << QList<double>(6, 0.0) << QStringList{u"Command1_Click"_s, u"Timer3_Timer*3"_s, u"Command3_Click"_s}
            << QStringList{u"停止。実験回数 3、積が奇数の回数 3、割合 1.000"_s};
        QTest::newRow("a whole run: every hundred throws, and its end")
            << QList<double>(2000, 0.5) << QStringList{u"Command1_Click"_s, u"Timer3_Timer*1001"_s}
            << QStringList{u"実験回数 100、割合 0.000"_s, u"実験回数 200、割合 0.000"_s, u"実験回数 300、割合 0.000"_s,
                           u"実験回数 400、割合 0.000"_s, u"実験回数 500、割合 0.000"_s, u"実験回数 600、割合 0.000"_s,
                           u"実験回数 700、割合 0.000"_s, u"実験回数 800、割合 0.000"_s, u"実験回数 900、割合 0.000"_s,
                           u"1000 回に達しました。実験回数 1000、積が奇数の回数 0、割合 0.000"_s};
        QTest::newRow("reset")
            << QList<double>{} << QStringList{u"Command5_Click"_s} << QStringList{u"初期化しました。記録を消しました。"_s};
        QTest::newRow("the other buttons leave the speaking to their windows")
            << QList<double>{0.0, 0.0}
            << QStringList{u"Command6_Click"_s, u"Command7_Click"_s, u"Form_Activate"_s, u"Command8_Click"_s,
                           u"Timer1_Timer"_s, u"Timer2_Timer"_s, u"Command4_Click"_s}
            << QStringList{};
    }

    void spokenResults()
    {
        QFETCH(QList<double>, draws);
        QFETCH(QStringList, events);
        QFETCH(QStringList, spoken);

        Bench bench;
        bench.random.values.append(draws);
        for (const QString &event : events) {
            const QStringList nameAndTimes = event.split(u'*');
            for (int n = 0; n < (nameAndTimes.size() > 1 ? nameAndTimes.at(1).toInt() : 1); ++n)
                run(bench, nameAndTimes.at(0));
        }
        QCOMPARE(bench.spoken.sentences, spoken);
    }

    void spokenCellsAndGraph_data()
    {
        QTest::addColumn<int>("throws");
        QTest::addColumn<QString>("cell");
        QTest::addColumn<QString>("graph");

        const QString axes = u"横軸は実験回数 0 から 1000、縦軸は積が奇数の割合。"_s;
        const QString reference = u"理論値 1/4（0.250）の破線。"_s;
        QTest::newRow("before the first throw")
            << 0 << u"大 3、小 5：積は奇数"_s << axes + u"まだ実験していません。"_s + reference;
        QTest::newRow("short of a hundred")
            << 40 << u"大 3、小 5：10 回、積は奇数"_s << axes + u"実験回数 40。割合は 40 回で 0.250。"_s + reference;
        QTest::newRow("past five hundred")
            << 640 << u"大 3、小 5：160 回、積は奇数"_s
            << axes + u"実験回数 640。割合は 100 回で 0.250、500 回で 0.250、640 回で 0.250。"_s + reference;
        QTest::newRow("the whole experiment")
            << 1000 << u"大 3、小 5：250 回、積は奇数"_s
            << axes + u"実験回数 1000。割合は 100 回で 0.250、500 回で 0.250、1000 回で 0.250。"_s + reference;
    }

    void spokenCellsAndGraph()
    {
        QFETCH(int, throws);
        QFETCH(QString, cell);
        QFETCH(QString, graph);

        // Every fourth throw is (3, 5), the others (4, 4): the ratio is 0.250
        // after every multiple of four throws.
        Bench bench;
        for (int n = 1; n <= throws; ++n)
            bench.random.values.append(n % 4 == 0 ? QList<double>{0.4, 0.7} : QList<double>{0.5, 0.5});
        bench.controller.Command1_Click();
        for (int n = 0; n < throws; ++n)
            bench.controller.Timer3_Timer();

        QCOMPARE(SpokenText::tallyCell(3, 5, throws ? QString::number(bench.record.Tally(3, 5)) : QString()), cell);
        QCOMPARE(SpokenText::graphDescription(bench.record), graph);
        QCOMPARE(SpokenText::tallyCell(4, 6, u"7"_s), u"大 4、小 6：7 回、積は偶数"_s);
    }
};

QTEST_GUILESS_MAIN(ControllerScenariosTest)
#include "tst_controllerscenarios.moc"
