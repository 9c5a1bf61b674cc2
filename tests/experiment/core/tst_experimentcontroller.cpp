#include "ControllerBench.h"
#include "ExperimentStatePrinting.h"
#include "LabelNames.h"

#include <QTest>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(ExperimentState)

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
};

QTEST_GUILESS_MAIN(ExperimentControllerTest)
#include "tst_experimentcontroller.moc"
