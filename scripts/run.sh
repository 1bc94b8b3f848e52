#!/usr/bin/env bash
# Builds the program and starts it on the demo folder build/demo (filled with the files of data/).
# Extra arguments go to the program, e.g. a data file to open.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
cmake --preset debug >/dev/null
# One build at a time on a shared machine.
flock /tmp/vorbix-build.lock cmake --build --preset debug --target vorbix
bash scripts/prepare-demo.sh build/demo
exec build/debug/bin/vorbix --folder "$PWD/build/demo" "$@"
