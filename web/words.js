// The page's words, looked up by key in the chosen language's catalogue
// (web/words/<tag>.js), with English for any key a catalogue lacks.
// A classic script, loaded after the English catalogue and before the page's
// own. The one file carries every catalogue; the served site loads one.
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
  // Every language with a catalogue, and those written right to left.
  // Simplified Chinese stands before Traditional, for a bare zh.
  const languages = ['en', 'ar', 'de', 'es', 'fr', 'it', 'pl', 'pt-BR', 'tr', 'uk', 'zh-CN', 'zh-Hant'];
  const rightToLeft = ['ar'];
  const listeners = [];
  let language = 'en';  // whose words the page shows
  let wanted = null;  // a language whose words are on their way
  let plurals = new Intl.PluralRules('en');

  const primary = (tag) => tag.split('-')[0].toLowerCase();
  const direction = (tag) => (rightToLeft.includes(primary(tag)) ? 'rtl' : 'ltr');

  function remembered() {
    const stored = kept.get(storageKey);
    return languages.includes(stored) ? stored : null;
  }

  // Chinese in the script its tag calls for: zh-TW, zh-HK and zh-MO write
  // Traditional characters.
  const traditional = (tag) => primary(tag) === 'zh' && new Intl.Locale(tag).maximize().script === 'Hant';

  function fromBrowser() {
    for (const asked of navigator.languages ?? [navigator.language]) {
      const tag = traditional(asked) ? 'zh-Hant' : asked;
      const found = languages.find((known) => known.toLowerCase() === tag.toLowerCase()) ??
        languages.find((known) => primary(known) === primary(tag));
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
    const shown = tag === language ? pageNumbers.shown : String;
    const value = (name) => (typeof values[name] === 'number' ? shown : String)(values[name]);
    return message.replace(/\{(\w+)\}/g, (_, name) => value(name));
  }

  // The page's own markup names its words by key: `data-words` for an
  // element's text, `data-label` for its accessible name and title; and
  // `data-digits` a number it shows.
  function fill(root = document) {
    for (const element of root.querySelectorAll('[data-words]')) element.textContent = say(element.dataset.words);
    for (const element of root.querySelectorAll('[data-digits]')) {
      element.textContent = pageNumbers.shown(element.dataset.digits);
    }
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

  function use(tag) {
    language = tag;
    plurals = new Intl.PluralRules(tag);
    pageNumbers.use(tag);
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

  // A language's catalogue, loaded where the page lacks it. Until it comes,
  // the page's words are not seen; one that can't come, or hasn't within two
  // seconds, leaves the page in the words it had, and one that comes late
  // still replaces them. The page and read aloud hear of each change, and
  // whether the page waited, to say what is open again in it.
  function show(tag) {
    const waited = 'wordsWait' in document.documentElement.dataset;
    delete document.documentElement.dataset.wordsWait;
    use(tag);
    for (const listener of listeners) listener(tag, waited);
  }

  function load(tag) {
    if (Object.hasOwn(catalogues, tag)) return show(tag);
    const before = language;
    wanted = tag;
    document.documentElement.dataset.wordsWait = '';
    const arrive = (shown) => tag === wanted && show(shown);
    setTimeout(() => wanted === tag && 'wordsWait' in document.documentElement.dataset && show(before), 2000);
    const script = document.createElement('script');
    script.src = `words/${tag}.js`;
    script.addEventListener('load', () => arrive(Object.hasOwn(catalogues, tag) ? tag : before));
    script.addEventListener('error', () => arrive(before));
    document.head.append(script);
  }

  // The picked language, kept for next time.
  function choose(tag) {
    if (!languages.includes(tag) || tag === language) return;
    kept.set(storageKey, tag);
    load(tag);
  }

  // Whether the page has words for all a record of the game's asks (none for
  // a question the game renamed, say), by own keys: "constructor" is in all.
  function knows(told) {
    const has = (key) => Object.hasOwn(english, key);
    const asks = told.question === 'problem' ? Object.hasOwn(pageQuestion.operators, told.kind) :
      has(`ask.${told.question}${told.question === 'tips' ? `.${told.kind}` : ''}`);
    return asks && Array.from(told.choices ?? '').every((key) => has(`choice.${told.question}.${key}`)) &&
      (!told.judged || has(`verdict.${told.judged.verdict}`));
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
  load(remembered() ?? fromBrowser());

  return {
    say,
    fill,
    choose,
    knows,
    // The tag of the language whose words the page gives.
    get language() {
      return language;
    },
    changed: (listener) => listeners.push(listener),
  };
})();
