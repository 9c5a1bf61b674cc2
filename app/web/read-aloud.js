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
    // The voice list may come late; without a Japanese voice by then, the
    // page says so once, and the program runs as it does without the switch.
    const VoiceWait = 2000;
    const NoVoice = 'この端末には日本語の音声がないため、読み上げができません。';
    let voice = null;
    // Browsers that let a page speak only after a tap (iPadOS): nothing is
    // spoken before the first one, and nothing made before it is kept.
    let opened = false;

    function japaneseVoice() {
        const voices = synthesis.getVoices().filter(v => /^ja([-_]|$)/i.test(v.lang));
        // One that works offline, where the device has one.
        return voices.find(v => v.localService) ?? voices[0] ?? null;
    }

    const line = document.getElementById('no-voice');
    // Shown for a while, beside the program, never over a button it leaves
    // pressable: it takes no taps.
    const LineShown = 15000;

    function sayNoVoice() {
        line.textContent = NoVoice;
        line.hidden = false;
        setTimeout(() => { line.hidden = true; }, LineShown);
    }

    const speaks = synthesis && typeof SpeechSynthesisUtterance === 'function';
    if (speaks) {
        voice = japaneseVoice();
        synthesis.addEventListener('voiceschanged', () => {
            voice = japaneseVoice() ?? voice;
            if (voice)
                line.hidden = true;
        });
        setTimeout(() => { if (!voice) sayNoVoice(); }, VoiceWait);
    } else {
        sayNoVoice();
    }

    function open() {
        if (opened || !speaks)
            return;
        opened = true;
        // An empty utterance within the tap is what iPadOS asks for.
        synthesis.speak(new SpeechSynthesisUtterance(''));
    }
    for (const type of ['pointerup', 'touchend', 'keydown'])
        addEventListener(type, open, { capture: true });

    function stop() {
        if (voice)
            synthesis.cancel();
    }
    // Not on in a hidden page (another app, another tab), nor after the end.
    document.addEventListener('visibilitychange', () => { if (document.hidden) stop(); });

    return {
        read(utterances) {
            if (!opened || !voice)
                return;
            synthesis.cancel();
            for (const text of utterances) {
                const utterance = new SpeechSynthesisUtterance(text);
                utterance.lang = 'ja-JP';
                utterance.voice = voice;
                utterance.rate = 1;
                synthesis.speak(utterance);
            }
        },
        stop,
    };
})();
