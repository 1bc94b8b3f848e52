#!/usr/bin/env bash
# Fills a demo program folder with the files of data/. Usage: scripts/prepare-demo.sh [FOLDER]
# Files data/ does not ship yet come from scripts/demo/; the folder's own Vorbix.ini is kept.
set -euo pipefail
cd "$(dirname "$0")/.."

demo="${1:-build/demo}"
mkdir -p "$demo"
for stand_in in scripts/demo/*; do
    name="$(basename "$stand_in")"
    [[ "$name" == README.txt ]] && continue
    if [[ "$name" == Vorbix.ini ]]; then
        [[ -e "$demo/$name" ]] || cp "$stand_in" "$demo/$name"
    elif [[ ! -e "data/$name" ]]; then
        echo "prepare-demo: data/$name is not there yet; using the demo stand-in" >&2
        cp "$stand_in" "$demo/$name"
    fi
done
cp -R data/. "$demo/"
