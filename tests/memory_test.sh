#!/usr/bin/env bash
# Feeds the built game huge and hostile inputs and checks that every run ends
# normally, with status 0 or 1, and that its peak memory stays within a few MiB
# of an empty session's: nothing the player types may be kept whole.
set -u
shopt -s lastpipe  # so that `... | measure` sets its results here
game="$1"
failures=0
allowance_kib=4096
mib64=$((64 * 1024 * 1024))
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

for tool in /usr/bin/time:time openssl:openssl; do
  if ! command -v "${tool%:*}" >/dev/null; then
    echo "FAIL: ${tool%:*} is needed (Debian package ${tool#*:})"
    exit 1
  fi
done
# The address sanitizer keeps freed blocks in quarantine, which would count
# as growth; without it the sanitized build shows its real use too.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}quarantine_size_mb=0:thread_local_quarantine_size_kb=0"

repeat_byte() {  # byte, count
  head -c "$2" /dev/zero | tr '\0' "$1"
}

# Reproducible pseudo-random bytes.
noise() {
  head -c "$1" /dev/zero |
    openssl enc -aes-128-ctr -K 0123456789abcdef0123456789abcdef -iv 0 -nosalt 2>/dev/null
}

# Plays standard input; leaves the status in $status and the peak in $peak_kib.
measure() {
  /usr/bin/time -f '%M' -o "$work/time" "$game" >/dev/null 2>"$work/err"
  status=$?
  peak_kib=$(tail -n 1 "$work/time")
}

measure </dev/null
baseline_kib=$peak_kib
limit_kib=$((baseline_kib + allowance_kib))

check() {  # name
  if [[ $status != 0 && $status != 1 ]] || [[ -s "$work/err" ]]; then
    echo "FAIL $1: status $status, errors: $(head -c 500 "$work/err")"
    failures=$((failures + 1))
  elif ((peak_kib > limit_kib)); then
    echo "FAIL $1: peak $peak_kib KiB, an empty session takes $baseline_kib KiB"
    failures=$((failures + 1))
  else
    echo "ok $1: status $status, peak $peak_kib KiB"
  fi
}

{ printf '1\n2\n'; repeat_byte w "$mib64"; } | measure
check "64 MiB name"
{ printf '3\n2\nAnn\n'; repeat_byte w "$mib64"; printf ' 1 1 2\n'; } | measure
check "64 MiB second name, then a game"
repeat_byte w "$mib64" | measure
check "64 MiB word at the main menu"
{ printf '5\n'; repeat_byte n "$mib64"; } | measure
check "64 MiB word at the exit confirmation"
{ printf '1\n1\n'; repeat_byte 7 "$mib64"; } | measure
check "64 MiB of digits at a guess"
{ printf '4\n'; repeat_byte 0 "$mib64"; } | measure
check "64 MiB of zeros at the help menu"
yes $' \t\r\v\f' | head -c "$mib64" | measure
check "64 MiB of whitespace"
{ printf '4\n'; yes '' | head -c "$mib64"; printf '1\nb\n'; } | measure
check "64 MiB of empty lines between choices"
repeat_byte '\0' "$mib64" | measure
check "64 MiB of NUL bytes"
noise "$mib64" | measure
check "64 MiB of noise"
# Endless games, and endless navigation up to the nesting bound.
yes 1 | head -c $((256 * 1024)) | measure
check "games without end"
yes 4 | head -c $((1024 * 1024)) | measure
check "help menus without end"

echo "empty session: $baseline_kib KiB; $failures failures"
[[ $failures -eq 0 ]]
