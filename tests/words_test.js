// Every catalogue of the page's words against the English one: each key
// there, not empty, with the same `{placeholders}`, and each plural message
// with exactly the forms its language has. Then every name the game's record
// can tell, read from the C++ tables, against the English keys the page
// builds from it. It says what is missing, for whoever adds or mends a
// language or a screen.
//
// Usage: node words_test.js WORDS_FOLDER SOURCE_ROOT
'use strict';
const fs = require('fs');
const path = require('path');

const [folder, source] = process.argv.slice(2);
// CLDR's plural categories, kept here: a node built with other Intl data
// would otherwise ask other forms.
const pluralForms = {
  en: 'one other', ar: 'few many one other two zero', de: 'one other', es: 'many one other', fr: 'many one other',
  it: 'many one other', pl: 'few many one other', 'pt-BR': 'many one other', tr: 'one other',
  uk: 'few many one other', 'zh-CN': 'other', 'zh-Hant': 'other',
};
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
  const forms = pluralForms[language] ?? 'none listed in words_test.js';
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

// The keys the page builds from the record's names: each question's, with its
// choices', each kind's and each verdict's.
const read = (file) => fs.readFileSync(path.join(source, file), 'utf8');
const record = read('src/console/record.cpp');
const names = (table) => [...record.match(new RegExp(`${table} = \\{([^}]*)\\}`))[1].matchAll(/"([^"]*)"/g)]
  .map(([, name]) => name);
const questions = read('include/console.h').match(/enum class Question\b[^{]*\{([^}]*)\}/)[1].split(',')
  .map((name) => name.trim());
const questionNames = names('QuestionNames');
const keys = names('KindNames').filter((kind) => kind !== '')
  .flatMap((kind) => [`ask.tips.${kind}`, `say.operator.${kind}`, `tips.${kind}`])
  .concat(names('VerdictNames').slice(1).flatMap((verdict) => [`verdict.${verdict}`, `say.${verdict}`]));
const sources = fs.readdirSync(path.join(source, 'src'), { recursive: true }).filter((name) => name.endsWith('.cpp'));
for (const file of sources) {
  for (const [, question, fields] of read(path.join('src', file)).matchAll(/\.question = Question::(\w+)([^}]*)\}/g)) {
    const name = questionNames[questions.indexOf(question)] ?? question;
    if (!['tips', 'problem'].includes(name)) keys.push(`ask.${name}`);
    for (const key of fields.match(/\.choices = "(\w*)"/)?.[1] ?? '') {
      keys.push(`choice.${name}.${key}`, `say.choice.${name}.${key}`);
    }
  }
}
for (const key of new Set(keys)) if (!(key in english)) fault('en', key, 'told by the game, not in en.js');
console.log(`${Object.keys(catalogues).length} catalogues, ${new Set(keys).size} keys from the game, ${faults} faults`);
process.exit(faults === 0 ? 0 : 1);
