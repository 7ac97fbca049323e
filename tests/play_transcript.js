// Plays one golden transcript through a command: its input on the command's
// standard input, its clock second in TRANSCRIPT_CLOCK. Compares the standard
// output byte for byte and the exit status. The file format is the one
// transcript_file.h describes, read as its reader does: sessions_test.sh
// holds both to the same bytes and the same faults.
//
// Usage: node play_transcript.js TRANSCRIPT COMMAND [ARGUMENT...]
//        node play_transcript.js --input TRANSCRIPT  (writes its input bytes)
// Required, it gives the other tests its reader, loadTranscript.
'use strict';
const fs = require('fs');
const { spawnSync } = require('child_process');

const escapes = { a: '\x07', 0: '\0', r: '\r', '\\': '\\' };

// The bytes a section's line stands for, its line feed included unless a
// final backslash joins it to the next.
function unescapeLine(line, fail) {
  let bytes = '';
  for (let i = 0; i < line.length; ++i) {
    if (line[i] !== '\\') {
      bytes += line[i];
      continue;
    }
    if (++i === line.length) return bytes;
    if (!Object.hasOwn(escapes, line[i])) fail(`unknown escape \\${line[i]}`);
    bytes += escapes[line[i]];
  }
  return bytes + '\n';
}

// Throws "FILE:LINE: what" at a header line or an escape the format lacks.
function loadTranscript(path) {
  const transcript = { clock: 0, status: -1 };
  const sections = { input: '', output: '' };
  let section = null;
  const lines = fs.readFileSync(path, 'latin1').split('\n');
  if (lines[lines.length - 1] === '') lines.pop();
  lines.forEach((line, index) => {
    const fail = (what) => {
      throw new Error(`${path}:${index + 1}: ${what}`);
    };
    const header = /^(clock|status): (-?[0-9]+)$/.exec(line);
    if (line === '== input' || line === '== output') {
      section = line.slice(3);
    } else if (section !== null) {
      sections[section] += unescapeLine(line, fail);
    } else if (header) {
      transcript[header[1]] = Number(header[2]);
    } else if (!line.startsWith('#')) {
      fail('not a comment (#), "clock: N" or "status: N"');
    }
  });
  transcript.input = Buffer.from(sections.input, 'latin1');
  transcript.output = Buffer.from(sections.output, 'latin1');
  return transcript;
}

function loadOrExit(path, prefix) {
  try {
    return loadTranscript(path);
  } catch (error) {
    console.error(`${prefix}${error.message}`);
    process.exit(1);
  }
}

// Where the two outputs part, with a little of each around it.
function firstDifference(actual, expected) {
  let at = 0;
  while (at < actual.length && at < expected.length && actual[at] === expected[at]) ++at;
  const around = (bytes) => JSON.stringify(bytes.subarray(Math.max(0, at - 40), at + 40).toString('latin1'));
  return `outputs part at byte ${at} of ${expected.length} expected, ${actual.length} played:\n` +
    `  expected ${around(expected)}\n  played   ${around(actual)}`;
}

module.exports = { loadTranscript };
if (require.main !== module) return;
if (process.argv[2] === '--input') {
  process.stdout.write(loadOrExit(process.argv[3], '').input);
  return;
}
const [path, command, ...args] = process.argv.slice(2);
const expected = loadOrExit(path, 'FAIL ');
const played = spawnSync(command, args, {
  input: expected.input,
  env: { ...process.env, TRANSCRIPT_CLOCK: String(expected.clock) },
  maxBuffer: 1 << 30,
  timeout: 60000,
});
if (played.error) {
  console.log(`FAIL ${path}: the command did not run: ${played.error.message}`);
  process.exit(1);
}
const faults = [];
if (expected.status === -1) faults.push('the transcript has no status line');
if (played.status !== expected.status) {
  faults.push(`status ${played.status ?? played.signal}, expected ${expected.status}`);
}
if (played.stderr.length > 0) faults.push(`standard error: ${played.stderr.toString()}`);
if (!played.stdout.equals(expected.output)) faults.push(firstDifference(played.stdout, expected.output));
if (faults.length > 0) {
  console.log(`FAIL ${path}\n${faults.join('\n')}`);
  process.exit(1);
}
console.log(`ok ${path}`);
