// The page in WebKit, the engine of Safari on the pupils' iPads: the page of
// an iPad upright (820 × 1180 CSS px at pixel ratio 2) in WebKitGTK's
// MiniBrowser on a virtual X display of its own, driven over the W3C
// WebDriver protocol (WebKitWebDriver, Debian's webkit2gtk-driver) with
// Node's own fetch. The experiment window is shown scaled to the page and
// whole on it, and two clicks at scale throw the dice.
//   node webkit-test.mjs ZIP [SCREENSHOT.png]
import { spawn } from 'node:child_process';
import { rmSync, writeFileSync } from 'node:fs';
import { createServer } from 'node:net';
import path from 'node:path';
import assert from 'node:assert/strict';
import { serveFolder, testSteps, unpackDownload, windowsInPage } from './support.mjs';

const MiniBrowser = process.env.MINIBROWSER ?? '/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser';
const Page = { width: 820, height: 1180, ratio: 2 };
const Experiment = { caption: 'ゼルビノ', width: 521, height: 480, throwDice: [400, 352], stopDice: [400, 392] };

const started = Date.now();
const children = [];
const { step, counts, finish } = testSteps();

const sleep = ms => new Promise(resolve => setTimeout(resolve, ms));

// Whatever happens, the display and the driver (and with them the browser)
// end with the test.
process.on('exit', () => children.forEach(child => child.exitCode === null && child.kill('SIGKILL')));
for (const signal of ['SIGINT', 'SIGTERM'])
    process.on(signal, () => process.exit(1));
const watchdog = setTimeout(() => {
    console.log(`FAIL!  : the run ends within 85 s\n${counts.passed} passed, ${counts.failed + 1} failed`);
    process.exit(1);
}, 85000);

function start(program, args, options) {
    const child = spawn(program, args, options);
    children.push(child);
    child.on('error', error => console.log(`${program}: ${error.message}`));
    return child;
}

// Xvfb on a display no one uses: it names the one it took. Room for the
// browser's window at pixel ratio 2, with its tool bar.
async function startDisplay() {
    const xvfb = start('Xvfb', ['-displayfd', '3', '-nolisten', 'tcp', '-screen', '0', '1800x2600x24'],
                       { stdio: ['ignore', 'ignore', 'ignore', 'pipe'] });
    const number = await new Promise((resolve, reject) => {
        let text = '';
        xvfb.stdio[3].on('data', data => {
            text += data;
            if (text.includes('\n'))
                resolve(text.trim());
        });
        xvfb.on('exit', () => reject(new Error('Xvfb ended')));
        setTimeout(() => reject(new Error('Xvfb named no display')), 10000);
    });
    return `:${number}`;
}

function freePort() {
    return new Promise(resolve => {
        const server = createServer().listen(0, '127.0.0.1', () => {
            const { port } = server.address();
            server.close(() => resolve(port));
        });
    });
}

// The WebDriver protocol: JSON over HTTP, the answer in "value".
let driverUrl;
let session;
async function webDriver(method, route, body) {
    const response = await fetch(`${driverUrl}${route.replace('{session}', `session/${session}`)}`, {
        method, headers: { 'Content-Type': 'application/json; charset=utf-8' },
        body: body === undefined ? undefined : JSON.stringify(body), signal: AbortSignal.timeout(30000),
    });
    const answer = await response.json();
    if (!response.ok)
        throw new Error(`${method} ${route}: ${answer.value?.error} ${answer.value?.message}`);
    return answer.value;
}

// A function run in the page with its arguments, its result as JSON.
function inPage(fn, ...args) {
    return webDriver('POST', '/{session}/execute/sync', { script: `return (${fn})(...arguments);`, args });
}

async function experimentWindow() {
    return (await inPage(windowsInPage)).find(w => w.caption === Experiment.caption);
}

// The experiment's counters as a screen reader reads them (support.mjs).
function counters() {
    return inPage(() => {
        const shadow = document.getElementById('qt-shadow-container').shadowRoot;
        shadow.querySelectorAll('.qt-window-a11y-container button').forEach(button => {
            if (button.textContent === 'Enable Screen Reader')
                button.click();
        });
        const text = description => shadow.querySelector(`textarea[aria-description="${description}"]`)?.textContent;
        return { count: text('実験回数'), odd: text('積が奇数の回数') };
    });
}

// A mouse click at a point of the page, as a pupil's tap reaches it.
async function clickAt(x, y) {
    await webDriver('POST', '/{session}/actions', { actions: [{
        type: 'pointer', id: 'mouse', parameters: { pointerType: 'mouse' },
        actions: [{ type: 'pointerMove', origin: 'viewport', x: Math.round(x), y: Math.round(y), duration: 0 },
                  { type: 'pointerDown', button: 0 }, { type: 'pointerUp', button: 0 }],
    }] });
}

function innerSize() {
    return inPage(() => ({ width: innerWidth, height: innerHeight, ratio: devicePixelRatio }));
}

