// Starts ゼルビノ in the page: checks what the browser offers, loads the
// program with its progress shown, hands it its cues, the experiment kept
// for it (kept-experiment.js) and, where the address asks, a voice
// (read-aloud.js), and takes its place with a line when it has ended.
// Nothing else is stored but the service worker's copy of the program's own
// files.
'use strict';

const notice = document.getElementById('notice');
const message = document.getElementById('message');
const progress = document.getElementById('progress');
const restart = document.getElementById('restart');
const screenElement = document.getElementById('screen');
// The program's own size, for the progress of its download.
const wasmBytes = Number(document.currentScript.dataset.wasmBytes);

// The two cues lie beside the page, where a school may swap them; the
// program reads them by bare name from its working folder.
const CueFiles = ['pinpon.wav', 'endpinpon.wav'];

function say(text, { showProgress = false, offerRestart = false } = {}) {
    message.textContent = text;
    progress.hidden = !showProgress;
    restart.hidden = !offerRestart;
    notice.hidden = false;
}

function end(text) {
    ReadAloud?.stop();
    screenElement.remove();
    say(text, { offerRestart: true });
}

restart.addEventListener('click', () => location.reload());

// The program's download, with its progress; the size is the file's own,
// whatever the server compresses it to.
async function fetchProgram() {
    const response = await fetch('zerubino.wasm');
    if (!response.ok || !response.body)
        throw new Error(`zerubino.wasm: ${response.status}`);
    const [counted, compiled] = response.body.tee();
    const reader = counted.getReader();
    let received = 0;
    const counting = (async () => {
        for (;;) {
            const { done, value } = await reader.read();
            if (done)
                return;
            received += value.length;
            progress.value = Math.min(100, Math.floor(100 * received / wasmBytes));
            message.textContent = `ゼルビノを読み込んでいます… ${progress.value}%`;
        }
    })();
    const module = WebAssembly.compileStreaming(
        new Response(compiled, { headers: { 'Content-Type': 'application/wasm' } }));
    await counting;
    return module;
}

// A cue that cannot be had stays silent, as on the desktop.
function fetchCues() {
    return CueFiles.map(name => fetch(name)
        .then(response => response.ok ? response.arrayBuffer() : null)
        .then(bytes => bytes && { name, bytes: new Uint8Array(bytes) })
        .catch(() => null));
}

function writeCue(instance, cue) {
    if (cue)
        instance.FS.writeFile(cue.name, cue.bytes);
}

// The page is the program's screen, at the largest scale at which each of
// its windows fits the page whole, as a desktop's display scaling enlarges
// everything: at least the design's own size, where the page may scroll.
// The client areas of the experiment, graph and help windows, in the design's
// pixels, and the room left around them.
const DesignWindows = [[521, 480], [650, 378], [570, 445]];
const PageMargin = 8;

// The frame Qt draws in the page around a window, at a scale: a border, and
// a title bar with a gap below it. Whole CSS pixels, so that the windows'
// contents lie on whole device pixels.
function frameAt(scale) {
    const border = Math.round(4 * scale);
    const titleBar = Math.round(18 * scale);
    const gap = Math.round(4 * scale);
    return { border, titleBar, gap, width: 2 * border, height: 2 * border + titleBar + gap };
}

function fitsAt(scale, width, height) {
    const frame = frameAt(scale);
    return DesignWindows.every(([w, h]) => Math.round(w * scale) + frame.width <= width - 2 * PageMargin
        && Math.round(h * scale) + frame.height <= height - 2 * PageMargin);
}

// The screen is never smaller than the largest window, framed, with its room
// at the design's size: on a smaller page (a phone, a narrow split view) the
// page scrolls, so that nothing is out of reach.
function keepDesignSize() {
    const frame = frameAt(1);
    screenElement.style.minWidth = `${Math.max(...DesignWindows.map(([w]) => w)) + frame.width + 2 * PageMargin}px`;
    screenElement.style.minHeight = `${Math.max(...DesignWindows.map(([, h]) => h)) + frame.height + 2 * PageMargin}px`;
}

// In hundredths, from a little above what the frames at scale 1 allow.
function pageScale() {
    const width = document.documentElement.clientWidth;
    const height = document.documentElement.clientHeight;
    const frame = frameAt(1);
    const room = Math.min(...DesignWindows.map(([w, h]) =>
        Math.min((width - 2 * PageMargin) / (w + frame.width), (height - 2 * PageMargin) / (h + frame.height))));
    let hundredths = Math.floor(100 * room) + 5;
    while (hundredths > 100 && !fitsAt(hundredths / 100, width, height))
        --hundredths;
    return Math.max(100, hundredths) / 100;
}

