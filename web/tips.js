// The page's tips, in the child's words, under the tips screen's name: as
// many whole tips as the screen leaves room for, and "More tips" for the
// rest, then round to the first again: a tip cut off, or scrolled in a box
// with no sign that more is there, goes unread. A sum never wraps
// (numbers.js); a bounce of the tap that opened the screen turns no page.
var pageTips = (function pageTips() {
  'use strict';
  const main = document.querySelector('main');
  const box = document.getElementById('tips');
  const more = document.getElementById('more-tips');
  let lines = [];  // the open screen's tips, as the catalogue words them
  let first = 0;  // the first of them shown

  const overflows = () => main.scrollHeight > main.clientHeight;

  // From the first shown, each tip while the page has room for it, and one
  // at least, however large the text.
  function fit() {
    if (lines.length === 0) return;
    const tips = Array.from(box.children);
    tips.forEach((tip, i) => { tip.hidden = i < first; });
    more.hidden = first === 0 && !overflows();
    for (let last = tips.length - 1; last > first && overflows(); last -= 1) tips[last].hidden = true;
  }

  function show(kind) {
    lines = kind === '' ? [] : words.say(`tips.${kind}`).split('\n');
    first = 0;
    box.hidden = more.hidden = lines.length === 0;
    box.replaceChildren(...lines.map((line) => {
      const tip = document.createElement('p');
      tip.textContent = pageNumbers.shown(line);
      return tip;
    }));
    fit();
  }

  // The tips shown, for Read aloud to say.
  const shown = () => lines.filter((_, i) => !box.children[i].hidden);

  more.addEventListener('click', () => {
    if (!pageGate.meant()) return;
    const after = first + shown().length;
    first = after < lines.length ? after : 0;
    fit();
    readAloud.retell();
  });
  new ResizeObserver(fit).observe(main);

  return { show, fit, shown };
})();
