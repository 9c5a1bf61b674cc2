// The page in WebKit, the engine of Safari on the pupils' iPads: the page of
// an iPad upright (820 × 1180 at pixel ratio 2) in WebKitGTK's MiniBrowser on
// a virtual display of its own, driven over the W3C WebDriver protocol
// (WebKitWebDriver) with Node's own fetch. The experiment window is shown at
// the page's scale, whole on it, two clicks at scale throw the dice, and the
// throw is still there after a reload.
//   node webkit-test.mjs ZIP
import { spawn } from 'node:child_process';
import assert from 'node:assert/strict';
import { serveFolder, testSteps, unpackDownload, windowsInPage } from './support.mjs';

const MiniBrowser = '/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser';
const Page = { width: 820, height: 1180, ratio: 2 };
const { step, finish } = testSteps();
const sleep = ms => new Promise(resolve => setTimeout(resolve, ms));

// The display and the driver, and with it the browser, end with the test.
const children = [];
process.on('exit', () => children.forEach(child => child.kill('SIGKILL')));
function start(program, args, options) {
    const child = spawn(program, args, options);
    children.push(child);
    return child;
}

// Xvfb on a display no one uses: it names the one it took.
function startDisplay() {
    const xvfb = start('Xvfb', ['-displayfd', '3', '-nolisten', 'tcp', '-screen', '0', '1800x2600x24'],
                       { stdio: ['ignore', 'ignore', 'ignore', 'pipe'] });
    return new Promise(resolve => xvfb.stdio[3].once('data', data => resolve(`:${String(data).trim()}`)));
}

let driver;
async function webDriver(method, route, body) {
    const response = await fetch(`${driver}${route}`, { method, body: body && JSON.stringify(body),
                                                        headers: { 'Content-Type': 'application/json' } });
    const { value } = await response.json();
    if (!response.ok)
        throw new Error(`${method} ${route}: ${value?.error} ${value?.message}`);
    return value;
}
const inPage = (fn, ...args) => webDriver('POST', '/execute/sync', { script: `return (${fn})(...arguments);`, args });
const experiment = async () => (await inPage(windowsInPage)).find(w => w.caption === 'ゼルビノ');
const innerSize = () => inPage(() => ({ width: innerWidth, height: innerHeight, ratio: devicePixelRatio }));

// MiniBrowser, its window sized so that its page is an iPad's.
async function openBrowser(url) {
    const port = 40000 + Math.floor(Math.random() * 20000);
    start('WebKitWebDriver', [`--port=${port}`], { stdio: 'ignore', env: { ...process.env, DISPLAY: await startDisplay(),
                                                                            GDK_BACKEND: 'x11', GDK_SCALE: '2' } });
    const base = `http://127.0.0.1:${port}`;
    for (driver = base; !(await webDriver('GET', '/status').then(status => status.ready, () => false)); await sleep(100)) ;
    const { sessionId } = await webDriver('POST', '/session', { capabilities: { alwaysMatch: {
        'webkitgtk:browserOptions': { binary: MiniBrowser, args: ['--automation'] } } } });
    driver = `${base}/session/${sessionId}`;
    const inner = await innerSize();
    const outer = await webDriver('GET', '/window/rect');
    await webDriver('POST', '/window/rect', { x: 0, y: 0, width: Page.width + outer.width - inner.width,
                                              height: Page.height + outer.height - inner.height });
    await webDriver('POST', '/url', { url });
    await inPage(() => {
        window.problems = [];
        addEventListener('error', event => problems.push(event.message));
    });
    for (const opened = Date.now(); !await experiment(); await sleep(100))
        assert.ok(Date.now() - opened < 60000, 'no experiment window after 60 s');
}

// A click on a point of the experiment window, in the design's pixels.
async function click([x, y]) {
    const window = await experiment();
    const scale = window.width / 521;
    await webDriver('POST', '/actions', { actions: [{ type: 'pointer', id: 'mouse', parameters: { pointerType: 'mouse' },
        actions: [{ type: 'pointerMove', origin: 'viewport', x: Math.round(window.x + x * scale),
                    y: Math.round(window.y + y * scale) }, { type: 'pointerDown', button: 0 },
                  { type: 'pointerUp', button: 0 }] }] });
}

// The count as a screen reader finds it, which the page offers by itself.
const counted = () => inPage(() => document.getElementById('qt-shadow-container')?.shadowRoot
    ?.querySelector('textarea[aria-description="実験回数"]')?.textContent);

const server = await serveFolder(unpackDownload(process.argv[2]));
if (await step('MiniBrowser opens the page of an iPad upright', () => openBrowser(server.url))) {
    await step('the experiment window is at a scale of 1.2 or more, whole on the page, in device pixels', async () => {
        assert.deepEqual(await innerSize(), Page);
        const { width, height, frame, canvas } = await experiment();
        assert.ok(width / 521 >= 1.2 && Math.abs(height - 480 * width / 521) <= 1, `${width} × ${height}`);
        assert.ok(frame.x >= 0 && frame.y >= 0 && frame.x + frame.width <= Page.width
                  && frame.y + frame.height <= Page.height, JSON.stringify(frame));
        assert.equal(canvas.width, Math.round(canvas.css * Page.ratio));
    });
    await step('a click on さいころ投げる and one on さいころ止まる are one throw, with no script error', async () => {
        for (const asked = Date.now(); await counted() === undefined; await sleep(50))
            assert.ok(Date.now() - asked < 3000, 'no counters for a screen reader');
        await click([400, 352]);
        await sleep(200);
        assert.equal(await counted(), '', 'the dice did not start');
        await click([400, 392]);
        for (const stopped = Date.now(); await counted() !== '1'; await sleep(50))
            assert.ok(Date.now() - stopped < 5000, `the count is "${await counted()}" after the stop`);
        assert.deepEqual(await inPage(() => window.problems), []);
    });
    await step('a reload keeps the experiment', async () => {
        await webDriver('POST', '/refresh', {});
        for (const reloaded = Date.now(); await counted() !== '1'; await sleep(100))
            assert.ok(Date.now() - reloaded < 60000, `the count is "${await counted()}" after the reload`);
    });
    await webDriver('DELETE', '');
}
await server.close();
finish();
