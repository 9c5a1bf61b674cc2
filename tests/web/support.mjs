// What the page's test, its screenshots and its benchmark share: a web
// server of their own on 127.0.0.1, Debian's Chromium, and the windows of
// the program as they lie on the page.
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { mkdtempSync, readdirSync } from 'node:fs';
import { createServer } from 'node:http';
import { readFile } from 'node:fs/promises';
import { tmpdir } from 'node:os';
import { gzipSync } from 'node:zlib';
import path from 'node:path';
import { chromium } from 'playwright-core';

const Types = {
    '.html': 'text/html; charset=utf-8', '.js': 'text/javascript; charset=utf-8', '.css': 'text/css',
    '.wasm': 'application/wasm', '.png': 'image/png', '.wav': 'audio/wav', '.ttf': 'font/ttf',
    '.webmanifest': 'application/manifest+json',
};

// Unpacks the download a school gets (the zip itself, or the one in a build
// folder) into a folder of its own, and returns the page's folder inside it.
export function unpackDownload(zipOrBuild) {
    const zip = zipOrBuild.endsWith('.zip') ? zipOrBuild
        : path.join(zipOrBuild, readdirSync(zipOrBuild).find(name => /^zerubino-.*-web\.zip$/.test(name)));
    const unpacked = mkdtempSync(path.join(tmpdir(), 'zerubino-web-'));
    execFileSync('unzip', ['-q', zip, '-d', unpacked]);
    return path.join(unpacked, readdirSync(unpacked)[0]);
}

// Serves a folder as a plain static web server does, compressed where the
// browser asks for it (once per file, as a server's precompressed files are),
// at the server's top or, as a forge's project pages are, under a folder.
// Every request is noted; close() takes the network away, as a dropped
// school Wi-Fi does.
export async function serveFolder(folder, under = '/') {
    const requests = [];
    const compressed = new Map();
    const server = createServer(async (request, response) => {
        requests.push(request.url);
        const name = decodeURIComponent(new URL(request.url, 'http://host').pathname).replace(/\/$/, '/index.html');
        const file = path.join(folder, path.normalize(name.slice(under.length - 1)));
        try {
            if (!name.startsWith(under) || !file.startsWith(folder))
                throw new Error('outside');
            let body = await readFile(file);
            const headers = { 'Content-Type': Types[path.extname(file)] ?? 'application/octet-stream' };
            if (/\bgzip\b/.test(request.headers['accept-encoding'] ?? '')) {
                if (!compressed.has(file))
                    compressed.set(file, gzipSync(body));
                body = compressed.get(file);
                headers['Content-Encoding'] = 'gzip';
            }
            response.writeHead(200, headers).end(body);
        } catch {
            response.writeHead(404).end();
        }
    });
    await new Promise(resolve => server.listen(0, '127.0.0.1', resolve));
    return {
        url: `http://127.0.0.1:${server.address().port}${under}`,
        requests,
        close: () => new Promise(resolve => { server.closeAllConnections(); server.close(resolve); }),
    };
}

// Chromium as this machine runs it: headless, without the calls home that
// its closed network refuses.
export function launchChromium() {
    return chromium.launch({
        executablePath: process.env.CHROMIUM ?? '/usr/bin/chromium',
        args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run', '--disable-background-networking',
               '--disable-component-update', '--disable-sync', '--autoplay-policy=no-user-gesture-required'],
    });
}

// An iPad's page, upright, with touch.
export const IPad = { hasTouch: true, deviceScaleFactor: 2, viewport: { width: 820, height: 1180 } };

// Opens the page and waits until the program has shown its experiment window;
// given `problems`, the page's script errors go into it.
export async function openProgram(context, url, problems) {
    const page = await context.newPage();
    if (problems)
        page.on('pageerror', error => problems.push(error.message));
    await page.goto(url);
    await waitForWindow(page, 'ゼルビノ');
    return page;
}

// The shown windows of the program as the page holds them, largest first:
// caption, client area, frame and canvas. Runs in the page.
export function windowsInPage() {
    const shadow = document.getElementById('qt-shadow-container')?.shadowRoot;
    if (!shadow)
        return [];
    return [...shadow.querySelectorAll('.qt-window')].filter(w => w.style.display !== 'none').map(w => {
        const client = w.querySelector('.qt-window-contents').getBoundingClientRect();
        const frame = w.getBoundingClientRect();
        const canvas = w.querySelector('canvas');
        return { caption: w.querySelector('.window-name')?.textContent.trim() ?? '',
                 x: client.x, y: client.y, width: client.width, height: client.height,
                 frame: { x: frame.x, y: frame.y, width: frame.width, height: frame.height },
                 canvas: canvas ? { width: canvas.width, css: canvas.getBoundingClientRect().width } : null };
    }).sort((a, b) => b.width * b.height - a.width * a.height);
}

