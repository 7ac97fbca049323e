// The page's own voice, eSpeak NG, as a program of its own in a Worker: the
// page sends it a sentence, { id, text, language }, and it answers with the
// sentence's samples and the phonemes it spoke, { id, samples, rate,
// phonemes }, or { id, error }. The page and it share nothing but these
// messages, which keeps the engine's GPL to the files of the voice/ folder.
//
// Each language's files are fetched the first time a sentence needs them;
// the site's service worker keeps them from then on.
//
// Started from the one file, the Worker is the engine's text and this, and
// the page sends the files it would fetch along with the first sentence
// that needs each: { files: { name: contents } }, a part's in base64.
'use strict';
if (typeof createEspeak === 'undefined') importScripts('engine.js');

const dataRoot = '/usr/share/espeak-ng-data/';
let started = null;  // the engine, its synthesiser and the folder's table of parts
const placed = new Map();  // each part, once its files are in the engine's file system
const given = new Map();  // the files the page sent

async function fetched(name, as) {
  if (given.has(name)) {
    const contents = given.get(name);
    return as === 'json' ? contents : Uint8Array.from(atob(contents), (character) => character.charCodeAt(0));
  }
  const response = await fetch(name);
  if (!response.ok) throw new Error(`${name}: ${response.status}`);
  return as === 'json' ? response.json() : new Uint8Array(await response.arrayBuffer());
}

function place(engine, table, part) {
  if (!placed.has(part)) {
    placed.set(part, fetched(table.parts[part].file).then((bytes) => {
      for (const [name, start, end] of table.parts[part].files) {
        const at = dataRoot + name;
        engine.FS.mkdirTree(at.slice(0, at.lastIndexOf('/')));
        engine.FS.writeFile(at, bytes.subarray(start, end));
      }
    }));
    // A failed fetch is tried again at the next sentence.
    placed.get(part).catch(() => placed.delete(part));
  }
  return placed.get(part);
}

// The synthesiser reads the shared phoneme data as it starts. It looks for
// the English dictionary then, and at each voice it is set to, as its
// fallback: that is fetched only for a sentence in English, and until then
// its absence goes unsaid.
async function start() {
  const printErr = (text) => text.endsWith(`${dataRoot}en_dict'`) || console.error(text);
  const [engine, table] = await Promise.all([createEspeak({ printErr }), fetched('voices.json', 'json')]);
  await place(engine, table, 'shared');
  return { engine, table, synthesiser: new engine.eSpeakNGWorker() };
}

// A sentence without text readies the language, and is not answered.
async function speak({ text, language }) {
  started ??= start().catch((error) => {
    started = null;
    throw error;
  });
  const { engine, table, synthesiser } = await started;
  const wanted = table.voices[language] ?? table.voices[language.split('-')[0]];
  if (!wanted) throw new Error(`no voice for ${language}`);
  await place(engine, table, wanted.part);
  if (text === undefined) return null;
  synthesiser.set_voice(wanted.voice);
  const pieces = [];
  let length = 0;
  const phonemes = synthesiser.synthesize_and_get_phonemes(text, (samples) => {
    pieces.push(samples);
    length += samples.length;
    return false;  // go on
  });
  const samples = new Float32Array(length);
  let at = 0;
  for (const piece of pieces) {
    for (let index = 0; index < piece.length; index += 1) samples[at + index] = piece[index] / 32768;
    at += piece.length;
  }
  return { samples, rate: synthesiser.get_samplerate(), phonemes: phonemes.trim() };
}

// One sentence at a time, in the order asked: each waits for the one before.
let queue = Promise.resolve();
self.onmessage = ({ data }) => {
  for (const [name, contents] of Object.entries(data.files ?? {})) given.set(name, contents);
  queue = queue.then(() => speak(data)).then(
    (made) => made && self.postMessage({ id: data.id, ...made }, [made.samples.buffer]),
    (error) => self.postMessage({ id: data.id, error: String(error.message ?? error) }));
};
