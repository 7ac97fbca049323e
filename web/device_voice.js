// The device's own voices, through the browser's speech, as one of Read
// aloud's two voices; page_voice.js is the other. Each says a sentence in a
// language and tells when it starts, ends or fails ('refused' until the
// browser lets the page speak, 'none' where nothing can speak), and stops
// what it is saying at cancel.
var deviceVoice = (function deviceVoice() {
  'use strict';
  const synth = window.speechSynthesis;
  let touched = false;  // since the page loaded, which browsers ask before they speak
  let current = null;  // the utterance being said, until it ends

  // Before Read aloud's own listeners, so that a sentence said at the first
  // touch knows of it.
  for (const type of ['pointerup', 'keydown']) addEventListener(type, () => { touched = true; }, true);

  function voiceFor(language) {
    return spokenWords.voiceFor(synth.getVoices(), language, navigator.languages ?? [navigator.language]);
  }

  // Whether the device has a voice of the language: null where it lists
  // none (yet), and the language alone chooses.
  function has(language) {
    return synth.getVoices().length === 0 ? null : voiceFor(language) !== null;
  }

  // A failure before the first touch is the browser's refusal; after it,
  // there is no voice to speak with. Firefox without a voice fails with no
  // code at all.
  function say(text, language, { started, ended, failed }) {
    const voice = voiceFor(language);
    const utterance = new SpeechSynthesisUtterance(text);
    if (voice) utterance.voice = voice;
    utterance.lang = voice ? voice.lang : language;
    utterance.rate = 0.9;
    utterance.addEventListener('end', () => {
      if (current !== utterance) return;
      current = null;
      ended();
    });
    utterance.addEventListener('error', (event) => {
      if (current === utterance) current = null;
      if (['interrupted', 'canceled'].includes(event.error)) return;
      if (event.error === 'not-allowed' || !touched) failed('refused');
      else if (['synthesis-failed', 'voice-unavailable'].includes(event.error) ||
        (!event.error && synth.getVoices().length === 0)) failed('none');
    });
    utterance.addEventListener('start', started);
    current = utterance;
    synth.speak(utterance);
  }

  function cancel() {
    if (current === null) return;
    current = null;
    synth.cancel();
  }

  return { has, say, cancel };
})();
