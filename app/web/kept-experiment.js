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
            // A clock put back leaves an experiment changed in the future.
            return typeof form === 'string' && Math.abs(Date.now() - changedAt) < Lifetime ? { name, changedAt, form } : null;
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

    // A duplicated tab starts with a copy of its original's session storage,
    // tab name and all: a name that another open page holds is not this
    // tab's. A page being reloaded lets go of it as it unloads.
    async function holdName(tab) {
        try {
            for (let attempt = 0; attempt < 5; ++attempt) {
                const held = await new Promise(resolve => navigator.locks.request(`${tabKey} ${tab}`,
                    { ifAvailable: true }, lock => {
                        resolve(lock !== null);
                        return lock && new Promise(() => {});
                    }));
                if (held)
                    return true;
                await new Promise(resolve => setTimeout(resolve, 100));
            }
            return false;
        } catch {
            // Without locks (an insecure address), a duplicate shares the name.
            return true;
        }
    }

    return {
        // The kept form for this start, if any.
        async take() {
            let found;
            let tab;
            try {
                found = current();
                tab = session?.getItem(tabKey);
            } catch {
                return undefined;
            }
            if (tab && await holdName(tab)) {
                key = prefix + tab;
                return found.find(kept => kept.name === key)?.form;
            }
            tab = crypto.randomUUID?.() ?? `${Date.now()}-${Math.random()}`;
            await holdName(tab);
            key = prefix + tab;
            const taken = found.reduce((last, kept) => (last?.changedAt > kept.changedAt ? last : kept), undefined);
            source = taken?.name;
            try {
                session?.setItem(tabKey, tab);
                if (taken)
                    local.setItem(key, JSON.stringify({ changedAt: taken.changedAt, form: taken.form }));
            } catch {
                // A full quota: the experiment comes back all the same.
            }
            return taken?.form;
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
