// `node orvanell.js`: the game on standard input and output, as the native
// executable plays it. The page loads the same file and skips this part.
//
// The game never waits inside WebAssembly: it returns whenever it needs more
// input. Only then is a chunk read, straight into the game's input space, so
// however much is piped in, no more than one chunk is held at a time.
(function playOnStandardStreams() {
  'use strict';
  if (typeof module !== 'object' || typeof require !== 'function' || require.main !== module) {
    return;
  }
  const fs = require('fs');
  const path = require('path');

  // Another program sharing the terminal or the pipe may have made it
  // non-blocking: then "try again" means wait, not the end of input or a lost
  // output.
  const pause = new Int32Array(new SharedArrayBuffer(4));
  function shouldRetry(error) {
    if (error.code !== 'EAGAIN' && error.code !== 'EINTR') return false;
    Atomics.wait(pause, 0, 0, 5);
    return true;
  }

  function writeStandardOutput(bytes) {
    let written = 0;
    while (written < bytes.length) {
      try {
        written += fs.writeSync(1, bytes, written);
      } catch (error) {
        // A full device or a closed output: the player can't see it, the game goes on.
        if (!shouldRetry(error)) return;
      }
    }
  }

  // The count of bytes read; 0 at the end of input, where an error counts as the end.
  function readStandardInput(space) {
    for (;;) {
      try {
        return fs.readSync(0, space, 0, space.length, null);
      } catch (error) {
        if (!shouldRetry(error)) return 0;
      }
    }
  }

  createOrvanell({
    wasmBinary: fs.readFileSync(path.join(__dirname, 'orvanell.wasm')),
    writeOutput: writeStandardOutput,
  }).then((game) => {
    game._WebStart();
    while (game._WebStatus() < 0) {
      // The read may wait: whatever the player should see before answering goes out first.
      game._WebFlush();
      const start = game._WebInputBuffer();
      const space = game.HEAPU8.subarray(start, start + game._WebInputCapacity());
      game._WebInputArrived(readStandardInput(space));
    }
    process.exit(game._WebStatus());
  });
})();
