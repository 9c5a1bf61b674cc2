// The page as a pupil uses it, in headless Chromium: a throw by mouse and
// one by touch, the keyboard, an automatic run, the graph and the help, the
// exit question both ways, and a start without the network, also of the
// speaking page; and as a screen reader finds it. The tablets' sizes have a
// test of their own (tablets-test.mjs). Along the way: nothing comes from
// another origin, and after the exit nothing is stored but the program's own
// files.
//   node page-test.mjs ZIP
import { readdirSync } from 'node:fs';
import assert from 'node:assert/strict';
import { assertGreyedForReaders, assertReaderFinds, ReaderNames, readerTree, spoken, waitForSpoken } from './hearing.mjs';
import { assertOnPage, Buttons, click, counters, launchChromium, openProgram, pointIn, scaleOf, serveFolder, tap,
         testSteps, unpackDownload, waitForCount, waitForWindow, windowOnPage, windowsOnPage } from './support.mjs';

const folder = unpackDownload(process.argv[2]);

const { step, finish } = testSteps();

// In a folder of the server, as on a forge's project pages.
const server = await serveFolder(folder, '/zerubino/');
const browser = await launchChromium();
// A Chromebook's screen: room for the help window beside the experiment window.
const context = await browser.newContext({ hasTouch: true, viewport: { width: 1366, height: 768 } });
// What other sites of the same origin keep: another site, another copy of
// ゼルビノ, and an earlier version of this one, whose cache is this one's to remove.
const OthersCaches = ['another site', 'zerubino /copy/ 0123456789abcdef'];
const EarlierCache = 'zerubino-0123456789abcdef';
await context.newPage().then(async other => {
    // Any document of the origin will do; this one starts nothing.
    await other.goto(new URL('manifest.webmanifest', server.url).href);
    await other.evaluate(names => Promise.all(names.map(name => caches.open(name))), [...OthersCaches, EarlierCache]);
    await other.close();
});
const foreign = [];
context.on('request', request => {
    if (!request.url().startsWith(server.url) && !request.url().startsWith('data:') &&
        !request.url().startsWith('blob:'))
        foreign.push(request.url());
});
const problems = [];
const page = await openProgram(context, server.url, problems);

await step('the experiment window, scaled to the page, lies at its design position across; the page title and language are Japanese', async () => {
    const experiment = await windowOnPage(page, 'ゼルビノ');
    const scale = await scaleOf(page);
    assert.ok(Math.abs(experiment.x - 257 * scale) <= 1 && Math.abs(experiment.height - 480 * scale) <= 1,
              `at ${experiment.x}, ${experiment.height} high, scale ${scale}`);
    assert.equal(await page.title(), 'ゼルビノ');
    assert.equal(await page.getAttribute('html', 'lang'), 'ja');
});

await step('a reader finds the greyed-out buttons disabled at start, and the others not', async () => {
    await assertGreyedForReaders(page, 'at start');
});

