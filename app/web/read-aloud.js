// Reads ゼルビノ's results and texts aloud in the device's own Japanese
// voice, for a pupil who needs them heard rather than read, where the page's
// address asks for it (…/?yomiage). The address is the switch: nothing is
// remembered, and without it this does nothing at all. The program hands
// over its texts already cut into utterances; this speaks them.
'use strict';

const ReadAloud = (() => {
    if (!new URLSearchParams(location.search).has('yomiage'))
        return null;

    // A home-screen icon or an installed app made from this page speaks too.
    document.querySelector('link[rel="manifest"]').href = 'manifest-yomiage.webmanifest';
    document.querySelector('meta[name="apple-mobile-web-app-title"]').content = 'ゼルビノ読み上げ';

    const synthesis = window.speechSynthesis;
    const speaks = typeof synthesis?.speak === 'function' && typeof SpeechSynthesisUtterance === 'function';
    // The voice list may come late: the page decides this long after the
    // program has appeared.
    const VoiceWait = 2000;
    // The line taps fall through; it goes after a while.
    const LineShown = 15000;
    const line = document.getElementById('no-voice');
    let voice = null;
    // Browsers let a page speak only after a tap or a key (iPadOS strictly):
    // nothing is spoken before the first, and nothing made before it is kept.
    let opened = false;
    // A reading handed over later than it was asked for gives way to any
    // asked for after it.
    let readings = 0;

    function japaneseVoice() {
        const voices = synthesis.getVoices().filter(v => /^ja([-_]|$)/i.test(v.lang));
        // The device's own choice, else one that works offline.
        return voices.find(v => v.localService && v.default) ?? voices.find(v => v.localService) ?? voices[0]
            ?? null;
    }

    function followVoices() {
        const changed = () => {
            voice = japaneseVoice() ?? voice;
            if (voice)
                line.hidden = true;
        };
        voice = japaneseVoice();
        if (typeof synthesis.addEventListener === 'function')
            synthesis.addEventListener('voiceschanged', changed);
        else
            synthesis.onvoiceschanged = changed;
    }

    function open() {
        if (opened || !speaks)
            return;
        opened = true;
        // An empty utterance within the tap is what iPadOS asks for.
        synthesis.speak(new SpeechSynthesisUtterance(''));
    }

    function speak(utterances) {
        for (const text of utterances) {
            const utterance = new SpeechSynthesisUtterance(text);
            utterance.lang = 'ja-JP';
            utterance.voice = voice;
            utterance.rate = 1;
            synthesis.speak(utterance);
        }
    }

    function stop() {
        ++readings;
        if (speaks)
            synthesis.cancel();
    }

    try {
        if (speaks)
            followVoices();
        for (const type of ['pointerup', 'touchend', 'keydown'])
            addEventListener(type, open, { capture: true });
        // Not on in a hidden page (another app, another tab).
        document.addEventListener('visibilitychange', () => { if (document.hidden) stop(); });
    } catch (error) {
        // Whatever this browser lacks, the program runs as without the switch.
        console.error(error);
        return null;
    }

    return {
        // Once the program is on screen: where there is no Japanese voice,
        // the page says so once.
        programShown() {
            setTimeout(() => {
                if (voice)
                    return;
                line.textContent = 'この端末には日本語の音声がないため、読み上げができません。';
                line.hidden = false;
                setTimeout(() => { line.hidden = true; }, LineShown);
            }, speaks ? VoiceWait : 0);
        },
        read(utterances) {
            if (!opened || !voice)
                return;
            const reading = ++readings;
            if (!synthesis.speaking && !synthesis.pending) {
                speak(utterances);
                return;
            }
            // Some engines drop what is spoken in the same moment as a cancel.
            synthesis.cancel();
            setTimeout(() => {
                if (reading === readings)
                    speak(utterances);
            });
        },
        stop,
    };
})();
