// Read aloud: the page speaks the game for children who can't read it yet,
// in a voice of each language, once the browser lets it, or says why not.
//
// What it says comes from spoken.js. It speaks through the device's voice
// (device_voice.js) where the device has one of the language, else through
// the page's own (page_voice.js), which both say, end and cancel alike. The
// "Read aloud" button turns it on and off, and "Say it again" says the open
// question whether it is on or off.
var readAloud = (function readAloud() {
  'use strict';
  const button = document.getElementById('read-aloud');
  const again = document.getElementById('say-again');
  const note = document.getElementById('speech-note');
  const log = document.getElementById('transcript');
  const storageKey = 'orvanell-read-aloud';
  let on = false;
  let heard = () => [];  // all that is said at the wait the game is at
  let turns = [];  // what is still to be said of it, by language, after what is being said
  let refused = false;  // the browser waits for a first touch since the page loaded
  let swallowClick = false;  // the first touch was on a speaker key: it only reads
  let noVoice = null;  // the note's key, while it shows
  let current = null;  // the sentence being said, { voice }, until it ends
  let deviceMute = false;  // the device listed no voice and failed to speak without one
  let held = false;  // something was to be said while the language's words were on their way

  // While Read aloud speaks, a screen reader's reading of the log would be a
  // second voice over it; where nothing can speak, the log speaks again.
  function quietLog() {
    log.setAttribute('aria-live', on && (!noVoice || ownVoice(noVoice)) ? 'off' : 'polite');
  }

  // The note, by its key: no voice at all, or none of the page's language;
  // then, where the page's own voice speaks instead, a word on it.
  const ownVoice = (key) => key.endsWith(' note.own-voice');
  function showNoVoice(key) {
    noVoice = key;
    note.textContent = key ? key.split(' ').map((part) => words.say(part)).join(' ') : '';
    note.hidden = !key;
    quietLog();
  }

  // Both speaker keys show that the browser waits for a touch before it speaks.
  function showRefused(shown) {
    refused = shown;
    button.classList.toggle('waits', shown);
    again.classList.toggle('waits', shown);
  }

  function stop() {
    turns = [];
    if (current === null) return;
    const { voice } = current;
    current = null;
    voice.cancel();
  }

  // Nothing is said, in English to be cut off, while the language's words come.
  function speak(pieces) {
    stop();
    held = 'wordsWait' in document.documentElement.dataset;
    if (!held) turns = spokenWords.turnsOf(pieces);
    sayNext();
  }

  // A child never hears their language in another language's voice: the
  // device's voice of it first; where the device lists voices, but none of
  // it, or lists none and fails without one, the page's own. Where neither
  // can, its words go unsaid and the note says why.
  function chosen(language) {
    const device = deviceVoice.has(language);
    if (device || (device === null && !deviceMute)) return { voice: deviceVoice, note: null };
    const none = device === null ? 'note.no-voice' : 'note.no-voice.language';
    if (pageVoice.can()) return { voice: pageVoice, note: `${none} note.own-voice` };
    return { voice: null, note: none };
  }

  // One sentence at a time: WebKitGTK's speech hangs the page on an
  // utterance queued behind another.
  function sayNext() {
    const turn = turns.shift();
    if (turn === undefined) return;
    const { voice, note } = chosen(turn.language);
    const ours = turn.language === words.language;
    if (!voice) {
      if (ours || note === 'note.no-voice') showNoVoice(note);
      sayNext();
      return;
    }
    const said = { voice };
    current = said;
    voice.say(turn.text, turn.language, {
      started: () => {
        if (ours || noVoice === 'note.no-voice') showNoVoice(ours ? note : null);
      },
      ended: () => {
        if (current !== said) return;
        current = null;
        sayNext();
      },
      // The browser's refusal shows even for a sentence since stopped.
      failed: (why) => {
        if (why === 'refused') showRefused(true);
        if (current !== said) return;
        current = null;
        if (why === 'refused') return;
        if (voice === deviceVoice) {
          deviceMute = true;
          turns.unshift(turn);
          sayNext();
        } else showNoVoice(ours ? note.split(' ')[0] : 'note.no-voice');
      },
    });
  }

  // Browsers refuse speech until the player has touched the page since it
  // loaded: a screen refused at first is read at the first tap or key, and a
  // first tap on a speaker key does only that.
  for (const type of ['pointerup', 'keydown']) {
    document.addEventListener(type, (event) => {
      swallowClick = refused && on && event.target.closest?.('#read-aloud, #say-again') != null;
      if (!refused) return;
      showRefused(false);
      if (on) speak(heard());
    }, true);
  }

  function waiting(asked) {
    const now = spokenWords.waiting(asked);
    if (now === null) return;
    heard = now;
    if (on) speak(heard());
    else stop();
  }

  // A line sent makes what is being said stale, "Say it again" too; an
  // empty one may leave the game where it was.
  function sent(line) {
    spokenWords.sent(line);
    if (line.trim() !== '') stop();
  }

  // The screen the game is at said again, once it has asked something.
  function sayScreen() {
    speak(spokenWords.screen() ?? []);
  }

  function turn(value) {
    on = value;
    button.setAttribute('aria-pressed', String(on));
    quietLog();
    if (on) sayScreen();
    else stop();
  }

  if (window.speechSynthesis || pageVoice.can()) {
    button.hidden = false;
    again.hidden = false;
    on = kept.get(storageKey) === 'on';
    button.setAttribute('aria-pressed', String(on));
    quietLog();
    button.addEventListener('click', () => {
      if (swallowClick) return;
      turn(!on);
      kept.set(storageKey, on ? 'on' : 'off');
    });
    again.addEventListener('click', () => {
      if (!swallowClick) sayScreen();
    });
    // Another language: the note in its words, and what is open said again in it.
    words.changed(() => {
      showNoVoice(noVoice?.includes('.language') ? null : noVoice);
      if (on && held) speak(heard());
      else if (on) sayScreen();
    });
  }
  // A digit the keypad typed is said, for a child to hear what they typed.
  function typed(digit) {
    if (on) speak([digit]);
  }

  // `retell`: a screen the page alone changed (more tips) is said again.
  return { written: spokenWords.written, waiting, sent, typed, retell: () => on && sayScreen() };
})();
