#!/usr/bin/env bash
# Plays the built game as a person would: waits for each prompt to be shown
# before typing, reads the problems off the screen and answers them. One
# player game, a two-player game, the help menu and a tips screen, then quits
# through the exit confirmation.
#
# In a window of the game's own, the window then holds: Enter brings a fresh
# main menu, where a mistyped choice ends that run too, and the end of input
# closes the window.
#
# Usage: terminal_test.sh GAME tmux|pipes [posix|windows] [holds]
#   GAME:  the game, or a desktop entry, whose Exec line is started instead
#          as a desktop does, in a terminal of its own; that one holds.
#   tmux:  in a real pseudo-terminal, typing with send-keys and reading the
#          screen with capture-pane; the terminal echoes what is typed.
#   pipes: over plain pipes, where nothing is echoed and every prompt must
#          reach the pipe before the game waits for its answer.
#   windows: GAME runs a Windows console program, whose input ends with
#          Ctrl+Z then Enter rather than Ctrl+D.
#   holds: GAME has a window of its own, and holds it at the end.
set -u
game="$1"
mode="$2"
platform="${3:-posix}"
wait_seconds=15
failures=0
holds="${4:-}"
if [[ $game == *.desktop ]]; then
  exec_line=$(sed -n 's/^Exec=//p' "$game")
  holds=holds
else
  exec_line=$(printf '%q' "$game")
fi

fail() {
  echo "FAIL $*"
  failures=$((failures + 1))
}

# --- The two ways to reach the game -------------------------------------------

socket="orvanell-test-$$"
tmux_() {
  tmux -L "$socket" "$@"
}

received=""
start_game() {
  if [[ $mode == tmux ]]; then
    unset TMUX
    # No user configuration, no terminal of our own: CI has neither.
    # tmux may mark the pane dead before it has collected the game's status,
    # so the pane's shell writes the status down itself.
    status_file=$(mktemp)
    rm -f "$status_file"
    local command
    command=$(printf '%s; echo $? >%q' "$exec_line" "$status_file")
    # Ctrl+Z must reach a Windows console rather than suspend the game.
    [[ $platform == windows ]] && command="stty susp undef; $command"
    tmux_ -f /dev/null start-server \; set-option -g history-limit 100000 \; \
      new-session -d -x 120 -y 50 -s game "$command" \; \
      set-option -t game remain-on-exit on || exit 1
    trap 'tmux_ kill-server 2>/dev/null; rm -f "$status_file"' EXIT
  else
    coproc GAME { exec "$game"; }
    game_pid=$GAME_PID
    to_game=${GAME[1]}
    from_game=${GAME[0]}
    trap 'kill "$game_pid" 2>/dev/null' EXIT
  fi
}

# Sets $screen to everything the game has shown so far.
refresh() {
  if [[ $mode == tmux ]]; then
    screen=$(tmux_ capture-pane -p -J -t game -S - -E -)
  else
    local chunk
    while IFS= read -r -t 0.05 -N 65536 chunk <&"$from_game"; do
      received+=$chunk
    done
    received+=$chunk  # what came before the read timed out
    screen=$received
  fi
}

send_line() {
  if [[ $mode == tmux ]]; then
    [[ -z $1 ]] || tmux_ send-keys -t game -l "$1"
    tmux_ send-keys -t game Enter
  else
    printf '%s\n' "$1" >&"$to_game"
  fi
}

# Sets $status to the ended game's status, or to nothing while it runs.
check_ended() {
  status=""
  if [[ $mode == tmux ]]; then
    [[ -s "$status_file" ]] && status=$(<"$status_file")
  elif ! kill -0 "$game_pid" 2>/dev/null; then
    wait "$game_pid"
    status=$?
  fi
}

# Waits for the game to end; fails unless it ends with the given status.
expect_end() {
  local deadline=$((SECONDS + wait_seconds))
  check_ended
  while [[ -z "$status" ]] && ((SECONDS < deadline)); do
    sleep 0.05
    check_ended
  done
  [[ "$status" == "$1" ]] || fail "the game ended with status [$status], expected $1"
}

# --- Playing ------------------------------------------------------------------

before=""  # the transcript when the player last typed

count_lines() {  # pattern, text
  grep -c -E -- "$1" <<<"$2"
}

# Waits until a line matching the extended pattern shows more often than it
# did before the last typed line, so an earlier screen never counts.
expect() {
  local pattern="$1" deadline=$((SECONDS + wait_seconds))
  local seen
  seen=$(count_lines "$pattern" "$before")
  while :; do
    refresh
    (($(count_lines "$pattern" "$screen") > seen)) && return 0
    if ((SECONDS >= deadline)); then
      fail "waited ${wait_seconds}s for /$pattern/; the screen ends with:"
      tail -n 12 <<<"$screen"
      exit 1
    fi
    sleep 0.05
  done
}