export function windowsOnPage(page) {
    return page.evaluate(windowsInPage);
}

// A test's named steps, each passed or failed on its own, and the closing
// count that CTest reads.
export function testSteps() {
    const counts = { passed: 0, failed: 0 };
    return {
        counts,
        async step(name, run) {
            try {
                await run();
                ++counts.passed;
                console.log(`PASS   : ${name}`);
                return true;
            } catch (error) {
                ++counts.failed;
                console.log(`FAIL!  : ${name}\n${error.stack}`);
                return false;
            }
        },
        finish() {
            console.log(`${counts.passed} passed, ${counts.failed} failed`);
            process.exit(counts.failed ? 1 : 0);
        },
    };
}

export async function waitForWindow(page, caption, { gone = false } = {}) {
    for (const started = Date.now(); Date.now() - started < 30000;) {
        const shown = (await windowsOnPage(page)).some(w => w.caption === caption);
        if (shown !== gone)
            return;
        await page.waitForTimeout(50);
    }
    throw new Error(`the window "${caption}" did not ${gone ? 'go' : 'appear'}`);
}

// The width of each window's client area in the design's pixels: the page
// shows them at its scale.
const DesignWidths = { 'ゼルビノ': 521, 'ゼルビノ＿ヘルプ（設問と操作方法）': 570, 'グラフ': 650 };

// A shown window by caption; the exit question shares the experiment
// window's caption, so the larger of the two.
export async function windowOnPage(page, caption) {
    return (await windowsOnPage(page)).find(w => w.caption === caption);
}

// The whole window, frame included, lies on the page's visible part.
export async function assertOnPage(page, window) {
    const { width, height } = await page.evaluate(() => ({ width: innerWidth, height: innerHeight }));
    const { x, y, width: w, height: h } = window.frame;
    assert.ok(x >= 0 && y >= 0 && x + w <= width && y + h <= height,
              `${window.caption} at ${x},${y} ${w}x${h} on a ${width}x${height} page`);
}

// The scale at which the page shows the program's windows.
export async function scaleOf(page) {
    return (await windowOnPage(page, 'ゼルビノ')).width / DesignWidths['ゼルビノ'];
}

// A point of a window's client area, in the design's pixels, on the page.
export async function pointIn(page, caption, x, y) {
    const window = await windowOnPage(page, caption);
    if (!window)
        throw new Error(`no window "${caption}"`);
    const scale = window.width / DesignWidths[caption];
    return { x: window.x + x * scale, y: window.y + y * scale };
}

// The centres of the buttons a test presses, in their windows' pixels.
export const Buttons = {
    exit: ['ゼルビノ', 28, 12], help: ['ゼルビノ', 436, 12], reset: ['ゼルビノ', 492, 12],
    throwDice: ['ゼルビノ', 400, 352], stopDice: ['ゼルビノ', 400, 392],
    graph: ['ゼルビノ', 100, 444], auto: ['ゼルビノ', 248, 444], stopAuto: ['ゼルビノ', 392, 444],
    closeHelp: ['ゼルビノ＿ヘルプ（設問と操作方法）', 532, 12], closeGraph: ['グラフ', 616, 12],
};

export async function click(page, button) {
    const point = await pointIn(page, ...Buttons[button]);
    await page.mouse.click(point.x, point.y);
}

export async function tap(page, button) {
    const point = await pointIn(page, ...Buttons[button]);
    await page.touchscreen.tap(point.x, point.y);
}

// A throw by hand, by touch: さいころ投げる, and a moment later さいころ止まる.
export async function throwByTap(page) {
    await tap(page, 'throwDice');
    await page.waitForTimeout(150);
    await tap(page, 'stopDice');
}

// The screen reader's view of the experiment window's counters.
export async function counters(page) {
    return page.evaluate(() => {
        const shadow = document.getElementById('qt-shadow-container').shadowRoot;
        const text = description => shadow.querySelector(`textarea[aria-description="${description}"]`)?.textContent;
        return { count: text('実験回数'), odd: text('積が奇数の回数'), ratio: text('積が奇数の割合') };
    });
}

export async function waitForCount(page, expected) {
    for (const started = Date.now(); Date.now() - started < 10000; await page.waitForTimeout(50)) {
        if ((await counters(page)).count === expected)
            return;
    }
    assert.equal((await counters(page)).count, expected);
}
