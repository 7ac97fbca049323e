#!/usr/bin/env bash
# Runs a Windows program under Wine, in its own Wine prefix:
#   windows_wine.sh PREFIX PROGRAM [ARGUMENT...]
#   windows_wine.sh PREFIX --stop      stops that prefix's Wine server
# Wine's first process starts the Wine server and its background services,
# and they keep whatever standard streams it had: a harness piping into the
# game would then wait for the end of its output until they exit, or forever
# while the server persists. So the server and the services start here first,
# once, on /dev/null, and the server stays until --stop.
set -u
export WINEPREFIX="$1"
shift
# Wine's notes about what it has not implemented would count as the game's
# errors; this also silences the Debian wrapper's note about 32-bit Wine.
export WINEDEBUG="${WINEDEBUG:--all}"

for tool in wine wineserver flock; do
  if ! command -v "$tool" >/dev/null; then
    echo "$tool not found: install Debian's wine and wine64 (flock: util-linux)" >&2
    exit 127
  fi
done

if [[ "${1:-}" == --stop ]]; then
  wineserver -k 2>/dev/null
  exit 0
fi

mkdir -p "$WINEPREFIX"
(
  flock 9
  # Status 0 means there was no server and this one is new. Neither may keep
  # the lock open.
  if wineserver -p </dev/null >/dev/null 2>&1 9>&-; then
    wine wineboot </dev/null >/dev/null 2>&1 9>&-
  fi
) 9>"$WINEPREFIX/.start-lock"
exec wine "$@"
