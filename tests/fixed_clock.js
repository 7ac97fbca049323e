// For tests only, preloaded with `node --require`: stops the calendar clock at
// the second in TRANSCRIPT_CLOCK, as a transcript needs. The game itself has
// no way to set its clock.
'use strict';
const seconds = Number(process.env.TRANSCRIPT_CLOCK);
if (!Number.isInteger(seconds)) throw new Error('TRANSCRIPT_CLOCK must hold a whole second');
Date.now = () => seconds * 1000;
