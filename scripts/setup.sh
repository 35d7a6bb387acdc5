#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running and testing Quillora need.
# Idempotent: installs only what is missing and refreshes the package lists at most once.
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config
    qt6-base-dev qt6-base-dev-tools libgl-dev qcoro-qt6-dev
    libsdl2-dev libsdl2-mixer-dev libfluidsynth-dev timgm6mb-soundfont
    qt6-charts-dev
    libgcab-dev libcurl4-openssl-dev gcab cabextract python3-pyftpdlib python3-openssl
    espeak-ng libespeak-ng-dev
    googletest libgtest-dev libgmock-dev libbenchmark-dev
    xvfb xauth xdotool imagemagick poppler-utils
    fonts-dejavu-core clang-format clang libclang-rt-14-dev
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

echo "Installing: ${missing[*]}"
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
    sudo_cmd=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq "${missing[@]}"
