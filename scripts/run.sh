#!/usr/bin/env bash
# The demo: builds everything, prepares a demo program folder (build/demo) whose connection is TCP to
# the receiver simulator on a free loopback port, starts vorbix-rxsim there with a few hundred
# transmitters and a password, and starts Vorbix on that folder. Closing Vorbix stops the simulator.
# Without a display it runs the headless path instead: vorbixctl info, download and show.
# Extra arguments go to Vorbix (for example a data file to open).
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
cmake --preset debug >/dev/null
# One build at a time on a shared machine.
flock /tmp/vorbix-build.lock cmake --build --preset debug --target vorbix vorbix-rxsim vorbixctl

bin="$PWD/build/debug/bin"
demo="$PWD/build/demo"

# A Vorbix already running on the demo folder keeps its settings and its simulator: this run only
# brings its window to the front. (The program holds an exclusive lock on this file while it runs.)
runtime="${XDG_RUNTIME_DIR:-}"
[[ -n "$runtime" && -d "$runtime" ]] || runtime=/tmp
lock="$runtime/vorbix-$(id -u)-demo.lock"
if [[ -e "$lock" ]] && ! flock -n "$lock" true; then
    echo "Vorbix already runs on build/demo; its window is brought to the front."
    if [[ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]]; then
        "$bin/vorbix" --folder "$demo" || true
    fi
    exit 0
fi
work="$(mktemp -d)"
source scripts/demo-sim.sh
trap 'stop_simulator; rm -rf "$work"' EXIT
bash scripts/prepare-demo.sh "$demo"

model="KV8MOD-T"
password="demo$((RANDOM % 9000 + 1000))"
start_simulator "$demo" "$model" "$password"
point_at_simulator "$demo" "$sim_port"
echo "Receiver simulator: $model with 300 transmitters on 127.0.0.1:$sim_port, password: $password"

if [[ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]]; then
    echo "Log in with Communication > Log in (F9) and the password above, then Download (F11)."
    "$bin/vorbix" --folder "$demo" "$@"
else
    echo "No display: running the headless path with vorbixctl instead."
    ctl=("$bin/vorbixctl" --folder "$demo" --password "$password")
    "${ctl[@]}" info
    "${ctl[@]}" download -o "$demo/demo.rxd"
    "$bin/vorbixctl" --folder "$demo" show "$demo/demo.rxd" --view memory | head -n 12
    echo "..."
    echo "To see the window, run this command on a desktop, or under a virtual display:"
    echo "    xvfb-run -a bash scripts/run.sh"
fi
