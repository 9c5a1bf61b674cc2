#include "CuePlayer.h"

#include "MediaControl.h"

CuePlayer::CuePlayer(MediaControl &mediaControl)
    : control(mediaControl)
{
}

void CuePlayer::PlayCue(const QString &fileName)
{
    // Stop and close run on the very first cue too, when nothing is open.
    control.stop();
    control.close();
    control.setFileName(fileName);
    control.open();
    control.sound();
}
