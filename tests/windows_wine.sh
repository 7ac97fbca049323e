#!/usr/bin/env bash
# Runs a Windows program under Wine, in a Wine prefix of its own:
#   windows_wine.sh PREFIX PROGRAM [ARGUMENT...]
#   windows_wine.sh PREFIX --start     only makes the prefix and starts its server
#   windows_wine.sh PREFIX --stop      stops the prefix's server
# Wine's first process starts the Wine server and its background services,
# and they keep whatever standard streams it had: a harness piping into the
# game would then wait for the end of its output until they exit, or forever
# while the server persists. So the server and the services start here first,
# on /dev/null. The server outlives its last program by a little, so that a
# run of tests shares it, and then ends on its own.
set -u
export WINEPREFIX="$1"
shift
# Wine's notes about what it has not implemented would count as the game's
# errors; this also silences the Debian wrapper's note about 32-bit Wine.
export WINEDEBUG="${WINEDEBUG:--all}"
linger_seconds=15

for tool in wine:wine wineserver:wine flock:util-linux; do
  if ! command -v "${tool%:*}" >/dev/null; then
    echo "${tool%:*} not found: install Debian's ${tool#*:} (Wine needs wine and wine64)" >&2
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
  if wineserver -p"$linger_seconds" </dev/null >/dev/null 2>&1 9>&-; then
    wine wineboot </dev/null >/dev/null 2>&1 9>&-
  fi
) 9>"$WINEPREFIX/.start-lock"
[[ "${1:-}" == --start ]] && exit 0
exec wine "$@"
