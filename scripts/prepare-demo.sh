#!/usr/bin/env bash
# Fills a demo program folder with the files of data/. Usage: scripts/prepare-demo.sh [FOLDER]
# The folder's own Vorbix.ini is kept; a new folder gets the demo settings of scripts/demo/.
set -euo pipefail
cd "$(dirname "$0")/.."

demo="${1:-build/demo}"
mkdir -p "$demo"
[[ -e "$demo/Vorbix.ini" ]] || cp scripts/demo/Vorbix.ini "$demo/Vorbix.ini"
cp -R data/. "$demo/"
