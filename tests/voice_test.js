// The page's own voice, as the site's voice/ folder holds it, run in node as
// a Worker runs it: a sum in each language, as Read aloud says it, made into
// samples that are not silence and grow with the text, and spoken in the
// language: eSpeak tells the phonemes it spoke, and a 7 in the wrong
// language's voice would pass any check of length alone.
//
// Usage: node voice_test.js VOICE_FOLDER WORDS_FOLDER
'use strict';
const fs = require('fs');
const path = require('path');
const vm = require('vm');

const [voice, words] = process.argv.slice(2);
for (const file of fs.readdirSync(words)) require(path.resolve(words, file));
const catalogues = globalThis.pageCatalogues;

// The phonemes of "7" in each language's voice.
const seven = {
  en: /s_ˈɛ_v_ə_n/, es: /s_j_ˈe_t_e/, fr: /s_ˈɛ_t/, de: /z_ˈiː_b_ə_n/, 'pt-BR': /s_ˈɛ_tʃ/,
  it: /s_ˈɛ_tː_e/, pl: /ɕ_ˈɛ_d_ɛ_m/, tr: /j_e_d_ˈi/, uk: /s_ˈiː_m/, ar: /s_ˈa_b_ʕ/,
  'zh-CN': /tɕh_ˈi5/, 'zh-Hant': /tɕh_ˈi5/,
};

// The worker's own scope, as far as it and the engine reach: its files
// fetched from the folder, its answers kept.
const answers = [];
const scope = {
  WorkerGlobalScope: function WorkerGlobalScope() {}, location: { href: `file://${voice}/worker.js` }, console,
  importScripts: () => {}, postMessage: (message) => answers.push(message),
  fetch: async (name) => {
    const bytes = fs.readFileSync(path.join(voice, name));
    return { ok: true, json: async () => JSON.parse(bytes), arrayBuffer: async () => new Uint8Array(bytes).buffer };
  },
};
scope.self = scope;
vm.createContext(scope);
for (const file of ['engine.js', 'worker.js']) vm.runInContext(fs.readFileSync(path.join(voice, file), 'utf8'), scope);

let asked = 0;
async function said(text, language) {
  const id = ++asked;
  scope.onmessage({ data: { id, text, language } });
  while (!answers.some((answer) => answer.id === id)) await new Promise((resolve) => setTimeout(resolve, 5));
  return answers.find((answer) => answer.id === id);
}

const loudness = (samples) => Math.sqrt(samples.reduce((sum, sample) => sum + sample * sample, 0) / samples.length);

(async () => {
  let faults = 0;
  for (const [language, phonemes] of Object.entries(seven)) {
    const say = catalogues[language];
    const sum = say['say.sum'].replace('{first}', '7').replace('{second}', '3')
      .replace('{operator}', say['say.operator.addition']);
    const short = await said('7', language);
    const long = await said(sum, language);
    const faultsOf = (answer) => (answer.error ? [answer.error] : [
      !phonemes.test(answer.phonemes) && `7 said as ${answer.phonemes}`,
      loudness(answer.samples) < 0.01 && 'silence',
    ].filter(Boolean));
    const found = [...faultsOf(short), ...faultsOf(long),
      !short.error && !long.error && long.samples.length <= short.samples.length * 1.5 && 'no longer for more words'];
    console.log(`${language}: "${sum}" ${long.phonemes ?? ''} ${(long.samples?.length / long.rate).toFixed(2)} s` +
      `${found.filter(Boolean).map((fault) => `\n  FAULT ${fault}`).join('')}`);
    faults += found.filter(Boolean).length;
  }
  console.log(`voice: ${faults} faults`);
  process.exitCode = faults > 0 ? 1 : 0;
})();
