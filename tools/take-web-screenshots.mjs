// Takes the README's screenshots of the browser build in headless Chromium,
// on a Chromebook's 1366 x 768 page at device pixel ratio 1 and on an iPad
// upright (820 x 1180 at ratio 2), each at the scale the page gives it: the
// experiment window after a few seconds of an automatic run, with the help
// window over it, the graph of that run, the exit question, the page once
// the program has ended, and the iPad turned sideways. Needs the page's zip
// (cpack --preset web) and tests/web's npm packages.
//   node tools/take-web-screenshots.mjs [BUILD_DIR]      (default build/web)
import { mkdirSync } from 'node:fs';
import path from 'node:path';
import { click, launchChromium, openProgram, serveFolder, unpackDownload, waitForWindow } from '../tests/web/support.mjs';

const build = path.resolve(process.argv[2] ?? 'build/web');
const out = path.resolve(path.dirname(new URL(import.meta.url).pathname), '../docs/screenshots/web');
mkdirSync(out, { recursive: true });

const Devices = [
    { name: 'chromebook', viewport: { width: 1366, height: 768 }, ratio: 1 },
    { name: 'ipad', viewport: { width: 820, height: 1180 }, ratio: 2, turned: { width: 1180, height: 820 } },
];

const server = await serveFolder(unpackDownload(build));
const browser = await launchChromium();
for (const device of Devices) {
    const context = await browser.newContext({ viewport: device.viewport, deviceScaleFactor: device.ratio,
                                               hasTouch: device.ratio > 1 });
    const page = await openProgram(context, server.url);
    const shoot = name => page.screenshot({ path: path.join(out, `${name}-${device.name}.png`) });
    await click(page, 'auto');
    await page.waitForTimeout(4000);
    await click(page, 'stopAuto');
    await page.waitForTimeout(300);
    await shoot('experiment');
    if (device.turned) {
        await page.setViewportSize(device.turned);
        await page.waitForTimeout(1000);
        await shoot('experiment-turned');
        await page.setViewportSize(device.viewport);
        await page.waitForTimeout(1000);
    }
    await click(page, 'help');
    await waitForWindow(page, 'ゼルビノ＿ヘルプ（設問と操作方法）');
    await page.waitForTimeout(500);
    await shoot('help');
    await click(page, 'closeHelp');
    await click(page, 'graph');
    await waitForWindow(page, 'グラフ');
    await page.waitForTimeout(500);
    await shoot('graph');
    await click(page, 'closeGraph');
    await waitForWindow(page, 'ゼルビノ');
    await click(page, 'exit');
    await page.waitForTimeout(800);
    await shoot('exit-question');
    await page.keyboard.press('Enter');
    await page.getByText('ゼルビノは終了しました。').waitFor();
    await shoot('ended');
    await context.close();
}
await browser.close();
await server.close();
