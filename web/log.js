// The log: what the game wrote and the lines sent, as a terminal shows them,
// in blocks; scrolled to its newest lines or a tips screen's first; the bell.
var pageLog = (function pageLog() {
  'use strict';
  const main = document.querySelector('main');
  const box = document.getElementById('game');
  const transcript = document.getElementById('transcript');

  // The transcript's lines go in blocks of 25, so that new text lays out with
  // its own block alone (one block of 5,000 lines took 35 ms a line), and the
  // full blocks wait inside one element, laid out again only when a block
  // joins or leaves them. A long stay holds the last 4,975 to 5,000 lines.
  const linesPerBlock = 25;
  const maxBlocks = 200;
  const fullBlocks = document.createElement('div');
  let block = null;
  let blockLines = 0;  // the line feeds in the last block
  function addBlock() {
    if (block !== null) fullBlocks.append(block);
    if (fullBlocks.childElementCount >= maxBlocks) fullBlocks.firstElementChild.remove();
    block = document.createElement('div');
    blockLines = 0;
    transcript.append(block);
  }

  function clear() {
    names.clear();
    named = null;
    fullBlocks.replaceChildren();
    transcript.replaceChildren(fullBlocks);
    block = null;
  }

  // The log shows its newest lines, but a tips screen opens at its first
  // line: `screenStart` is the first text the game wrote after the line sent.
  let screenStart = null;
  let scrollPending = false;
  function scrollLater() {
    if (scrollPending) return;
    scrollPending = true;
    requestAnimationFrame(() => {
      scrollPending = false;
      if (main.dataset.asks === 'tips' && screenStart?.isConnected) showFrom(screenStart);
      else transcript.scrollTop = transcript.scrollHeight;
    });
  }
  function showFrom(node) {
    const range = document.createRange();
    range.selectNode(node);
    transcript.scrollTop += range.getBoundingClientRect().top - transcript.getBoundingClientRect().top -
      parseFloat(getComputedStyle(transcript).paddingTop);
  }
  // A smaller box (the keyboard up, the phone turned, the text larger) would
  // otherwise keep its old scroll position and hide the newest lines.
  new ResizeObserver(scrollLater).observe(transcript);

  // A name keeps its place in a line of the game's English: "سارة: 42"
  // would run right to left as a whole, shown as "42 :سارة", and a name of
  // two words could show them swapped. Each name that the game's records
  // have carried stands isolated in a <bdi>, as one unit whatever its script
  // or joiners, the text unchanged; as does a line sent at a name question.
  const names = new Set();
  let named = null;  // finds the names, longest first, each a whole word
  function learn(told) {
    const found = [told?.name, told?.judged?.name, told?.ended?.winner?.name]
      .filter((name) => name && !names.has(name));
    if (found.length === 0) return;
    for (const name of found) names.add(name);
    const escaped = [...names].sort((a, b) => b.length - a.length)
      .map((name) => name.replace(/[.*+?^${}()|[\]\\]/g, '\\$&'));
    named = new RegExp(`(^|\\s)(${escaped.join('|')})(?=[\\s\\p{P}]|$)`, 'gu');
  }
  function nodesOf(text) {
    if (named === null) return [document.createTextNode(text)];
    const nodes = [];
    let from = 0;
    for (const found of text.matchAll(named)) {
      const at = found.index + found[1].length;
      if (at > from) nodes.push(document.createTextNode(text.slice(from, at)));
      const name = document.createElement('bdi');
      name.textContent = found[2];
      nodes.push(name);
      from = at + found[2].length;
    }
    if (from < text.length || nodes.length === 0) nodes.push(document.createTextNode(text.slice(from)));
    return nodes;
  }

  // Each piece of text is a node of its own, or a few, which the log's live
  // region announces once.
  function append(text) {
    while (text !== '') {
      if (block === null || blockLines === linesPerBlock) addBlock();
      let end = 0;
      while (end < text.length && blockLines < linesPerBlock) {
        const feed = text.indexOf('\n', end);
        end = feed < 0 ? text.length : feed + 1;
        if (feed >= 0) ++blockLines;
      }
      const nodes = nodesOf(text.slice(0, end));
      block.append(...nodes);
      screenStart ??= nodes[0];
      text = text.slice(end);
    }
    scrollLater();
  }

  // A terminal shows what was typed, so the log does too.
  function typed(text, isName = false) {
    if (isName) learn({ name: text.replace(/\n$/, '') });
    append(text);
    screenStart = null;
  }

  // The visual bell: the console's frame flashes.
  function ringBell() {
    box.classList.add('bell');
    setTimeout(() => box.classList.remove('bell'), 300);
  }

  return { append, typed, learn, ringBell, clear, scrollLater };
})();
