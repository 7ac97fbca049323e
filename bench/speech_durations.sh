#!/bin/sh
# How long each utterance takes to say: espeak-ng at the page's rate, 0.9 of
# its default 175 words a minute, and sox's count of the samples written.
# One utterance a line on standard input; prints seconds, then the words.
#
# Usage: bench/speech_durations.sh [words_per_minute] < utterances.txt
set -eu
rate=${1:-157}
wav=$(mktemp --suffix=.wav)
trap 'rm -f "$wav"' EXIT
while IFS= read -r words; do
  [ -n "$words" ] || continue
  espeak-ng -s "$rate" -w "$wav" "$words"
  printf '%5.2f  %s\n' "$(soxi -D "$wav")" "$words"
done
