// The page's scripts that need no browser. Every catalogue of the page's
// words against the English one: each key there, not empty, with the same
// `{placeholders}`, and each plural message with exactly the forms its
// language has. Then every name the game's record can tell, read from the C++
// tables, against the English keys the page builds from it. It says what is
// missing, for whoever adds or mends a language or a screen. Last, what the
// line keeps of what is typed at each kind of question, and the voice Read
// aloud takes.
//
// Usage: node page_test.js WORDS_FOLDER SOURCE_ROOT
'use strict';
const fs = require('fs');
const path = require('path');
const vm = require('vm');

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
  const forms = pluralForms[language] ?? 'none listed in page_test.js';
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
// Words a child hears wrong unless each language says them so, a row a
// language: the × 11 tip says the digit is written twice (8 twice is 16),
// and no choice said holds a "：", where a Chinese voice pauses as between
// two choices.
const writtenTwice = { en: 'written with', ar: 'نكتب الرقم مرتين', de: 'schreibt man', es: 'se escribe',
  fr: 's’écrit', it: 'si scrive', pl: 'zapisana', 'pt-BR': 'se escreve', uk: 'записується',
  tr: 'o rakam iki kez yan yana yazılır', 'zh-CN': '写两遍', 'zh-Hant': '寫兩次' };
for (const [language, catalogue] of Object.entries(catalogues)) {
  const eleven = catalogue['tips.multiplication']?.split('\n').find((line) => line.includes('× 11 ='));
  if (!eleven?.includes(writtenTwice[language] ?? '(no row in page_test.js)')) {
    fault(language, 'tips.multiplication', `the × 11 tip, ${eleven}, doesn't say ${writtenTwice[language]}`);
  }
  const paused = Object.keys(catalogue).filter((key) => key.startsWith('say.choice') && catalogue[key].includes('：'));
  for (const key of paused) fault(language, key, 'a pause inside a choice said');
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

// The line's filter, a classic script of the page's, run as the page runs it.
vm.runInThisContext(read('web/fit.js'));
const asked = {
  number: { reads: 'number', choices: '' }, menu: { reads: 'number', choices: '12345' },
  exit: { reads: 'key', choices: 'yn' }, tips: { reads: 'key', choices: 'bx' }, name: { reads: 'word', choices: '' },
};
// question, typed, kept, and whether some was refused, the number cut
const lineCases = [
  ['number', '١٢٣٤٥٦٧٨٩', '123456789', ''],  // Arabic-Indic
  ['number', '۰۴۵۶', '456', ''],  // Extended Arabic-Indic, a leading zero
  ['number', '७८९०', '7890', ''],  // Devanagari
  ['number', '৩৪', '34', ''],  // Bengali
  ['number', '๕๖', '56', ''],  // Thai
  ['number', '１０', '10', ''],  // full-width
  ['number', '𝟘𝟷𝟿', '19', ''],  // mathematical, runs of ten one after another
  ['number', '007', '7', ''],
  ['number', '0', '0', ''],
  ['number', '000', '0', ''],
  ['number', '1234567890', '123456789', 'cut'],
  ['number', '00123456789', '123456789', ''],
  ['number', '-1 2²', '12', 'refused'],
  ['menu', '3', '3', ''],
  ['menu', '٤', '4', ''],
  ['menu', '260', '2', 'refused'],
  ['menu', '0007', '', 'refused'],
  ['exit', 'Y', 'Y', ''],
  ['exit', 'yn', 'n', ''],
  ['exit', 'd', '', 'refused'],
  ['tips', 'B', 'B', ''],
  ['tips', 'X', 'X', ''],
  ['tips', 'by', 'b', 'refused'],
  ['name', 'Dyn Bax', 'Dyn\u00a0Bax', ''],
  ['name', '雪乃\u3000٣', '雪乃\u00a0٣', ''],
  ['name', 'A\tB\nC', 'ABC', 'refused'],
  // and, where it differs from what is kept, the line sent
  ['name', ' ', '\u00a0', '', null],
  ['name', ' محمد علي ', '\u00a0محمد\u00a0علي\u00a0', '', 'محمد\u00a0علي'],
];
for (const [question, typed, kept, said, sent = kept] of lineCases) {
  const expected = { kept, refusedSome: said.includes('refused'), cut: said.includes('cut'), sent };
  const got = { ...pageFit.fitted(typed, asked[question]), sent: pageFit.leaving(typed, asked[question]) };
  if (JSON.stringify(got) !== JSON.stringify(expected)) {
    fault('line', `${question} ${JSON.stringify(typed)}`, `${JSON.stringify(got)}, wanted ${JSON.stringify(expected)}`);
  }
}
// Every number shown, for the browser's language: in its digits, each sum
// isolated left to right, on one line.
vm.runInThisContext(read('web/numbers.js'));
const sum = (text) => `\u2066\u202d${text.replaceAll(' ', '\u00a0')}\u202c\u2069`;
const numberCases = [
  ['ar-EG', 'ar', '39 + 8 =', sum('٣٩ + ٨ =')],
  ['ar-EG', 'ar', 'من 9 × 1 إلى 9 × 10، 18.', `من ${sum('٩ × ١')} إلى ${sum('٩ × ١٠')}، ١٨.`],
  ['ar-MA', 'ar', '7 + 0 = 7: 4', `${sum('7 + 0 = 7')}: 4`],
  ['en-US', 'en', '12 − 5 = 7', sum('12 − 5 = 7')],
];
for (const [browser, language, text, shown] of numberCases) {
  globalThis.navigator = { languages: [browser] };
  pageNumbers.use(language);
  const got = pageNumbers.shown(text);
  if (got !== shown) fault('numbers', `${text} in ${browser}`, `${JSON.stringify(got)}, wanted ${JSON.stringify(shown)}`);
}
// The voice Read aloud takes: for the page's language and the browser's
// languages, among voices by tag (l on the device, d the system's choice).
globalThis.words = { say: () => '' };
vm.runInThisContext(read('web/spoken.js'));
const voiceCases = [
  ['zh-Hant', 'zh-TW', 'zh-HK:l zh-CN:ld zh-TW', 'zh-TW'],
  ['zh-Hant', 'zh-TW', 'zh-CN:ld zh-HK', 'zh-HK'],
  ['zh-CN', 'zh-TW en', 'zh-TW:ld zh-CN', 'zh-CN'],
  ['ar', 'ar-EG', 'ar-SA:ld ar_EG', 'ar_EG'],
  ['pt-BR', 'en-US', 'pt-PT:ld pt-BR', 'pt-BR'],
  ['es', 'es-MX es', 'es-ES:d es-MX:l en-GB:ld', 'es-MX'],
  ['es', 'en', 'es-ES es-US:d es-MX:l', 'es-MX'],
  ['de', 'de-DE', 'en-GB:ld', 'none'],
];
for (const [language, browser, listed, wanted] of voiceCases) {
  const voices = listed.split(' ').map((voice) => voice.split(':')).map(([lang, is = '']) =>
    ({ lang, localService: is.includes('l'), default: is.includes('d') }));
  const got = spokenWords.voiceFor(voices, language, browser.split(' '))?.lang ?? 'none';
  if (got !== wanted) fault('voice', `${language} in ${browser} among ${listed}`, `${got}, wanted ${wanted}`);
}
console.log(`${Object.keys(catalogues).length} catalogues, ${new Set(keys).size} keys from the game, ` +
  `${lineCases.length} lines typed, ${numberCases.length} numbers shown, ${voiceCases.length} voices chosen, ` +
  `${faults} faults`);
process.exit(faults === 0 ? 0 : 1);
