// What a pupil who listens meets on the page, for the browser's tests:
// Chromium's accessibility tree as a screen reader finds it, the live region
// the program speaks through, and the device's speech, stood in for.
import assert from 'node:assert/strict';

// What a screen reader finds on the page: Chromium's accessibility tree, each
// node with its role, name, description, live setting and whether it is
// disabled, and, for those that `placed` picks, where its element lies on the
// page.
export async function readerTree(page, placed = () => false) {
    const cdp = await page.context().newCDPSession(page);
    const { nodes } = await cdp.send('Accessibility.getFullAXTree');
    const found = [];
    for (const node of nodes.filter(n => !n.ignored)) {
        const seen = { role: node.role?.value, name: node.name?.value ?? '', description: node.description?.value ?? '',
                       live: node.properties?.find(p => p.name === 'live')?.value.value,
                       disabled: node.properties?.find(p => p.name === 'disabled')?.value.value === true };
        if (placed(seen) && node.backendDOMNodeId) {
            const { model } = await cdp.send('DOM.getBoxModel', { backendNodeId: node.backendDOMNodeId });
            const [left, top, , , right, bottom] = model.border;
            seen.box = { x: left, y: top, width: right - left, height: bottom - top };
        }
        found.push(seen);
    }
    await cdp.detach();
    return found;
}

// The reader's button of that name lies over the point where a pupil
// presses the button, as a finger exploring the screen finds it.
export async function assertReaderFinds(page, name, point) {
    const buttons = (await readerTree(page, node => node.role === 'button' && node.name === name))
        .filter(node => node.box);
    const { x, y, width, height } = buttons.find(node => node.box.width > 0)?.box ?? {};
    if (!(point.x >= x && point.x <= x + width && point.y >= y && point.y <= y + height))
        throw new Error(`the reader's ${name} at ${x},${y} ${width}x${height}, the button at ${point.x},${point.y}`);
}

// The experiment window's buttons by the names a reader hears, and those
// greyed out in the states a pupil meets first.
export const ReaderNames = {
    exit: '終了', help: 'HELP', reset: '初期化', throwDice: 'さいころ投げる', stopDice: 'さいころ止まる',
    graph: 'グラフ表示', auto: '自　動', stopAuto: '停　止',
};
const ButtonNames = Object.values(ReaderNames);
export const Greyed = {
    'at start': ['さいころ止まる', '停　止'],
    'during a run': ButtonNames.filter(name => name !== '停　止'),
    'after a run': ['さいころ止まる', '停　止'],
};

// A reader finds disabled exactly the buttons greyed out in that state.
export async function assertGreyedForReaders(page, state) {
    for (const started = Date.now(); ; await page.waitForTimeout(50)) {
        const disabled = (await readerTree(page)).filter(node => node.role === 'button' && node.disabled)
            .map(node => node.name).filter(name => ButtonNames.includes(name));
        if (disabled.sort().join() === [...Greyed[state]].sort().join() || Date.now() - started > 3000) {
            assert.deepEqual(disabled.sort(), [...Greyed[state]].sort(), `disabled to a reader ${state}`);
            return;
        }
    }
}

// The device's speech, for an init script: it records every utterance and
// cancel the page hands it in `window.handedToSpeech`, and its voices arrive
// late, as Chromium's do.
export function standInForSpeech(voices) {
    const handed = [];
    window.handedToSpeech = handed;
    const synthesis = new EventTarget();
    let known = [];
    // Nothing it is handed ends by itself: it speaks until cancelled.
    let queued = 0;
    synthesis.getVoices = () => known;
    synthesis.speak = u => {
        ++queued;
        handed.push({ text: u.text, lang: u.lang, voice: u.voice?.name, rate: u.rate });
    };
    synthesis.cancel = () => {
        queued = 0;
        handed.push({ cancel: true });
    };
    Object.defineProperties(synthesis, { speaking: { get: () => queued > 0 }, pending: { value: false } });
    setTimeout(() => {
        known = voices;
        synthesis.dispatchEvent(new Event('voiceschanged'));
    }, 500);
    Object.defineProperty(window, 'speechSynthesis', { value: synthesis, configurable: true });
    Object.defineProperty(window, 'SpeechSynthesisUtterance', { configurable: true, writable: true,
        value: class { constructor(text) { Object.assign(this, { text, lang: '', voice: null, rate: 1 }); } } });
}

// What the page's live region says now.
export function spoken(page) {
    return page.evaluate(() => document.getElementById('spoken').textContent);
}

export async function waitForSpoken(page, pattern) {
    for (const started = Date.now(); Date.now() - started < 5000; await page.waitForTimeout(50)) {
        if (pattern.test(await spoken(page)))
            return;
    }
    assert.match(await spoken(page), pattern);
}
