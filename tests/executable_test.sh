#!/usr/bin/env bash
# Runs the built game as a player would: over pipes, with input closed or
# ended, with output gone, and answering a problem read off its own output.
# That the game reads the system's calendar clock, sessions_test.sh checks.
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
printf '3\n3\n' | timeout 10 "$game" >/dev/null; check "invalid game type" 0 $?
printf '5\ny\n' | timeout 10 "$game" >/dev/null; check "quit" 1 $?
printf '5\ny\n' | timeout 10 "$game" >&-; check "closed output" 1 $?
printf '5\ny\n' | timeout 10 "$game" >/dev/full; check "full output" 1 $?
# The reader leaves before the game writes its last screen: it still quits normally.
(sleep 0.3; printf '5\ny\n') | timeout 10 "$game" | head -c 10 >/dev/null
check "reader gone" 1 "${PIPESTATUS[1]}"

# Megabytes of output with nowhere to go: help menus up to the nesting bound,
# and one game after another. Each run still plays to its end.
deep=$(yes 4 | head -c 100000)
games=$(yes 1 | head -c 100000)
for name in deep games; do
  printf '%s\n' "${!name}" | timeout 20 "$game" >/dev/full
  check "$name, full output" 1 $?
  printf '%s\n' "${!name}" | timeout 20 "$game" >&-
  check "$name, closed output" 1 $?
  printf '%s\n' "${!name}" | timeout 20 "$game" | head -c 10 >/dev/null
  check "$name, reader gone at once" 1 "${PIPESTATUS[1]}"
done

# A one-player addition game: read the problem off the screen and answer it.
coproc GAME { timeout 10 "$game"; }
pid=$GAME_PID
# Copies, because bash closes the coprocess's own descriptors as soon as it
# sees it end, which can be before its last output is read.
exec {to_game}>&"${GAME[1]}" {from_game}<&"${GAME[0]}"
printf '1\n1\n' >&"$to_game"
problem=""
answer=""
while IFS= read -r -t 5 line <&"$from_game"; do
  if [[ "$line" =~ ^([0-9]+)\ \+\ ([0-9]+)\ =\ $ ]]; then
    problem="$line"
    answer=$((BASH_REMATCH[1] + BASH_REMATCH[2]))
    break
  fi
done
printf '%s\n2\n' "$answer" >&"$to_game"
rest=$(timeout 5 cat <&"$from_game")
wait "$pid"; status=$?
expected=$'Correct!!\nYou got 5 points good job!\nTo go to the Main Menu Press 1.\nTo quit press 2.'
[[ -n "$problem" && "$rest" == "$expected" ]] || fail "live game: [$problem] [$rest]"
check "live game" 1 "$status"

finish
