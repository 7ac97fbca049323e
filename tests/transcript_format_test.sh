#!/usr/bin/env bash
# The transcript format has two readers, the unit tests' (C++, behind
# orvanell_transcript_input) and the web edition's (node, behind
# play_transcript.js --input). Both must read the same bytes, and refuse a
# header line or an escape the format lacks, naming the file and the line.
#
# Usage: transcript_format_test.sh READER, which writes the input of the
# transcript it is given.
set -u
reader="$1"
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
failures=0
count=0

read_transcript() {  # text; sets $file, $status and $error, writes $dir/input
  file="$dir/$((++count)).txt"
  printf '%s' "$1" >"$file"
  "$reader" "$file" >"$dir/input" 2>"$dir/error"
  status=$?
  error=$(tr -d '\r' <"$dir/error")  # Windows' text mode ends a line with CR LF
}

# Every escape, a joined line and an escaped backslash before a letter.
read_transcript $'# a comment\nclock: -1\nstatus: 1\n== input\na\\0b\\\\c\\rd\\a\ne\\\nf\n== output\n\\\\q\n'
printf 'a\0b\\c\rd\a\nef\n' | cmp -s - "$dir/input" && [[ $status == 0 && -z $error ]] ||
  { echo "FAIL reading every escape: status $status, $error"; od -c "$dir/input"; failures=$((failures + 1)); }

refused() {  # expected LINE: what, transcript text
  read_transcript "$2"
  [[ $status != 0 && $error == "$file:$1" ]] ||
    { echo "FAIL expected $file:$1, got status $status: $error"; failures=$((failures + 1)); }
}
refused '3: unknown escape \q' $'clock: 0\n== input\n1\\q\n== output\n'
refused '5: unknown escape \x' $'clock: 0\n== input\n1\n== output\nab\\x\n'
bad_header='not a comment (#), "clock: N" or "status: N"'
refused "2: $bad_header" $'# clock:1 is no clock\nclock:1\n== input\n== output\n'
refused "1: $bad_header" $'clock: 12x\n== input\n== output\n'
refused "2: $bad_header" $'clock: 1\nstatus: one\n== input\n== output\n'
refused "1: $bad_header" $'\n== input\n== output\n'

echo "$failures failures"
[[ $failures -eq 0 ]]
