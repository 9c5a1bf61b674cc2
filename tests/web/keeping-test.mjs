// The pupil's experiment survives the tablet: on an iPad's page with touch in
// Chromium, reloaded, closed and opened again, in two tabs, frozen, after the
// exit and a reset, an hour later, with a damaged store or none at all; and
// the cues after an interrupted audio.
//   node keeping-test.mjs ZIP
import assert from 'node:assert/strict';
import { readerTree, waitForSpoken } from './hearing.mjs';
import { counters, IPad, launchChromium, openProgram, serveFolder, tap, testSteps, throwByTap, unpackDownload,
         waitForCount, waitForWindow, windowOnPage } from './support.mjs';

const server = await serveFolder(unpackDownload(process.argv[2]), '/zerubino/');
const browser = await launchChromium();
const { step, finish } = testSteps();
const problems = [];

const open = context => openProgram(context, server.url, problems);

async function reload(page) {
    await page.reload();
    await waitForWindow(page, 'ゼルビノ');
    await page.waitForTimeout(300);
}

const countOf = async page => Number((await counters(page)).count);

// The 36 cells as a screen reader names them, and their sum.
async function cells(page) {
    const named = (await readerTree(page)).map(node => node.name.match(/^大 (\d)、小 (\d)：(\d+) 回/)).filter(Boolean);
    const counts = Object.fromEntries(named.map(([, large, small, count]) => [large + small, Number(count)]));
    return { counts, sum: Object.values(counts).reduce((a, b) => a + b, 0) };
}

// The graph's client area, pixel for pixel; the graph closes again.
async function graphPicture(page) {
    await tap(page, 'graph');
    await waitForWindow(page, 'グラフ');
    await page.waitForTimeout(500);
    const { x, y, width, height } = await windowOnPage(page, 'グラフ');
    const picture = await page.screenshot({ clip: { x, y, width, height } });
    await tap(page, 'closeGraph');
    await waitForWindow(page, 'ゼルビノ');
    return picture;
}

// Ready: a run goes on from the count, and 停　止 stops it.
async function assertRunGoesOn(page) {
    const count = await countOf(page);
    await page.waitForTimeout(400);
    assert.equal(await countOf(page), count, 'nothing runs after the return');
    await tap(page, 'auto');
    await page.waitForTimeout(800);
    await tap(page, 'stopAuto');
    assert.ok(await countOf(page) > count, `${await countOf(page)} after ${count}`);
}

const context = await browser.newContext(IPad);
let page = await open(context);

await step('throws by hand and a stopped run come back after a reload: the same numbers, cells and graph, in Ready, told once', async () => {
    await throwByTap(page);
    await throwByTap(page);
    await waitForCount(page, '2');
    await tap(page, 'auto');
    await page.waitForTimeout(1500);
    await tap(page, 'stopAuto');
    const before = { counters: await counters(page), cells: await cells(page), graph: await graphPicture(page) };
    await reload(page);
    const { count, odd, ratio } = before.counters;
    await waitForSpoken(page, new RegExp(`^前の実験の続きです。実験回数 ${count}、積が奇数の回数 ${odd}、割合 ${ratio}$`));
    assert.deepEqual(await counters(page), before.counters);
    assert.deepEqual(await cells(page), before.cells);
    assert.equal(before.cells.sum, Number(before.counters.count));
    assert.ok((await graphPicture(page)).equals(before.graph), 'the same graph');
    await assertRunGoesOn(page);
});

await step('a reload while the dice tumble and during a run: the record adds up, and the buttons are those of Ready', async () => {
    const count = await countOf(page);
    await tap(page, 'throwDice');
    await page.waitForTimeout(300);
    await reload(page);
    assert.equal(await countOf(page), count, 'the tumbling throw is not counted');
    await tap(page, 'stopDice');
    await page.waitForTimeout(200);
    assert.equal(await countOf(page), count, 'さいころ止まる is greyed out');
    await tap(page, 'auto');
    await page.waitForTimeout(1200);
    await reload(page);
    const kept = await countOf(page);
    assert.ok(kept >= count + 8, `${kept} after ${count}`);
    assert.equal((await cells(page)).sum, kept);
    await assertRunGoesOn(page);
});

await step('closed and opened again, the experiment is back; a second tab takes it, then each tab keeps its own', async () => {
    const count = await countOf(page);
    await page.close();
    page = await open(context);
    assert.equal(await countOf(page), count);
    const second = await open(context);
    assert.equal(await countOf(second), count);
    await throwByTap(second);
    await waitForCount(second, String(count + 1));
    await reload(page);
    await reload(second);
    assert.equal(await countOf(page), count);
    assert.equal(await countOf(second), count + 1);
    const third = await open(context);
    assert.equal(await countOf(third), count + 1, 'the one changed last');
    await Promise.all([second.close(), third.close()]);
    // A duplicated tab, its original's tab name copied, takes a name of its own.
    const tabName = () => sessionStorage.getItem('zerubino /zerubino/ tab');
    const duplicate = await context.newPage();
    await duplicate.addInitScript(name => sessionStorage.setItem('zerubino /zerubino/ tab', name),
                                  await page.evaluate(tabName));
    await duplicate.goto(server.url);
    await waitForWindow(duplicate, 'ゼルビノ');
    assert.notEqual(await duplicate.evaluate(tabName), await page.evaluate(tabName));
    await duplicate.close();
});

