// Read aloud: the page speaks the game for children who can't read it yet.
// The page tells it what the game wrote, what the game asks each time it
// waits for a line (the module's record, null once the game has ended) and
// which line the player sent; the "Read aloud" button turns it on and off,
// and "Say it again" says the open question whether it is on or off.
//
// A classic script, like the page's, loaded before it.
var readAloud = (function readAloud() {
  'use strict';
  const button = document.getElementById('read-aloud');
  const again = document.getElementById('say-again');
  const note = document.getElementById('speech-note');
  const log = document.getElementById('transcript');
  const storageKey = 'orvanell-read-aloud';
  const synth = window.speechSynthesis;
  let on = false;
  let screen = '';  // what the game wrote since the last line sent
  let spoken = 0;  // how much of it has been said
  let sentLine = '';  // read back before the game's answer to it
  let refused = false;
  let touched = false;  // since the page loaded, which browsers ask before they speak
  let noVoice = false;
  let asked;  // the record of the wait the game is at: undefined before the first
  let askedBefore = null;  // the question of the wait before it
  let mainMenus = 0;  // the main menus waited at since the page loaded

  const operatorWords = { addition: 'plus', subtraction: 'minus', multiplication: 'times' };

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
      .replace(/\bex\. +/g, 'For example, ')
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

  // What the game waits for, from its record, never from its text.
  function openQuestion(prompt) {
    if (prompt === null) return 'The game has ended.';
    if (prompt === undefined) return '';
    const { question, kind, first, second, player, name } = prompt;
    if (question === 'problem') {
      return `${player && name ? `${name}. ` : ''}${first} ${operatorWords[kind]} ${second} equals?`;
    }
    if (question === 'name') return `Enter your name, Player ${player}.`;
    // A menu's choices as the page's buttons name them, each after its key.
    return Array.from(document.querySelectorAll('#choices button'),
      (choice) => `${choice.querySelector('kbd').textContent}, ${choice.querySelector('.named').textContent}.`)
      .join('\n');
  }

  // What is said at the wait the game is at, of the text it wrote there. At
  // a sum the question comes last, after a miss or a return to it too: the
  // line the game waits on ("Leo: ", or a product's own line) is its prompt,
  // and a sum just shown is all the text there is. The title banner is said
  // at the page's first main menu only; the menu is alone on its screen.
  function wordsFor(text) {
    if (asked?.question === 'problem') {
      const shown = askedBefore !== 'problem' && askedBefore !== 'continue';
      return `${shown ? '' : text.slice(0, text.lastIndexOf('\n') + 1)}\n${openQuestion(asked)}`;
    }
    if (asked?.question === 'main-menu' && mainMenus > 1) return openQuestion(asked);
    return text;
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

  // While Read aloud speaks, a screen reader's reading of the log would be a
  // second voice over it; where nothing can speak, the log speaks again.
  function quietLog() {
    log.setAttribute('aria-live', on && !noVoice ? 'off' : 'polite');
  }

  function showNoVoice(shown) {
    noVoice = shown;
    note.textContent = shown ?
      "This device has no voice to read with. A voice can be added in the device's settings." : '';
    note.hidden = !shown;
    quietLog();
  }

  // One utterance at a time: WebKitGTK's speech hangs the page on an
  // utterance queued behind another. A failure before the first touch is
  // the browser's refusal; after it, there is no voice to speak with.
  // Firefox without a voice fails with no code at all.
  function say(text) {
    const words = sentences(text);
    if (words === '') return;
    const utterance = new SpeechSynthesisUtterance(words);
    const voice = englishVoice();
    if (voice) utterance.voice = voice;
    utterance.lang = voice ? voice.lang : 'en-US';
    utterance.rate = 0.9;
    utterance.addEventListener('error', (event) => {
      if (event.error === 'not-allowed' || !touched) refused = true;
      else if (['synthesis-failed', 'voice-unavailable'].includes(event.error) ||
        (!event.error && synth.getVoices().length === 0)) showNoVoice(true);
    });
    utterance.addEventListener('start', () => {
      if (noVoice) showNoVoice(false);
    });
    synth.speak(utterance);
  }

  function readScreen() {
    synth.cancel();
    say(wordsFor(screen));
    spoken = screen.length;
  }

  // Browsers refuse speech until the player has touched the page since it
  // loaded: a screen refused at first is read at the first tap or key.
  for (const type of ['pointerup', 'keydown']) {
    document.addEventListener(type, () => {
      touched = true;
      if (!refused || !on) return;
      refused = false;
      readScreen();
    }, true);
  }

  function written(text) {
    screen += text;
  }

  function waiting(prompt) {
    askedBefore = asked?.question ?? null;
    asked = prompt;
    if (prompt?.question === 'main-menu') ++mainMenus;
    if (on) say(`${sentLine}\n${wordsFor(screen.slice(spoken))}`);
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
    quietLog();
    if (on) readScreen();
    else synth.cancel();
  }

  if (synth) {
    button.hidden = false;
    again.hidden = false;
    let stored = null;
    try {
      stored = localStorage.getItem(storageKey);
    } catch {
      // storage blocked
    }
    on = stored === 'on';
    button.setAttribute('aria-pressed', String(on));
    quietLog();
    button.addEventListener('click', () => {
      turn(!on);
      try {
        localStorage.setItem(storageKey, on ? 'on' : 'off');
      } catch {
        // storage blocked
      }
    });
    again.addEventListener('click', () => {
      synth.cancel();
      say(openQuestion(asked));
    });
  }
  return { written, waiting, sent };
})();
