// The page reading aloud, in headless Chromium on an iPad's page with touch:
// with the address's switch, what the page hands the device's speech; without
// it, nothing; on a device without a Japanese voice, the page's line. The
// device's speech is stood in for by an init script that records every
// utterance and every cancel.
//   node reading-aloud-test.mjs ZIP
import assert from 'node:assert/strict';
import { launchChromium, serveFolder, standInForSpeech, tap, testSteps, unpackDownload, waitForCount, waitForWindow,
         windowsOnPage } from './support.mjs';

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
    const context = await browser.newContext({ hasTouch: true, deviceScaleFactor: 2,
                                               viewport: { width: 820, height: 1180 } });
    await context.addInitScript(standInForSpeech, voices);
    await context.addInitScript(() => localStorage.setItem('zerubino / experiment kept',
        JSON.stringify({ changedAt: Date.now(), form: '1;1;1;1.000;11;11' })));
    const page = await context.newPage();
    page.on('pageerror', error => problems.push(error.message));
    await page.goto(new URL(address, server.url).href);
    await waitForWindow(page, 'ゼルビノ');
    return page;
}

const handed = page => page.evaluate(() => window.handedToSpeech);
// The texts handed over since `from`, without the empty one that opens the way.
const utterancesSince = async (page, from) => (await handed(page)).slice(from).filter(u => u.text).map(u => u.text);

async function waitForUtterances(page, from, count) {
    for (const started = Date.now(); Date.now() - started < 5000; await page.waitForTimeout(50)) {
        if ((await utterancesSince(page, from)).length >= count)
            break;
    }
    return utterancesSince(page, from);
}

// Taps a button and returns what it had read aloud, once `count` utterances came.
async function tapAndHear(page, button, count) {
    const from = (await handed(page)).length;
    await tap(page, button);
    return waitForUtterances(page, from, count);
}

async function throwByTap(page) {
    await tap(page, 'throwDice');
    await page.waitForTimeout(150);
    return tapAndHear(page, 'stopDice', 2);
}

const speaking = await openIPad('./?yomiage', [OnlineJapanese, English, Kyoko]);

await step('the speaking address links a manifest of its own, which starts it again with the switch', async () => {
    const manifest = await speaking.evaluate(async () => {
        const link = document.querySelector('link[rel="manifest"]').href;
        return { link, ...await (await fetch(link)).json() };
    });
    assert.match(manifest.link, /\/manifest-yomiage\.webmanifest$/);
    assert.deepEqual([manifest.start_url, manifest.id, manifest.scope], ['./?yomiage', './?yomiage', './']);
    assert.equal(manifest.short_name, 'ゼルビノ読み上げ');
});

await step('a throw is read in the device\'s Japanese voice that works offline; nothing from before the first tap is', async () => {
    // The program told a reader of the kept experiment at its start, before any tap.
    assert.deepEqual(await handed(speaking), []);
    const heard = await throwByTap(speaking);
    assert.equal(heard.length, 2, heard.join(' / '));
    assert.match(heard[0], /^大 [1-6]、小 [1-6]、積は[奇偶]数。$/);
    assert.match(heard[1], /^実験回数 2、積が奇数の回数 [12]、割合 [01]\.\d{3}$/);
    const spoken = (await handed(speaking)).filter(u => u.text);
    assert.deepEqual(new Set(spoken.map(u => `${u.lang} ${u.voice} ${u.rate}`)), new Set(['ja-JP Kyoko 1']));
    assert.equal(heard.join(''), await speaking.evaluate(() => document.getElementById('spoken').textContent));
});

await step('an automatic run is read only at its hundredth throw and at its stop, each in place of the last', async () => {
    const from = (await handed(speaking)).length;
    await tap(speaking, 'auto');
    await waitForCount(speaking, '100');
    await speaking.waitForTimeout(300);
    await tap(speaking, 'stopAuto');
    const heard = await waitForUtterances(speaking, from, 3);
    assert.equal(heard.length, 3, heard.join(' / '));
    assert.match(heard[0], /^実験回数 100、割合 [01]\.\d{3}$/);
    assert.equal(heard[1], '停止。');
    assert.match(heard[2], /^実験回数 10\d、/);
    const run = (await handed(speaking)).slice(from);
    assert.deepEqual(run.filter(u => u.cancel).length, 2, 'each sentence cancels what is still read');
});

await step('the graph\'s description is read as the graph opens, its fraction as a fraction', async () => {
    const heard = await tapAndHear(speaking, 'graph', 4);
    assert.equal(heard[0], '横軸は実験回数 0 から 1000、縦軸は積が奇数の割合。');
    assert.equal(heard.at(-1), '理論値 4分の1（0.250）の破線。');
    await tap(speaking, 'closeGraph');
    await waitForWindow(speaking, 'ゼルビノ');
});

await step('the help text is read section by section and sentence by sentence, and 閉じる stops it', async () => {
    const heard = await tapAndHear(speaking, 'help', 20);
    assert.equal(heard[0], '問題。');
    assert.ok(heard.indexOf('操作方法。') > heard.findIndex(u => u.endsWith('のでしょうか。')), heard.join(' / '));
    assert.ok(heard.join('').includes('出方は順に、１と１、１と２、'), 'outcomes read as outcomes');
    const from = (await handed(speaking)).length;
    await tap(speaking, 'closeHelp');
    await waitForWindow(speaking, 'ゼルビノ＿ヘルプ（設問と操作方法）', { gone: true });
    assert.deepEqual((await handed(speaking)).slice(from), [{ cancel: true }]);
});

await step('the exit question is read as it opens', async () => {
    assert.deepEqual(await tapAndHear(speaking, 'exit', 1), ['終了していいですか？']);
    await speaking.keyboard.press('Escape');
    await speaking.waitForTimeout(300);
    assert.equal((await windowsOnPage(speaking)).filter(w => w.caption === 'ゼルビノ').length, 1);
});

await step('without the switch nothing is read, and the page links its plain manifest', async () => {
    const plain = await openIPad('./', [Kyoko]);
    await throwByTap(plain);
    await waitForCount(plain, '2');
    assert.deepEqual(await handed(plain), []);
    assert.match(await plain.evaluate(() => document.querySelector('link[rel="manifest"]').href),
                 /\/manifest\.webmanifest$/);
});

await step('a device without a Japanese voice shows the page\'s line once, and the program runs', async () => {
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
