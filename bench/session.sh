#!/usr/bin/env bash
# Plays a long one-player session through pipes on the optimised build and
# prints games per second, peak memory and the number of write calls. Given a
# second executable, plays the same session on it in the same run, turn about,
# and prints each figure's ratio.
#
# Usage: bench/session.sh [games] [other-executable]
# The build folder is build/release, or ORVANELL_BUILD_DIR.
set -euo pipefail
cd "$(dirname "$0")/.."
games=${1:-100000}
other=${2:-}
build=${ORVANELL_BUILD_DIR:-build/release}
rounds=3

source .ci/need
need /usr/bin/time time strace strace

if [[ -z "${ORVANELL_BUILD_DIR:-}" ]]; then
  cmake --preset release >/dev/null
fi
cmake --build "$build" --target orvanell >/dev/null
game="$build/orvanell"

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
# Addition, one player, four wrong guesses (no sum is negative), then back to
# the main menu. At the end of the input the main menu gets no choice and
# returns, and the run ends with status 1, having reopened the main menu.
awk -v games="$games" 'BEGIN { for (i = 0; i < games; ++i) print "1 1 -1 -1 -1 -1 1" }' >"$tmp/input"

# Plays once; prints the wall time in nanoseconds and the peak memory in KiB.
play() {  # executable
  local start end statuses
  start=$(date +%s%N)
  set +e
  cat "$tmp/input" | /usr/bin/time -f '%M' -o "$tmp/time" "$1" | grep -c '^You got 1 point$' >"$tmp/count"
  statuses=("${PIPESTATUS[@]}")
  set -e
  end=$(date +%s%N)
  if [[ "${statuses[1]}" != 1 || "$(cat "$tmp/count")" != "$games" ]]; then
    echo "$1: status ${statuses[1]}, $(cat "$tmp/count") games instead of status 1, $games games" >&2
    exit 1
  fi
  echo "$((end - start)) $(tail -n 1 "$tmp/time")"
}

# Prints the write calls and the output bytes of one session under strace.
count_writes() {  # executable
  local bytes
  set +e
  bytes=$(cat "$tmp/input" | strace -c -e trace=write -o "$tmp/strace" "$1" | wc -c)
  set -e
  echo "$(awk '$NF == "write" { print $4 }' "$tmp/strace") $bytes"
}

median() { sort -n | sed -n "$(((rounds + 1) / 2))p"; }

names=(this)
executables=("$game")
if [[ -n "$other" ]]; then
  names+=(other)
  executables+=("$other")
fi
for ((round = 0; round < rounds; ++round)); do
  for i in "${!names[@]}"; do
    which=${names[i]}
    read -r ns kib < <(play "${executables[i]}")
    echo "$ns" >>"$tmp/$which.ns"
    echo "$kib" >>"$tmp/$which.kib"
  done
done

report() {  # name, executable
  local ns kib writes bytes
  ns=$(median <"$tmp/$1.ns")
  kib=$(median <"$tmp/$1.kib")
  read -r writes bytes < <(count_writes "$2")
  echo "$1 $ns $kib $writes $bytes" >>"$tmp/report"
  awk -v games="$games" -v name="$1" -v exe="$2" -v ns="$ns" -v kib="$kib" -v writes="$writes" \
    -v bytes="$bytes" 'BEGIN {
      printf "%s (%s): %.0f games/s, peak memory %d KiB, %d write calls for %d output bytes (%.1f KiB per write)\n",
        name, exe, games / (ns / 1e9), kib, writes, bytes, bytes / 1024 / writes
    }'
}

echo "$games one-player games, median of $rounds runs:"
report this "$game"
if [[ -n "$other" ]]; then
  report other "$other"
  awk '{ ns[NR] = $2; kib[NR] = $3; writes[NR] = $4 } END {
    printf "this/other: games/s x%.2f, peak memory x%.2f, write calls x%.2f\n",
      ns[2] / ns[1], kib[1] / kib[2], writes[1] / writes[2]
  }' "$tmp/report"
fi
