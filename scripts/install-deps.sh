#!/usr/bin/env bash
# Installs the Debian 12 packages that building, testing and the demo need.
# Idempotent: asks dpkg first and touches apt only when something is missing.
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config dpkg-dev
    qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev libgl-dev qt6-translations-l10n
    libmosquitto-dev mosquitto mosquitto-clients
    googletest libgtest-dev libgmock-dev libbenchmark-dev
    clang-format xvfb xauth
    poppler-utils
    libcairo2-dev fonts-liberation2
    libxlsxwriter-dev
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

echo "Installing missing packages: ${missing[*]}" >&2
sudo=""
if [ "$(id -u)" -ne 0 ]; then
    sudo="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -q
$sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
