// The line: what the open question can read of what is typed, the hint that
// says why something was left out, and the line sent with Enter or Ctrl+D.
//
// A native input, sent with Enter, as a terminal's cooked mode would send a
// line. The browser and the system keyboard do the editing, so an on-screen
// keyboard, voice typing or an input method all reach the game. The keypad's
// taps edit the same input.
var pageLine = (function pageLine() {
  'use strict';
  const input = document.getElementById('line');
  const hint = document.getElementById('hint');
  let prompt = null;  // what the game asked at its last wait
  let asks = 'ended';  // the question open, to see when another opens
  let refused = '';  // the hint on what was typed that the open question can't take
  let hintShown;  // so that a wait that changes nothing touches nothing

  function hintOfRefused() {
    if (prompt.choices !== '') return 'hint.key';
    return prompt.reads === 'number' ? 'hint.number' : 'hint.name';
  }

  function showHint() {
    const key = refused || (prompt.question === 'name' ? 'hint.name' : '');
    if (key === hintShown) return;
    hintShown = key;
    hint.hidden = key === '';
    if (key !== '') hint.textContent = words.say(key);
  }
  words.changed(() => {
    hintShown = undefined;
    if (prompt) showHint();
  });

  function waiting(asked) {
    prompt = asked;
    const newQuestion = (asked?.question ?? 'ended') !== asks;
    asks = asked?.question ?? 'ended';
    if (asked === null) return;
    const mode = asked.reads === 'number' ? 'numeric' : 'text';
    if (input.inputMode !== mode) input.inputMode = mode;
    if (newQuestion) {
      refused = '';
      // A name is typed, so a touch screen's keyboard opens for it; once the
      // names are in, it closes, for the keypad and the choices.
      if (asks === 'name') input.focus();
      else if (pageTools.touch && document.activeElement === input) input.blur();
    }
    showHint();
  }

  const { fitted } = pageFit;

  // The line keeps only what the question can read, as it is typed, pasted,
  // spoken, composed or tapped on the keypad, and says why when it leaves
  // something out.
  function keepWhatFits() {
    if (prompt === null) return false;
    const { kept, refusedSome, cut } = fitted(input.value, prompt);
    const shown = prompt.reads === 'number' ? pageNumbers.shown(kept) : kept;
    if (shown !== input.value) {
      const caret = fitted(input.value.slice(0, input.selectionStart ?? input.value.length), prompt).kept.length;
      input.value = shown;
      input.setSelectionRange(Math.min(caret, kept.length), Math.min(caret, kept.length));
    }
    if (!refusedSome && !cut) return true;
    refused = cut ? 'hint.number.long' : hintOfRefused();
    showHint();
    return false;
  }
  input.addEventListener('input', (event) => {
    if (!event.isComposing) keepWhatFits();
  });
  input.addEventListener('compositionend', keepWhatFits);

  // Every line the player sends leaves here, as `leaving` keeps it: with
  // its line feed, or without one from Ctrl+D, which on an empty line ends
  // the input, as on a terminal. A name of spaces alone stays, with the hint.
  function send(ending) {
    if (!pageGame.running()) return;
    const line = pageFit.leaving(input.value, prompt);
    if (line === null) {
      refused = 'hint.name';
      showHint();
      return;
    }
    input.value = '';
    if (line === '' && ending === '') pageGame.endInput();
    pageLog.typed(line + ending, prompt?.question === 'name');
    refused = '';
    readAloud.sent(line);
    pageGame.send(line + ending);
  }
  const enter = () => send('\n');

  // Enter sends the line from its key, before the form is submitted: to
  // submit a form Chromium does work of its own that cost more than the
  // game's turn. A keyboard that submits without an Enter key still reaches
  // the form. An Enter that ends an input method's composition belongs to
  // the composition.
  input.form.addEventListener('submit', (event) => {
    event.preventDefault();
    enter();
  });
  input.addEventListener('keydown', (event) => {
    if (event.isComposing || event.keyCode === 229 || event.altKey || event.metaKey) return;
    if (event.key === 'Enter' && !event.ctrlKey) {
      event.preventDefault();
      enter();
    } else if (event.ctrlKey && event.key.toLowerCase() === 'd') {
      event.preventDefault();
      send('');
    }
  });

  return { waiting, enter, keepWhatFits, fitted };
})();
