// The page's own voice, for a device with none of the page's language: eSpeak
// NG, a program of its own in voice/, which runs in a Worker and answers
// each sentence with its samples; the page plays them through Web Audio.
// It says, starts, ends, fails and cancels as device_voice.js does, so Read
// aloud need not know which of the two speaks.
//
// Nothing of it is fetched until a sentence needs it. Where it can't run
// (a site without the voice/ folder, the one file without its own beside
// it) it fails with 'none' once and is not asked again.
//
// The one file, opened from a folder, may neither fetch nor start a Worker
// from a file: there the voice's files come as scripts (voice/<name>.js),
// each putting its contents in `orvanellVoice`, the Worker starts from the
// engine's text, and each file goes to it with the first sentence that
// needs it.
var pageVoice = (function pageVoice() {
  'use strict';
  // Browsers play sound only after a touch since the page loaded. The
  // AudioContext is made at the first sentence after it. Each sentence has a
  // number, and an answer to an older one than the one waited for is stale.
  // The voice's scripts, from a file, are kept as the promise of their
  // contents; the messages go in order, each once its files are loaded.
  let touched = false;
  let broken = typeof Worker !== 'function' || typeof AudioContext !== 'function';
  let worker = null;
  let audio = null;
  let asked = 0;
  let waiting = null;  // { id, events }
  let playing = null;  // an AudioBufferSourceNode, until it ends
  const fromFile = location.protocol === 'file:';
  const scripts = new Map();
  const sent = new Set();  // the files the Worker has
  let sending = Promise.resolve();

  for (const type of ['pointerup', 'keydown']) addEventListener(type, () => { touched = true; }, true);

  function can() {
    return !broken;
  }

  function fail() {
    broken = true;
    const events = waiting?.events;
    waiting = null;
    worker?.terminate();
    events?.failed('none');
  }

  function play({ id, samples, rate, error }) {
    if (waiting?.id !== id) return;
    if (error !== undefined) {
      fail();
      return;
    }
    const { events } = waiting;
    waiting = null;
    const buffer = audio.createBuffer(1, samples.length, rate);
    buffer.copyToChannel(samples, 0);
    const source = audio.createBufferSource();
    source.buffer = buffer;
    source.connect(audio.destination);
    source.addEventListener('ended', () => {
      if (playing !== source) return;
      playing = null;
      events.ended();
    });
    playing = source;
    events.started();
    source.start();
  }

  function script(name) {
    if (!scripts.has(name)) {
      scripts.set(name, new Promise((loaded, failed) => {
        const tag = document.createElement('script');
        tag.src = `voice/${name}.js`;
        tag.addEventListener('load', () => loaded(window.orvanellVoice[name]));
        tag.addEventListener('error', failed);
        document.head.append(tag);
      }));
    }
    return scripts.get(name);
  }

  // From a file, the files a sentence needs that the Worker hasn't yet.
  async function withFiles(message) {
    const table = await script('voices.json');
    const voice = table.voices[message.language] ?? table.voices[message.language.split('-')[0]];
    const names = ['voices.json', table.parts.shared.file, ...(voice ? [table.parts[voice.part].file] : [])]
      .filter((name) => !sent.has(name));
    const files = Object.fromEntries(await Promise.all(names.map(async (name) => [name, await script(name)])));
    for (const name of names) sent.add(name);
    return { ...message, files };
  }

  async function started() {
    const url = fromFile ? URL.createObjectURL(new Blob([await script('engine')], { type: 'text/javascript' }))
      : 'voice/worker.js';
    const made = new Worker(url);
    made.addEventListener('message', ({ data }) => play(data));
    made.addEventListener('error', fail);
    return made;
  }

  function send(message) {
    sending = sending.then(async () => {
      worker ??= await started();
      worker.postMessage(fromFile ? await withFiles(message) : message);
    }).catch(fail);
  }

  // Before the first touch, which it waits for as the device's voice does,
  // the voice readies the language, so that the first touch is soon heard.
  function say(text, language, events) {
    cancel();
    if (!touched) {
      send({ id: ++asked, language });
      events.failed('refused');
      return;
    }
    audio ??= new AudioContext();
    if (audio.state === 'suspended') audio.resume();
    waiting = { id: ++asked, events };
    send({ id: asked, text, language });
  }

  function cancel() {
    waiting = null;
    if (playing === null) return;
    const source = playing;
    playing = null;
    source.stop();
  }

  return { can, say, cancel };
})();
