#!/usr/bin/env bash
# Plays every golden transcript's input at its clock second in memory, or on
# the edition with its clock stopped, and compares the whole output and the
# status with the transcript's. Then plays the input to the built game, once
# through a pipe and once from a file, and compares the output and the status
# with the same run at the clock second the game ran in: the real channel
# adds, drops and reorders nothing, whatever kind of input it reads, and the
# problems come from the system's calendar clock.
#
# First, the transcript format's reader, the unit tests' own, built for the
# edition: it must read every escape, and refuse a header line or an escape
# the format lacks, naming the file and the line.
#
# Usage: sessions_test.sh GAME SESSION_AT TRANSCRIPT_INPUT TRANSCRIPT...
#   SESSION_AT plays its standard input at the second given, as GAME would;
#   TRANSCRIPT_INPUT writes a transcript's input bytes, or with "output" its
#   clock second and status on a line, then its output.
source "$(dirname "$0")/helpers.sh"
export LC_ALL=C  # a decimal point in $EPOCHREALTIME
game="$1"
session_at="$2"
transcript_input="$3"
shift 3
count=0

read_transcript() {  # text; sets $file, $status and $error, writes $work/input
  file="$work/$((++count)).txt"
  printf '%s' "$1" >"$file"
  "$transcript_input" "$file" >"$work/input" 2>"$work/error"
  status=$?
  error=$(tr -d '\r' <"$work/error")  # Windows' text mode ends a line with CR LF
}

# Every escape, a joined line and an escaped backslash before a letter.
read_transcript $'# a comment\nclock: -1\nstatus: 1\n== input\na\\0b\\\\c\\rd\\a\ne\\\nf\n== output\n\\\\q\n'
printf 'a\0b\\c\rd\a\nef\n' | cmp -s - "$work/input" && [[ $status == 0 && -z $error ]] &&
  [[ $("$transcript_input" "$file" output) == $'-1 1\n\\q' ]] ||
  { fail "reading every escape: status $status, $error"; od -c "$work/input"; }

refused() {  # expected LINE: what, transcript text
  read_transcript "$2"
  [[ $status != 0 && $error == "$file:$1" ]] || fail "expected $file:$1, got status $status: $error"
}
refused '3: unknown escape \q' $'clock: 0\n== input\n1\\q\n== output\n'
refused '5: unknown escape \x' $'clock: 0\n== input\n1\n== output\nab\\x\n'
bad_header='not a comment (#), "clock: N" or "status: N"'
refused "2: $bad_header" $'# clock:1 is no clock\nclock:1\n== input\n== output\n'
refused "1: $bad_header" $'clock: 12x\n== input\n== output\n'
refused "2: $bad_header" $'clock: 1\nstatus: one\n== input\n== output\n'
refused "1: $bad_header" $'\n== input\n== output\n'

# Plays $work/input through a pipe or from the file; leaves the status in
# $status and the second it took place in in $second, or no second when the
# run straddled one or began in its first 20 ms (a coarse clock may still
# show the second before).
play() {  # pipe|file
  local start end
  start=$EPOCHREALTIME
  if [[ $1 == pipe ]]; then
    cat "$work/input" | timeout 20 "$game" >"$work/out" 2>"$work/error"
    status=${PIPESTATUS[1]}
  else
    timeout 20 "$game" <"$work/input" >"$work/out" 2>"$work/error"
    status=$?
  fi
  end=$EPOCHREALTIME
  second=${start%.*}
  if [[ $second != "${end%.*}" ]] || ((10#${start#*.} < 20000)); then
    second=""
  fi
}

# Fails, saying what, unless the outputs and the statuses are the same and
# neither run wrote on its standard error.
same() {  # what, status, expected status, output, expected output
  cmp -s "$4" "$5" && [[ $2 == "$3" && ! -s "$work/error" ]] ||
    fail "$1: status $2, expected $3; $(cmp "$4" "$5" 2>&1 | head -n 1) $(head -c 300 "$work/error")"
}

sessions=0
for transcript in "$@"; do
  name=$(basename "$transcript" .txt)
  "$transcript_input" "$transcript" >"$work/input" && "$transcript_input" "$transcript" output >"$work/recorded" ||
    { fail "$name: cannot read the transcript"; continue; }
  { read -r clock recorded && cat >"$work/golden"; } <"$work/recorded"
  "$session_at" "$clock" <"$work/input" >"$work/expected" 2>"$work/error"
  same "$name at its second $clock" $? "$recorded" "$work/expected" "$work/golden"
  for via in pipe file; do
    for ((try = 0; try < 20; ++try)); do
      play "$via"
      [[ -n "$second" || $status == 124 ]] && break
    done
    ended_in_time "$name through a $via" "$status"
    [[ -n "$second" ]] || { fail "$name through a $via: 20 runs each straddled a second"; continue; }
    "$session_at" "$second" <"$work/input" >"$work/expected" 2>>"$work/error"
    same "$name through a $via at second $second" "$status" $? "$work/out" "$work/expected"
    sessions=$((sessions + 1))
  done
done

((sessions > 0)) || fail "no session played"
finish "$sessions sessions played"
