#include "CuePlayer.h"
#include "RecordingMediaControl.h"

#include <QTest>

using namespace Qt::StringLiterals;

class CuePlayerTest : public QObject
{
    Q_OBJECT

private slots:
    void everyCueStopsClosesNamesOpensAndSounds()
    {
        RecordingMediaControl control;
        CuePlayer player(control);

        // Nothing is open before the first cue; it stops and closes all the same.
        player.PlayCue(u"pinpon.wav"_s);
        QCOMPARE(control.commands,
                 (QStringList{u"Stop"_s, u"Close"_s, u"FileName=pinpon.wav"_s, u"Open"_s, u"Sound"_s}));

        control.commands.clear();
        player.PlayCue(u"endpinpon.wav"_s);
        QCOMPARE(control.commands,
                 (QStringList{u"Stop"_s, u"Close"_s, u"FileName=endpinpon.wav"_s, u"Open"_s, u"Sound"_s}));
    }
};

QTEST_GUILESS_MAIN(CuePlayerTest)
#include "tst_cueplayer.moc"
