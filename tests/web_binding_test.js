// The web binding's refusals: a host that calls at the wrong time is told on
// standard error which call was refused and why, and the run goes on as if
// the call had not been made. Then what it tells the host at each wait: the
// question the game asks, played a line a wait over golden transcripts.
//
// Usage: node web_binding_test.js ORVANELL_JS
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

// Each record told at a wait, in brief: the question, its keys or kind, a
// problem's operands and attempt, whose turn, and the verdict on the answer before.
const brief = ({ question, choices, kind, first, second, attempt, player, name, verdict }) => [question,
  choices, kind, question === 'problem' && `${first},${second} #${attempt}`, player && `p${player}`, name,
  verdict].filter(Boolean).join(' ');
const menu = 'main-menu 12345';
const sum = (operands, attempt, ...rest) => ['problem addition', `${operands} #${attempt}`, ...rest].join(' ');
const asked = {
  one_player_four_misses: [menu, 'game-type 12 addition', sum('12,1', 0), sum('12,1', 1, 'wrong'),
    sum('12,1', 2, 'wrong'), sum('12,1', 3, 'wrong'), 'continue 12 wrong'],
  one_player_invalid_continue_then_right: [menu, 'game-type 12 addition', sum('31,28', 0), 'continue 12 right',
    sum('31,28', 1), 'continue 12 right'],
  two_player_first_wins: [menu, 'game-type 12 addition', 'name p1', 'name p2', sum('24,18', 0, 'p1 Ann'),
    'continue 12 right'],
  two_player_names_one_line_second_wins: [menu, 'game-type 12 addition', 'name p1', sum('24,18', 0, 'p1 Ann'),
    sum('24,18', 0, 'p2 Bob wrong'), 'continue 12 right'],
  help_capital_b_sees_deeper_b: [menu, 'help-menu 1234', 'tips bx addition', 'help-menu 1234',
    'tips bx subtraction', 'help-menu 1234', 'help-menu 1234'],
  exit_no_then_yes: [menu, 'exit yn', menu, 'exit yn'],
};

// Plays the transcript's input a line at each wait, at its clock second.
async function promptsOf(name) {
  const file = path.join(__dirname, 'transcripts', `${name}.txt`);
  const clock = Number(/^clock: (\d+)$/m.exec(fs.readFileSync(file, 'latin1'))[1]);
  const input = execFileSync(process.execPath, [path.join(__dirname, 'play_transcript.js'), '--input', file]);
  Date.now = () => clock * 1000;
  const told = [];
  const game = await createOrvanell({ wasmBinary, writeOutput: () => {}, asked: (prompt) => told.push(brief(prompt)) });
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

(async () => {
  let failures = 0;
  for (const [name, expected] of Object.entries(asked)) {
    const told = await promptsOf(name);
    if (told.join('|') !== expected.join('|')) {
      console.log(`FAIL ${name} told\n  ${told.join('\n  ')}\nexpected\n  ${expected.join('\n  ')}`);
      ++failures;
    }
  }
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
