#!/usr/bin/env bash
# Runs the built game on endless navigation in a small stack. Every loop that
# keeps opening screens must end at the nesting bound with its message and
# status 1: a stack overflow would show as a signal, or, under the address
# sanitizer, as a report on standard error with status 1.
#
# Usage: depth_test.sh GAME [STACK_KIB]. Without a size the game runs in the
# stack it gets by default; a Windows program's is set in its own header.
source "$(dirname "$0")/helpers.sh"
game="$1"
stack_kib="${2:-}"
message='Too many screens are open, please start the game again.'

# name, lead-in, repeated lines, repeats: plays them in the limited stack and
# leaves the status in $status, the output and the errors in files.
play() {
  local lines
  lines=$(printf "$3")
  { printf "$2"; yes "$lines" | head -c $(($4 * (${#lines} + 1))); } >"$work/input"
  (
    [[ -z "$stack_kib" ]] || ulimit -s "$stack_kib" || exit
    exec timeout 20 "$game"
  ) <"$work/input" >"$work/out" 2>"$work/err"
  status=$?
  ended_in_time "$1" "$status"
}

# The loops end long before their input does.
while IFS='|' read -r name lead_in cycle; do
  play "$name" "$lead_in" "$cycle" 200000
  last=$(tail -n 1 "$work/out")
  count=$(grep -c -F -x "$message" "$work/out")
  if [[ $status != 1 || "$last" != "$message" || $count != 1 || -s "$work/err" ]]; then
    fail "$name: status $status, last line [$last], $count messages, errors: $(head -c 500 "$work/err")"
  fi
done <<'EOF'
help exit option|4\n4\n|4\n4\n
addition tips b|4\n|1\nb\n
multiplication tips B|4\n|3\nB\n
subtraction tips x||4\n2\nx\n
exit confirmation n||5\nn\n
EOF

# Below the bound the run is an ordinary one.
play "shallow" "" '4\n' 1000
if [[ $status != 0 ]] || grep -q -F "$message" "$work/out" || [[ -s "$work/err" ]]; then
  fail "shallow help loop: status $status"
fi

finish
