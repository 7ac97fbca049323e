#!/usr/bin/env bash
# Runs the built game as a player would: over pipes, with input closed or
# ended, and with output gone. That the game reads the system's calendar
# clock, and plays a game to its end over a pipe, sessions_test.sh checks;
# that it answers a problem read off its own output, terminal_test.sh.
#
# Usage: executable_test.sh GAME
source "$(dirname "$0")/helpers.sh"
game="$1"

check() {  # name, expected status, actual status
  ended_in_time "$1" "$3"
  [[ "$2" == "$3" ]] || fail "$1: status $3, expected $2"
}

menu=$'     Orvanell                \nKestrova+ Level 1 v.1.0\n\n1:  Addition Problems\n2:  Subtraction Problems\n3:  Multiplication problems\n4.  Help and Tips\n5:  Exit\n'
invalid=$'Please use one of the given options!\n'

# Input that ends at once, however it ends: the menu answers it.
menu_only() {  # name, then the output and the status
  [[ "$2" == "${menu}${invalid}status 0" ]] || fail "$1: $2"
}
menu_only "empty input" "$(timeout 10 "$game" </dev/null; echo "status $?")"
menu_only "closed input" "$(timeout 10 "$game" <&- 2>&1; echo "status $?")"
menu_only "input a folder" "$(timeout 10 "$game" </ 2>&1; echo "status $?")"

timeout 10 "$game" some arguments </dev/null >/dev/null; check "arguments ignored" 0 $?
# The reader leaves before the game writes its last screen: it still quits normally.
(sleep 0.3; printf '5\ny\n') | timeout 10 "$game" | head -c 10 >/dev/null
check "reader gone" 1 "${PIPESTATUS[1]}"

# Output with nowhere to go: a quit, and megabytes of help menus up to the
# nesting bound and of one game after another. Each run still plays to its end.
quit=$'5\ny'
deep=$(yes 4 | head -c 100000)
games=$(yes 1 | head -c 100000)
for name in quit deep games; do
  printf '%s\n' "${!name}" | timeout 20 "$game" >/dev/full
  check "$name, full output" 1 $?
  printf '%s\n' "${!name}" | timeout 20 "$game" >&-
  check "$name, closed output" 1 $?
  printf '%s\n' "${!name}" | timeout 20 "$game" | head -c 10 >/dev/null
  check "$name, reader gone at once" 1 "${PIPESTATUS[1]}"
done

finish
