# Sourced by the demo scripts: starts vorbix-rxsim on a free loopback port and points a demo
# folder's Vorbix.ini at it. Needs $bin (the build's bin folder) and $work (a scratch folder).

# start_simulator FOLDER MODEL PASSWORD: sets sim_pid and sim_port. An empty PASSWORD means none.
start_simulator() {
    local folder="$1" model="$2" password="$3"
    # A few minutes of events, so that on-line mode has something to show.
    local events
    events="$(dirname "${BASH_SOURCE[0]}")/demo-events.txt"
    local args=(--tcp 127.0.0.1:0 --folder "$folder" --model "$model" --fill 300 --seed 7 --log "$work/rxsim.log"
        --events "$events")
    [[ -n "$password" ]] && args+=(--password "$password")
    "$bin/vorbix-rxsim" "${args[@]}" >"$work/ready" &
    sim_pid=$!
    for _ in $(seq 100); do
        grep -q '^READY' "$work/ready" 2>/dev/null && break
        kill -0 "$sim_pid" 2>/dev/null || { echo "the receiver simulator did not start" >&2; return 1; }
        sleep 0.05
    done
    local address
    address="$(sed -n 's/^READY.*tcp=\([0-9.]*:[0-9]*\).*/\1/p' "$work/ready")"
    [[ -n "$address" ]] || { echo "the receiver simulator did not report its port" >&2; return 1; }
    sim_port="${address##*:}"
}

stop_simulator() {
    if [[ -n "${sim_pid:-}" ]]; then
        kill "$sim_pid" 2>/dev/null || true
        wait "$sim_pid" 2>/dev/null || true
        sim_pid=""
    fi
}

# point_at_simulator FOLDER PORT: the connection, and a profile naming it ("Vorbix - Demo site").
point_at_simulator() {
    local ini="$1/Vorbix.ini" port="$2"
    local key value
    for pair in "ConnectionType=1" "IPAddress=127.0.0.1" "IPPort=$port" "DumpRead=0"; do
        key="${pair%%=*}" value="${pair#*=}"
        bash scripts/set-ini.sh "$ini" Setup "$key" "$value"
        bash scripts/set-ini.sh "$ini" Connection1 "$key" "$value"
    done
    bash scripts/set-ini.sh "$ini" Connection1 Name "Demo site"
    bash scripts/set-ini.sh "$ini" Connection1 Title "IP 127.0.0.1:$port"
}
