#!/usr/bin/env bash
# Feeds the built game huge, hostile and endless inputs and checks that every
# run ends normally, with status 0 or 1, and that its peak memory stays within
# a few MiB of an empty session's: nothing the player types may be kept whole.
# Each case also checks how much of its input the game read: all of it where
# the rules keep it reading (names, whitespace, game after game), so that the
# memory figure covers the whole input, and only the start where they make it
# stop (the first byte that is not a number fails the input), so that a game
# which gulps its input whole fails too. Some also check the status, and a
# line the output must show: that after a long run of input the game
# still keeps its limits and its place, and that every loop that keeps
# opening screens ends at the nesting bound with its message, in a small
# stack: a stack overflow would show as a signal, or, under the address
# sanitizer, as a report on standard error.
#
# Usage: memory_test.sh GAME [ALLOWANCE_KIB] [STACK_KIB] [ROWS]. Without a stack
# size the game runs in the stack it gets by default; a Windows program's is
# set in its own header. ROWS, an extended pattern, picks the cases by name.
source "$(dirname "$0")/helpers.sh"
game="$1"
# More for a game whose runtime grows as it warms up, such as node's compiler.
allowance_kib=${2:-4096}
stack_kib=${3:-}
rows=${4:-.}
message='Too many screens are open, please start the game again.'
mib64=$((64 * 1024 * 1024))
need /usr/bin/time time
need openssl openssl
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

# name, whole|start[, status[, line]]: plays $work/input, which the game
# must read to its end, or of which it must read only the start, by its rules
# stopping within the first MiB; it must end with the status, if one is given,
# and show the line, if one is given. How much the game read is the
# offset it leaves in the open file it shares with this shell. Leaves the
# peak in $peak_kib.
check() {
  local input size consumed
  exec {input}<"$work/input"
  (
    [[ -z "$stack_kib" ]] || ulimit -s "$stack_kib" || exit
    exec /usr/bin/time -f '%M' -o "$work/time" timeout 20 "$game"
  ) <&"$input" >"$work/out" 2>"$work/err"
  status=$?
  ended_in_time "$1" "$status"
  peak_kib=$(tail -n 1 "$work/time")
  consumed=$(sed -n 's/^pos:[[:space:]]*//p' "/proc/$$/fdinfo/$input")
  exec {input}<&-
  size=$(stat -c %s "$work/input")
  if [[ $status != 0 && $status != 1 ]] || [[ -n ${3-} && $status != "$3" ]] || [[ -s "$work/err" ]]; then
    fail "$1: status $status, errors: $(head -c 500 "$work/err")"
  elif ((peak_kib > ${limit_kib:-peak_kib})); then
    fail "$1: peak $peak_kib KiB, an empty session takes $baseline_kib KiB"
  elif [[ $2 == whole && $consumed != "$size" ]] || [[ $2 == start && $consumed -gt $((1 << 20)) ]]; then
    fail "$1: read $consumed of $size bytes, expected the $2"
  elif [[ -n ${4-} ]] && ! grep -q -x -F -- "$4" "$work/out"; then
    fail "$1: no line [$4] in the output"
  else
    echo "ok $1: status $status, peak $peak_kib KiB, read $consumed of $size bytes"
  fi
}

: >"$work/input"
check "empty session" whole
baseline_kib=$peak_kib
limit_kib=$((baseline_kib + allowance_kib))

# The cases: name|whole or start|the status|the line|the input, as the
# commands that write it. Endless games, endless navigation up to the nesting
# bound and just below it, and long runs after which a line must show.
cut=$(repeat_byte w 79)
back='Press b to go back to the previous menu'
while IFS='|' read -r name part wanted line input; do
  [[ $name =~ $rows ]] || continue
  eval "$input" >"$work/input"
  check "$name" "$part" "$wanted" "$(eval "printf '%s' \"$line\"")"
done <<'EOF'
64 MiB name|whole|||printf '1\n2\n'; repeat_byte w "$mib64"
64 MiB word at the main menu|start|||repeat_byte w "$mib64"
64 MiB word at the exit confirmation|start|||printf '5\n'; repeat_byte n "$mib64"
64 MiB of digits at a guess|start|||printf '1\n1\n'; repeat_byte 7 "$mib64"
64 MiB of zeros at the help menu|start|||printf '4\n'; repeat_byte 0 "$mib64"
64 MiB of whitespace|whole|||yes $' \t\r\v\f' | head -c "$mib64"
64 MiB of NUL bytes|start|||repeat_byte '\0' "$mib64"
64 MiB of NUL bytes as a name|whole|||printf '1\n2\n'; repeat_byte '\0' "$mib64"
64 MiB of noise|start|||noise "$mib64"
64 MiB of noise without whitespace as a name|whole|||printf '1\n2\n'; noise "$mib64" | tr -d ' \t\n\r\v\f'
games without end|whole|||yes 1 | head -c $((256 * 1024))
help menus without end|start|1|$message|yes 4 | head -c $((8 << 20))
addition tips b without end|start|1|$message|printf '4\n'; yes $'1\nb' | head -c $((2 << 20))
multiplication tips B without end|start|1|$message|printf '4\n'; yes $'3\nB' | head -c $((2 << 20))
subtraction tips x without end|start|1|$message|yes $'4\n2\nx' | head -c $((2 << 20))
exit confirmation n without end|start|1|$message|yes $'5\nn' | head -c $((2 << 20))
help menus below the bound|whole|0||yes 4 | head -c 2000
64 MiB second name|whole||$cut: Sorry...wrong answer,|printf '3\n2\nAnn\n'; repeat_byte w "$mib64"; echo ' 999 999 999'
64 MiB of empty lines between choices|whole||$back|printf '4\n'; yes '' | head -c "$mib64"; echo $'1\nb'
EOF
finish "empty session: $baseline_kib KiB"