await step('a throw by mouse and one by touch are counted at the stop', async () => {
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

await step('a screen reader finds the buttons where they are drawn, in Japanese, with nothing to switch on, and hears each throw', async () => {
    const tree = await readerTree(page);
    assert.deepEqual(tree.filter(node => /Enable Screen Reader/.test(node.name)), []);
    assert.ok(tree.some(node => node.role === 'status' && node.live === 'polite'), 'a live region');
    for (const [button, name] of Object.entries(ReaderNames))
        await assertReaderFinds(page, name, await pointIn(page, ...Buttons[button]));
    await click(page, 'throwDice');
    await page.waitForTimeout(150);
    await click(page, 'stopDice');
    await waitForSpoken(page, /^大 [1-6]、小 [1-6]、積は[奇偶]数。実験回数 3、/);
    const { count, odd, ratio } = await counters(page);
    assert.match(await spoken(page), new RegExp(`実験回数 ${count}、積が奇数の回数 ${odd}、割合 ${ratio}$`));
    const [, large, small] = (await spoken(page)).match(/^大 (\d)、小 (\d)/);
    assert.ok(tree.some(node => node.name.startsWith(`大 ${large}、小 ${small}：`)), 'the cells are named by outcome');
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

await step('an automatic run throws ten times a second until 停　止, a reader finding disabled what it greys out', async () => {
    const started = Date.now();
    await click(page, 'auto');
    await assertGreyedForReaders(page, 'during a run');
    await page.waitForTimeout(Math.max(0, 2000 - (Date.now() - started)));
    await click(page, 'stopAuto');
    await assertGreyedForReaders(page, 'after a run');
    const count = Number((await counters(page)).count);
    assert.ok(count >= 15 && count <= 25, `${count} throws after 2 s`);
    await page.waitForTimeout(300);
    assert.equal(Number((await counters(page)).count), count);
    await waitForSpoken(page, new RegExp(`^停止。実験回数 ${count}、`));
});

await step('the graph window replaces the experiment window, draws the record, is described to a reader and closes by Escape', async () => {
    await click(page, 'graph');
    await waitForWindow(page, 'グラフ');
    await waitForWindow(page, 'ゼルビノ', { gone: true });
    await page.waitForTimeout(300);
    const { x, y, width, height } = await windowOnPage(page, 'グラフ');
    const shot = await page.screenshot({ clip: { x, y, width, height } });
    assert.ok(shot.length > 3000, 'the graph is drawn');
    await waitForSpoken(page, /^グラフ。横軸は実験回数 0 から 1000、縦軸は積が奇数の割合。実験回数 \d+。割合は .*。理論値 1\/4/);
    const description = (await spoken(page)).slice('グラフ。'.length);
    assert.ok((await readerTree(page)).some(node => node.description === description), 'the graph described');
    await assertReaderFinds(page, '閉じる', await pointIn(page, ...Buttons.closeGraph));
    await page.keyboard.press('Escape');
    await waitForWindow(page, 'ゼルビノ');
    await waitForWindow(page, 'グラフ', { gone: true });
});

await step('the help window opens at its place with no room beside the experiment window, and beside it on a wide page, where the experiment stays usable', async () => {
    const help = 'ゼルビノ＿ヘルプ（設問と操作方法）';
    // A Chromebook's page, and a browser window across an ultrawide screen.
    for (const [width, height, beside] of [[1366, 768, false], [2560, 900, true]]) {
        await page.setViewportSize({ width, height });
        await page.waitForTimeout(1000);
        await click(page, 'help');
        await waitForWindow(page, help);
        const shown = await windowOnPage(page, help);
        const experiment = (await windowOnPage(page, 'ゼルビノ')).frame;
        const scale = await scaleOf(page);
        assert.equal(shown.frame.x >= experiment.x + experiment.width, beside, `help at ${shown.frame.x}, scale ${scale}`);
        await assertOnPage(page, shown);
        await assertReaderFinds(page, '閉じる', await pointIn(page, ...Buttons.closeHelp));
        if (beside) {
            const before = Number((await counters(page)).count);
            await click(page, 'throwDice');
            await page.waitForTimeout(150);
            await click(page, 'stopDice');
            await waitForCount(page, String(before + 1));
        } else {
            assert.ok(Math.abs(shown.x - 232 * scale) <= 1, `help at ${shown.x}, scale ${scale}`);
        }
        await click(page, 'closeHelp');
        await waitForWindow(page, help, { gone: true });
    }
    await page.setViewportSize({ width: 1366, height: 768 });
    await page.waitForTimeout(1000);
});

await step('the exit question asks in Japanese; いいえ goes on, はい ends the program', async () => {
    const box = async () => page.evaluate(() => [...document.getElementById('qt-shadow-container').shadowRoot
        .querySelectorAll('.qt-window button')].map(b => b.textContent));
    await click(page, 'exit');
    for (const started = Date.now(); !(await box()).some(t => t.startsWith('いいえ')); await page.waitForTimeout(50))
        assert.ok(Date.now() - started < 5000, `no question: ${await box()}`);
    assert.ok((await box()).some(t => t.startsWith('はい')));
    // Read with the answer that has the focus; both lie on the question.
    await waitForSpoken(page, /^終了していいですか？ はい\(Y\) ボタン$/);
    const question = (await windowsOnPage(page)).find(w => w.caption === 'ゼルビノ' && w.width < 400);
    for (const answer of ['はい(Y)', 'いいえ(N)']) {
        const { box } = (await readerTree(page, node => node.name === answer)).find(node => node.box);
        assert.ok(box.x >= question.x && box.x + box.width <= question.x + question.width && box.y >= question.y
                  && box.y + box.height <= question.y + question.height, `${answer} at ${box.x},${box.y}`);
    }
    await page.keyboard.press('Escape');
    await page.waitForTimeout(300);
    assert.equal((await windowsOnPage(page)).filter(w => w.caption === 'ゼルビノ').length, 1);
    await click(page, 'exit');
    await page.waitForTimeout(300);
    await page.keyboard.press('Enter');
    await page.getByText('ゼルビノは終了しました。').waitFor({ timeout: 5000 });
    assert.ok(await page.getByRole('button', { name: 'もう一度始める' }).isVisible());
});

await step('nothing came from another origin, and once the program has ended nothing is kept but its files and its tab\'s name', async () => {
    assert.deepEqual(foreign, []);
    const kept = await page.evaluate(async others => ({
        cookies: document.cookie,
        local: Object.keys(localStorage),
        session: Object.keys(sessionStorage),
        databases: (await indexedDB.databases()).length,
        caches: await Promise.all((await caches.keys()).filter(name => !others.includes(name)).map(async name =>
            [name, (await (await caches.open(name)).keys()).map(r => new URL(r.url, location).pathname)])),
        others: (await caches.keys()).filter(name => others.includes(name)),
    }), OthersCaches);
    assert.deepEqual([kept.cookies, kept.databases], ['', 0]);
    // はい erased the experiment.
    assert.deepEqual(kept.local, []);
    assert.deepEqual(kept.session, ['zerubino /zerubino/ tab']);
    assert.deepEqual(kept.others, OthersCaches);
    assert.equal(kept.caches.length, 1, kept.caches.map(([name]) => name).join(', '));
    const [name, paths] = kept.caches[0];
    assert.match(name, /^zerubino \/zerubino\/ [0-9a-f]{16}$/);
    const files = paths.map(p => p.replace(/^\/zerubino\//, ''));
    assert.deepEqual(files.filter(f => !readdirSync(folder).includes(f)), []);
    for (const file of ['zerubino.wasm', 'pinpon.wav', 'read-aloud.js', 'manifest-yomiage.webmanifest'])
        assert.ok(files.includes(file), `${file} not in ${files.join(' ')}`);
});

await step('without the network the page, and the speaking page with its manifest, start again from the service worker', async () => {
    await server.close();
    await page.reload();
    await waitForWindow(page, 'ゼルビノ');
    await click(page, 'throwDice');
    await page.waitForTimeout(150);
    await click(page, 'stopDice');
    await waitForCount(page, '1');
    await page.goto(new URL('?yomiage', server.url).href);
    await waitForWindow(page, 'ゼルビノ');
    assert.equal(await page.evaluate(async () => (await (await fetch(document.querySelector('link[rel="manifest"]').href))
        .json()).start_url), './?yomiage');
});

await step('no script error on the way', async () => assert.deepEqual(problems, []));

await browser.close();
finish();
