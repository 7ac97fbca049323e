// The golden transcripts' reader for node: the file format is the one
// transcript_file.h describes, read as its reader does; sessions_test.sh holds
// both to the same bytes and the same faults. Run, it writes a transcript's
// input bytes, or with "output" the bytes the game must write, or with
// "header" its clock second and its status.
//
// Usage: node transcript_file.js TRANSCRIPT [input|output|header]
// Required, it gives the other tests its reader, loadTranscript.
'use strict';
const fs = require('fs');

const escapes = { a: '\x07', 0: '\0', r: '\r', '\\': '\\' };

// The bytes a section's line stands for, its line feed included unless a
// final backslash joins it to the next.
function unescapeLine(line, fail) {
  let joined = false;
  const bytes = line.replace(/\\(.?)/g, (escape, character) => {
    joined = character === '';
    if (joined || Object.hasOwn(escapes, character)) return escapes[character] ?? '';
    return fail(`unknown escape \\${character}`);
  });
  return joined ? bytes : `${bytes}\n`;
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

module.exports = { loadTranscript };
if (require.main === module) {
  try {
    const { clock, status, input, output } = loadTranscript(process.argv[2]);
    const part = process.argv[3] ?? 'input';
    process.stdout.write(part === 'header' ? `${clock} ${status}\n` : part === 'output' ? output : input);
  } catch (error) {
    console.error(error.message);
    process.exit(1);
  }
}
