#include "WebAudioMediaControl.h"

#include "CueOutput.h"
#include "WavFloats.h"

#include <emscripten.h>

// The page's audio lives in Module.zerubinoCues: one context, the source of
// the cue that sounds, and the number of the latest cue, which a stop or a
// newer cue raises, so that a cue still waiting for the audio to resume
// never sounds after them.
EM_JS(void, zerubinoStopCue, (), {
    const cues = Module.zerubinoCues;
    if (!cues)
        return;
    ++cues.latest;
    if (cues.source) {
        try {
            cues.source.stop();
        } catch (e) {
        }
        cues.source = null;
    }
});

// An iPad interrupts a page's audio when another app plays or the device
// sleeps, and may then refuse to resume it, or report it running with its
// clock stopped: such a context is replaced on the next cue. A cue asked for
// while the page is hidden stays silent.
EM_JS(void, zerubinoSoundCue, (const float *const *channels, int channelCount, int frames, int rate, int patienceMs), {
    const replace = cues => {
        const context = cues.context;
        cues.context = null;
        try {
            context.close().catch(() => {});
        } catch (e) {
        }
    };
    if (!Module.zerubinoCues) {
        Module.zerubinoCues = {context: null, source: null, latest: 0};
        // Back on the page, a fresh audio for the next cue, whatever the
        // device did to the last one meanwhile.
        document.addEventListener('visibilitychange', () => {
            const cues = Module.zerubinoCues;
            if (document.visibilityState === 'visible' && cues.context && cues.context.state !== 'running')
                replace(cues);
        });
    }
    const cues = Module.zerubinoCues;
    const cue = ++cues.latest;
    if (document.hidden)
        return;
    try {
        const AudioContext = globalThis.AudioContext || globalThis.webkitAudioContext;
        const last = cues.context;
        if (last && (last.state === 'interrupted' || last.state === 'closed' || last.zerubinoStalled))
            replace(cues);
        if (!cues.context)
            cues.context = new AudioContext();
        const context = cues.context;
        const buffer = context.createBuffer(channelCount, frames, rate);
        for (let c = 0; c < channelCount; ++c) {
            const first = HEAPU32[(channels >> 2) + c] >> 2;
            buffer.getChannelData(c).set(HEAPF32.subarray(first, first + frames));
        }
        const askedAt = performance.now();
        const start = () => {
            if (cue !== cues.latest || performance.now() - askedAt > patienceMs)
                return;
            const source = context.createBufferSource();
            source.buffer = buffer;
            source.connect(context.destination);
            source.onended = () => {
                if (cues.source !== source)
                    return;
                cues.source = null;
                context.suspend().catch(() => {});
            };
            cues.source = source;
            source.start();
            const startedAt = context.currentTime;
            setTimeout(() => {
                if (cues.source === source && context.state === 'running' && context.currentTime === startedAt)
                    context.zerubinoStalled = true;
            }, 250);
        };
        if (context.state === 'running')
            start();
        else
            context.resume().then(start, () => {
                context.zerubinoStalled = true;
            });
    } catch (e) {
        // A browser without audio, or one that refuses this sound: silence.
    }
});

WebAudioMediaControl::~WebAudioMediaControl()
{
    zerubinoStopCue();
}

void WebAudioMediaControl::stop()
{
    zerubinoStopCue();
}

void WebAudioMediaControl::close()
{
    cue.reset();
}

void WebAudioMediaControl::sound()
{
    if (!cue)
        return;
    const QList<QList<float>> channels = channelsAsFloats(*cue);
    QList<const float *> starts;
    for (const QList<float> &channel : channels)
        starts.append(channel.constData());
    zerubinoSoundCue(starts.constData(), int(starts.size()), int(channels.first().size()), cue->sampleRate,
                     int(CueStartPatience.count()));
}
