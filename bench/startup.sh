#!/usr/bin/env bash
# Times the optimised game started on empty input, which shows the main menu
# and ends, side by side with /bin/true and any other executables given, and
# prints each one's median time and its ratio to /bin/true.
#
# Usage: bench/startup.sh [runs] [other-executable...]
# The build folder is build/release, or ORVANELL_BUILD_DIR.
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-2000}
shift || true
build=${ORVANELL_BUILD_DIR:-build/release}

source .ci/need
need hyperfine hyperfine
if [[ -z "${ORVANELL_BUILD_DIR:-}" ]]; then
  cmake --preset release >/dev/null
fi
cmake --build "$build" --target orvanell >/dev/null

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
# Without a shell between them (-N), and hyperfine gives every command
# /dev/null as its input.
hyperfine -N --style none --warmup 100 --runs "$runs" --export-json "$tmp/times.json" \
  /bin/true "$build/orvanell" "$@" >/dev/null 2>&1
# hyperfine writes each result's fields one to a line.
sed -n 's/^ *"command": "\(.*\)",$/\1/p' "$tmp/times.json" >"$tmp/commands"
sed -n 's/^ *"median": \([0-9.e-]*\),$/\1/p' "$tmp/times.json" >"$tmp/medians"
echo "median start-up time of $runs runs each, on empty input:"
paste "$tmp/commands" "$tmp/medians" | awk -F '\t' '
  NR == 1 { base = $2 }
  { printf "  %-40s %7.1f us  x%.2f of /bin/true\n", $1, $2 * 1e6, $2 / base }'
