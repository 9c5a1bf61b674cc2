#include "CueOutput.h"
#include "HelpWindow.h"
#include "LabelNames.h"
#include "ProgramBench.h"
#include "PulseServer.h"
#include "RealSeams.h"
#include "RecordedTones.h"
#include "ThreadedMediaControl.h"
#include "WavBytes.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSocketNotifier>
#include <QTimer>

#include <cstdio>

using namespace Qt::StringLiterals;
using namespace std::chrono_literals;

namespace {

// The cues of this test: steady tones, so that a recording tells which one
// sounds, how long, and whether two sound at once.
constexpr int ResetAndHelpHz = 440;
constexpr int ExitHz = 880;
constexpr int CueMilliseconds = 600;
constexpr qint16 Loudness = 8000;
// When a recording's first click comes.
constexpr int ClickAfterMilliseconds = 100;
// What the way through the server may add to or take from a cue's length.
constexpr double LengthTolerance = 0.04;

void writeCue(const QString &name, int hz, int bits = 16)
{
    QFile file(name);
    QVERIFY(file.open(QIODevice::WriteOnly));
    const QByteArray pcm = sineTone(PulseServer::Rate, hz, CueMilliseconds, Loudness);
    file.write(bits == 24 ? monoWav(PulseServer::Rate, 24, widenedTo24Bits(pcm)) : monoWav16(PulseServer::Rate, pcm));
}

// How many threads or open descriptors the process has.
int entriesIn(const QString &procFolder)
{
    return int(QDir(procFolder).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot).size());
}

// The exit that a pupil confirms while the server stalls, in a process of its
// own: it is started like the program, plays a cue, says "ready", and on a
// line of input clicks reset and then exit, answered Yes.
int exitChild(int argc, char *argv[])
{
    QApplication app(argc, argv);
    prepareApplication(app);
    RealSeams real;
    ScriptedExitQuestion yes;
    yes.answerYes = true;
    const ProgramSeams seams = real.seams();
    Program program({seams.clock, seams.random, seams.media, seams.timers, yes});
    program.start();
    const auto click = [&](Control control) {
        QTest::mouseClick(program.experimentWindow().findChild<QPushButton *>(controlName(control)), Qt::LeftButton);
    };
    click(Control::Command5);
    QTimer::singleShot(1500, [] {
        std::puts("ready");
        std::fflush(stdout);
    });
    QSocketNotifier input(0, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, [&] {
        input.setEnabled(false);
        click(Control::Command5);
        click(Control::Command4);
    });
    const int status = QApplication::exec();
    real.releaseSound(status);
    return status;
}

} // namespace

// The cues against a real sound server: heard, as long as their files, cut
// off by the next, gone from the server once played, and never a reason for
// the window to wait, even while the server stalls.
class SoundServerTest : public QObject
{
    Q_OBJECT

private:
    PulseServer server;
    QTemporaryDir cueFolder;
    std::unique_ptr<ThreadedMediaControl> sound;
    std::unique_ptr<ProgramBench> bench;

    qint64 timedClick(Control control)
    {
        QElapsedTimer clock;
        clock.start();
        bench->click(control);
        return clock.elapsed();
    }

    QByteArray recordWhile(const std::function<void()> &play)
    {
        server.startRecording();
        QTest::qWait(ClickAfterMilliseconds);
        play();
        const QByteArray recording = server.stopRecording();
        return recording;
    }

    static QByteArray described(const QList<HeardTone> &tones)
    {
        QStringList parts;
        for (const HeardTone &tone : tones)
            parts.append(u"%1 Hz at %2 s for %3 s"_s.arg(tone.hz).arg(tone.onset, 0, 'f', 3).arg(tone.length, 0, 'f', 3));
        return parts.join(u", "_s).toUtf8();
    }

    void expectOneWholeCue(const QList<HeardTone> &tones, int hz)
    {
        QVERIFY2(tones.size() == 1, described(tones).constData());
        QCOMPARE_LE(std::abs(tones.at(0).hz - hz), 60);
        QCOMPARE_LE(std::abs(tones.at(0).length - CueMilliseconds / 1000.0), LengthTolerance);
    }

    // Records a press of the reset button and expects its whole cue; says
    // how long after the press the cue began to sound.
    void expectResetHeard(const char *when)
    {
        const QByteArray recording = recordWhile([this] {
            bench->click(Control::Command5);
            QTest::qWait(1000);
        });
        const QList<HeardTone> tones = heardTones(recording, PulseServer::Rate);
        expectOneWholeCue(tones, ResetAndHelpHz);
        if (!QTest::currentTestFailed())
            qInfo("%s: the cue sounded %d ms after the press", when,
                  qRound(1000 * tones.at(0).onset) - ClickAfterMilliseconds);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(server.start());
        QVERIFY(cueFolder.isValid());
        QVERIFY(QDir::setCurrent(cueFolder.path()));
        writeCue(u"pinpon.wav"_s, ResetAndHelpHz);
        writeCue(u"endpinpon.wav"_s, ExitHz);
    }

    void init()
    {
        sound = std::make_unique<ThreadedMediaControl>(makeCueOutput);
        bench = std::make_unique<ProgramBench>(sound.get());
        bench->program.start();
        QVERIFY(QTest::qWaitForWindowActive(&bench->form1()));
    }

    void cleanup()
    {
        bench.reset();
        sound.reset();
    }

    void resetAndHelpCuesSoundAsLongAsTheirFile_data()
    {
        QTest::addColumn<int>("bits");
        // 16-bit last: the tests after this one play that file.
        QTest::newRow("24-bit") << 24;
        QTest::newRow("16-bit") << 16;
    }

