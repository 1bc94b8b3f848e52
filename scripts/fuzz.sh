#!/usr/bin/env bash
# Fuzzes every reader of outside input: scripts/fuzz.sh [SECONDS]  (default 60 seconds per target)
#
# Installs clang when it is missing, configures and builds build/fuzz with clang (see
# fuzz/CMakeLists.txt), then runs each fuzz target in turn, on one core and at low priority, for
# SECONDS on a scratch copy of its seeds in fuzz/corpus/<target> (with the dictionary
# fuzz/corpus/<target>.dict when there is one); fuzz/corpus itself is never written. Prints per
# target the executions and the coverage libFuzzer reached, and exits non-zero when any target had
# a finding (crash, leak, sanitizer report, time-out, out of memory). The input that caused it is
# kept as build/fuzz/findings/<target>-<kind>-<hash>, the run's log beside it as <target>.log.
#
# VORBIX_BUILD_LOCK=FILE serialises the configure and build steps with others through flock(1),
# for machines where several builds share the cores; the fuzzing itself does not take the lock.
set -uo pipefail
shopt -s extglob
cd "$(dirname "$0")/.."

seconds="${1:-60}"
if ! [[ "$seconds" =~ ^[1-9][0-9]*$ ]]; then
    echo "usage: scripts/fuzz.sh [SECONDS]" >&2
    exit 2
fi

install_clang() {
    local packages=(clang libclang-rt-dev cmake ninja-build googletest libgtest-dev libgmock-dev libbenchmark-dev)
    local missing=()
    for p in "${packages[@]}"; do
        if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
            missing+=("$p")
        fi
    done
    if [ ${#missing[@]} -eq 0 ]; then
        return 0
    fi
    echo "Installing missing packages: ${missing[*]}" >&2
    local sudo=""
    if [ "$(id -u)" -ne 0 ]; then
        sudo="sudo"
    fi
    export DEBIAN_FRONTEND=noninteractive
    $sudo apt-get update -q && $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
}

install_clang || exit 1

build=build/fuzz
lock=()
if [ -n "${VORBIX_BUILD_LOCK:-}" ]; then
    lock=(flock "$VORBIX_BUILD_LOCK")
fi
"${lock[@]}" cmake -S . -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DVORBIX_FUZZ=ON -DVORBIX_BUILD_UI=OFF >/dev/null || exit 1
"${lock[@]}" cmake --build "$build" --target vorbix_fuzzers || exit 1

findings="$build/findings"
mkdir -p "$findings"
# The harnesses write their inputs to files; a folder in memory keeps that from costing disk time,
# and one folder for the whole run is removed even when a crash left files behind.
scratch_base=/tmp
if [ -d /dev/shm ] && [ -w /dev/shm ]; then
    scratch_base=/dev/shm
fi
scratch="$(mktemp -d "$scratch_base/vorbix-fuzz.XXXXXX")" || exit 1
trap 'rm -rf "$scratch"' EXIT

# The value of a "name: value" field in libFuzzer's final status line or statistics.
field() {
    local name="$1" log="$2"
    local line
    line="$(grep -E "^#[0-9]+[[:space:]]+(DONE|NEW|REDUCE|pulse|INITED)" "$log" | tail -n 1)"
    sed -nE "s/.*[[:space:]]$name: ([0-9]+).*/\1/p" <<<"$line"
}
final_stat() {
    sed -nE "s/^stat::$1:[[:space:]]*([0-9]+).*/\1/p" "$2" | tail -n 1
}

failed=()
printf '%-18s %12s %8s %8s %8s  %s\n' target executions cov ft exec/s result
for binary in "$build"/bin/fuzz_*; do
    target="$(basename "$binary")"
    work="$build/run/$target"
    rm -rf "$work" "$findings/$target"-* "$findings/$target.log"
    mkdir -p "$work/corpus" "$scratch/$target"
    if [ -d "fuzz/corpus/$target" ]; then
        cp -r "fuzz/corpus/$target/." "$work/corpus/"
    fi
    args=(-max_total_time="$seconds" -print_final_stats=1 -timeout=10 -rss_limit_mb=2048
        -artifact_prefix="$findings/$target-")
    if [ -f "fuzz/corpus/$target.dict" ]; then
        args+=(-dict="fuzz/corpus/$target.dict")
    fi
    log="$work/fuzz.log"
    TMPDIR="$scratch/$target" nice -n 10 "$binary" "${args[@]}" "$work/corpus" >"$log" 2>&1
    status=$?

    result=ok
    if [ $status -ne 0 ] || compgen -G "$findings/$target-@(crash|leak|timeout|oom)-*" >/dev/null ||
        grep -qE "ERROR: (AddressSanitizer|LeakSanitizer|UndefinedBehaviorSanitizer|libFuzzer)|runtime error:" "$log"; then
        result="FINDING (exit $status), see $findings/$target.log"
        cp "$log" "$findings/$target.log"
        failed+=("$target")
    fi
    printf '%-18s %12s %8s %8s %8s  %s\n' "$target" "$(final_stat number_of_executed_units "$log")" \
        "$(field cov "$log")" "$(field ft "$log")" "$(final_stat average_exec_per_sec "$log")" "$result"
done

if [ ${#failed[@]} -ne 0 ]; then
    echo "Findings in: ${failed[*]}" >&2
    exit 1
fi
