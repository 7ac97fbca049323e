# Sourced by the end-to-end scripts: the count of failures, a scratch folder
# removed at the end, and the one way each script ends.
set -u
failures=0
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() {
  echo "FAIL $*"
  failures=$((failures + 1))
}

need() {  # tool, the Debian package it comes in
  command -v "$1" >/dev/null || { echo "FAIL: $1 is needed (Debian package $2)"; exit 1; }
}

# A game that hangs ends its script: what follows would only wait on it too.
ended_in_time() {  # name, status
  (($2 != 124)) || { echo "FAIL $1: the game did not end in time"; exit 1; }
}

finish() {  # what to report before the count of failures
  echo "${1:+$1; }$failures failures"
  ((failures == 0))
}
