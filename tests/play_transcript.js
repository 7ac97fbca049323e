// Plays one golden transcript through a command: its input on the command's
// standard input, its clock second in TRANSCRIPT_CLOCK. Compares the standard
// output byte for byte and the exit status. The file format is the one
// transcript_file.h describes.
//
// Usage: node play_transcript.js TRANSCRIPT COMMAND [ARGUMENT...]
//        node play_transcript.js --input TRANSCRIPT  (writes its input bytes)
'use strict';
const fs = require('fs');
const { spawnSync } = require('child_process');

const escapes = { a: '\x07', 0: '\0', r: '\r', '\\': '\\' };

// Any other escaped character, the line feed after a final backslash
// included, stands for nothing.
function unescape(text) {
  let bytes = '';
  for (let i = 0; i < text.length; ++i) {
    if (text[i] !== '\\' || i + 1 === text.length) {
      bytes += text[i];
      continue;
    }
    bytes += escapes[text[++i]] ?? '';
  }
  return Buffer.from(bytes, 'latin1');
}

function loadTranscript(path) {
  const transcript = { clock: 0, status: -1 };
  const sections = { input: '', output: '' };
  let section = null;
  const lines = fs.readFileSync(path, 'latin1').split('\n');
  if (lines[lines.length - 1] === '') lines.pop();
  for (const line of lines) {
    if (line === '== input' || line === '== output') {
      section = line.slice(3);
    } else if (section !== null) {
      sections[section] += line + '\n';
    } else if (line.startsWith('clock: ')) {
      transcript.clock = Number(line.slice(7));
    } else if (line.startsWith('status: ')) {
      transcript.status = Number(line.slice(8));
    }
  }
  transcript.input = unescape(sections.input);
  transcript.output = unescape(sections.output);
  return transcript;
}

// Where the two outputs part, with a little of each around it.
function firstDifference(actual, expected) {
  let at = 0;
  while (at < actual.length && at < expected.length && actual[at] === expected[at]) ++at;
  const around = (bytes) => JSON.stringify(bytes.subarray(Math.max(0, at - 40), at + 40).toString('latin1'));
  return `outputs part at byte ${at} of ${expected.length} expected, ${actual.length} played:\n` +
    `  expected ${around(expected)}\n  played   ${around(actual)}`;
}

if (process.argv[2] === '--input') {
  process.stdout.write(loadTranscript(process.argv[3]).input);
  return;
}
const [path, command, ...args] = process.argv.slice(2);
const expected = loadTranscript(path);
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
