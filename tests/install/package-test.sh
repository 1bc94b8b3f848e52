#!/usr/bin/env bash
# Builds the .deb from the build tree, unpacks it into a scratch root (dpkg -x) and runs the
# programs from there with a scratch HOME: each prints the package's version, and vorbixctl shows
# the shipped example, filling the per-user program folder; a second start changes none of the
# user's files and brings back a shipped file the user lacks.
# Usage: package-test.sh BUILD_DIR VERSION. Exit 77 (skipped) without cpack or dpkg-deb.
set -euo pipefail
build="$1"
version="$2"

for tool in cpack dpkg-deb dpkg-shlibdeps; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIPPED: $tool is missing (scripts/install-deps.sh installs it)"
        exit 77
    fi
done

scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
fail() {
    echo "FAILED: $*" >&2
    exit 1
}

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$scratch/package" >"$scratch/cpack.log" 2>&1 ||
    { cat "$scratch/cpack.log"; fail "cpack"; }
deb="$(ls "$scratch"/package/vorbix_*.deb)"
[[ "$(dpkg-deb -f "$deb" Version)" == "$version" ]] || fail "the package carries $(dpkg-deb -f "$deb" Version)"
root="$scratch/root"
dpkg-deb -x "$deb" "$root"

export HOME="$scratch/home"
unset XDG_DATA_HOME
mkdir -p "$HOME"
for program in vorbix vorbixctl vorbix-rxsim; do
    shown="$("$root/usr/bin/$program" --version)"
    [[ "$shown" == "$program $version" ]] || fail "$program --version printed '$shown'"
done

folder="$HOME/.local/share/vorbix"
show() {
    "$root/usr/bin/vorbixctl" show "$root/usr/share/vorbix/Examples/Example.rxd" >"$scratch/show.txt" ||
        fail "vorbixctl show ended with $?"
    head -n 1 "$scratch/show.txt" | grep -q "Serial number" || fail "no title row: $(head -n 2 "$scratch/show.txt")"
    [[ "$(wc -l <"$scratch/show.txt")" -gt 1 ]] || fail "the example shows no records"
}
show
diff -r "$root/usr/share/vorbix" "$folder" >/dev/null || fail "the per-user folder differs from the shipped files"

# The user's own files and a changed shipped file; one shipped file the user has lost.
sed -i "s/^041 Port/041 COM port/" "$folder/US.lng"
cmp -s "$folder/US.lng" "$root/usr/share/vorbix/US.lng" && fail "the language file was not changed"
printf '[Setup]\r\nLanguage=US\r\n' >"$folder/Vorbix.ini"
rm "$folder/Sounds/Alarm.wav"
listing() { (cd "$folder" && find . -type f ! -name Alarm.wav -printf '%p %s %T@\n' | sort && md5sum US.lng Vorbix.ini); }
before="$(listing)"
sleep 0.01
show
[[ "$(listing)" == "$before" ]] || fail "the second start changed the user's files"
cmp -s "$folder/Sounds/Alarm.wav" "$root/usr/share/vorbix/Sounds/Alarm.wav" || fail "the lost shipped file was not brought back"
[[ -z "$(find "$folder" -name '.*')" ]] || fail "temporary files were left behind"
echo "package $deb: versions, per-user folder and second start as expected"
