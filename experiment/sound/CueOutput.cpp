#include "CueOutput.h"

#if defined(Q_OS_WIN)
#include "WaveOutMediaControl.h"
#elif defined(Q_OS_WASM)
#include "WebAudioMediaControl.h"
#else
#include "PulseMediaControl.h"
#endif

std::unique_ptr<MediaControl> makeCueOutput()
{
#if defined(Q_OS_WIN)
    return std::make_unique<WaveOutMediaControl>();
#elif defined(Q_OS_WASM)
    return std::make_unique<WebAudioMediaControl>();
#else
    return std::make_unique<PulseMediaControl>();
#endif
}
