// The page's own voice, for a device with none of the page's language: eSpeak
// NG, a program of its own in voice/, which runs in a Worker and answers
// each sentence with its samples; the page plays them through Web Audio.
// It says, starts, ends, fails and cancels as device_voice.js does, so Read
// aloud need not know which of the two speaks.
//
// Nothing of it is fetched until a sentence needs it. Where it can't run
// (the one file opened from a folder, whose browser lets it start no
// Worker, or a site without the voice/ folder) it fails with 'none' once
// and is not asked again.
var pageVoice = (function pageVoice() {
  'use strict';
  let touched = false;  // browsers play sound only after a touch since the page loaded
  let broken = typeof Worker !== 'function' || typeof AudioContext !== 'function';
  let worker = null;
  let audio = null;  // the AudioContext, made at the first sentence after a touch
  let asked = 0;  // the last sentence's number: an answer to an older one is stale
  let waiting = null;  // the sentence being made, { id, events }
  let playing = null;  // the AudioBufferSourceNode playing, until it ends

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

  function start() {
    try {
      worker = new Worker('voice/worker.js');
    } catch {
      return false;  // refused outright, as from a file
    }
    worker.addEventListener('message', ({ data }) => play(data));
    worker.addEventListener('error', fail);
    return true;
  }

  // Before the first touch, which it waits for as the device's voice does,
  // the voice readies the language, so that the first touch is soon heard.
  function say(text, language, events) {
    cancel();
    if (!worker && !start()) {
      broken = true;
      events.failed('none');
      return;
    }
    if (!touched) {
      worker.postMessage({ id: ++asked, language });
      events.failed('refused');
      return;
    }
    audio ??= new AudioContext();
    if (audio.state === 'suspended') audio.resume();
    waiting = { id: ++asked, events };
    worker.postMessage({ id: asked, text, language });
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
