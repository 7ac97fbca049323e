// Run by the build: writes the page's own voice, eSpeak NG, into the site's
// voice/ folder from the npm package, split so that a child's device fetches
// only what their language needs: the engine, the phoneme data every voice
// shares, and one language's dictionary and voice file.
//
// The package holds one 24 MB data file with every language in it; its file
// table (each file's start and end) is in the engine's loader, which fetches
// it whole. The engine goes in without that loader, as a classic script a
// Worker can import, and the worker writes each part's files into the
// engine's file system itself.
//
// The one-file page, opened from a folder, can fetch nothing and start no
// Worker from a file, but can load a script: for it, the same files go as
// scripts into a second folder, beside the one file, that put their
// contents in `orvanellVoice`, the engine and the worker as one text that
// the page starts a Worker from.
//
// Usage: node build_voice.js PACKAGE_FOLDER VOICE_FOLDER WORKER_SCRIPT ONE_FILE_VOICE_FOLDER
'use strict';
const fs = require('fs');
const path = require('path');

const [packageFolder, voiceFolder, workerScript, scriptFolder] = process.argv.slice(2);
const dataRoot = '/usr/share/espeak-ng-data/';

// The page's languages, each with eSpeak's voice nearest to it, and the part
// (its dictionary) that voice reads. Both Chinese scripts are read by
// Mandarin, whose dictionary holds the Traditional characters too.
const languages = {
  en: { voice: 'en', part: 'en', files: ['en_dict'] },
  es: { voice: 'es', part: 'es', files: ['es_dict'] },
  fr: { voice: 'fr', part: 'fr', files: ['fr_dict'] },
  de: { voice: 'de', part: 'de', files: ['de_dict'] },
  'pt-BR': { voice: 'pt-BR', part: 'pt', files: ['pt_dict'] },
  it: { voice: 'it', part: 'it', files: ['it_dict'] },
  pl: { voice: 'pl', part: 'pl', files: ['pl_dict'] },
  tr: { voice: 'tr', part: 'tr', files: ['tr_dict'] },
  uk: { voice: 'uk', part: 'uk', files: ['uk_dict'] },
  ar: { voice: 'ar', part: 'ar', files: ['ar_dict'] },
  'zh-CN': { voice: 'cmn', part: 'cmn', files: ['cmn_dict'] },
  'zh-Hant': { voice: 'cmn', part: 'cmn', files: ['cmn_dict'] },
};
// The voice files, a few hundred bytes each, go with the phoneme data: the
// engine lists the voices it has once, at the first it is asked for, and
// would never find a language whose voice file came later.
const voiceFiles = ['lang/gmw/en', 'lang/roa/es', 'lang/roa/fr', 'lang/gmw/de', 'lang/roa/pt-BR', 'lang/roa/it',
  'lang/zlw/pl', 'lang/trk/tr', 'lang/zle/uk', 'lang/sem/ar', 'lang/sit/cmn'];
const shared = ['phontab', 'phonindex', 'phondata', 'intonations', ...voiceFiles];

const engine = fs.readFileSync(path.join(packageFolder, 'espeak-ng.js'), 'utf8');
const data = fs.readFileSync(path.join(packageFolder, 'espeak-ng.data'));
const loader = new RegExp(/var Module=typeof Module!="undefined"\?Module:\{\};Module\["expectedDataFileDownloads"\]/.source +
  /[\s\S]*?loadPackage\((\{files:[\s\S]*?\})\)\}\)\(\);/.source);
const found = engine.match(loader);
if (!found) throw new Error("the engine's data loader is not where this script looks for it");
// The table is a JavaScript object literal of names and numbers only.
const table = new Function(`return ${found[1]}`)().files;
const file = (name) => {
  const entry = table.find((candidate) => candidate.filename === dataRoot + name);
  if (!entry) throw new Error(`the package has no ${name}`);
  return data.subarray(entry.start, entry.end);
};

// A part's files one after the other, and where each lies.
function writePart(part, names) {
  const bytes = names.map(file);
  let at = 0;
  const files = names.map((name, index) => [name, at, (at += bytes[index].length)]);
  fs.writeFileSync(path.join(voiceFolder, `${part}.bin`), Buffer.concat(bytes));
  return { file: `${part}.bin`, files };
}

// An ES module's only module syntax is its own address and its export.
const classic = engine.replace(found[0], '')
  .replace(/import\.meta\.url/g, 'self.location.href')
  .replace(/^var Module = /m, 'var createEspeak = ')
  .replace(/^export default Module;\s*$/m, '');
if (/import\.meta|^export /m.test(classic)) throw new Error('the engine is still an ES module');

const { version, repository } = JSON.parse(fs.readFileSync(path.join(packageFolder, 'package.json'), 'utf8'));
for (const folder of [voiceFolder, scriptFolder]) {
  fs.rmSync(folder, { recursive: true, force: true });
  fs.mkdirSync(folder, { recursive: true });
  fs.copyFileSync(path.join(packageFolder, 'COPYING'), path.join(folder, 'COPYING'));
  fs.writeFileSync(path.join(folder, 'SOURCE'),
    `The files of this folder are eSpeak NG, compiled to JavaScript, as npm's ` +
    `@echogarden/espeak-ng-emscripten ${version} ships it (its engine without the data loader; ` +
    `its espeak-ng.data in pieces), under the GNU General Public License 3.0 or later (COPYING), ` +
    `with the worker that runs them, under the MIT licence. Source: ${repository.url} ` +
    `and https://github.com/espeak-ng/espeak-ng\n`);
}
fs.writeFileSync(path.join(voiceFolder, 'engine.js'), classic);
fs.copyFileSync(workerScript, path.join(voiceFolder, 'worker.js'));
const asScript = (name, value) =>
  fs.writeFileSync(path.join(scriptFolder, `${name}.js`), `(self.orvanellVoice ??= {})[${JSON.stringify(name)}] = ` +
    `${JSON.stringify(value)};\n`);
asScript('engine', `${classic}\n${fs.readFileSync(workerScript, 'utf8')}`);
const parts = {};
const voices = {};
for (const [language, { voice, part, files }] of Object.entries(languages)) {
  parts[part] ??= writePart(part, files);
  voices[language] = { voice, part };
}
parts.shared = writePart('shared', shared);
fs.writeFileSync(path.join(voiceFolder, 'voices.json'), JSON.stringify({ parts, voices }));
asScript('voices.json', { parts, voices });
for (const { file } of Object.values(parts)) {
  asScript(file, fs.readFileSync(path.join(voiceFolder, file)).toString('base64'));
}
