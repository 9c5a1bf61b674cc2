// Measures the browser build in headless Chromium, against a one-label page
// built with the same Qt in the same run, on an iPad's and a Chromebook's
// page, and prints Markdown tables. Given an earlier build too, it starts
// that build's page among the others and compares their first paints.
//   node bench/web-benchmark.mjs [BUILD_DIR [EARLIER_BUILD_DIR]]      (default build/web)
// Needs the page's zip (cpack --preset web) and tests/web's npm packages.
import { readdirSync, readFileSync } from 'node:fs';
import path from 'node:path';
import { gzipSync } from 'node:zlib';
import { standInForSpeech } from '../tests/web/hearing.mjs';
import { Buttons, launchChromium, openProgram, pointIn, scaleOf, serveFolder, unpackDownload, waitForWindow } from '../tests/web/support.mjs';

const STARTS = 9;
const TURNS = 6;
// The pages of the pupils' devices.
const Devices = [
    { name: 'iPad upright, 820 × 1180 at ratio 2', viewport: { width: 820, height: 1180 }, ratio: 2 },
    { name: 'Chromebook, 1366 × 768 at ratio 1', viewport: { width: 1366, height: 768 }, ratio: 1 },
];
const build = path.resolve(process.argv[2] ?? 'build/web');
const programFolder = unpackDownload(build);
const baselineFolder = path.join(build, 'bench');
const earlierFolder = process.argv[3] && unpackDownload(path.resolve(process.argv[3]));

const median = values => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];
const mib = bytes => `${(bytes / 1048576).toFixed(2)} MiB`;

// The download, file by file: raw, and gzip-compressed as a server sends it.
function sizes(folder, files) {
    return files.map(name => {
        const bytes = readFileSync(path.join(folder, name));
        return { name, raw: bytes.length, gzip: gzipSync(bytes).length };
    });
}

// The moment Qt first puts pixels on a canvas: its first paint.
const firstPaintProbe = () => {
    const put = CanvasRenderingContext2D.prototype.putImageData;
    CanvasRenderingContext2D.prototype.putImageData = function (...args) {
        window.firstPaint ??= performance.now();
        return put.apply(this, args);
    };
};

async function firstPaint(page, url) {
    await page.goto(url);
    await page.waitForFunction(() => window.firstPaint !== undefined, null, { timeout: 60000 });
    return page.evaluate(() => window.firstPaint);
}

// The resident memory of the page's renderer process, the largest of the
// browser's renderers.
async function rendererMemory(browser) {
    const session = await browser.newBrowserCDPSession();
    const { processInfo } = await session.send('SystemInfo.getProcessInfo');
    let largest = 0;
    for (const { type, id } of processInfo) {
        if (type === 'renderer')
            largest = Math.max(largest, Number(/VmRSS:\s+(\d+)/.exec(readFileSync(`/proc/${id}/status`, 'utf8'))[1]) * 1024);
    }
    return largest;
}

// A full experiment of 1000 throws in the form the page keeps, valid.
function fullExperiment() {
    const throws = Array.from({ length: 1000 }, (_, n) => [1 + (n * 7) % 6, 1 + (n * 11 + n % 5) % 6]);
    const odd = throws.filter(([large, small]) => large % 2 && small % 2).length;
    return `1;1000;${odd};${(odd / 1000).toFixed(3)};${throws.at(-1).join('')};${throws.flat().join('')}`;
}
const FullExperiment = fullExperiment();

// One start in a fresh browser: the first paint, cold or warm from the
// service worker, and the renderer's memory after it; with an experiment
// kept, the page brings it back.
async function start(url, device, { warm, kept }) {
    const browser = await launchChromium();
    const context = await browser.newContext({ viewport: device.viewport, deviceScaleFactor: device.ratio });
    await context.addInitScript(firstPaintProbe);
    if (kept) {
        await context.addInitScript(form => localStorage.setItem('zerubino / experiment bench',
                                                                 JSON.stringify({ changedAt: Date.now(), form })), kept);
    }
    const page = await context.newPage();
    let time = await firstPaint(page, url);
    if (warm) {
        // The service worker has kept the files and took the page over.
        await page.waitForFunction(() => navigator.serviceWorker.controller !== null, null, { timeout: 60000 });
        time = await firstPaint(page, url);
    }
    if (kept) {
        await page.waitForFunction(() => document.getElementById('qt-shadow-container').shadowRoot
            .querySelector('textarea[aria-description="実験回数"]')?.textContent === '1000', null, { timeout: 60000 });
    }
    await page.waitForTimeout(500);
    const memory = await rendererMemory(browser);
    await browser.close();
    return { time, memory };
}

