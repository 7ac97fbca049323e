// The player's picks (the language, the text size, Read aloud) kept for
// next time, where the browser lets the page keep anything: where storage
// is blocked, as in some private windows, nothing is kept and the page
// plays on.
var kept = (function kept() {
  'use strict';
  function get(key) {
    try {
      return localStorage.getItem(key);
    } catch {
      return null;
    }
  }

  function set(key, value) {
    try {
      localStorage.setItem(key, value);
    } catch {
      // nothing kept
    }
  }

  return { get, set };
})();
