// The one way a number reaches the eye: every number the page shows, in the
// digits the child learns first, and every sum left to right in any digits.
// Never what the game reads or wrote, which stays ASCII.
var pageNumbers = (function pageNumbers() {
  'use strict';
  // The languages some of whose children first write digits other than 0 to
  // 9: only there is Intl asked, as a page's first Intl.NumberFormat takes as
  // long as its first Intl.DisplayNames.
  const ownDigits = ['ar'];
  let numerals = null;  // the ten digits shown, where they aren't 0 to 9

  // Those of the browser's own tag where its language is the one shown, as
  // ar-EG writes ٠١٢٣ and ar-MA 0123; else the language's own.
  function use(tag) {
    const primary = (found) => found.split('-')[0].toLowerCase();
    numerals = null;
    if (!ownDigits.includes(primary(tag))) return;
    const wanted = (navigator.languages ?? [navigator.language]).find((found) => primary(found) === primary(tag));
    let format;
    try {
      format = new Intl.NumberFormat(wanted ?? tag, { useGrouping: false });
    } catch {
      format = new Intl.NumberFormat(tag, { useGrouping: false });
    }
    if (format.resolvedOptions().numberingSystem === 'latn') return;
    numerals = Array.from('0123456789', (digit) => format.format(Number(digit)));
  }

  // To the bidi algorithm a number is a right-to-left thing in an Arabic
  // line, and Arabic-Indic digits are in any line: ١٧ + ١٢ = ٢٩ would show
  // as ٢٩ = ١٢ + ١٧. Each sum stands isolated, overridden left to right,
  // in the order written, and on one line.
  const sum = /\d+(?: [+−×] \d+)+(?: =(?: \d+)?)?/g;
  function shown(text) {
    const written = String(text).replace(sum, (found) => `\u2066\u202d${found.replaceAll(' ', '\u00a0')}\u202c\u2069`);
    return numerals === null ? written : written.replace(/[0-9]/g, (digit) => numerals[digit]);
  }

  return { use, shown };
})();
