// The web binding's refusals: a host that calls at the wrong time is told on
// standard error which call was refused and why, and the run goes on as if
// the call had not been made. Then the names it tells the host at each wait,
// played a line a wait over golden transcripts.
//
// Usage: node web_binding_test.js ORVANELL_JS TRANSCRIPT_INPUT
//   TRANSCRIPT_INPUT writes a transcript's input bytes, or with "output" its
//   clock second and status on a line, then its output.
'use strict';
const { execFileSync } = require('child_process');
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
const calls = (game, names) => names.forEach((name) => game[`_${name}`](0));

// Each case plays a fresh module: its steps get it and a way to make calls
// from inside its next writeOutput, and return whether the run went on
// unharmed; then what it must print.
const cases = [
  ['before a run', (game) => {
    calls(game, [...inputCalls, 'WebFlush']);
    return game._WebStatus() === 1;
  }, [...inputCalls, 'WebFlush', 'WebStatus'].map(noRun)],
  ['from writeOutput', (game, whileWriting) => {
    game._WebStart();
    whileWriting(() => calls(game, ['WebStart', ...inputCalls, 'WebFlush']));
    game._WebFlush();
    return game._WebStatus() === -1 && game._WebInputCapacity() > 0;
  }, ['WebStart', ...inputCalls, 'WebFlush'].map(fromWriter)],
  ['more bytes than the input space holds', (game) => {
    game._WebStart();
    game._WebInputArrived(game._WebInputCapacity() + 1);
    return game._WebStatus() === -1 && game._WebInputCapacity() > 0;
  }, ['orvanell: WebInputArrived refused: 65537 bytes, more than WebInputCapacity()']],
  ['after the run has ended', (game) => {
    game._WebStart();
    game._WebInputArrived(0);
    calls(game, inputCalls);
    return game._WebStatus() === 0;
  }, inputCalls.map(ended)],
];

// The names the binding sends, as the page gets them once parsed: at each
// wait the question, what it reads, the kind, the verdict with the answer
// given, and how the game ended; none once it has. What each record holds is
// checked natively.
const brief = ({ question, reads, kind, judged, ended }) => [question, reads, kind, judged?.verdict,
  judged?.rightAnswer, ended && JSON.stringify(ended)].filter((part) => part != null).join(' ');
const addition = 'problem number addition';
const asked = {
  two_player_names_one_line_second_wins: ['main-menu number', 'game-type number addition', 'name word', addition,
    `${addition} wrong`, 'continue number right {"winner":{"player":2,"name":"Bob"}}'],
  one_player_four_misses: ['main-menu number', 'game-type number addition', addition,
    ...Array(3).fill(`${addition} wrong`), 'continue number wrong 13 {"points":1}'],
};

// Plays the transcript's input a line at each wait, at its clock second.
async function promptsOf(name) {
  const file = path.join(__dirname, 'transcripts', `${name}.txt`);
  const [clock] = execFileSync(process.argv[3], [file, 'output'], { encoding: 'latin1' }).split(' ');
  const input = execFileSync(process.argv[3], [file]);
  Date.now = () => clock * 1000;
  const told = [];
  const game = await createOrvanell({ wasmBinary, writeOutput: () => {}, asked: (record) => told.push(brief(record)) });
  game._WebStart();
  for (let at = 0; game._WebStatus() < 0;) {
    const end = input.indexOf(10, at);
    const line = input.subarray(at, end < 0 ? input.length : end + 1);
    at += line.length;
    game.HEAPU8.set(line, game._WebInputBuffer());
    game._WebInputArrived(line.length);
  }
  return told;
}

let failures = 0;
function compare(name, got, expected, fault = '') {
  if (fault === '' && JSON.stringify(got) === JSON.stringify(expected)) return;
  console.log(`FAIL ${name}: ${fault}got\n  ${got.join('\n  ')}\nexpected\n  ${expected.join('\n  ')}`);
  ++failures;
}

(async () => {
  for (const [name, expected] of Object.entries(asked)) compare(name, await promptsOf(name), expected);
  for (const [name, steps, expected] of cases) {
    const printed = [];
    const writing = [];  // the calls to make from inside the next writeOutput
    const game = await createOrvanell({
      wasmBinary,
      writeOutput: () => writing.splice(0).forEach((calls) => calls()),
      printErr: (line) => printed.push(line),
    });
    const runUnharmed = steps(game, (calls) => writing.push(calls));
    compare(name, printed, expected, runUnharmed ? '' : 'the run changed; ');
  }
  console.log(`${failures} failures`);
  process.exit(failures === 0 ? 0 : 1);
})();
