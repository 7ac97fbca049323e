// The keypad: its keys, which edit the line where its caret is and send it,
// and whether it shows.
var pageKeypad = (function pageKeypad() {
  'use strict';
  const main = document.querySelector('main');
  const input = document.getElementById('line');

  function erase() {
    let start = input.selectionStart ?? input.value.length;
    const end = input.selectionEnd ?? start;
    if (start === end) {
      if (start === 0) return;
      // A character outside the first plane is two code units.
      const before = input.value.codePointAt(start - 2);
      start -= start >= 2 && before > 0xffff ? 2 : 1;
    }
    input.setRangeText('', start, end, 'end');
    pageLine.keepWhatFits();
  }

  function typeIn(key) {
    const start = input.selectionStart ?? input.value.length;
    input.setRangeText(key.dataset.digits, start, input.selectionEnd ?? start, 'end');
    pageLine.keepWhatFits();
    readAloud.typed(key.textContent);
  }

  const keypad = document.getElementById('keypad');
  const keypadActions = { Enter: pageLine.enter, Backspace: erase };
  for (const key of keypad.querySelectorAll('button')) {
    const action = keypadActions[key.dataset.key] ?? (() => typeIn(key));
    key.addEventListener('click', (event) => {
      if (pageTools.meant(event, keypad)) action();
    });
  }

  const keypadToggle = document.getElementById('keypad-toggle');
  function show(shown) {
    if (main.classList.contains('keypad-shown') === shown) return;
    main.classList.toggle('keypad-shown', shown);
    keypadToggle.setAttribute('aria-expanded', String(shown));
    if (shown) pageTools.settle(keypad);
  }
  show(true);
  keypadToggle.addEventListener('click', () => show(!main.classList.contains('keypad-shown')));

  // The keys settle at each new question, not between the tries at one sum:
  // there a digit still means that digit.
  let asks = null;
  function waiting(asked) {
    const question = asked?.question ?? 'ended';
    if (question === asks) return;
    asks = question;
    pageTools.settle(keypad);
  }

  return { show, waiting };
})();
