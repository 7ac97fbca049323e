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
    // A digit the line refused, a tenth one say, goes unsaid.
    if (pageLine.keepWhatFits()) readAloud.typed(key.textContent);
  }

  const keypad = document.getElementById('keypad');
  const keypadActions = { Enter: pageLine.enter, Backspace: erase };
  for (const key of keypad.querySelectorAll('button')) {
    const action = keypadActions[key.dataset.key] ?? (() => typeIn(key));
    key.addEventListener('click', () => {
      if (pageGate.meant()) action();
    });
  }

  const keypadToggle = document.getElementById('keypad-toggle');
  function show(shown) {
    if (main.classList.contains('keypad-shown') === shown) return;
    main.classList.toggle('keypad-shown', shown);
    keypadToggle.setAttribute('aria-expanded', String(shown));
  }
  show(true);
  keypadToggle.addEventListener('click', () => show(!main.classList.contains('keypad-shown')));

  return { show };
})();
