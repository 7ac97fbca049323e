// The page's tools: the text size, the Keyboard key, where the focus goes on
// a touch screen, and the page kept to the part of the screen still seen.
var pageTools = (function pageTools() {
  'use strict';
  const main = document.querySelector('main');
  const transcript = document.getElementById('transcript');
  const input = document.getElementById('line');
  const smaller = document.getElementById('smaller');
  const larger = document.getElementById('larger');
  // A− and A+ are named by what they show, and say what they do as a title.
  function nameSizes() {
    smaller.title = words.say('tool.smaller');
    larger.title = words.say('tool.larger');
  }
  nameSizes();
  words.changed(nameSizes);

  // The page remembers the text size, as speech.js remembers Read aloud;
  // where storage is refused, it is simply forgotten.
  const sizeKey = 'orvanell-font-size';
  const sizes = { least: 12, usual: 18, most: 40, step: 2 };
  function storedSize() {
    const size = Number(kept.get(sizeKey));
    return size >= sizes.least && size <= sizes.most ? size : sizes.usual;
  }
  let fontSize = storedSize();
  // Set only when picked: a size set on the page styles all of it again.
  if (fontSize !== sizes.usual) main.style.setProperty('--picked', `${fontSize}px`);

  // On a touch screen the keypad is the way in: the system keyboard, which
  // the input's focus would open, waits for a name or the "Keyboard" key.
  // There the focus goes to no control, from where a key typed on a keyboard
  // case still reaches the line.
  const touch = matchMedia('(pointer: coarse)').matches;
  function focusUnlessTouch() {
    if (touch) document.activeElement?.blur();
    else input.focus();
  }

  // The text grows no larger than the screen leaves room for (page.css):
  // A+ stops where the text stops growing, and A− starts from what shows.
  function shownSize() {
    return parseFloat(getComputedStyle(transcript).fontSize);
  }
  function showSizeLimits() {
    larger.disabled = fontSize >= sizes.most || shownSize() < fontSize;
    smaller.disabled = fontSize <= sizes.least;
  }

  function resize(change) {
    const from = Math.min(fontSize, Math.ceil(shownSize()));
    fontSize = Math.min(sizes.most, Math.max(sizes.least, from + change));
    main.style.setProperty('--picked', `${fontSize}px`);
    showSizeLimits();
    pageTips.fit();
    pageLog.scrollLater();
    kept.set(sizeKey, String(fontSize));
  }
  smaller.addEventListener('click', () => resize(-sizes.step));
  larger.addEventListener('click', () => resize(sizes.step));
  addEventListener('resize', showSizeLimits);
  requestAnimationFrame(showSizeLimits);

  // A button tapped or clicked never takes the keyboard: the next key typed
  // goes into the line, not to that button, as on a tablet with a keyboard
  // case. Reached by Tab, a button keeps the focus, as in any form.
  function leaveFocusOnTap(button) {
    button.addEventListener('pointerdown', (event) => event.preventDefault());
  }
  document.querySelectorAll('button').forEach(leaveFocusOnTap);

  // A phone's on-screen keyboard covers the bottom of the screen, and most
  // browsers leave the page its full height beneath it: the game keeps to
  // the part still seen. Zoomed in, the player moves about the whole page.
  function fitToView() {
    const seen = visualViewport;
    const zoomed = seen.scale > 1.01;
    main.style.height = zoomed ? '' : `${seen.height}px`;
    main.style.transform = zoomed || seen.offsetTop === 0 ? '' : `translateY(${seen.offsetTop}px)`;
  }
  if (window.visualViewport) {
    visualViewport.addEventListener('resize', fitToView);
    visualViewport.addEventListener('scroll', fitToView);
  }

  // On a touch screen the choices are the way to answer a menu, and the line
  // shows only at a sum and a name (page.css), until a keyboard types or is
  // asked for: from then on it shows at every question.
  function showLine() {
    if (touch && !main.classList.contains('typed')) main.classList.add('typed');
  }
  // For the names, which the keypad can't spell: the input takes the focus,
  // and a touch screen opens its keyboard.
  document.getElementById('keyboard').addEventListener('click', () => {
    showLine();
    input.focus();
  });
  // A key typed with the focus on no control, as on a tablet with a keyboard
  // case before anything was tapped, still goes into the line; so does a
  // character typed on a button reached by Tab, whose Enter and space press it.
  document.addEventListener('keydown', (event) => {
    const onButton = event.target instanceof HTMLButtonElement;
    if (event.target !== document.body && event.target !== transcript && !onButton) return;
    if (input.disabled || event.ctrlKey || event.altKey || event.metaKey) return;
    const typed = event.key.length === 1 && event.key !== ' ';
    if (!typed && (onButton || (event.key !== 'Enter' && event.key !== 'Backspace'))) return;
    showLine();
    input.focus();
  });

  return { touch, focusUnlessTouch, leaveFocusOnTap };
})();
