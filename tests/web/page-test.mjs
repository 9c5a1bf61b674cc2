// The page as a pupil uses it, in headless Chromium: a throw by mouse and
// one by touch, the keyboard, an automatic run, the graph and the help, the
// exit question both ways, and a start without the network. Along the way:
// nothing comes from another origin and nothing is stored but the program's
// own files.
//   node page-test.mjs ZIP
import { readdirSync } from 'node:fs';
import assert from 'node:assert/strict';
import { Buttons, click, counters, enableScreenReader, launchChromium, openProgram, pointIn, serveFolder, unpackDownload,
         waitForWindow, windowsOnPage } from './support.mjs';

const folder = unpackDownload(process.argv[2]);

let passed = 0;
let failed = 0;
async function step(name, run) {
    try {
        await run();
        ++passed;
        console.log(`PASS   : ${name}`);
    } catch (error) {
        ++failed;
        console.log(`FAIL!  : ${name}\n${error.stack}`);
    }
}

async function waitForCount(page, expected) {
    for (const started = Date.now(); Date.now() - started < 10000; await page.waitForTimeout(50)) {
        if ((await counters(page)).count === expected)
            return;
    }
    assert.equal((await counters(page)).count, expected);
}

const server = await serveFolder(folder);
const browser = await launchChromium();
// A Chromebook's screen: room for the help window beside the experiment window.
const context = await browser.newContext({ hasTouch: true, viewport: { width: 1366, height: 768 } });
const foreign = [];
context.on('request', request => {
    if (!request.url().startsWith(server.url) && !request.url().startsWith('data:') &&
        !request.url().startsWith('blob:'))
        foreign.push(request.url());
});
const page = await openProgram(context, server.url);
const problems = [];
page.on('pageerror', error => problems.push(error.message));

await step('the experiment window lies at its design position, the page title and language are Japanese', async () => {
    const [experiment] = await windowsOnPage(page);
    assert.deepEqual([experiment.x, experiment.y, experiment.width, experiment.height], [257, 124, 521, 480]);
    assert.equal(await page.title(), 'ゼルビノ');
    assert.equal(await page.getAttribute('html', 'lang'), 'ja');
});

await step('a throw by mouse and one by touch are counted at the stop', async () => {
    await enableScreenReader(page);
    await click(page, 'throwDice');
    await page.waitForTimeout(200);
    assert.equal((await counters(page)).count, '');
    await click(page, 'stopDice');
    await waitForCount(page, '1');
    for (const button of ['throwDice', 'stopDice']) {
        const point = await pointIn(page, ...Buttons[button]);
        await page.touchscreen.tap(point.x, point.y);
        await page.waitForTimeout(150);
    }
    await waitForCount(page, '2');
    assert.match((await counters(page)).ratio, /^[01]\.\d{3}$/);
});

await step('the keyboard reaches さいころ投げる with Tab and presses it with Space', async () => {
    // A click leaves the focus on 初期化; the order goes on past the greyed
    // グラフ表示 to HELP, then さいころ投げる.
    await click(page, 'reset');
    await waitForCount(page, '0');
    for (let i = 0; i < 2; ++i)
        await page.keyboard.press('Tab');
    await page.keyboard.press('Space');
    await page.waitForTimeout(150);
    await click(page, 'stopDice');
    await waitForCount(page, '1');
});

await step('an automatic run throws ten times a second until 停　止', async () => {
    await click(page, 'auto');
    await page.waitForTimeout(2000);
    await click(page, 'stopAuto');
    const count = Number((await counters(page)).count);
    assert.ok(count >= 15 && count <= 25, `${count} throws after 2 s`);
    await page.waitForTimeout(300);
    assert.equal(Number((await counters(page)).count), count);
});

