// The page's words, looked up by key in the chosen language's catalogue
// (web/words/*.js), with English for any key a catalogue lacks.
// A classic script, loaded after the catalogues and before the page's own.
var words = (function pageWords() {
  'use strict';
  const english = pageCatalogues.en;
  const language = 'en';
  const catalogue = pageCatalogues[language] ?? english;
  const plurals = new Intl.PluralRules(language);

  // `key`'s message with `values` put in; a plural message takes the form
  // that `values.count` calls for.
  function say(key, values = {}) {
    let message = catalogue[key] ?? english[key];
    if (message === undefined) throw new Error(`the page has no words for ${key}`);
    if (typeof message === 'object') message = message[plurals.select(values.count)] ?? message.other;
    return message.replace(/\{(\w+)\}/g, (_, name) => String(values[name]));
  }

  // The page's own markup names its words by key: `data-words` for an
  // element's text, `data-label` for its accessible name and title.
  function fill(root = document) {
    for (const element of root.querySelectorAll('[data-words]')) element.textContent = say(element.dataset.words);
    for (const element of root.querySelectorAll('[data-label]')) {
      element.setAttribute('aria-label', say(element.dataset.label));
      if (element.hasAttribute('title')) element.title = say(element.dataset.label);
    }
  }

  return { say, fill, language };
})();