    void resetAndHelpCuesSoundAsLongAsTheirFile()
    {
        QFETCH(int, bits);
        writeCue(u"pinpon.wav"_s, ResetAndHelpHz, bits);
        expectResetHeard("the first cue");

        const QByteArray help = recordWhile([this] {
            bench->click(Control::Command7);
            QTest::qWait(1000);
        });
        expectOneWholeCue(heardTones(help, PulseServer::Rate), ResetAndHelpHz);
    }

    void aSecondCueCutsOffTheFirst()
    {
        const QByteArray recording = recordWhile([this] {
            bench->click(Control::Command7);
            QTest::qWait(250);
            bench->click(Control::Command4); // answered No
            QTest::qWait(1000);
        });
        const QList<HeardTone> tones = heardTones(recording, PulseServer::Rate);
        QVERIFY2(tones.size() == 2, described(tones).constData());
        QCOMPARE_LE(std::abs(tones.at(0).hz - ResetAndHelpHz), 60);
        QCOMPARE_LT(tones.at(0).length, CueMilliseconds / 1000.0 - 0.2);
        QCOMPARE_LE(std::abs(tones.at(1).hz - ExitHz), 60);
        QCOMPARE_LE(std::abs(tones.at(1).length - CueMilliseconds / 1000.0), LengthTolerance);
        QCOMPARE_LE(tones.at(0).onset + tones.at(0).length, tones.at(1).onset + 0.011);
        // Two cues at once would add up beyond the loudness of one.
        QCOMPARE_LT(peakOf(recording), Loudness * 11 / 10);
    }

    void noStreamIsLeftOnceACueHasPlayed()
    {
        bench->click(Control::Command5);
        QTRY_COMPARE(server.playingStreams(), 1);
        QTRY_COMPARE_WITH_TIMEOUT(server.playingStreams(), 0,
                                  CueMilliseconds + int(CueReleaseDelay.count()) + 700);
    }

    void exitDuringAStallEndsTheProcessAtOnce()
    {
        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(u"ZERUBINO_EXIT_CHILD"_s, u"1"_s);
        child.setProcessEnvironment(environment);
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        child.start(QCoreApplication::applicationFilePath(), {});
        QVERIFY(child.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(child.canReadLine() || child.waitForReadyRead(100), 15000);
        QCOMPARE(child.readLine().trimmed(), QByteArray("ready"));

        server.stall();
        QElapsedTimer clock;
        clock.start();
        child.write("go\n");
        const bool ended = child.waitForFinished(5000);
        const qint64 took = clock.elapsed();
        server.resume();
        QVERIFY(ended);
        QCOMPARE(child.exitStatus(), QProcess::NormalExit);
        QCOMPARE(child.exitCode(), 0);
        QCOMPARE_LT(took, 2000);
        qInfo("exit answered Yes during a stall ended the process in %lld ms", took);
    }

    // The server killed, and a new one started at the same address 8 s
    // later: the first cue asked for once it is up is heard.
    void cuesSoundAgainOnceTheServerRestarts()
    {
        expectResetHeard("before the restart");
        server.stop();
        QElapsedTimer gap;
        gap.start();
        qint64 longest = 0;
        while (gap.elapsed() < 8000) {
            longest = std::max(longest, timedClick(Control::Command5));
            QTest::qWait(1000);
        }
        QVERIFY(server.start());
        QCOMPARE_LT(longest, 100);
        expectResetHeard("after the restart");
    }

    // A stall of 40 s with presses all through it holds up neither the
    // window nor the cues after it, and leaves no thread and no open
    // descriptor behind.
    void aStalledServerNeverHoldsUpTheWindow()
    {
        expectResetHeard("before the stall");
        QTest::qWait(int(CueReleaseDelay.count()) + 500);
        const int threads = entriesIn(u"/proc/self/task"_s);
        const int descriptors = entriesIn(u"/proc/self/fd"_s);

        constexpr qint64 StallMilliseconds = 40000;
        server.stall();
        QElapsedTimer stall;
        stall.start();
        qint64 longest = 0;
        int asked = 0;
        // The last presses come one patience before the stall ends: a cue
        // that waited for the server that long stays silent.
        const qint64 lastPress = StallMilliseconds - ThreadedMediaControl::DefaultPatience.count() - 500;
        while (stall.elapsed() < lastPress) {
            bench->click(Control::Command8);
            bench->tick(Control::Timer1);
            bench->tick(Control::Timer2);
            bench->click(Control::Command2);
            QVERIFY(bench->text(LabelNames::ThrowCount) != u"0"_s);

            longest = std::max(longest, timedClick(Control::Command5));
            QCOMPARE(bench->text(LabelNames::ThrowCount), u"0"_s);
            longest = std::max(longest, timedClick(Control::Command7));
            QVERIFY(openWindow<HelpWindow>());
            longest = std::max(longest, timedClick(Control::Command4));
            QCOMPARE(bench->exitQuestion.asked, ++asked);
            QTest::qWait(1500);
        }
        QTest::qWait(int(std::max<qint64>(0, StallMilliseconds - stall.elapsed())));
        server.resume();
        qInfo("longest handler during a 40 s stall: %lld ms", longest);
        QCOMPARE_LT(longest, 100);

        QTest::qWait(500);
        expectResetHeard("after the stall");
        QTest::qWait(int(CueReleaseDelay.count()) + 500);
        QCOMPARE(entriesIn(u"/proc/self/task"_s), threads);
        QCOMPARE(entriesIn(u"/proc/self/fd"_s), descriptors);
    }
};

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsSet("ZERUBINO_EXIT_CHILD"))
        return exitChild(argc, argv);
    QApplication app(argc, argv);
    SoundServerTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_soundserver.moc"
