// Starts ゼルビノ in the page: checks what the browser offers, loads the
// program with its progress shown, hands it its cues, and takes its place
// with a line when it has ended. Nothing is stored but the service
// worker's copy of the program's own files.
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

// The window captions are the page's own text: in the program's face.
function styleCaptions() {
    const shadow = document.getElementById('qt-shadow-container')?.shadowRoot;
    if (!shadow)
        return;
    const style = document.createElement('style');
    style.textContent = ".title-bar .window-name { font-family: 'Ume UI Gothic', sans-serif; font-size: 12px; }";
    shadow.appendChild(style);
}

async function start() {
    if (typeof WebAssembly !== 'object' || !WebAssembly.compileStreaming) {
        say('このブラウザーでは ゼルビノ を動かせません。Chrome、Edge、Safari などの新しいブラウザーで開いてください。');
        return;
    }
    if ('serviceWorker' in navigator && window.isSecureContext)
        navigator.serviceWorker.register('service-worker.js').catch(() => {});

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
    let instance;
    try {
        instance = await qtLoad({
            preRun: [loading => cues.forEach(cue => cue.then(file => writeCue(loading, file)))],
            zerubinoEnded: () => end('ゼルビノは終了しました。'),
            qt: {
                module: Promise.resolve(module),
                entryFunction: window.zerubino_entry,
                containerElements: [screenElement],
                onLoaded: () => {
                    notice.hidden = true;
                    styleCaptions();
                },
                onExit: exit => end(exit.crashed ? 'ゼルビノが止まりました。' : 'ゼルビノは終了しました。'),
            },
        });
    } catch (error) {
        console.error(error);
        end('ゼルビノが止まりました。');
    }
    return instance;
}

start();
