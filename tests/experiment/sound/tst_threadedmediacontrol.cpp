#include "BlockingMediaControl.h"
#include "CuePlayer.h"
#include "ThreadedMediaControl.h"

#include <QElapsedTimer>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace std::chrono_literals;

namespace {

QStringList cue(int control, const QString &file)
{
    const QString n = QString::number(control) + u':';
    return {n + u"Stop"_s, n + u"Close"_s, n + u"FileName="_s + file, n + u"Open"_s, n + u"Sound"_s};
}

// What a worker sends after a sound that came too late.
QStringList silenced(int control)
{
    const QString n = QString::number(control) + u':';
    return {n + u"Stop"_s, n + u"Close"_s};
}

} // namespace

class ThreadedMediaControlTest : public QObject
{
    Q_OBJECT

private:
    std::shared_ptr<MediaLog> log;
    int made = 0;

    ThreadedMediaControl::Factory factory()
    {
        return [this] { return std::make_unique<BlockingMediaControl>(log, ++made); };
    }

    // Plays a first cue whose sound hangs until the test releases it.
    void playAHangingCue(CuePlayer &player, const QString &file)
    {
        log->blockSounds = true;
        player.PlayCue(file);
        QTRY_VERIFY(log->all().contains(u"1:Open"_s));
    }

private slots:
    void init()
    {
        log = std::make_shared<MediaLog>();
        made = 0;
    }

    void cuesArriveWholeAndInOrder()
    {
        ThreadedMediaControl control(factory());
        CuePlayer player(control);
        player.PlayCue(u"pinpon.wav"_s);
        QTRY_COMPARE(log->all().size(), 6);
        player.PlayCue(u"endpinpon.wav"_s);
        QTRY_COMPARE(log->all().size(), 11);
        QCOMPARE(log->all(), QStringList{u"1:made"_s} + cue(1, u"pinpon.wav"_s) + cue(1, u"endpinpon.wav"_s));

        QVERIFY(control.shutDown(1s));
        QCOMPARE(log->all().last(), u"1:destroyed"_s);
    }

    void aCueReturnsAtOnceWhileTheDeviceHangs()
    {
        ThreadedMediaControl control(factory(), 10s);
        CuePlayer player(control);
        playAHangingCue(player, u"first.wav"_s);

        QElapsedTimer clock;
        clock.start();
        player.PlayCue(u"second.wav"_s);
        player.PlayCue(u"third.wav"_s);
        QVERIFY2(clock.elapsed() < 20, qPrintable(QString::number(clock.elapsed())));

        // The overtaken second cue is dropped; the third stops the first
        // before it sounds, and only then.
        log->soundReleases.release(2);
        QTRY_COMPARE(log->all().size(), 13);
        QCOMPARE(log->all(),
                 QStringList{u"1:made"_s} + cue(1, u"first.wav"_s) + silenced(1) + cue(1, u"third.wav"_s));
        QVERIFY(control.shutDown(1s));
    }

    void aWorkerStuckPastThePatienceIsReplaced()
    {
        ThreadedMediaControl control(factory(), 100ms);
        CuePlayer player(control);
        playAHangingCue(player, u"pinpon.wav"_s);
        QTest::qWait(150);

        // The next cue goes to a fresh control on a fresh thread and sounds.
        log->blockSounds = false;
        player.PlayCue(u"endpinpon.wav"_s);
        QTRY_VERIFY(log->all().contains(u"2:Sound"_s));
        QCOMPARE(log->all().filter(u"2:"_s), QStringList{u"2:made"_s} + cue(2, u"endpinpon.wav"_s));

        // While the first is stuck, shutting down cannot wait for it.
        QElapsedTimer clock;
        clock.start();
        QVERIFY(!control.shutDown(100ms));
        QVERIFY(clock.elapsed() < 1000);

        // Once its device answers, the old worker silences what it started
        // and cleans up after itself.
        log->soundReleases.release();
        QTRY_VERIFY(log->all().contains(u"1:destroyed"_s));
        QCOMPARE(log->all().filter(u"1:"_s),
                 QStringList{u"1:made"_s} + cue(1, u"pinpon.wav"_s) + silenced(1) + QStringList{u"1:destroyed"_s});
        QVERIFY(control.shutDown(1s));
    }

    void aCueThatCannotStartInTimeIsNotSoundedLate()
    {
        ThreadedMediaControl control(factory(), 200ms);
        CuePlayer player(control);
        playAHangingCue(player, u"pinpon.wav"_s);
        QTest::qWait(50);
        player.PlayCue(u"endpinpon.wav"_s); // waits behind the hanging sound
        QTest::qWait(250);
        log->soundReleases.release();

        // The first cue, overtaken while its device hung, is silenced; the
        // late cue still stops and closes what sounds, but stays silent.
        QTRY_VERIFY(log->all().contains(u"1:FileName=endpinpon.wav"_s));
        QVERIFY(control.shutDown(1s));
        QCOMPARE(log->all(), QStringList{u"1:made"_s} + cue(1, u"pinpon.wav"_s) + silenced(1)
                                 + cue(1, u"endpinpon.wav"_s).mid(0, 3) + QStringList{u"1:destroyed"_s});
    }

    void aCueStartedTooLateIsSilencedAtOnce()
    {
        ThreadedMediaControl control(factory(), 100ms);
        CuePlayer player(control);
        playAHangingCue(player, u"pinpon.wav"_s);
        QTest::qWait(150);
        log->soundReleases.release();
        QTRY_COMPARE(log->all().size(), 8);
        QCOMPARE(log->all(), QStringList{u"1:made"_s} + cue(1, u"pinpon.wav"_s) + silenced(1));
        QVERIFY(control.shutDown(1s));
    }
};

QTEST_GUILESS_MAIN(ThreadedMediaControlTest)
#include "tst_threadedmediacontrol.moc"
