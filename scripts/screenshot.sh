#!/usr/bin/env bash
# Takes the screenshot of the main window for the README: starts the program under a virtual X
# display on a fresh demo folder and lets it save its own window to docs/main-window.png.
set -euo pipefail
cd "$(dirname "$0")/.."

cmake --preset debug >/dev/null
flock /tmp/vorbix-build.lock cmake --build --preset debug --target vorbix
demo="build/screenshot-demo"
rm -rf "$demo"
bash scripts/prepare-demo.sh "$demo"
mkdir -p docs
# A runtime folder of its own, so that a copy of the program already running does not stop this one.
runtime="$(mktemp -d)"
trap 'rm -rf "$runtime"' EXIT
XDG_RUNTIME_DIR="$runtime" VORBIX_SCREENSHOT="$PWD/docs/main-window.png" \
    xvfb-run -a -s "-screen 0 1024x768x24" build/debug/bin/vorbix --folder "$PWD/$demo"
echo "saved docs/main-window.png"