// The pages' starts alternate, so that whatever else the machine does
// weighs on both alike.
async function measureStarts(device) {
    const program = await serveFolder(programFolder);
    const baseline = await serveFolder(baselineFolder);
    const earlier = earlierFolder && await serveFolder(earlierFolder);
    const runs = { baseline: [], cold: [], reading: [], warm: [], restored: [], earlier: [] };
    for (let i = 0; i < STARTS; ++i) {
        runs.baseline.push(await start(baseline.url, device, { warm: false }));
        runs.cold.push(await start(program.url, device, { warm: false }));
        runs.reading.push(await start(`${program.url}?yomiage`, device, { warm: false }));
        runs.warm.push(await start(program.url, device, { warm: true }));
        runs.restored.push(await start(program.url, device, { warm: false, kept: FullExperiment }));
        if (earlier)
            runs.earlier.push(await start(earlier.url, device, { warm: false }));
    }
    await program.close();
    await baseline.close();
    await earlier?.close();
    const medians = list => ({ time: median(list.map(r => r.time)), memory: median(list.map(r => r.memory)) });
    return { baseline: medians(runs.baseline), cold: medians(runs.cold), reading: medians(runs.reading),
             warm: medians(runs.warm),
             restored: medians(runs.restored), earlier: earlier && medians(runs.earlier) };
}

// Writing the kept experiment as the page does when it is hidden or left:
// a full one, and an empty one.
async function keptWrites() {
    const server = await serveFolder(programFolder);
    const browser = await launchChromium();
    const page = await browser.newPage({ viewport: Devices[0].viewport });
    await page.goto(server.url);
    await waitForWindow(page, 'ゼルビノ');
    // The browser's clock is coarse: a batch of writes, each one after a change.
    const write = form => page.evaluate(form => {
        const started = performance.now();
        for (let i = 0; i < 1000; ++i) {
            KeptExperiments.keep(form);
            dispatchEvent(new Event('pagehide'));
        }
        return (performance.now() - started) / 1000;
    }, form);
    const times = { full: await write(FullExperiment), empty: await write('1;0;0;0.000;00;') };
    await browser.close();
    await server.close();
    return times;
}

// 自　動 until the 100th throw, timed by the count label's own changes; at
// an address, which may ask for reading aloud, with a Japanese voice standing
// in for the device's, so that the hundredth throw's sentence is handed over.
async function cadence(address = '') {
    const server = await serveFolder(programFolder);
    const browser = await launchChromium();
    const page = await browser.newPage({ viewport: { width: 1024, height: 768 } });
    await page.addInitScript(standInForSpeech, [{ name: 'Kyoko', lang: 'ja-JP', localService: true }]);
    await page.goto(server.url + address);
    await waitForWindow(page, 'ゼルビノ');
    await page.waitForTimeout(500);
    await page.evaluate(() => {
        const count = document.getElementById('qt-shadow-container').shadowRoot
            .querySelector('textarea[aria-description="実験回数"]');
        new MutationObserver(() => {
            if (count.textContent === '100')
                window.hundredth ??= performance.now();
        }).observe(count, { childList: true, characterData: true, subtree: true });
    });
    await page.evaluate(() => document.addEventListener('pointerup', () => { window.pressedAt = performance.now(); },
                                                        { once: true, capture: true }));
    const point = await pointIn(page, ...Buttons.auto);
    await page.mouse.click(point.x, point.y);
    await page.waitForFunction(() => window.hundredth !== undefined, null, { timeout: 30000 });
    const seconds = await page.evaluate(() => (window.hundredth - window.pressedAt) / 1000);
    if (address && !(await page.evaluate(() => window.handedToSpeech.some(u => /^実験回数 100、/.test(u.text)))))
        throw new Error('the hundredth throw was not read aloud');
    await browser.close();
    await server.close();
    return seconds;
}

// An iPad turned, and turned back: from the page's resize to the last change
// the program makes to its windows, their places or their pixels.
async function turns() {
    const server = await serveFolder(programFolder);
    const browser = await launchChromium();
    const [upright] = Devices;
    const context = await browser.newContext({ viewport: upright.viewport, deviceScaleFactor: upright.ratio,
                                               hasTouch: true });
    await context.addInitScript(() => {
        window.settling = { last: 0 };
        const put = CanvasRenderingContext2D.prototype.putImageData;
        CanvasRenderingContext2D.prototype.putImageData = function (...args) {
            window.settling.last = performance.now();
            return put.apply(this, args);
        };
        addEventListener('resize', () => { window.settling.resized = performance.now(); });
    });
    const page = await openProgram(context, server.url);
    await page.evaluate(() => new MutationObserver(() => { window.settling.last = performance.now(); })
        .observe(document.getElementById('qt-shadow-container').shadowRoot,
                 { attributes: true, subtree: true, attributeFilter: ['style'] }));
    const times = [];
    const scales = new Set();
    for (let i = 0; i < TURNS; ++i) {
        const { width, height } = page.viewportSize();
        await page.setViewportSize({ width: height, height: width });
        await page.waitForTimeout(1500);
        times.push(await page.evaluate(() => window.settling.last - window.settling.resized));
        scales.add((await scaleOf(page)).toFixed(2));
    }
    await browser.close();
    await server.close();
    return { time: median(times), scales: [...scales] };
}

