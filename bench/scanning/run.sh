#!/usr/bin/env bash
# Runs the scanning benchmark of an existing build and prints its figures: processor time
# while a timed scan waits, Space to the next highlight, and the timed highlight's beat.
# Builds nothing. The program works on its own copy of the build's installed folder.
# Usage: bench/scanning/run.sh [build folder] [--xvfb]
#   --xvfb  draws on a virtual X screen of 1280x1024 instead of the offscreen platform
set -euo pipefail
build=${1:-build}
program="$build/bench/scanning/quillora_scanning_bench"
if [[ ! -x $program ]]; then
    echo "no $program: build the target quillora_scanning_bench first" >&2
    exit 2
fi
export SDL_AUDIODRIVER=dummy
if [[ ${2:-} == --xvfb ]]; then
    exec xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" \
        env QT_QPA_PLATFORM=xcb "$program" "$build/app"
fi
unset QT_QPA_PLATFORM # the program sets up its own 1280x1024 offscreen screen
exec "$program" "$build/app"
