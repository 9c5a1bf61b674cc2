// Measures the browser build in headless Chromium, against a one-label page
// built with the same Qt in the same run, and prints a Markdown table.
//   node bench/web-benchmark.mjs [BUILD_DIR]      (default build/web)
// Needs the page's zip (cpack --preset web) and tests/web's npm packages.
import { execFileSync } from 'node:child_process';
import { mkdtempSync, readdirSync, readFileSync, statSync } from 'node:fs';
import { tmpdir } from 'node:os';
import path from 'node:path';
import { gzipSync } from 'node:zlib';
import { Buttons, enableScreenReader, launchChromium, pointIn, serveFolder, waitForWindow } from '../tests/web/support.mjs';

const STARTS = 7;
const build = path.resolve(process.argv[2] ?? 'build/web');
const zip = readdirSync(build).find(name => /^zerubino-.*-web\.zip$/.test(name));
const unpacked = mkdtempSync(path.join(tmpdir(), 'zerubino-bench-'));
execFileSync('unzip', ['-q', path.join(build, zip), '-d', unpacked]);
const programFolder = path.join(unpacked, readdirSync(unpacked)[0]);
const baselineFolder = path.join(build, 'bench');

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

// The resident memory of the renderers of a browser with one page open.
function rendererMemory(browserPid) {
    const children = pid => execFileSync('ps', ['-o', 'pid=', '--ppid', String(pid)]).toString()
        .split('\n').filter(Boolean).map(Number);
    const all = [];
    const walk = pid => { for (const child of children(pid)) { all.push(child); walk(child); } };
    walk(browserPid);
    let total = 0;
    for (const pid of all) {
        try {
            const status = readFileSync(`/proc/${pid}/status`, 'utf8');
            const cmdline = readFileSync(`/proc/${pid}/cmdline`, 'utf8');
            if (cmdline.includes('--type=renderer'))
                total += Number(/VmRSS:\s+(\d+)/.exec(status)[1]) * 1024;
        } catch { /* ended meanwhile */ }
    }
    return total;
}

async function measureStarts(folder, { warm }) {
    const server = await serveFolder(folder);
    const times = [];
    let memory = 0;
    for (let i = 0; i < STARTS; ++i) {
        const browser = await launchChromium();
        const context = await browser.newContext({ viewport: { width: 1024, height: 768 } });
        await context.addInitScript(firstPaintProbe);
        const page = await context.newPage();
        let time = await firstPaint(page, server.url);
        if (warm) {
            await page.evaluate(async () => { await navigator.serviceWorker?.ready; });
            await page.waitForFunction(() => navigator.serviceWorker.controller !== null || location.reload());
            time = await firstPaint(page, server.url);
        }
        times.push(time);
        await page.waitForTimeout(500);
        memory = Math.max(memory, rendererMemory(browser.process()?.pid ?? 0));
        await browser.close();
    }
    await server.close();
    return { time: median(times), memory };
}

// 自　動 until the 100th throw, timed by the count label's own changes.
async function cadence() {
    const server = await serveFolder(programFolder);
    const browser = await launchChromium();
    const page = await browser.newPage({ viewport: { width: 1024, height: 768 } });
    await page.goto(server.url);
    await waitForWindow(page, 'ゼルビノ');
    await enableScreenReader(page);
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
    await browser.close();
    await server.close();
    return seconds;
}

const programFiles = readdirSync(programFolder).sort();
const programSizes = sizes(programFolder, programFiles);
const baselineSizes = sizes(baselineFolder, ['index.html', 'bench_baseline.js', 'bench_baseline.wasm', 'qtloader.js']);
const total = list => list.reduce((sum, f) => ({ raw: sum.raw + f.raw, gzip: sum.gzip + f.gzip }), { raw: 0, gzip: 0 });

const baselineCold = await measureStarts(baselineFolder, { warm: false });
const programCold = await measureStarts(programFolder, { warm: false });
const programWarm = await measureStarts(programFolder, { warm: true });
const run = await cadence();

const program = total(programSizes);
const baseline = total(baselineSizes);
console.log('| File | Raw | gzip |\n|---|---|---|');
for (const file of programSizes)
    console.log(`| \`${file.name}\` | ${file.raw} | ${file.gzip} |`);
console.log(`| all | ${mib(program.raw)} | ${mib(program.gzip)} |\n`);
console.log('| Figure | Measured | Baseline | Goal | Verdict |\n|---|---|---|---|---|');
console.log(`| Download, gzip | ${mib(program.gzip)} | one label ${mib(baseline.gzip)} | ≤ 4 MiB | ${program.gzip <= 4 * 1048576 ? 'met' : '**not met**'} |`);
const ratio = programCold.time / baselineCold.time;
console.log(`| Navigation to first paint, cold | ${programCold.time.toFixed(0)} ms | one label ${baselineCold.time.toFixed(0)} ms | ≤ 1.2 × baseline | ${ratio.toFixed(2)} ×, ${ratio <= 1.2 ? 'met' : '**not met**'} |`);
console.log(`| Navigation to first paint, warm (service worker) | ${programWarm.time.toFixed(0)} ms | | (reference) | |`);
console.log(`| Renderer memory | ${mib(programCold.memory)} | one label ${mib(baselineCold.memory)} | (reference) | +${mib(programCold.memory - baselineCold.memory)} |`);
console.log(`| Cadence of 100 automatic throws | ${run.toFixed(3)} s | ideal 10.000 s | within 50 ms | ${Math.abs(run - 10) <= 0.05 ? 'met' : '**not met**'} |`);
console.log(`\n${STARTS} starts of each page; medians. Chromium ${statSync('/usr/bin/chromium').isFile() ? execFileSync('/usr/bin/chromium', ['--version']).toString().trim() : ''}`);