const programFiles = readdirSync(programFolder).sort();
const programSizes = sizes(programFolder, programFiles);
const baselineSizes = sizes(baselineFolder, ['index.html', 'bench_baseline.js', 'bench_baseline.wasm', 'qtloader.js']);
const total = list => list.reduce((sum, f) => ({ raw: sum.raw + f.raw, gzip: sum.gzip + f.gzip }), { raw: 0, gzip: 0 });

const starts = [];
for (const device of Devices)
    starts.push({ device, ...await measureStarts(device) });
const run = await cadence();
const readingRun = await cadence('?yomiage');
const turned = await turns();
const writes = await keptWrites();

const program = total(programSizes);
const baseline = total(baselineSizes);
console.log('| File | Raw | gzip |\n|---|---|---|');
for (const file of programSizes)
    console.log(`| \`${file.name}\` | ${file.raw} | ${file.gzip} |`);
console.log(`| all | ${mib(program.raw)} | ${mib(program.gzip)} |\n`);
console.log('| Figure | Measured | Baseline | Goal | Verdict |\n|---|---|---|---|---|');
console.log(`| Download, gzip | ${mib(program.gzip)} | one label ${mib(baseline.gzip)} | ≤ 4 MiB | ${program.gzip <= 4 * 1048576 ? 'met' : '**not met**'} |`);
for (const { device, baseline: baselineCold, cold: programCold, reading, warm: programWarm, restored, earlier } of starts) {
    const ratio = programCold.time / baselineCold.time;
    const readingRatio = reading.time / programCold.time;
    console.log(`| ${device.name}: navigation to first paint, cold | ${programCold.time.toFixed(0)} ms | one label ${baselineCold.time.toFixed(0)} ms | ≤ 1.2 × baseline | ${ratio.toFixed(2)} ×, ${ratio <= 1.2 ? 'met' : '**not met**'} |`);
    if (earlier) {
        const change = programCold.time / earlier.time;
        console.log(`| ${device.name}: first paint, cold, against the earlier build | ${programCold.time.toFixed(0)} ms | earlier ${earlier.time.toFixed(0)} ms | ≤ 1.05 × earlier | ${change.toFixed(2)} ×, ${change <= 1.05 ? 'met' : '**not met**'} |`);
    }
    console.log(`| ${device.name}: first paint, cold, reading aloud (\`?yomiage\`) | ${reading.time.toFixed(0)} ms | without ${programCold.time.toFixed(0)} ms | (reference) | ${readingRatio.toFixed(2)} × |`);
    console.log(`| ${device.name}: navigation to first paint, warm (service worker) | ${programWarm.time.toFixed(0)} ms | | (reference) | |`);
    const restoring = restored.time / programCold.time;
    console.log(`| ${device.name}: first paint, cold, bringing back 1000 kept throws | ${restored.time.toFixed(0)} ms | nothing kept ${programCold.time.toFixed(0)} ms | ≤ 1.05 × nothing kept | ${restoring.toFixed(2)} ×, ${restoring <= 1.05 ? 'met' : '**not met**'} |`);
    console.log(`| ${device.name}: renderer memory | ${mib(programCold.memory)} | one label ${mib(baselineCold.memory)} | (reference) | ${programCold.memory >= baselineCold.memory ? '+' : '−'}${mib(Math.abs(programCold.memory - baselineCold.memory))} |`);
}
console.log(`| An iPad turned: from the resize to the windows settled, at scales ${turned.scales.join(' and ')} | ${turned.time.toFixed(0)} ms | | within 1 s | ${turned.time <= 1000 ? 'met' : '**not met**'} |`);
console.log(`| Writing the kept experiment, 1000 throws, when the page is hidden or left | ${(writes.full * 1000).toFixed(1)} µs | an empty one ${(writes.empty * 1000).toFixed(1)} µs | ≤ 1 ms | ${(writes.full / writes.empty).toFixed(2)} ×, ${writes.full <= 1 ? 'met' : '**not met**'} |`);
console.log(`| Cadence of 100 automatic throws | ${run.toFixed(3)} s | ideal 10.000 s | within 50 ms | ${Math.abs(run - 10) <= 0.05 ? 'met' : '**not met**'} |`);
console.log(`| … reading aloud (\`?yomiage\`) | ${readingRun.toFixed(3)} s | ideal 10.000 s | within 50 ms | ${Math.abs(readingRun - 10) <= 0.05 ? 'met' : '**not met**'} |`);
const browser = await launchChromium();
console.log(`\n${STARTS} starts of each page on each device, ${TURNS} turns; medians. Chromium ${browser.version()}.`);
await browser.close();
