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
source "$(dirname "$0")/helpers.sh"
game="$1"
mode="$2"
platform="${3:-posix}"
wait_seconds=15
holds="${4:-}"
# The keys that end the input at the terminal: the suspend key is off at a
# Windows console, so that Ctrl+Z reaches it.
end_keys=(C-d)
[[ $platform == windows ]] && end_keys=(C-z Enter)
if [[ $game == *.desktop ]]; then
  exec_line=$(sed -n 's/^Exec=//p' "$game")
  holds=holds
else
  exec_line=$(printf '%q' "$game")
fi

# --- The two ways to reach the game -------------------------------------------

socket="orvanell-test-$$"
tmux_() {
  tmux -L "$socket" "$@"
}

screen=""
start_game() {
  if [[ $mode == tmux ]]; then
    unset TMUX
    # No user configuration, no terminal of our own: CI has neither.
    # tmux may mark the pane dead before it has collected the game's status,
    # so the pane's shell writes the status down itself. The server outlives
    # the session, so that a second one starts on it without a race.
    status_file=$work/status
    rm -f "$status_file"
    local command
    command=$(printf '%s; echo $? >%q' "$exec_line" "$status_file")
    # Ctrl+Z must reach a Windows console rather than suspend the game.
    [[ $platform == windows ]] && command="stty susp undef; $command"
    tmux_ -f /dev/null start-server \; set-option -g history-limit 100000 \; set-option -g exit-empty off \; \
      new-session -d -x 120 -y 50 -s game "$command" \; \
      set-option -t game remain-on-exit on || exit 1
    trap 'tmux_ kill-server 2>/dev/null; rm -rf "$work"' EXIT
  else
    coproc GAME { exec "$game"; }
    game_pid=$GAME_PID
    to_game=${GAME[1]}
    from_game=${GAME[0]}
    trap 'kill "$game_pid" 2>/dev/null; rm -rf "$work"' EXIT
  fi
}

# Sets $screen to everything the game has shown so far.
refresh() {
  if [[ $mode == tmux ]]; then
    screen=$(tmux_ capture-pane -p -J -t game -S - -E -)
  else
    local chunk
    while IFS= read -r -t 0.05 -N 65536 chunk <&"$from_game"; do
      screen+=$chunk
    done
    screen+=$chunk  # what came before the read timed out
  fi
}

# Waits for the game to end; fails unless it ends with the given status.
expect_end() {
  local deadline=$((SECONDS + wait_seconds))
  status=""
  until [[ -n "$status" ]] || ((SECONDS >= deadline)); do
    sleep 0.05
    if [[ $mode == tmux ]]; then
      [[ -s "$status_file" ]] && status=$(<"$status_file")
    elif ! kill -0 "$game_pid" 2>/dev/null; then
      wait "$game_pid"
      status=$?
    fi
  done
  [[ "$status" == "$1" ]] || fail "the game ended with status [$status], expected $1"
}

# --- Playing ------------------------------------------------------------------

before=""  # the transcript when the player last typed

# Waits until a line matching the extended pattern shows more often than it
# did before the last typed line, so an earlier screen never counts.
expect() {
  local pattern="$1" deadline=$((SECONDS + wait_seconds)) seen
  seen=$(grep -c -E -- "$pattern" <<<"$before")
  while :; do
    refresh
    (($(grep -c -E -- "$pattern" <<<"$screen") > seen)) && return 0
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
  if [[ $mode == tmux ]]; then
    [[ -z $1 ]] || tmux_ send-keys -t game -l "$1"
    tmux_ send-keys -t game Enter
  else
    printf '%s\n' "$1" >&"$to_game"
  fi
}

# Plays the rows on standard input: each is what is typed ("~" types
# nothing, "=" the answer to the last problem shown, "=+1" a wrong one), then
# the lines, as extended patterns, that must show after it, one after another.
# Over pipes a problem may follow a prompt on its line, as nothing typed is
# echoed.
play() {
  local typed shown lines line problem='([0-9]+) ([-+x]) ([0-9]+) = ?$'
  while IFS='|' read -r typed shown; do
    if [[ $typed == =* ]]; then
      [[ $(grep -E "$problem" <<<"$screen" | tail -n 1) =~ $problem ]] || { fail "no problem on screen"; exit 1; }
      typed=$((BASH_REMATCH[1] ${BASH_REMATCH[2]/x/*} BASH_REMATCH[3] ${typed#=}))
    fi
    [[ $typed == '~' ]] || type_line "$typed"
    IFS='|' read -r -a lines <<<"$shown"
    for line in "${lines[@]}"; do
      expect "$line"
    done
  done
}

[[ $mode != tmux ]] || need tmux tmux
start_game
# One player, addition, right at the first attempt; two players,
# multiplication: Ann misses, Bob wins; help, the subtraction tips, back to
# help, to the main menu and out through the exit confirmation.
play <<'EOF'
~|^5:  Exit$
1|^2\. Two Player$
1|^[0-9]+ \+ [0-9]+ =
=|Correct!!$|^You got 5 points good job!$|^To go to the Main Menu Press 1\.$|^To quit press 2\.$
1|^5:  Exit$
3|^2\. Two Player$
2|^Enter your name Player 1: ?
Ann|^Enter your name Player 2: ?
Bob|^Ann: ?$|[0-9]+ x [0-9]+ = ?$
=+1|Sorry\.\.\.wrong answer,$|^Bob: ?$
=|Great job Bob$|^You WON!$|^To quit press 2\.$
1|^5:  Exit$
4|^4\. Exit$
2|Subtraction can be very easy just keep these rules in mind|^Press x to go back to the main menu$
b|^4\. Exit$
4|^5:  Exit$
5|^If you want to reamain and play more games press n$
y
EOF
if [[ $holds == holds ]]; then
  # Enter brings a fresh main menu only where the window is still open.
  play <<'EOF'
~|^The game has ended\. Press Enter to play again, or close this window\.$
|^5:  Exit$
x|Please use one of the given options!$|^The game has ended\.
EOF
  tmux_ send-keys -t game "${end_keys[@]}"
  expect_end 0
else
  expect_end 1
fi

# The end of input on a terminal: once the input has ended the game must not
# wait for more.
if [[ $mode == tmux ]]; then
  tmux_ kill-session -t game
  start_game
  before=""
  play <<<'~|^5:  Exit$'
  if [[ $platform == posix ]]; then
    # "-" and Ctrl+D hand the game a lone minus sign, and a second Ctrl+D
    # ends the input. The number has no digit, so the main menu answers it
    # and the run ends, without waiting for a third Ctrl+D.
    tmux_ send-keys -t game -- - C-d C-d
    expect 'Please use one of the given options!$'
  else
    # At a Windows console Ctrl+Z then Enter ends the input. Where the first
    # name is due it leaves both players nameless and the game plays on to its
    # end, where a name made of the byte 26 would wait for the second one.
    play <<'EOF'
1|^2\. Two Player$
2|^Enter your name Player 1: ?
EOF
    tmux_ send-keys -t game "${end_keys[@]}"
    expect '^Neither of you answered the question!$'
  fi
  expect_end 0
fi

finish "$mode"
