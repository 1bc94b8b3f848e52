#!/usr/bin/env bash
# Builds every target and runs every test. Usage: scripts/test.sh [debug|release|asan|tsan]
# The tsan preset builds and runs the link and communication tests under ThreadSanitizer only.
set -euo pipefail
cd "$(dirname "$0")/.."

preset="${1:-debug}"
bash scripts/install-deps.sh

cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset" --parallel "$(nproc)"
ctest --preset "$preset"
