#include "HelpWindow.h"
#include "LabelNames.h"
#include "ProgramBench.h"
#include "PulseCue.h"
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

void writeCue(const QString &name, int hz)
{
    QFile file(name);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(monoWav16(PulseServer::Rate, sineTone(PulseServer::Rate, hz, CueMilliseconds, Loudness)));
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

private slots:
    void initTestCase()
    {
        QVERIFY(server.start());
        QVERIFY(cueFolder.isValid());
        QVERIFY(QDir::setCurrent(cueFolder.path()));
        writeCue(u"pinpon.wav"_s, ResetAndHelpHz);
        writeCue(u"endpinpon.wav"_s, ExitHz);
    }

    // The process ends without tearing down (see main), so here.
    void cleanupTestCase() { server.stop(); }

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

    void resetAndHelpCuesSoundAsLongAsTheirFile()
    {
        const QByteArray recording = recordWhile([this] {
            bench->click(Control::Command5);
            QTest::qWait(1000);
        });
        const QList<HeardTone> tones = heardTones(recording, PulseServer::Rate);
        expectOneWholeCue(tones, ResetAndHelpHz);
        qInfo("from the click to the cue's first sound: %.0f ms", 1000 * tones.at(0).onset - ClickAfterMilliseconds);

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
                                  CueMilliseconds + int(PulseCue::ReleaseDelay.count()) + 700);
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

    // Kept last: the threads the stall leaves inside the server never end.
    void aStalledServerNeverHoldsUpTheWindow()
    {
        bench->click(Control::Command5); // the sound system is up and answers
        QTest::qWait(1200);

        server.stall();
        QElapsedTimer stall;
        stall.start();
        qint64 longest = 0;
        int asked = 0;
        while (stall.elapsed() < 37000) {
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
        // Past the patience of the last cues, the stall ends.
        QTest::qWait(int(ThreadedMediaControl::DefaultPatience.count()) + 500);
        server.resume();
        qInfo("longest handler during a 40 s stall: %lld ms", longest);
        QCOMPARE_LT(longest, 100);

        // Once the server is back, the next cue is heard again.
        QTest::qWait(500);
        const QByteArray recording = recordWhile([this] {
            bench->click(Control::Command5);
            QTest::qWait(1000);
        });
        expectOneWholeCue(heardTones(recording, PulseServer::Rate), ResetAndHelpHz);
    }
};

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsSet("ZERUBINO_EXIT_CHILD"))
        return exitChild(argc, argv);
    QApplication app(argc, argv);
    SoundServerTest test;
    const int failures = QTest::qExec(&test, argc, argv);
    // Threads that the stall left inside the sound library never return;
    // the library cannot be torn down under them, so the test ends as the
    // program does in that case. That ending skips the leak check; a check
    // before it would find the font library's caches, still in use.
    std::fflush(nullptr);
    std::_Exit(failures);
}

#include "tst_soundserver.moc"
