#!/usr/bin/env bash
# Prints the time from process start to the main menu's first paint, the same for a bare Qt
# full-screen window with as many pictures, and their ratio (goal: at most 1.5). Each figure
# is the median of QUILLORA_STARTUP_LAUNCHES launches (default 5).
# Usage: bench/startup/startup_ratio.sh [build folder]   (starts its own virtual screen)
set -euo pipefail
build=${1:-build}
app="$build/app"
folder=$(mktemp -d)
cp -r "$app"/. "$folder"/
rm -f "$folder"/quillora "$folder"/*.lock

# One virtual screen for both programs, started before either clock runs.
exec 3< <(Xvfb -displayfd 1 -screen 0 1280x1024x24 -nolisten tcp 2> /dev/null)
xvfb_pid=$!
read -r display <&3
export DISPLAY=":$display" SDL_AUDIODRIVER=dummy
trap 'kill $xvfb_pid 2> /dev/null; rm -rf "$folder"' EXIT

measure() {
    local start end
    start=$(date +%s%3N)
    end=$("$@" 2> /dev/null | sed -n 's/^first paint at \([0-9]*\) ms.*/\1/p' | head -n 1)
    echo $((end - start))
}

# Warm the disk cache once so neither figure pays for the first read of the pictures.
QUILLORA_FIRST_PAINT_EXIT=1 "$app/quillora" --app-folder "$folder" > /dev/null 2>&1 || true

# One launch of a 50 ms program on a shared machine is mostly the scheduler's mood: each
# figure is the median of several launches, the two programs taking turns so both meet the
# same moments of the machine.
launches=${QUILLORA_STARTUP_LAUNCHES:-5}
quillora_all=()
bare_all=()
for ((i = 0; i < launches; ++i)); do
    quillora_all+=("$(QUILLORA_FIRST_PAINT_EXIT=1 measure "$app/quillora" --app-folder "$folder")")
    bare_all+=("$(measure "$build/bench/startup/quillora_bare_window" "$folder")")
done
median() { printf '%s\n' "$@" | sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
quillora_ms=$(median "${quillora_all[@]}")
bare_ms=$(median "${bare_all[@]}")
echo "launches: Quillora ${quillora_all[*]} ms; bare Qt window ${bare_all[*]} ms"
echo "start to first paint (median of $launches): Quillora main menu ${quillora_ms} ms, bare Qt window ${bare_ms} ms"
awk -v q="$quillora_ms" -v b="$bare_ms" 'BEGIN { printf "ratio: %.2f (goal: at most 1.5)\n", q / b }'
