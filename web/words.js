// The page's words, looked up by key in the chosen language's catalogue
// (web/words/<tag>.js), with English for any key a catalogue lacks.
// A classic script, loaded after the English catalogue and before the page's
// own. The one file carries every catalogue; the served site loads the
// chosen one alone, first thing, and shows none of the page's words until
// it comes.
//
// The language is the one the player picked, remembered as the text size
// is; else the first of the browser's languages that has a catalogue, by
// its primary subtag, so that es-MX finds es and pt-PT finds pt-BR; else
// English. The game's own text stays English whatever is chosen: the log
// says so, for a screen reader to read it as English.
var words = (function pageWords() {
  'use strict';
  const catalogues = pageCatalogues;
  const english = catalogues.en;
  const storageKey = 'orvanell-language';
  // Every language with a catalogue, those written right to left, and those
  // that some of their children first write with digits other than 0 to 9.
  // Simplified Chinese stands before Traditional, for a bare zh.
  const languages = ['en', 'ar', 'de', 'es', 'fr', 'it', 'pl', 'pt-BR', 'tr', 'uk', 'zh-CN', 'zh-Hant'];
  const rightToLeft = ['ar'];
  const ownDigits = ['ar'];
  const listeners = [];
  let language = 'en';
  let plurals = new Intl.PluralRules('en');
  let numerals = null;  // the chosen language's ten digits, where they aren't 0 to 9

  const primary = (tag) => tag.split('-')[0].toLowerCase();
  const direction = (tag) => (rightToLeft.includes(primary(tag)) ? 'rtl' : 'ltr');

  function remembered() {
    const stored = kept.get(storageKey);
    return languages.includes(stored) ? stored : null;
  }

  // Chinese is written in Traditional characters where the tag says so, or
  // says Taiwan, Hong Kong or Macao without naming Simplified.
  const traditional = /^zh-(hant|tw|hk|mo)\b/i;

  function fromBrowser() {
    for (const asked of navigator.languages ?? [navigator.language]) {
      const wanted = traditional.test(asked) ? 'zh-Hant' : asked;
      const found = languages.find((tag) => tag.toLowerCase() === wanted.toLowerCase()) ??
        languages.find((tag) => primary(tag) === primary(wanted));
      if (found) return found;
    }
    return 'en';
  }

  // `key`'s message with `values` put in, in the chosen language or the one
  // asked for (English, for what is said in the game's own voice); a plural
  // message takes the form that `values.count` calls for.
  function say(key, values = {}, tag = language) {
    let message = catalogues[tag]?.[key] ?? english[key];
    if (message === undefined) throw new Error(`the page has no words for ${key}`);
    if (typeof message === 'object') {
      const rules = tag === language ? plurals : new Intl.PluralRules(tag);
      message = message[rules.select(values.count)] ?? message.other;
    }
    const value = (name) => (typeof values[name] === 'number' && tag === language ? digits : String)(values[name]);
    return message.replace(/\{(\w+)\}/g, (_, name) => value(name));
  }

  // The page's own markup names its words by key: `data-words` for an
  // element's text, `data-label` for its accessible name and title; and
  // `data-digits` a number it shows.
  function fill(root = document) {
    for (const element of root.querySelectorAll('[data-words]')) element.textContent = say(element.dataset.words);
    for (const element of root.querySelectorAll('[data-digits]')) element.textContent = digits(element.dataset.digits);
    for (const element of root.querySelectorAll('[data-label]')) {
      element.setAttribute('aria-label', say(element.dataset.label));
      if (element.hasAttribute('title')) element.title = say(element.dataset.label);
    }
  }

  // Each language in its own words, as a child's parent would look for it.
  function nameOf(tag) {
    let name = tag;
    try {
      name = new Intl.DisplayNames([tag], { type: 'language' }).of(tag) ?? tag;
    } catch {
      // a browser without the names keeps the tag
    }
    return name.charAt(0).toLocaleUpperCase(tag) + name.slice(1);
  }

  // The digits a child learns first: those of the browser's own tag where
  // its language is the one chosen, as ar-EG writes ٠١٢٣ and ar-MA 0123;
  // else the chosen language's. Only where there may be some: a page's first
  // Intl.NumberFormat takes as long as its first Intl.DisplayNames.
  function digitsOf(tag) {
    if (!ownDigits.includes(primary(tag))) return null;
    const wanted = (navigator.languages ?? [navigator.language]).find((found) => primary(found) === primary(tag));
    let format;
    try {
      format = new Intl.NumberFormat(wanted ?? tag, { useGrouping: false });
    } catch {
      format = new Intl.NumberFormat(tag, { useGrouping: false });
    }
    const ten = Array.from('0123456789', (digit) => format.format(Number(digit)));
    return ten.join('') === '0123456789' ? null : ten;
  }

  // `text` with its ASCII digits in the child's own: what the page shows,
  // never what the game reads or wrote.
  function digits(text) {
    const shown = String(text);
    return numerals === null ? shown : shown.replace(/[0-9]/g, (digit) => numerals[digit]);
  }

  function use(tag) {
    language = tag;
    plurals = new Intl.PluralRules(tag);
    numerals = digitsOf(tag);
    const root = document.documentElement;
    root.lang = tag;
    root.dir = direction(tag);
    const log = document.getElementById('transcript');
    if (log) {
      log.lang = 'en';
      log.dir = 'ltr';
    }
    const picker = document.getElementById('language');
    if (picker) picker.value = tag;
    fill();
  }

  // A language's catalogue, loaded where the page lacks it; its words, once
  // there, replace the English shown meanwhile, and the page and read aloud
  // hear of it to say what is open again in it. One that can't come leaves
  // the page in English.
  function arrive(tag, shown = tag) {
    if (tag !== language) return;
    use(shown);
    delete document.documentElement.dataset.wordsWait;
    for (const listener of listeners) listener(shown);
  }

  function load(tag) {
    if (Object.hasOwn(catalogues, tag)) return;
    // Until its words come, the page's words, English meanwhile, are not seen.
    document.documentElement.dataset.wordsWait = '';
    const script = document.createElement('script');
    script.src = `words/${tag}.js`;
    script.addEventListener('load', () => arrive(tag));
    script.addEventListener('error', () => arrive(tag, 'en'));
    document.head.append(script);
  }

  // The picked language, kept for next time.
  function choose(tag) {
    if (!languages.includes(tag) || tag === language) return;
    use(tag);
    kept.set(storageKey, tag);
    if (Object.hasOwn(catalogues, tag)) arrive(tag);
    else load(tag);
  }

  // The list is made when the player first comes to it: the page's first
  // Intl.DisplayNames takes 20 ms, 80 at a phone's speed, which the first
  // screen would wait for.
  function picker() {
    const select = document.getElementById('language');
    if (!select) return;
    select.parentElement.hidden = false;
    const list = () => {
      if (select.length > 0) return;
      select.append(...languages.map((tag) => {
        const option = new Option(nameOf(tag), tag, false, tag === language);
        option.lang = tag;
        option.dir = direction(tag);
        return option;
      }));
    };
    for (const type of ['focus', 'pointerdown']) select.addEventListener(type, list);
    select.addEventListener('change', () => choose(select.value));
  }

  picker();
  use(remembered() ?? fromBrowser());
  load(language);

  return {
    say,
    fill,
    digits,
    choose,
    // The tag of the language whose words the page gives: the chosen one's,
    // or English while its words are on their way.
    get language() {
      return Object.hasOwn(catalogues, language) ? language : 'en';
    },
    changed: (listener) => listeners.push(listener),
  };
})();
