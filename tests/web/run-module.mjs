// Runs a test program of the browser build in Node.js: loads its Emscripten
// module, calls its main with the arguments given, passes on what it prints,
// and exits with its status, so that CTest sees the test as on the desktop.
//   node run-module.mjs tst_NAME.js [ARGUMENTS...]
import { createRequire } from 'node:module';
import path from 'node:path';

// Qt asks the browser for the user's languages; Node.js before 21 has no
// navigator at all.
globalThis.navigator ??= { language: 'ja-JP', languages: ['ja-JP'] };

const [program, ...args] = process.argv.slice(2);
const createInstance = createRequire(import.meta.url)(path.resolve(program));

let status;
const instance = await createInstance({
    noInitialRun: true,
    print: text => process.stdout.write(`${text}\n`),
    printErr: text => process.stderr.write(`${text}\n`),
    onExit: code => { status = code; },
    quit: code => { status = code; },
});
const returned = instance.callMain(args);
process.exit(status ?? returned ?? 1);
