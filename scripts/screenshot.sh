#!/usr/bin/env bash
# Takes the README's screenshots under a virtual X display: the main window of a fresh demo folder
# (docs/main-window.png), the memory view after a download from the receiver simulator
# (docs/memory-view.png) and the record dialog of its first row (docs/edit-dialog.png). The program saves its own window when VORBIX_SCREENSHOT is set.
set -euo pipefail
cd "$(dirname "$0")/.."

cmake --preset debug >/dev/null
flock /tmp/vorbix-build.lock cmake --build --preset debug --target vorbix vorbix-rxsim
bin="$PWD/build/debug/bin"
work="$(mktemp -d)"
source scripts/demo-sim.sh
trap 'stop_simulator; rm -rf "$work"' EXIT
mkdir -p docs

shoot() { # FOLDER PNG DELAY_MS
    # A runtime folder of its own, so that a copy of the program already running does not stop this one.
    XDG_RUNTIME_DIR="$work" VORBIX_SCREENSHOT="$PWD/docs/$2" VORBIX_SCREENSHOT_DELAY="$3" \
        xvfb-run -a -s "-screen 0 1024x768x24" "$bin/vorbix" --folder "$1"
    echo "saved docs/$2"
}

demo="$PWD/build/screenshot-demo"
rm -rf "$demo"
bash scripts/prepare-demo.sh "$demo"
shoot "$demo" main-window.png 1500

# The memory view: the program downloads at start from a receiver without a password.
rm -rf "$demo"
bash scripts/prepare-demo.sh "$demo"
start_simulator "$demo" KV8MOD-T ""
point_at_simulator "$demo" "$sim_port"
bash scripts/set-ini.sh "$demo/Vorbix.ini" Setup Download 1
bash scripts/set-ini.sh "$demo/Vorbix.ini" Setup Backup 0
bash scripts/set-ini.sh "$demo/Vorbix.ini" Window Width 900
bash scripts/set-ini.sh "$demo/Vorbix.ini" Window Height 560
shoot "$demo" memory-view.png 4000
VORBIX_SCREENSHOT_DIALOG=edit shoot "$demo" edit-dialog.png 4000