await step('初期化 then a reload is empty; はい erases every experiment: もう一度始める and a page opened later start empty', async () => {
    await tap(page, 'reset');
    await waitForCount(page, '0');
    await reload(page);
    assert.equal((await counters(page)).count, '');
    await throwByTap(page);
    await waitForCount(page, '1');
    await tap(page, 'exit');
    await page.waitForTimeout(500);
    await page.keyboard.press('Enter');
    await page.getByRole('button', { name: 'もう一度始める' }).click();
    await waitForWindow(page, 'ゼルビノ');
    await page.waitForTimeout(300);
    assert.equal((await counters(page)).count, '');
    const later = await open(context);
    assert.equal((await counters(later)).count, '');
    await later.close();
});

await step('an hour-old experiment, a damaged one and another copy\'s: the page starts empty, erases its own, leaves the other\'s', async () => {
    const fresh = await browser.newContext(IPad);
    await fresh.addInitScript(() => {
        const entries = { old: [-61 * 60000, '1;1;1;1.000;11;11'], damaged: [-1000, '1;1;0;0.000;11;71'] };
        for (const [name, [age, form]] of Object.entries(entries))
            localStorage.setItem(`zerubino /zerubino/ experiment ${name}`, JSON.stringify({ changedAt: Date.now() + age, form }));
        localStorage.setItem('zerubino /zerubino/ experiment torn', '{"changedAt":');
        localStorage.setItem('zerubino /copy/ experiment other', JSON.stringify({ changedAt: Date.now(), form: '1;1;1;1.000;11;11' }));
    });
    const started = await open(fresh);
    await started.waitForTimeout(500);
    assert.equal((await counters(started)).count, '');
    assert.deepEqual(await started.evaluate(() => Object.keys(localStorage)), ['zerubino /copy/ experiment other']);
    await fresh.close();
});

await step('where the browser refuses storage, the program runs as it always did', async () => {
    const blocked = await browser.newContext(IPad);
    await blocked.addInitScript(() => ['localStorage', 'sessionStorage'].forEach(name => Object.defineProperty(
        window, name, { get() { throw new DOMException('blocked', 'SecurityError'); } })));
    const refused = await open(blocked);
    await throwByTap(refused);
    await waitForCount(refused, '1');
    await reload(refused);
    assert.equal((await counters(refused)).count, '');
    await blocked.close();
});

await step('a page frozen during a run and made active again goes on counting', async () => {
    await tap(page, 'auto');
    await page.waitForTimeout(500);
    const cdp = await context.newCDPSession(page);
    await cdp.send('Page.setWebLifecycleState', { state: 'frozen' });
    await page.waitForTimeout(500);
    await cdp.send('Page.setWebLifecycleState', { state: 'active' });
    const thawed = await countOf(page);
    await page.waitForTimeout(1000);
    await tap(page, 'stopAuto');
    assert.ok(await countOf(page) >= thawed + 5, `${await countOf(page)} after ${thawed}`);
    await cdp.detach();
});

await step('after the audio was interrupted, or the pupil comes back to the page, the next cue sounds on a new one', async () => {
    const listening = await browser.newContext(IPad);
    await listening.addInitScript(() => {
        window.cues = { contexts: [], started: 0 };
        window.AudioContext = class extends AudioContext {
            constructor(...options) { super(...options); cues.contexts.push(this); }
        };
        const start = AudioBufferSourceNode.prototype.start;
        AudioBufferSourceNode.prototype.start = function (...when) { ++cues.started; return start.apply(this, when); };
    });
    const heard = await open(listening);
    const cue = async () => {
        await tap(heard, 'reset');
        await heard.waitForTimeout(400);
        return heard.evaluate(() => [cues.contexts.length, cues.started]);
    };
    assert.deepEqual(await cue(), [1, 1]);
    await heard.evaluate(() => Object.defineProperty(cues.contexts[0], 'state', { get: () => 'interrupted' }));
    assert.deepEqual(await cue(), [2, 2]);
    // Back from another app: the audio, suspended meanwhile, is replaced.
    await heard.evaluate(async () => {
        await cues.contexts[1].suspend();
        document.dispatchEvent(new Event('visibilitychange'));
    });
    assert.deepEqual(await cue(), [3, 3]);
    await listening.close();
});

await step('no script error on the way', async () => assert.deepEqual(problems, []));

await browser.close();
await server.close();
finish();
