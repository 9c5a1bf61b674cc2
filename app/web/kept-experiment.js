// Keeps the pupil's experiment in the page's own storage on the device, so
// that it comes back when a tablet reloads or throws the page away, or the
// page is opened again, within the lesson: up to an hour after its last
// change. A reload takes its own tab's experiment; a page opened anew takes
// the one changed last, and keeps its own from then on. The keys carry the
// page's folder, as the offline copy's caches do, so that two copies under
// one origin never read each other's. The program makes and reads the kept
// form; this only stores it. Nothing leaves the device.
'use strict';

const KeptExperiments = (() => {
    const Lifetime = 60 * 60 * 1000;
    // A change is written this soon at the latest, and at once when the page
    // is hidden, frozen or left: a browser hides a page before it discards it.
    const WriteDelay = 1000;
    const folder = location.pathname.replace(/[^/]*$/, '');
    const prefix = `zerubino ${folder} experiment `;
    const tabKey = `zerubino ${folder} tab`;

    // A browser that refuses storage (site data blocked by a school's policy,
    // where merely reading the property throws) keeps nothing.
    function storage(name) {
        try {
            const store = window[name];
            store.getItem(tabKey);
            return store;
        } catch {
            return null;
        }
    }
    const local = storage('localStorage');
    const session = storage('sessionStorage');

    let key = null;
    // The entry a page opened anew took its experiment from.
    let source = null;
    let pending = null;
    let timer = 0;
    let ended = false;

    function write() {
        clearTimeout(timer);
        timer = 0;
        if (!pending || !key || ended)
            return;
        try {
            local.setItem(key, JSON.stringify(pending));
            pending = null;
        } catch {
            // A full quota: the program goes on as without storage.
        }
    }

    function entry(name) {
        try {
            const { changedAt, form } = JSON.parse(local.getItem(name));
            return typeof form === 'string' && Date.now() - changedAt < Lifetime ? { name, changedAt, form } : null;
        } catch {
            return null;
        }
    }

    // This copy's experiments, once the stale and unreadable are erased.
    function current() {
        const names = [];
        for (let i = 0; i < local.length; ++i) {
            if (local.key(i).startsWith(prefix))
                names.push(local.key(i));
        }
        return names.map(name => entry(name) ?? (local.removeItem(name), null)).filter(Boolean);
    }

    addEventListener('visibilitychange', () => document.visibilityState === 'hidden' && write());
    addEventListener('pagehide', write);
    document.addEventListener('freeze', write);

    return {
        // The kept form for this start, if any.
        take() {
            try {
                const found = current();
                let tab = session?.getItem(tabKey);
                let taken;
                if (tab) {
                    taken = found.find(kept => kept.name === prefix + tab);
                } else {
                    tab = crypto.randomUUID?.() ?? `${Date.now()}-${Math.random()}`;
                    session?.setItem(tabKey, tab);
                    taken = found.reduce((last, kept) => (last?.changedAt > kept.changedAt ? last : kept), undefined);
                    source = taken?.name;
                    if (taken)
                        local.setItem(prefix + tab, JSON.stringify({ changedAt: taken.changedAt, form: taken.form }));
                }
                key = prefix + tab;
                return taken?.form;
            } catch {
                return undefined;
            }
        },
        keep(form) {
            pending = { changedAt: Date.now(), form };
            if (!timer)
                timer = setTimeout(write, WriteDelay);
        },
        // What the program could not read, and where it came from.
        forget() {
            pending = null;
            try {
                for (const name of [key, source].filter(Boolean))
                    local.removeItem(name);
            } catch {
                // Nothing was kept.
            }
        },
        // The program has ended: none of its experiments comes back.
        forgetAll() {
            ended = true;
            try {
                for (const kept of current())
                    local.removeItem(kept.name);
            } catch {
                // Nothing was kept.
            }
        },
    };
})();
