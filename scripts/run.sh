#!/usr/bin/env bash
# Sets up, builds and starts Quillora on the bundled demo application folder (build/app).
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null
cmake --build build --target quillora

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    echo "No display here: start Quillora on a virtual screen with: xvfb-run -a -s '-screen 0 1280x1024x24' build/app/quillora"
    exit 0
fi
exec build/app/quillora "$@"