// MiniBrowser on a display of its own, its page the size of an iPad's.
async function openBrowser() {
    const display = await startDisplay();
    const port = await freePort();
    driverUrl = `http://127.0.0.1:${port}`;
    // GTK draws the browser's window, and WebKit the page, at the pixel ratio.
    start('WebKitWebDriver', [`--port=${port}`], {
        stdio: ['ignore', 'ignore', 'inherit'],
        env: { ...process.env, DISPLAY: display, GDK_BACKEND: 'x11', GDK_SCALE: String(Page.ratio) },
    });
    for (let ready = false; !ready; await sleep(100)) {
        assert.ok(Date.now() - started < 10000, 'WebKitWebDriver did not answer');
        ready = await webDriver('GET', '/status').then(status => status.ready, () => false);
    }
    ({ sessionId: session } = await webDriver('POST', '/session', { capabilities: { alwaysMatch: {
        'webkitgtk:browserOptions': { binary: MiniBrowser, args: ['--automation'] },
    } } }));
    // MiniBrowser's --geometry is not used: its window is made as much
    // larger than the page as its tool bar needs.
    const before = await innerSize();
    const rect = await webDriver('GET', '/{session}/window/rect');
    await webDriver('POST', '/{session}/window/rect', {
        x: 0, y: 0, width: Page.width + rect.width - before.width, height: Page.height + rect.height - before.height });
    for (const resized = Date.now(); ; await sleep(100)) {
        const size = await innerSize();
        if (size.width === Page.width && size.height === Page.height)
            break;
        assert.ok(Date.now() - resized < 5000, `the page is ${size.width} × ${size.height}`);
    }
}

const folder = unpackDownload(process.argv[2]);
const server = await serveFolder(folder);
try {
    const shown = await step('MiniBrowser opens the page of an iPad upright and shows the experiment window', async () => {
        await openBrowser();
        await webDriver('POST', '/{session}/url', { url: server.url });
        await inPage(() => {
            window.zerubinoErrors = [];
            addEventListener('error', event => zerubinoErrors.push(`${event.message} (${event.filename}:${event.lineno})`));
            addEventListener('unhandledrejection', event => zerubinoErrors.push(`unhandled: ${event.reason}`));
        });
        for (const opened = Date.now(); !await experimentWindow(); await sleep(100)) {
            assert.ok(Date.now() - opened < 60000, 'no experiment window after 60 s; the page says: '
                      + await inPage(() => document.body.innerText.trim().slice(0, 200)));
        }
        console.log(`       shown ${((Date.now() - started) / 1000).toFixed(1)} s after the start`);
    });

    if (shown) {
        await step('the experiment window is shown at a scale of 1.2 or more, whole on the page, in the device\'s pixels', async () => {
            const page = await innerSize();
            const window = await experimentWindow();
            const scale = window.width / Experiment.width;
            console.log(`       scale ${scale.toFixed(3)} on a page of ${page.width} × ${page.height} at pixel ratio ${page.ratio}`);
            assert.deepEqual(page, { width: Page.width, height: Page.height, ratio: Page.ratio });
            assert.ok(scale >= 1.2, `scale ${scale}`);
            assert.ok(Math.abs(window.height - Experiment.height * scale) <= 1, `${window.width} × ${window.height}`);
            const { x, y, width, height } = window.frame;
            assert.ok(x >= 0 && y >= 0 && x + width <= page.width && y + height <= page.height,
                      `frame at ${x},${y} ${width} × ${height}`);
            assert.equal(window.canvas?.width, Math.round(window.canvas?.css * page.ratio), 'drawn in device pixels');
        });

        await step('a click on さいころ投げる and one on さいころ止まる 200 ms later are one throw', async () => {
            for (const enabled = Date.now(); (await counters()).count === undefined; await sleep(50))
                assert.ok(Date.now() - enabled < 3000, 'no counters for a screen reader');
            const press = async ([x, y]) => {
                const window = await experimentWindow();
                const scale = window.width / Experiment.width;
                await clickAt(window.x + x * scale, window.y + y * scale);
            };
            await press(Experiment.throwDice);
            await sleep(200);
            // While the dice roll, the count is blank until the stop.
            assert.equal((await counters()).count, '', 'the throw did not start');
            await press(Experiment.stopDice);
            for (const stopped = Date.now(); (await counters()).count !== '1'; await sleep(50))
                assert.ok(Date.now() - stopped < 5000, `the count is "${(await counters()).count}" after the stop`);
            assert.match((await counters()).odd, /^[01]$/);
        });

        await step('no script error in WebKit', async () => {
            assert.deepEqual(await inPage(() => window.zerubinoErrors), []);
        });
    }
} finally {
    if (session) {
        // The page as the test left it, where one is asked for.
        if (process.argv[3])
            await webDriver('GET', '/{session}/screenshot')
                .then(png => writeFileSync(process.argv[3], Buffer.from(png, 'base64')), error => console.log(error.message));
        await webDriver('DELETE', '/{session}').catch(error => console.log(`closing the browser: ${error.message}`));
    }
    for (const child of children.reverse()) {
        if (child.exitCode === null && child.signalCode === null) {
            const ended = new Promise(resolve => child.once('exit', resolve));
            child.kill();
            await Promise.race([ended, sleep(3000)]);
        }
    }
    await server.close();
    rmSync(path.dirname(folder), { recursive: true, force: true });
    clearTimeout(watchdog);
}
console.log(`       the run took ${((Date.now() - started) / 1000).toFixed(1)} s`);
finish();
