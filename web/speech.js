// Read aloud: the page speaks the game for children who can't read it yet.
// What it says comes from the game's record at each wait (null once the game
// has ended) and from the page's own words ('say.' in web/words/), never from
// the game's text, which was written for a reader at a terminal: only the
// tips and the title banner, which the record doesn't hold, are read from it.
// The "Read aloud" button turns it on and off, and "Say it again" says the
// open question whether it is on or off.
//
// A classic script, like the page's, loaded after the words and before the page.
var readAloud = (function readAloud() {
  'use strict';
  const button = document.getElementById('read-aloud');
  const again = document.getElementById('say-again');
  const note = document.getElementById('speech-note');
  const log = document.getElementById('transcript');
  const storageKey = 'orvanell-read-aloud';
  const synth = window.speechSynthesis;
  const say = words.say;
  let on = false;
  let record;  // the wait the game is at: undefined before the page's first
  let lineSent = null;  // the line sent since that wait, if any
  let gameText = '';  // what the game wrote since the last line sent
  let tips = '';  // the tips on the screen, as said
  let heard = '';  // all that is said at the wait the game is at
  let touched = false;  // since the page loaded, which browsers ask before they speak
  let refused = false;  // the browser waits for that first touch
  let swallowClick = false;  // the first touch was on a speaker key: it only reads
  let noVoice = false;
  let current = null;  // the utterance being said, until it ends

  // A list said as the language says one, each item as the table has it.
  function list(keys) {
    return say('say.list', { items: keys.map((key) => say(key)).join(say('say.list.between')) });
  }

  function sumWords({ first, second, kind, player, name }) {
    const sum = say('say.sum', { first, second, operator: say(`say.operator.${kind}`) });
    return player > 0 ? say('say.turn', { name, sum }) : sum;
  }

  // The question open at a wait, with its choices named as the child sees them.
  function questionWords(asked) {
    if (asked === null) return say('say.ended');
    if (asked.question === 'problem') return sumWords(asked);
    if (asked.question === 'name') return say('say.ask.name', { player: asked.player });
    const choices = list(Array.from(asked.choices, (key) => `say.choice.${asked.question}.${key}`));
    // At the end of a game the points lead straight to its choices.
    if (asked.ended) return choices;
    return `${asked.question === 'tips' ? tips : say(`say.ask.${asked.question}`)} ${choices}`;
  }

  // After the last miss the right answer says it all.
  function judgedWords({ verdict, rightAnswer }) {
    if (rightAnswer !== null) return [say('say.answer', { answer: rightAnswer })];
    return [say(`say.${verdict}`)];
  }

  function endedWords(ended) {
    if ('points' in ended) return say('say.points', { count: ended.points });
    return ended.winner ? say('say.winner', { name: ended.winner.name }) : say('say.neither');
  }

  // What the screen holds: at the end of a game what was judged last and
  // the points or the winner, then the open question.
  function screenWords(asked) {
    const judged = asked?.ended && asked.judged ? judgedWords(asked.judged) : [];
    const ended = asked?.ended ? [...judged, endedWords(asked.ended)] : [];
    return [...ended, questionWords(asked)].join(' ');
  }

  // The choice a line made, by its name, as its button shows it; a name or
  // an answer typed is not read back.
  function chosenWords(before, line) {
    const key = before.reads === 'key' ? line.trim().toLowerCase() : line.trim();
    if (key.length !== 1 || !before.choices.includes(key)) return [];
    return [say('say.chosen', { choice: say(`choice.${before.question}.${key}`) })];
  }

  // The game's own English, said as a child hears it read out: its symbols
  // as words, its lines and indents as pauses, except where a sentence goes
  // on in lower case on the next line, two slips of its spelling mended, and
  // its "Press b" and "Press x" left out, as the choices are said by their
  // pictures.
  function gameSentences(text) {
    return text
      .split('\n').filter((line) => !/^Press /.test(line)).join('\n')
      .replace(/\bthes\b/g, 'these').replace(/\byour self\b/g, 'yourself')
      .replace(/ \+ /g, ' plus ').replace(/(\p{L})\+/gu, '$1 plus').replace(/ - /g, ' minus ')
      .replace(/(\d) x (?=\d)/g, '$1 times ').replace(/ = /g, ' equals ')
      .replace(/\bv\.(?=\d)/g, 'version ').replace(/\bex\. +/g, 'For example, ')
      .replace(/(^|\s)(\d+)[.:] +(?=\p{L})/gu, '$1$2, ')
      .split(/[\0-\x1f\x7f]| {2,}/)
      .map((piece) => piece.trim())
      .filter((piece) => /[\p{L}\p{N}]/u.test(piece))
      .reduce((pieces, piece) => {
        if (/^\p{Ll}/u.test(piece) && /[^.!?]$/.test(pieces.at(-1) ?? '.')) pieces.push(`${pieces.pop()} ${piece}`);
        else pieces.push(piece);
        return pieces;
      }, [])
      .map((piece) => (/[.!?]$/.test(piece) ? piece : `${piece.replace(/[,:;]$/, '')}.`))
      .join(' ');
  }

  // The game's name, the first line of its banner.
  function titleWords(text) {
    const title = text.split('\n').map((line) => line.trim()).find((line) => line !== '');
    return title ? [say('say.title', { title })] : [];
  }

  // The voice for the page's language, on the device itself where there is
  // one, so that the one file and the installed app speak offline; the
  // system's own choice among those. Voices that load late are taken up from
  // the next utterance on, and until then the browser's default voice speaks.
  function voiceFor(language) {
    const wanted = language.toLowerCase().split('-')[0];
    const voices = synth.getVoices().filter((voice) => voice.lang.toLowerCase().split(/[-_]/)[0] === wanted);
    return voices.find((voice) => voice.localService && voice.default) ??
      voices.find((voice) => voice.localService) ?? voices.find((voice) => voice.default) ?? voices[0] ?? null;
  }

  // While Read aloud speaks, a screen reader's reading of the log would be a
  // second voice over it; where nothing can speak, the log speaks again.
  function quietLog() {
    log.setAttribute('aria-live', on && !noVoice ? 'off' : 'polite');
  }

  function showNoVoice(shown) {
    noVoice = shown;
    note.textContent = shown ? say('note.no-voice') : '';
    note.hidden = !shown;
    quietLog();
  }

  // Both speaker keys show that the browser waits for a touch before it speaks.
  function showRefused(shown) {
    refused = shown;
    button.classList.toggle('waits', shown);
    again.classList.toggle('waits', shown);
  }

  function stop() {
    if (current === null) return;
    current = null;
    synth.cancel();
  }

  // One utterance at a time: WebKitGTK's speech hangs the page on an
  // utterance queued behind another. A failure before the first touch is
  // the browser's refusal; after it, there is no voice to speak with.
  // Firefox without a voice fails with no code at all.
  function speak(text) {
    stop();
    if (text === '') return;
    const utterance = new SpeechSynthesisUtterance(text);
    const voice = voiceFor(words.language);
    if (voice) utterance.voice = voice;
    utterance.lang = voice ? voice.lang : words.language;
    utterance.rate = 0.9;
    const done = () => {
      if (current === utterance) current = null;
    };
    utterance.addEventListener('end', done);
    utterance.addEventListener('error', (event) => {
      done();
      if (['interrupted', 'canceled'].includes(event.error)) return;
      if (event.error === 'not-allowed' || !touched) showRefused(true);
      else if (['synthesis-failed', 'voice-unavailable'].includes(event.error) ||
        (!event.error && synth.getVoices().length === 0)) showNoVoice(true);
    });
    utterance.addEventListener('start', () => {
      if (noVoice) showNoVoice(false);
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
      if (on) speak(heard);
    }, true);
  }

  function written(text) {
    gameText += text;
  }

  // What is said at a wait: the banner's title at the page's first, the
  // choice just made, the verdict on the answer just sent, then the screen.
  // An empty line that leaves the game where it was changes nothing heard.
  function waiting(asked) {
    const before = record;
    const line = lineSent;
    record = asked;
    lineSent = null;
    if (line !== null && line.trim() === '' && JSON.stringify(asked) === JSON.stringify(before)) return;
    if (asked?.question === 'tips') tips = gameSentences(gameText);
    const judged = asked?.judged && before?.question === 'problem' && !asked.ended ? judgedWords(asked.judged) : [];
    heard = [
      ...(before === undefined && asked?.question === 'main-menu' ? titleWords(gameText) : []),
      ...(before && line !== null ? chosenWords(before, line) : []),
      ...judged,
      screenWords(asked),
    ].join(' ');
    if (on) speak(heard);
    else stop();
  }

  // A line sent makes what is being said stale, "Say it again" too; an
  // empty one may leave the game where it was.
  function sent(line) {
    gameText = '';
    lineSent = line;
    if (line.trim() !== '') stop();
  }

  function turn(value) {
    on = value;
    button.setAttribute('aria-pressed', String(on));
    quietLog();
    if (on && record !== undefined) speak(screenWords(record));
    else stop();
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
      if (swallowClick) return;
      turn(!on);
      try {
        localStorage.setItem(storageKey, on ? 'on' : 'off');
      } catch {
        // storage blocked
      }
    });
    again.addEventListener('click', () => {
      if (!swallowClick && record !== undefined) speak(screenWords(record));
    });
  }
  return { written, waiting, sent };
})();
