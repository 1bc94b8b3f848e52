#!/usr/bin/env bash
# Builds the Debian package from a release build (build/package) and checks it: lintian,
# desktop-file-validate and appstreamcli validate. Usage: scripts/package.sh
# The package lands in build/package/vorbix_VERSION_ARCH.deb; its path is the last line printed.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
# The checkers come from Debian too; installed only when missing.
checkers=(lintian desktop-file-utils appstream)
missing=()
for p in "${checkers[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    export DEBIAN_FRONTEND=noninteractive
    $sudo apt-get update -q
    $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

build=build/package
launcher=()
if command -v ccache >/dev/null; then
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DVORBIX_BUILD_TESTS=OFF "${launcher[@]}" >/dev/null
# One build at a time on a shared machine.
flock /tmp/vorbix-build.lock cmake --build "$build" --parallel 2
rm -f "$build"/vorbix_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
deb="$(ls "$build"/vorbix_*.deb)"

echo "== lintian"
# Errors fail the build; warnings and notes are shown.
lintian --fail-on error --tag-display-limit 0 "$deb"
stage="$(mktemp -d)"
trap 'rm -rf "$stage"' EXIT
dpkg-deb -x "$deb" "$stage"
echo "== desktop-file-validate"
desktop-file-validate "$stage"/usr/share/applications/*.desktop
echo "== appstreamcli validate"
appstreamcli validate --no-net "$stage"/usr/share/metainfo/*.metainfo.xml
echo "$deb"
