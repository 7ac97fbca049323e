// The web binding's refusals: a host that calls at the wrong time is told on
// standard error which call was refused and why, and the run goes on as if
// the call had not been made.
//
// Usage: node web_binding_test.js ORVANELL_JS
'use strict';
const fs = require('fs');
const path = require('path');

const moduleFile = path.resolve(process.argv[2]);
const createOrvanell = require(moduleFile);
const wasmBinary = fs.readFileSync(path.join(path.dirname(moduleFile), 'orvanell.wasm'));

const refused = (why) => (call) => `orvanell: ${call} refused: ${why}`;
const noRun = refused('no run has started; call WebStart first');
const fromWriter = refused('called from writeOutput while the game plays');
const ended = refused('the run has ended');
const inputCalls = ['WebInputBuffer', 'WebInputCapacity', 'WebInputArrived'];
const call = (game, name) => game[`_${name}`](0);

// Each case plays a fresh module: `steps` gets it and a way to make calls from
// inside its next writeOutput, and returns whether the run went on unharmed.
const cases = [
  {
    name: 'before a run',
    steps(game) {
      [...inputCalls, 'WebFlush'].forEach((name) => call(game, name));
      return game._WebStatus() === 1;
    },
    expected: [...inputCalls, 'WebFlush', 'WebStatus'].map(noRun),
  },
  {
    name: 'from writeOutput',
    steps(game, whileWriting) {
      game._WebStart();
      whileWriting(() => ['WebStart', ...inputCalls, 'WebFlush'].forEach((name) => call(game, name)));
      game._WebFlush();
      return game._WebStatus() === -1 && game._WebInputCapacity() > 0;
    },
    expected: ['WebStart', ...inputCalls, 'WebFlush'].map(fromWriter),
  },
  {
    name: 'more bytes than the input space holds',
    steps(game) {
      game._WebStart();
      game._WebInputArrived(game._WebInputCapacity() + 1);
      return game._WebStatus() === -1 && game._WebInputCapacity() > 0;
    },
    expected: ['orvanell: WebInputArrived refused: 65537 bytes, more than WebInputCapacity()'],
  },
  {
    name: 'after the run has ended',
    steps(game) {
      game._WebStart();
      game._WebInputArrived(0);
      inputCalls.forEach((name) => call(game, name));
      return game._WebStatus() === 0;
    },
    expected: inputCalls.map(ended),
  },
];

(async () => {
  let failures = 0;
  for (const { name, steps, expected } of cases) {
    const printed = [];
    let writing = () => {};
    const game = await createOrvanell({
      wasmBinary,
      writeOutput: () => {
        const calls = writing;
        writing = () => {};
        calls();
      },
      printErr: (line) => printed.push(line),
    });
    const runUnharmed = steps(game, (calls) => {
      writing = calls;
    });
    if (JSON.stringify(printed) !== JSON.stringify(expected) || !runUnharmed) {
      console.log(`FAIL ${name}: ${runUnharmed ? '' : 'the run changed; '}printed\n` +
        `  ${printed.join('\n  ')}\nexpected\n  ${expected.join('\n  ')}`);
      ++failures;
    }
  }
  console.log(`${failures} failures`);
  process.exit(failures === 0 ? 0 : 1);
})();