// The frames and captions at the scale, through properties that the style
// put into Qt's screen reads.
function frameWindowsAt(scale) {
    const frame = frameAt(scale);
    const style = screenElement.style;
    style.setProperty('--zerubino-border', `${frame.border}px`);
    style.setProperty('--zerubino-title-bar', `${frame.titleBar}px`);
    style.setProperty('--zerubino-title-gap', `${frame.gap}px`);
    style.setProperty('--zerubino-caption', `${12 * scale}px`);
    style.setProperty('--zerubino-button-image', `${10 * scale}px`);
    style.setProperty('--zerubino-scale', String(scale));
}

// Into Qt's screen, once it exists and before the program places a window:
// the frames at the page's scale, the captions in the program's face.
function styleFrames() {
    const shadow = document.getElementById('qt-shadow-container')?.shadowRoot;
    if (!shadow)
        return;
    const style = document.createElement('style');
    style.textContent = `
.qt-screen { --border-width: var(--zerubino-border); }
.title-bar { height: var(--zerubino-title-bar); padding-bottom: var(--zerubino-title-gap); }
.title-bar .window-name { font-family: 'Ume UI Gothic', sans-serif; font-size: var(--zerubino-caption); }
.title-bar .image-button { width: var(--zerubino-title-bar); height: var(--zerubino-title-bar); }
.title-bar .image-button img { width: var(--zerubino-button-image); height: var(--zerubino-button-image); }
.qt-window-a11y-container { transform: scale(var(--zerubino-scale)); transform-origin: 0 0; }`;
    shadow.appendChild(style);
}

// Qt's elements for screen readers lie behind each window, placed in the
// design's pixels, which the style above brings to the page's scale. Qt
// builds them only once asked by a button of its own, in English, that a
// reader would have to find first: the page presses it itself, as soon as
// the program has painted.
function openToReaders() {
    const shadow = document.getElementById('qt-shadow-container')?.shadowRoot;
    shadow?.querySelectorAll('.qt-window-a11y-container > button.hidden-visually-read-by-screen-reader')
        .forEach(button => button.click());
}

// When the page changes size (a tablet turned, a window resized, the
// browser zoomed), the scale follows, and the program places its windows
// again, keeping the experiment as it is.
function followPageSize(instance, scale) {
    const rescale = () => {
        const next = pageScale();
        if (next === scale)
            return;
        scale = next;
        frameWindowsAt(scale);
        instance.qtFontDpi = 96 * scale;
        instance.qtUpdateDpi();
    };
    window.addEventListener('resize', rescale);
    window.visualViewport?.addEventListener('resize', rescale);
    // The page may have changed while the program loaded.
    rescale();
}

// Only once the program runs: the service worker fetches every file again,
// which must not slow the first start.
function keepForOffline() {
    if ('serviceWorker' in navigator && window.isSecureContext)
        navigator.serviceWorker.register('service-worker.js').catch(() => {});
}

async function start() {
    if (typeof WebAssembly !== 'object' || !WebAssembly.compileStreaming) {
        say('このブラウザーでは ゼルビノ を動かせません。Chrome、Edge、Safari などの新しいブラウザーで開いてください。');
        return;
    }
    say('ゼルビノを読み込んでいます…', { showProgress: true });
    const cues = fetchCues();
    let module;
    try {
        module = await fetchProgram();
    } catch (error) {
        console.error(error);
        say('ゼルビノを読み込めませんでした。ネットワークにつながっているか確かめて、もう一度読み込んでください。',
            { offerRestart: true });
        return;
    }
    const kept = await KeptExperiments.take();
    keepDesignSize();
    const scale = pageScale();
    frameWindowsAt(scale);
    let instance;
    try {
        instance = await qtLoad({
            preRun: [loading => cues.forEach(cue => cue.then(file => writeCue(loading, file)))],
            zerubinoFrameWindows: styleFrames,
            zerubinoKeptExperiment: kept,
            zerubinoKeepExperiment: form => KeptExperiments.keep(form),
            zerubinoForgetExperiment: () => KeptExperiments.forget(),
            zerubinoEnded: () => {
                KeptExperiments.forgetAll();
                end('ゼルビノは終了しました。');
            },
            // Only where the address asks for reading aloud.
            ...ReadAloud && { zerubinoReadAloud: ReadAloud.read, zerubinoStopReading: ReadAloud.stop },
            qt: {
                module: Promise.resolve(module),
                entryFunction: window.zerubino_entry,
                // Qt scales its windows by the screen's dots per inch over 96.
                fontDpi: 96 * scale,
                containerElements: [screenElement],
                // The program's own faces only, never the device's.
                localFonts: { requestPermission: false, familiesCollection: 'NoFontFamilies' },
                onLoaded: () => {
                    notice.hidden = true;
                    keepForOffline();
                    ReadAloud?.programShown();
                },
                onExit: exit => end(exit.crashed ? 'ゼルビノが止まりました。' : 'ゼルビノは終了しました。'),
            },
        });
    } catch (error) {
        console.error(error);
        end('ゼルビノが止まりました。');
        return;
    }
    // After the first paint, which the pupil waits for.
    requestAnimationFrame(() => setTimeout(openToReaders));
    followPageSize(instance, scale);
    return instance;
}

start();
