// Every catalogue of the page's words against the English one: each key
// there, not empty, with the same `{placeholders}`, and each plural message
// with exactly the forms Intl.PluralRules lists for its language. It says
// what is missing, for whoever adds or mends a language.
//
// Usage: node words_test.js WORDS_FOLDER
'use strict';
const fs = require('fs');
const path = require('path');

const folder = process.argv[2];
for (const file of fs.readdirSync(folder).filter((name) => name.endsWith('.js'))) require(path.resolve(folder, file));
const catalogues = globalThis.pageCatalogues;
const english = catalogues.en;
const placeholders = (message) => [...new Set(Object.values(typeof message === 'object' ? message : { message })
  .flatMap((form) => form.match(/\{\w+\}/g) ?? []))].sort().join(' ');
let faults = 0;

function fault(language, key, what) {
  console.log(`${language}: ${key}: ${what}`);
  ++faults;
}

for (const [language, catalogue] of Object.entries(catalogues)) {
  const forms = new Intl.PluralRules(language).resolvedOptions().pluralCategories.sort().join(' ');
  for (const key of Object.keys(catalogue).filter((key) => !(key in english))) fault(language, key, 'not in en.js');
  for (const [key, message] of Object.entries(english)) {
    const said = catalogue[key];
    const plural = typeof message === 'object';
    if (said === undefined) fault(language, key, `missing (English: ${JSON.stringify(message)})`);
    else if (plural !== (typeof said === 'object')) fault(language, key, plural ? 'wants plural forms' : 'wants one message');
    else if (plural && Object.keys(said).sort().join(' ') !== forms) {
      fault(language, key, `has the forms ${Object.keys(said).sort().join(' ')}; ${language} has ${forms}`);
    } else if (Object.values(plural ? said : { said }).some((form) => typeof form !== 'string' || form.trim() === '')) {
      fault(language, key, 'empty');
    } else if (placeholders(said) !== placeholders(message)) {
      fault(language, key, `puts in ${placeholders(said) || 'nothing'}, English ${placeholders(message)}`);
    }
  }
}
const listed = fs.readFileSync(path.join(folder, '..', 'words.js'), 'utf8').match(/const languages = \[(.*)\];/)[1];
for (const language of Object.keys(catalogues).filter((tag) => !listed.includes(`'${tag}'`))) {
  fault(language, '-', 'not in the languages that web/words.js lists');
}
console.log(`${Object.keys(catalogues).length} catalogues, ${faults} faults`);
process.exit(faults === 0 ? 0 : 1);
