#!/usr/bin/env bash
# Sets one key of an INI file, keeping every other line: scripts/set-ini.sh FILE SECTION KEY VALUE
# Section and key names compare without regard to case, as the program reads them.
set -euo pipefail
file="$1" section="$2" key="$3" value="$4"
touch "$file"
tmp="$(mktemp "$file.XXXXXX")"
awk -v section="$section" -v key="$key" -v value="$value" '
    BEGIN { s = tolower(section); k = tolower(key) }
    function flush() { if (in_section && !done) { print key "=" value "\r"; done = 1 } }
    {
        line = $0; sub(/\r$/, "", line)
        if (line ~ /^[ \t]*\[/) {
            flush()
            name = line; sub(/^[ \t]*\[/, "", name); sub(/\].*$/, "", name)
            in_section = (tolower(name) == s)
            seen = seen || in_section
        } else if (in_section && !done) {
            split(line, kv, "=")
            if (index(line, "=") > 0 && tolower(kv[1]) == k) { print key "=" value "\r"; done = 1; next }
        }
        print line "\r"
    }
    END {
        flush()
        if (!seen) { print "[" section "]\r"; print key "=" value "\r" }
    }' "$file" >"$tmp"
mv "$tmp" "$file"
