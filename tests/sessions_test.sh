#!/usr/bin/env bash
# Plays every golden transcript's input to the built game, once through a pipe
# and once from a file, and compares the whole output and the status with an
# in-memory session at the clock second the run took place in: the real
# channel adds, drops and reorders nothing, whatever kind of input it reads,
# and the problems come from the system's calendar clock.
#
# Usage: sessions_test.sh GAME SESSION_AT TRANSCRIPT_INPUT TRANSCRIPT...
#   SESSION_AT plays its standard input in memory at the second given;
#   TRANSCRIPT_INPUT writes a transcript's input bytes.
set -u
export LC_ALL=C  # a decimal point in $EPOCHREALTIME
game="$1"
session_at="$2"
transcript_input="$3"
shift 3
failures=0
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() {
  echo "FAIL $1"
  failures=$((failures + 1))
}

# Plays $work/input through a pipe or from the file; leaves the status in
# $status and the second it took place in in $second, or no second when the
# run straddled one or began in its first 20 ms (a coarse clock may still
# show the second before).
play() {  # pipe|file
  local start end
  start=$EPOCHREALTIME
  if [[ $1 == pipe ]]; then
    cat "$work/input" | timeout 20 "$game" >"$work/out"
    status=${PIPESTATUS[1]}
  else
    timeout 20 "$game" <"$work/input" >"$work/out"
    status=$?
  fi
  end=$EPOCHREALTIME
  second=${start%.*}
  if [[ $second != "${end%.*}" ]] || ((10#${start#*.} < 20000)); then
    second=""
  fi
}

sessions=0
for transcript in "$@"; do
  name=$(basename "$transcript" .txt)
  "$transcript_input" "$transcript" >"$work/input" || {
    fail "$name: cannot read the transcript"
    continue
  }
  for via in pipe file; do
    for ((try = 0; try < 20; ++try)); do
      play "$via"
      [[ -n "$second" || $status == 124 ]] && break
    done
    if ((status == 124)); then
      fail "$name through a $via: the game did not end within 20 s"
      continue
    elif [[ -z "$second" ]]; then
      fail "$name through a $via: 20 runs each straddled a second"
      continue
    fi
    "$session_at" "$second" <"$work/input" >"$work/expected"
    expected_status=$?
    if ! cmp -s "$work/out" "$work/expected" || [[ $status != "$expected_status" ]]; then
      fail "$name through a $via at second $second: status $status, expected $expected_status; $(
        cmp "$work/out" "$work/expected" 2>&1 | head -n 1)"
    fi
    sessions=$((sessions + 1))
  done
done

echo "$sessions sessions played; $failures failures"
((sessions > 0 && failures == 0))
