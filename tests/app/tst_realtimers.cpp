#include "ExperimentState.h"
#include "ExperimentStatePrinting.h"
#include "MixingRandomGenerator.h"
#include "RandomSource.h"
#include "Program.h"
#include "QtTimerFactory.h"
#include "RecordingMediaControl.h"
#include "ScriptedExitQuestion.h"
#include "SystemTimeOfDayClock.h"

#include <QElapsedTimer>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// Counts the dice's draws, to see the die timers tick.
class CountingRandom final : public RandomSource
{
public:
    void reseed(float seed) override { inner.reseed(seed); }
    double next() override
    {
        ++draws;
        return inner.next();
    }

    int draws = 0;

private:
    MixingRandomGenerator inner{2026};
};

} // namespace

// The one test on real QTimers: the wiring from timer to handler, and the
// 100 ms rhythm of an automatic run.
class RealTimersTest : public QObject
{
    Q_OBJECT

private slots:
    void anAutomaticRunKeepsItsRhythm()
    {
        SystemTimeOfDayClock clock;
        CountingRandom random;
        RecordingMediaControl media;
        QtTimerFactory timers;
        ScriptedExitQuestion exitQuestion;
        Program program({clock, random, media, timers, exitQuestion});
        program.start();
        QVERIFY(QTest::qWaitForWindowExposed(&program.experimentWindow()));
        const auto button = [&](const QString &name) {
            return program.experimentWindow().findChild<QPushButton *>(name);
        };

        QElapsedTimer elapsed;
        QTest::mouseClick(button(controlName(Control::Command1)), Qt::LeftButton);
        elapsed.start();
        QTRY_COMPARE_WITH_TIMEOUT(program.experimentRecord().ThrowCount(), 20, 4000);
        const qint64 milliseconds = elapsed.elapsed();
        QTest::mouseClick(button(controlName(Control::Command3)), Qt::LeftButton);

        // Twenty ticks of 100 ms; QTRY polls every 50 ms at most.
        QVERIFY2(milliseconds >= 1950 && milliseconds <= 2200, qPrintable(QString::number(milliseconds)));
        QCOMPARE(stateOf(program.experimentWindow()), ExperimentState::Ready);
        const int stoppedAt = program.experimentRecord().ThrowCount();
        QTest::qWait(250);
        QCOMPARE(program.experimentRecord().ThrowCount(), stoppedAt);

        // A manual throw: both dice tumble on their own 50 ms timers, two
        // draws every 50 ms.
        const int drawsBefore = random.draws;
        QTest::mouseClick(button(controlName(Control::Command8)), Qt::LeftButton);
        elapsed.restart();
        QTRY_VERIFY_WITH_TIMEOUT(random.draws - drawsBefore >= 8, 1000);
        QVERIFY2(elapsed.elapsed() >= 190, qPrintable(QString::number(elapsed.elapsed())));
        QTest::mouseClick(button(controlName(Control::Command2)), Qt::LeftButton);
        QCOMPARE(program.experimentRecord().ThrowCount(), stoppedAt + 1);
    }
};

QTEST_MAIN(RealTimersTest)
#include "tst_realtimers.moc"