type_line() {
  refresh
  before=$screen
  send_line "$1"
}

# Reads the last problem shown: sets $first, $operator and $second. Over
# pipes a problem may follow a prompt on its line, as nothing typed is echoed.
read_problem() {
  local line problem='([0-9]+) ([-+x]) ([0-9]+) = ?$'
  line=$(grep -E "$problem" <<<"$screen" | tail -n 1)
  [[ "$line" =~ $problem ]] || {
    fail "no problem on screen"
    exit 1
  }
  first=${BASH_REMATCH[1]}
  operator=${BASH_REMATCH[2]}
  second=${BASH_REMATCH[3]}
}

answer() {
  case "$operator" in
    +) echo $((first + second)) ;;
    -) echo $((first - second)) ;;
    x) echo $((first * second)) ;;
  esac
}

main_menu='^5:  Exit$'
game_type='^2\. Two Player$'
continue_prompt='^To quit press 2\.$'
help_menu='^4\. Exit$'

if [[ $mode == tmux ]] && ! command -v tmux >/dev/null; then
  echo "FAIL: tmux is needed (Debian package tmux)"
  exit 1
fi
start_game
expect "$main_menu"

# One player, addition, right at the first attempt.
type_line 1
expect "$game_type"
type_line 1
expect '^[0-9]+ \+ [0-9]+ ='
read_problem
type_line "$(answer)"
expect 'Correct!!$'
expect '^You got 5 points good job!$'
expect "$continue_prompt"
type_line 1
expect "$main_menu"

# Two players, multiplication: Ann misses, Bob wins.
type_line 3
expect "$game_type"
type_line 2
expect '^Enter your name Player 1: ?'
type_line Ann
expect '^Enter your name Player 2: ?'
type_line Bob
expect '^Ann: ?$'
read_problem
[[ $operator == x ]] || fail "a multiplication was chosen, the screen shows $first $operator $second"
type_line $(($(answer) + 1))
expect 'Sorry\.\.\.wrong answer,$'
expect '^Bob: ?$'
type_line "$(answer)"
expect 'Great job Bob$'
expect '^You WON!$'
expect "$continue_prompt"
type_line 1
expect "$main_menu"

# Help, the subtraction tips, back to help, to the main menu and out.
type_line 4
expect "$help_menu"
type_line 2
expect '^Press x to go back to the main menu$'
grep -q -F 'Subtraction can be very easy just keep these rules in mind' <<<"$screen" ||
  fail "the subtraction tips are not on screen"
type_line b
expect "$help_menu"
type_line 4
expect "$main_menu"
type_line 5
expect '^If you want to reamain and play more games press n$'
type_line y
if [[ $holds == holds ]]; then
  expect '^The game has ended\. Press Enter to play again, or close this window\.$'
  check_ended
  [[ -z $status ]] || fail "the window closed with status $status"
  type_line ""
  expect "$main_menu"
  type_line x
  expect 'Please use one of the given options!$'
  expect '^The game has ended\.'
  if [[ $platform == windows ]]; then
    tmux_ send-keys -t game C-z Enter
  else
    tmux_ send-keys -t game C-d
  fi
  expect_end 0
else
  expect_end 1
fi

# The end of input on a terminal: once the input has ended the game must not
# wait for more.
if [[ $mode == tmux ]]; then
  tmux_ kill-session -t game
  rm -f "$status_file"
  start_game
  before=""
  expect "$main_menu"
  if [[ $platform == posix ]]; then
    # "-" and Ctrl+D hand the game a lone minus sign, and a second Ctrl+D
    # ends the input. The number has no digit, so the main menu answers it
    # and the run ends, without waiting for a third Ctrl+D.
    tmux_ send-keys -t game -l -- -
    tmux_ send-keys -t game C-d
    tmux_ send-keys -t game C-d
    expect 'Please use one of the given options!$'
  else
    # At a Windows console Ctrl+Z then Enter ends the input. Where the first
    # name is due it leaves both players nameless and the game plays on to its
    # end, where a name made of the byte 26 would wait for the second one. The
    # terminal's suspend key is off, so that Ctrl+Z reaches the console.
    type_line 1
    expect "$game_type"
    type_line 2
    expect '^Enter your name Player 1: ?'
    tmux_ send-keys -t game C-z Enter
    expect '^Neither of you answered the question!$'
  fi
  expect_end 0
fi

echo "$mode: $failures failures"
[[ $failures -eq 0 ]]
