// Read aloud: the page speaks the game for children who can't read it yet,
// in a voice of each language, once the browser lets it, or says why not.
//
// What it says, and in which voice, comes from spoken.js. The "Read aloud"
// button turns it on and off, and "Say it again" says the open question
// whether it is on or off.
var readAloud = (function readAloud() {
  'use strict';
  const button = document.getElementById('read-aloud');
  const again = document.getElementById('say-again');
  const note = document.getElementById('speech-note');
  const log = document.getElementById('transcript');
  const storageKey = 'orvanell-read-aloud';
  const synth = window.speechSynthesis;
  let on = false;
  let heard = () => [];  // all that is said at the wait the game is at
  let turns = [];  // what is still to be said of it, by language, after what is being said
  let touched = false;  // since the page loaded, which browsers ask before they speak
  let refused = false;  // the browser waits for that first touch
  let swallowClick = false;  // the first touch was on a speaker key: it only reads
  let noVoice = null;  // the note's key, while it shows
  let current = null;  // the utterance being said, until it ends

  function voiceFor(language) {
    return spokenWords.voiceFor(synth.getVoices(), language, navigator.languages ?? [navigator.language]);
  }

  // While Read aloud speaks, a screen reader's reading of the log would be a
  // second voice over it; where nothing can speak, the log speaks again.
  function quietLog() {
    log.setAttribute('aria-live', on && !noVoice ? 'off' : 'polite');
  }

  // The note, by its key: no voice at all, or none of the page's language.
  function showNoVoice(key) {
    noVoice = key;
    note.textContent = key ? words.say(key) : '';
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
    current = null;
    synth.cancel();
  }

  function speak(pieces) {
    stop();
    turns = spokenWords.turnsOf(pieces);
    sayNext();
  }

  // One utterance at a time: WebKitGTK's speech hangs the page on an
  // utterance queued behind another. A child never hears their language in
  // another language's voice: where the device lists voices, but none of
  // the page's language, its words go unsaid and the note says why. Where
  // it lists none (yet), the language alone chooses. A failure before the
  // first touch is the browser's refusal; after it, there is no voice to
  // speak with. Firefox without a voice fails with no code at all.
  function sayNext() {
    const turn = turns.shift();
    if (turn === undefined) return;
    const voice = voiceFor(turn.language);
    if (!voice && synth.getVoices().length > 0) {
      if (turn.language === words.language) showNoVoice('note.no-voice.language');
      sayNext();
      return;
    }
    const utterance = new SpeechSynthesisUtterance(turn.text);
    if (voice) utterance.voice = voice;
    utterance.lang = voice ? voice.lang : turn.language;
    utterance.rate = 0.9;
    const done = () => {
      if (current === utterance) current = null;
    };
    utterance.addEventListener('end', () => {
      if (current !== utterance) return;
      done();
      sayNext();
    });
    utterance.addEventListener('error', (event) => {
      done();
      if (['interrupted', 'canceled'].includes(event.error)) return;
      if (event.error === 'not-allowed' || !touched) showRefused(true);
      else if (['synthesis-failed', 'voice-unavailable'].includes(event.error) ||
        (!event.error && synth.getVoices().length === 0)) showNoVoice('note.no-voice');
    });
    utterance.addEventListener('start', () => {
      if (noVoice === 'note.no-voice' || (noVoice && turn.language === words.language)) showNoVoice(null);
    });
    current = utterance;
    synth.speak(utterance);
  }

  // Browsers refuse speech until the player has touched the page since it
  // loaded: a screen refused at first is read at the first tap or key, and a
  // first tap on a speaker key does only that.
  for (const type of ['pointerup', 'keydown']) {
    document.addEventListener(type, (event) => {
      touched = true;
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
    const screen = spokenWords.screen();
    if (screen) speak(screen);
    else stop();
  }

  function turn(value) {
    on = value;
    button.setAttribute('aria-pressed', String(on));
    quietLog();
    if (on) sayScreen();
    else stop();
  }

  if (synth) {
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
      showNoVoice(noVoice === 'note.no-voice.language' ? null : noVoice);
      if (on) sayScreen();
    });
  }
  // A digit the keypad typed is said, for a child to hear what they typed.
  function typed(digit) {
    if (on) speak([digit]);
  }

  return { written: spokenWords.written, waiting, sent, typed };
})();
