// What the open question can read of what is typed, apart from the page, so
// that it is one pure function of the text and the question.
var pageFit = (function pageFit() {
  'use strict';

  // What the open question `asked` can read of `text`: digits at a number,
  // those of any script as ASCII, nine at most; one key offered at a choice,
  // the last typed; a name on one line, a space between its words sent as a
  // no-break space, which the game reads as part of the name. A number's
  // leading zeros go: the game reads octal.
  function fitted(text, asked) {
    let kept = '';
    let refusedSome = false;
    for (const typed of text) {
      const character = asked.reads === 'word' ? typed.replace(/\p{Zs}/u, '\u00a0') : asciiDigit(typed);
      if (asked.choices !== '') {
        if (asked.choices.includes(asked.reads === 'key' ? character.toLowerCase() : character)) kept = character;
        else refusedSome = true;
      } else if (asked.reads === 'number' ? /^[0-9]$/.test(character) : !/[^\S\u00a0]/u.test(character)) {
        kept += character;
      } else {
        refusedSome = true;
      }
    }
    let cut = false;
    if (asked.reads === 'number' && asked.choices === '') {
      kept = kept.replace(/^0+(?=[0-9])/, '');
      cut = kept.length > 9;
      kept = kept.slice(0, 9);
    }
    return { kept, refusedSome, cut };
  }

  // The one way a line leaves for the game, by Enter, Ctrl+D, the keypad
  // or a form sent: what the question can read, digits in ASCII, a name
  // without the spaces around it. A name of spaces alone, which the game
  // would take as a name, is null: refused.
  function leaving(text, asked) {
    if (asked === null) return text;
    const { kept } = fitted(text, asked);
    if (asked.reads !== 'word' || asked.choices !== '') return kept;
    const name = kept.replace(/^\u00a0+|\u00a0+$/g, '');
    return name === '' && kept !== '' ? null : name;
  }

  // Unicode has each script's ten digits in a run from 0, some runs one
  // after another: a digit's value is the count of digits just before it,
  // modulo ten.
  const decimal = /\p{Nd}/u;
  function asciiDigit(character) {
    if (character < '\x80' || !decimal.test(character)) return character;
    let value = 0;
    for (let at = character.codePointAt(0) - 1; decimal.test(String.fromCodePoint(at)); --at) ++value;
    return String(value % 10);
  }

  return { fitted, leaving };
})();
