// Read aloud: the page speaks the game for children who can't read it yet.
// The page tells it what the game wrote, when the game waits for a line and
// which line the player sent; the "Read aloud" button turns it on and off.
//
// A classic script, like the page's, loaded before it.
var readAloud = (function readAloud() {
  'use strict';
  const button = document.getElementById('read-aloud');
  const storageKey = 'orvanell-read-aloud';
  const synth = window.speechSynthesis;
  let on = false;
  let screen = '';  // what the game wrote since the last line sent
  let spoken = 0;  // how much of it has been said
  let sentLine = '';  // read back before the game's answer to it
  let refused = false;

  // The game's symbols as the words a child says, and its punctuation as
  // pauses: "1:  Addition Problems" is "1, Addition Problems", and
  // "Sorry...wrong answer," is "Sorry, wrong answer." Lines, tabs and runs
  // of spaces (a menu's columns, the tips' indents) end a sentence.
  function sentences(text) {
    return text
      .replace(/ \+ /g, ' plus ')
      .replace(/(\p{L})\+/gu, '$1 plus')
      .replace(/ - /g, ' minus ')
      .replace(/(\d) x (?=\d)/g, '$1 times ')
      .replace(/ = /g, ' equals ')
      .replace(/\bv\.(?=\d)/g, 'version ')
      .replace(/\bex\. +/g, 'for example, ')
      .replace(/(^|\s)(\d+)[.:] +(?=\p{L})/gu, '$1$2, ')
      .replace(/([!?])[.!?]+ */g, '$1 ')
      .replace(/\.{2,} *(?=\p{Ll})/gu, ', ')
      .replace(/\.{2,} */g, '. ')
      .split(/[\0-\x1f\x7f]| {2,}/)
      .map((piece) => piece.trim())
      .filter((piece) => /[\p{L}\p{N}]/u.test(piece))
      .map((piece) => (/[.!?]$/.test(piece) ? piece : `${piece.replace(/[,:;]$/, '')}.`))
      .join(' ');
  }

  // A voice on the device itself, so that the one file and the installed app
  // speak offline; the system's own choice among those. Voices that load late
  // are taken up from the next screen on, and until then the browser's
  // default English voice speaks.
  function englishVoice() {
    const english = synth.getVoices().filter((voice) => /^en([-_]|$)/i.test(voice.lang));
    return english.find((voice) => voice.localService && voice.default) ??
      english.find((voice) => voice.localService) ?? english.find((voice) => voice.default) ?? english[0] ?? null;
  }

  // One utterance at a time: WebKitGTK's speech hangs the page on an
  // utterance queued behind another.
  function say(text) {
    const words = sentences(text);
    if (words === '') return;
    const utterance = new SpeechSynthesisUtterance(words);
    const voice = englishVoice();
    if (voice) utterance.voice = voice;
    utterance.lang = voice ? voice.lang : 'en-US';
    utterance.rate = 0.9;
    utterance.addEventListener('error', (event) => {
      if (event.error === 'not-allowed') refused = true;
    });
    synth.speak(utterance);
  }

  function readScreen() {
    synth.cancel();
    say(screen);
    spoken = screen.length;
  }

  // Browsers refuse speech until the player has touched the page since it
  // loaded: a screen refused at first is read at the first tap or key.
  for (const type of ['pointerup', 'keydown']) {
    document.addEventListener(type, () => {
      if (!refused || !on) return;
      refused = false;
      readScreen();
    }, true);
  }

  function written(text) {
    screen += text;
  }

  function waiting() {
    if (on) say(`${sentLine}\n${screen.slice(spoken)}`);
    sentLine = '';
    spoken = screen.length;
  }

  // What was still to be said of the screen before is stale: the next one is
  // read at once.
  function sent(line) {
    screen = '';
    spoken = 0;
    if (!on) return;
    synth.cancel();
    sentLine = line;
  }

  function turn(value) {
    on = value;
    button.setAttribute('aria-pressed', String(on));
    if (on) readScreen();
    else synth.cancel();
  }

  if (synth) {
    button.hidden = false;
    let stored = null;
    try {
      stored = localStorage.getItem(storageKey);
    } catch {
      // storage blocked
    }
    on = stored === 'on';
    button.setAttribute('aria-pressed', String(on));
    button.addEventListener('click', () => {
      turn(!on);
      try {
        localStorage.setItem(storageKey, on ? 'on' : 'off');
      } catch {
        // storage blocked
      }
    });
  }
  return { written, waiting, sent };
})();