await step('the graph window replaces the experiment window and draws the record', async () => {
    await click(page, 'graph');
    await waitForWindow(page, 'グラフ');
    await waitForWindow(page, 'ゼルビノ', { gone: true });
    await page.waitForTimeout(300);
    const graph = (await windowsOnPage(page)).find(w => w.caption === 'グラフ');
    const shot = await page.screenshot({ clip: graph });
    assert.ok(shot.length > 3000, 'the graph is drawn');
    await click(page, 'closeGraph');
    await waitForWindow(page, 'ゼルビノ');
    await waitForWindow(page, 'グラフ', { gone: true });
});

await step('the help window opens beside the experiment window, which stays usable', async () => {
    await click(page, 'help');
    await waitForWindow(page, 'ゼルビノ＿ヘルプ（設問と操作方法）');
    const shown = await windowsOnPage(page);
    const experiment = shown.find(w => w.caption === 'ゼルビノ');
    const help = shown.find(w => w.caption !== 'ゼルビノ');
    assert.ok(help.x >= experiment.x + experiment.width || help.x + help.width <= experiment.x,
              `help at ${help.x}, experiment ${experiment.x}..${experiment.x + experiment.width}`);
    const before = Number((await counters(page)).count);
    await click(page, 'throwDice');
    await page.waitForTimeout(150);
    await click(page, 'stopDice');
    await waitForCount(page, String(before + 1));
    await click(page, 'closeHelp');
    await waitForWindow(page, 'ゼルビノ＿ヘルプ（設問と操作方法）', { gone: true });
});

await step('the exit question asks in Japanese; いいえ goes on, はい ends the program', async () => {
    const box = async () => page.evaluate(() => [...document.getElementById('qt-shadow-container').shadowRoot
        .querySelectorAll('.qt-window button')].map(b => b.textContent));
    await click(page, 'exit');
    for (const started = Date.now(); !(await box()).some(t => t.startsWith('いいえ')); await page.waitForTimeout(50)) {
        assert.ok(Date.now() - started < 5000, `no question: ${await box()}`);
        await enableScreenReader(page);
    }
    assert.ok((await box()).some(t => t.startsWith('はい')));
    await page.keyboard.press('Escape');
    await page.waitForTimeout(300);
    assert.equal((await windowsOnPage(page)).filter(w => w.caption === 'ゼルビノ').length, 1);
    await click(page, 'exit');
    await page.waitForTimeout(300);
    await page.keyboard.press('Enter');
    await page.getByText('ゼルビノは終了しました。').waitFor({ timeout: 5000 });
    assert.ok(await page.getByRole('button', { name: 'もう一度始める' }).isVisible());
});

await step('nothing came from another origin, and nothing is kept but the program\'s files', async () => {
    assert.deepEqual(foreign, []);
    const kept = await page.evaluate(async () => ({
        cookies: document.cookie,
        local: localStorage.length,
        session: sessionStorage.length,
        databases: (await indexedDB.databases()).length,
        caches: await Promise.all((await caches.keys()).map(async name =>
            [name, (await (await caches.open(name)).keys()).map(r => new URL(r.url).pathname.slice(1))])),
    }));
    assert.deepEqual([kept.cookies, kept.local, kept.session, kept.databases], ['', 0, 0, 0]);
    assert.equal(kept.caches.length, 1);
    const [name, files] = kept.caches[0];
    assert.match(name, /^zerubino-[0-9a-f]{16}$/);
    assert.deepEqual(files.filter(f => !readdirSync(folder).includes(f)), []);
    assert.ok(files.includes('zerubino.wasm') && files.includes('pinpon.wav'), files.join(' '));
});

await step('without the network the page starts again from the service worker', async () => {
    await server.close();
    await page.reload();
    await waitForWindow(page, 'ゼルビノ');
    await enableScreenReader(page);
    await click(page, 'throwDice');
    await page.waitForTimeout(150);
    await click(page, 'stopDice');
    await waitForCount(page, '1');
});

await step('no script error on the way', async () => assert.deepEqual(problems, []));

await browser.close();
console.log(`${passed} passed, ${failed} failed`);
process.exit(failed ? 1 : 0);
