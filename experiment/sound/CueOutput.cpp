#include "CueOutput.h"

#ifdef Q_OS_WIN
#include "WaveOutMediaControl.h"
#else
#include "PulseMediaControl.h"
#endif

std::unique_ptr<MediaControl> makeCueOutput()
{
#ifdef Q_OS_WIN
    return std::make_unique<WaveOutMediaControl>();
#else
    return std::make_unique<PulseMediaControl>();
#endif
}
