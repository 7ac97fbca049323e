#!/usr/bin/env bash
# The web edition's figures: Lighthouse's performance audit of the served
# site; the page's first main menu in every engine the browser test plays in,
# then in headless Chromium served, as one file from file:// and installed and
# reloaded offline (bench/page_load.js); the one file's weight, the page's
# elements and heap over many games, which must stay flat from game 1,000 on
# (bench/page_games.js), and the node
# command's start-up on empty input beside the native game's and node's own
# with nothing to run (bench/startup.sh).
#
# Usage: bench/web.sh [page-loads] [start-up-runs] [games] [audits]
# The build folder is build/web, or ORVANELL_WEB_BUILD_DIR.
set -euo pipefail
cd "$(dirname "$0")/.."
loads=${1:-50}
runs=${2:-200}
games=${3:-10000}
audits=${4:-3}
build=${ORVANELL_WEB_BUILD_DIR:-build/web}

source .ci/need
need emcc emscripten rsvg-convert librsvg2-bin pngquant pngquant
[[ -n "${CHROMIUM:-}" ]] || need chromium chromium
need firefox-esr firefox-esr WebKitWebDriver webkit2gtk-driver WPEWebDriver wpewebkit-driver cog cog \
  xvfb-run xvfb
if [[ -z "${ORVANELL_WEB_BUILD_DIR:-}" ]]; then
  cmake --preset web >/dev/null
fi
cmake --build "$build" --target site npm_packages >/dev/null

node bench/page_load.js "$build/site" "$build/npm" "$build/orvanell.html" "$loads" "$audits"
echo "orvanell.html: $(wc -c <"$build/orvanell.html") bytes, $(gzip -9c "$build/orvanell.html" | wc -c) gzipped"
node bench/page_games.js "$build/site" "$build/npm" "$games"
bench/startup.sh "$runs" "node -e 0" "node $build/orvanell.js"
