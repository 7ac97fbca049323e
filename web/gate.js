// The gate every key of the open question passes: which taps are held back
// after the screen changes, and for how long, decided here alone.
//
// Children's double taps come 150 to 300 ms apart, a slow one at 0.6 to
// 0.65 s, and a finger bounces where it came down: such a second tap lands
// on whatever the first put under the finger. So a tap within the settle
// time of a change, a fingertip from where the finger that made the change
// came down, is held back; a tap anywhere else goes through at once, as a
// fast child's first digit must. The time counts from the change, not from
// the press, so a long press settles as a short one.
//
// When the keypad passes from one child to the other, every key settles,
// and whose turn it is shows meanwhile: the first child's next tap, meant
// for the answer just judged, must not type into the other's.
//
// A click with no pointer press of its own (a screen reader's or a
// switch's press, a key on the keyboard, a device that sends no pointer
// events) was meant, and is never held back.
var pageGate = (function pageGate() {
  'use strict';
  const settleMs = 700;
  const fingertip = 24;  // CSS px: how far from where it came down a bounce lands
  document.documentElement.style.setProperty('--settle', `${settleMs}ms`);
  const faded = ['keys', 'ended'].map((id) => document.getElementById(id));
  const turn = document.querySelector('.turn');

  let press = null;  // the last pointer press not yet clicked: where, and when it lifted
  let clicking = null;  // the press of the click being handled, if it has one
  let spot = null;  // where the finger that changed the screen came down, and until when
  let passedUntil = -Infinity;
  addEventListener('pointerdown', (event) => {
    press = { x: event.clientX, y: event.clientY, up: Infinity };
  }, true);
  addEventListener('pointerup', (event) => {
    if (press) press.up = event.timeStamp;
  }, true);
  addEventListener('pointercancel', () => { press = null; }, true);
  // Each press makes one click at most: a later click without a press of
  // its own never borrows an old one.
  addEventListener('click', (event) => {
    clicking = press && event.timeStamp - press.up < settleMs ? press : null;
    press = null;
  }, true);
  addEventListener('click', () => { clicking = null; });

  // The keys fade in while they settle, each change starting the fade again.
  function fade(element, settling) {
    if (settling) element.dataset.settle = element.dataset.settle === 'a' ? 'b' : 'a';
    else delete element.dataset.settle;
  }

  function changed(passing) {
    const now = performance.now();
    const finger = clicking ?? press;
    const followsFinger = finger !== null && now - Math.min(finger.up, now) < settleMs;
    spot = followsFinger ? { x: finger.x, y: finger.y, until: now + settleMs } : null;
    passedUntil = passing ? now + settleMs : -Infinity;
    for (const element of faded) fade(element, followsFinger || passing);
    fade(turn, passing);
  }

  // A new question, its keys or the end of a game is a change; a two-player
  // sum whose player differs from the last wait's passes the keypad.
  let asks = null;
  let player = 0;
  function waiting(asked) {
    const question = asked === null ? 'ended' :
      `${asked.question} ${asked.kind} ${asked.first} ${asked.second} ${asked.player} ${asked.choices}`;
    if (question === asks) return;
    const passing = asked?.question === 'problem' && asked.player > 0 && asked.player !== player;
    asks = question;
    player = asked?.question === 'problem' ? asked.player ?? 0 : 0;
    changed(passing);
  }

  // Asked by a key's click handler: whether that click goes through.
  function meant() {
    const now = performance.now();
    if (clicking === null) return true;
    if (now < passedUntil) return false;
    return !(spot && now < spot.until && Math.hypot(clicking.x - spot.x, clicking.y - spot.y) <= fingertip);
  }

  return { waiting, meant };
})();
