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

  // A name written right to left keeps its place in a line of the game's
  // English: "سارة: 42" would run right to left as a whole, shown as
  // "42 :سارة". Each run of Arabic or Hebrew words stands isolated in a
  // <bdi>, the text unchanged.
  const rightToLeft = /[\p{sc=Arab}\p{sc=Hebr}](?:[\p{sc=Arab}\p{sc=Hebr}\p{M} ]*[\p{sc=Arab}\p{sc=Hebr}\p{M}])?/gu;
  function nodesOf(text) {
    const nodes = [];
    let from = 0;
    for (const found of text.matchAll(rightToLeft)) {
      if (found.index > from) nodes.push(document.createTextNode(text.slice(from, found.index)));
      const name = document.createElement('bdi');
      name.textContent = found[0];
      nodes.push(name);
      from = found.index + found[0].length;
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
  function typed(text) {
    append(text);
    screenStart = null;
  }

  // The visual bell: the console's frame flashes.
  function ringBell() {
    box.classList.add('bell');
    setTimeout(() => box.classList.remove('bell'), 300);
  }

  return { append, typed, ringBell, clear, scrollLater };
})();
