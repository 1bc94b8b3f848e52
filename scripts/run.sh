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
bash scripts/prepare-demo.sh "$demo"

model="KV8MOD-T"
password="demo$((RANDOM % 9000 + 1000))"
work="$(mktemp -d)"
sim_pid=""
cleanup() {
    if [[ -n "$sim_pid" ]]; then
        kill "$sim_pid" 2>/dev/null || true
        wait "$sim_pid" 2>/dev/null || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT

# The simulator picks a free port and names it on its READY line.
"$bin/vorbix-rxsim" --tcp 127.0.0.1:0 --folder "$demo" --model "$model" --fill 300 --seed 7 \
    --password "$password" --log "$work/rxsim.log" >"$work/ready" &
sim_pid=$!
for _ in $(seq 100); do
    grep -q '^READY' "$work/ready" 2>/dev/null && break
    kill -0 "$sim_pid" 2>/dev/null || { echo "run: the receiver simulator did not start" >&2; exit 1; }
    sleep 0.05
done
address="$(sed -n 's/^READY.*tcp=\([0-9.]*:[0-9]*\).*/\1/p' "$work/ready")"
[[ -n "$address" ]] || { echo "run: the receiver simulator did not report its port" >&2; exit 1; }
port="${address##*:}"

bash scripts/set-ini.sh "$demo/Vorbix.ini" Setup ConnectionType 1
bash scripts/set-ini.sh "$demo/Vorbix.ini" Setup IPAddress 127.0.0.1
bash scripts/set-ini.sh "$demo/Vorbix.ini" Setup IPPort "$port"
bash scripts/set-ini.sh "$demo/Vorbix.ini" Setup DumpRead 0
# The demo profile names this connection, so the caption reads "Vorbix - Demo site".
bash scripts/set-ini.sh "$demo/Vorbix.ini" Connection1 Name "Demo site"
bash scripts/set-ini.sh "$demo/Vorbix.ini" Connection1 Title "IP 127.0.0.1:$port"
bash scripts/set-ini.sh "$demo/Vorbix.ini" Connection1 ConnectionType 1
bash scripts/set-ini.sh "$demo/Vorbix.ini" Connection1 IPAddress 127.0.0.1
bash scripts/set-ini.sh "$demo/Vorbix.ini" Connection1 IPPort "$port"

echo "Receiver simulator: $model with 300 transmitters on 127.0.0.1:$port, password: $password"

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
