// The page reading aloud, in headless Chromium on an iPad's page with touch:
// with the address's switch, what the page hands the device's speech; without
// it, nothing; on a device without a Japanese voice, the page's line. The
// device's speech is stood in for by an init script that records every
// utterance and every cancel.
//   node reading-aloud-test.mjs ZIP
import assert from 'node:assert/strict';
import { standInForSpeech } from './hearing.mjs';
import { IPad, launchChromium, openProgram, serveFolder, tap, testSteps, throwByTap, unpackDownload, waitForCount,
         waitForWindow } from './support.mjs';

const { step, finish } = testSteps();
const server = await serveFolder(unpackDownload(process.argv[2]));
const browser = await launchChromium();
const problems = [];

const Kyoko = { name: 'Kyoko', lang: 'ja-JP', localService: true };
const OnlineJapanese = { name: 'Google 日本語', lang: 'ja-JP', localService: false };
const English = { name: 'Samantha', lang: 'en-US', localService: true };

// The iPad's page, opened at the address, with the device's voices; an
// experiment of one throw (1・1) kept from before, which the program tells of
// at its start.
async function openIPad(address, voices) {
    const context = await browser.newContext(IPad);
    await context.addInitScript(standInForSpeech, voices);
    await context.addInitScript(() => localStorage.setItem('zerubino / experiment kept',
        JSON.stringify({ changedAt: Date.now(), form: '1;1;1;1.000;11;11' })));
    return openProgram(context, new URL(address, server.url).href, problems);
}

const handed = page => page.evaluate(() => window.handedToSpeech);

// The texts handed over since `from`, without the empty one that opens the
// way, once `count` have come.
async function heardSince(page, from, count) {
    const heard = async () => (await handed(page)).slice(from).filter(u => u.text).map(u => u.text);
    for (const started = Date.now(); (await heard()).length < count && Date.now() - started < 5000;)
        await page.waitForTimeout(50);
    return heard();
}

async function tapAndHear(page, button, count) {
    const from = (await handed(page)).length;
    await tap(page, button);
    return heardSince(page, from, count);
}

const manifestOf = page => page.evaluate(() => document.querySelector('link[rel="manifest"]').href.split('/').pop());

const speaking = await openIPad('./?yomiage', [OnlineJapanese, English, Kyoko]);

await step('a throw is read in the device\'s Japanese voice that works offline; nothing from before the first tap is', async () => {
    assert.equal(await manifestOf(speaking), 'manifest-yomiage.webmanifest');
    // The program told a reader of the kept experiment at its start, before any tap.
    assert.deepEqual(await handed(speaking), []);
    await throwByTap(speaking);
    const heard = await heardSince(speaking, 0, 2);
    assert.equal(heard.length, 2, heard.join(' / '));
    assert.match(heard[0], /^大 [1-6]、小 [1-6]、積は[奇偶]数。$/);
    assert.match(heard[1], /^実験回数 2、積が奇数の回数 [12]、割合 [01]\.\d{3}$/);
    const spoken = (await handed(speaking)).filter(u => u.text);
    assert.deepEqual(new Set(spoken.map(u => `${u.lang} ${u.voice} ${u.rate}`)), new Set(['ja-JP Kyoko 1']));
});

await step('an automatic run is read only at its hundredth throw and at its stop, each in place of the last', async () => {
    const from = (await handed(speaking)).length;
    await tap(speaking, 'auto');
    await waitForCount(speaking, '100');
    await speaking.waitForTimeout(300);
    const heard = await tapAndHear(speaking, 'stopAuto', 2);
    const run = (await handed(speaking)).slice(from);
    assert.match(run.find(u => u.text)?.text, /^実験回数 100、割合 [01]\.\d{3}$/);
    assert.deepEqual([heard[0], /^実験回数 10\d、/.test(heard[1]), heard.length], ['停止。', true, 2], heard.join(' / '));
    assert.equal(run.filter(u => u.cancel).length, 2, 'each sentence cancels what is still read');
    assert.equal(run.filter(u => u.text).length, 3, run.map(u => u.text).join(' / '));
});

await step('the graph\'s description, the help text and the exit question are read as they open; 閉じる stops the help', async () => {
    const graph = await tapAndHear(speaking, 'graph', 4);
    assert.deepEqual([graph[0], graph.at(-1)], ['横軸は実験回数 0 から 1000、縦軸は積が奇数の割合。', '理論値 4分の1（0.250）の破線。']);
    await tap(speaking, 'closeGraph');
    await waitForWindow(speaking, 'ゼルビノ');
    const help = await tapAndHear(speaking, 'help', 20);
    assert.equal(help[0], '問題。');
    const from = (await handed(speaking)).length;
    await tap(speaking, 'closeHelp');
    await waitForWindow(speaking, 'ゼルビノ＿ヘルプ（設問と操作方法）', { gone: true });
    assert.deepEqual((await handed(speaking)).slice(from), [{ cancel: true }]);
    assert.deepEqual(await tapAndHear(speaking, 'exit', 1), ['終了していいですか？']);
    await speaking.keyboard.press('Escape');
});

await step('without the switch nothing is read, and the page links its plain manifest', async () => {
    const plain = await openIPad('./', [Kyoko]);
    await throwByTap(plain);
    await waitForCount(plain, '2');
    assert.deepEqual(await handed(plain), []);
    assert.equal(await manifestOf(plain), 'manifest.webmanifest');
});

await step('a device without a Japanese voice shows the page\'s line, and the program runs', async () => {
    const silent = await openIPad('./?yomiage', [English]);
    const line = silent.getByText('この端末には日本語の音声がないため、読み上げができません。');
    await line.waitFor({ timeout: 5000 });
    assert.equal(await line.getAttribute('role'), 'status');
    await throwByTap(silent);
    await waitForCount(silent, '2');
    assert.deepEqual((await handed(silent)).filter(u => u.text), []);
});

await step('no script error on the way', async () => assert.deepEqual(problems, []));

await browser.close();
await server.close();
finish();
