// The page on the pupils' tablets and phones, in headless Chromium with
// touch at each device's size and pixel ratio: the scale the page reaches,
// the windows whole on it, and an iPad turned while the experiment goes on.
//   node tablets-test.mjs ZIP
import assert from 'node:assert/strict';
import { assertReaderFinds } from './hearing.mjs';
import { assertOnPage, Buttons, counters, IPad, launchChromium, openProgram, pointIn, scaleOf, serveFolder, tap,
         testSteps, unpackDownload, waitForCount, waitForWindow, windowOnPage } from './support.mjs';

const { step, finish } = testSteps();
const server = await serveFolder(unpackDownload(process.argv[2]));
const browser = await launchChromium();
const problems = [];

// Of the experiment window's two dice, whether each shows face 1, whose one
// pip is red, read from the window's own pixels.
async function showsFaceOne(page) {
    const scale = await scaleOf(page);
    return page.evaluate(({ scale, centres }) => {
        const shadow = document.getElementById('qt-shadow-container').shadowRoot;
        const window = [...shadow.querySelectorAll('.qt-window')].find(w => w.style.display !== 'none'
            && w.querySelector('.window-name')?.textContent.trim() === 'ゼルビノ');
        const canvas = window.querySelector('canvas');
        const ratio = canvas.width / canvas.getBoundingClientRect().width;
        const context = canvas.getContext('2d');
        return centres.map(([x, y]) => {
            const [r, g, b] = context.getImageData(Math.round(x * scale * ratio), Math.round(y * scale * ratio), 1, 1).data;
            return r > 200 && g < 80 && b < 80;
        });
    }, { scale, centres: [[183, 80], [343, 88]] });
}

// The pupils' devices, each with touch at its own size and pixel ratio: the
// scale the page reaches, every window whole on the page, drawn in the
// device's own pixels, and the graph's 閉じる within reach; on a phone the
// design's own size, and the page scrolls to what lies beyond it.
const Devices = [
    { name: 'an iPad upright', width: 820, height: 1180, ratio: 2, least: 1.2 },
    { name: 'an iPad sideways', width: 1180, height: 820, ratio: 2, least: 1.5 },
    { name: 'an iPad mini upright', width: 744, height: 1133, ratio: 2, least: 1.05 },
    { name: 'a Chromebook', width: 1366, height: 768, ratio: 1, least: 1.3 },
    { name: 'a phone', width: 390, height: 844, ratio: 3, least: 1 },
];
for (const device of Devices) {
    await step(`on ${device.name} the design is as large as the page allows, and the graph closes by a tap`, async () => {
        const context = await browser.newContext({ hasTouch: true, deviceScaleFactor: device.ratio,
                                                   viewport: { width: device.width, height: device.height } });
        const page = await openProgram(context, server.url, problems);
        const scale = await scaleOf(page);
        assert.ok(scale >= device.least && (device.least > 1 || scale === 1), `scale ${scale}`);
        const experiment = await windowOnPage(page, 'ゼルビノ');
        assert.equal(experiment.canvas.width, Math.round(experiment.canvas.css * device.ratio), 'drawn in device pixels');
        const scrolls = await page.evaluate(() => document.scrollingElement.scrollWidth > innerWidth
                                                  || document.scrollingElement.scrollHeight > innerHeight);
        assert.equal(scrolls, scale === 1, 'the page scrolls only where the design does not fit');
        if (!scrolls)
            await assertOnPage(page, experiment);
        await tap(page, 'graph');
        await waitForWindow(page, 'グラフ');
        if (!scrolls)
            await assertOnPage(page, await windowOnPage(page, 'グラフ'));
        let point = await pointIn(page, ...Buttons.closeGraph);
        if (scrolls) {
            await page.evaluate(({ x, y }) => scrollTo(x - innerWidth / 2, y - innerHeight / 2), point);
            point = await pointIn(page, ...Buttons.closeGraph);
        }
        await assertReaderFinds(page, '閉じる', point);
        await page.touchscreen.tap(point.x, point.y);
        await waitForWindow(page, 'グラフ', { gone: true });
        await waitForWindow(page, 'ゼルビノ');
        await context.close();
    });
}

await step('on an iPad, taps throw and run at scale, and turning it keeps the experiment as it was', async () => {
    const context = await browser.newContext(IPad);
    const page = await openProgram(context, server.url, problems);
    // Two quick taps are two presses, never a double-tap zoom.
    await tap(page, 'throwDice');
    await page.waitForTimeout(100);
    await tap(page, 'stopDice');
    await waitForCount(page, '1');
    assert.equal(await page.evaluate(() => visualViewport.scale), 1);
    const faces = await showsFaceOne(page);

    // Turned sideways, the windows follow within a second; nothing is
    // activated, which would show face 1 of both dice.
    const upright = await scaleOf(page);
    await page.setViewportSize({ width: 1180, height: 820 });
    const turned = Date.now();
    while (await scaleOf(page) < 1.5) {
        assert.ok(Date.now() - turned < 1000, `still at ${await scaleOf(page)}, from ${upright}`);
        await page.waitForTimeout(20);
    }
    await page.waitForTimeout(200);
    await assertOnPage(page, await windowOnPage(page, 'ゼルビノ'));
    assert.deepEqual(await showsFaceOne(page), faces);
    assert.equal((await counters(page)).count, '1');
    await assertReaderFinds(page, 'さいころ投げる', await pointIn(page, ...Buttons.throwDice));

    // An automatic run goes on through a turn back, and stops by a tap.
    await tap(page, 'auto');
    await page.waitForTimeout(1000);
    await page.setViewportSize({ width: 820, height: 1180 });
    await page.waitForTimeout(1000);
    assert.ok(Math.abs(await scaleOf(page) - upright) < 0.01, `back at ${await scaleOf(page)}, from ${upright}`);
    await tap(page, 'stopAuto');
    const count = Number((await counters(page)).count);
    assert.ok(count >= 16 && count <= 26, `${count} throws after 2 s`);
    await page.waitForTimeout(300);
    assert.equal(Number((await counters(page)).count), count);
    await context.close();
});
await step('no script error on the way', async () => assert.deepEqual(problems, []));

await browser.close();
await server.close();
finish();
