#!/usr/bin/env bash
# Fuzzes the readers of the template, book, profile and assignment files for a bounded time
# each, starting from the hand-written test files. Exits non-zero when a target finds a crash,
# a sanitizer report or a file that does not read back as it was written.
#   QUILLORA_FUZZ_SECONDS  seconds per target (default 20)
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$root/build-fuzz"
seconds="${QUILLORA_FUZZ_SECONDS:-20}"
targets=(fuzz_template fuzz_book fuzz_profile fuzz_assignments)

probe_dir="$(mktemp -d)"
trap 'rm -rf "$probe_dir"' EXIT
if ! command -v clang >/dev/null 2>&1 || ! command -v clang++ >/dev/null 2>&1 ||
   ! printf 'extern "C" int LLVMFuzzerTestOneInput(const unsigned char *, unsigned long) { return 0; }\n' |
       clang++ -x c++ -fsanitize=fuzzer - -o "$probe_dir/probe" >/dev/null 2>&1; then
    echo "fuzz: clang with libFuzzer is not installed; skipping the fuzz targets"
    exit 0
fi

mkdir -p "$build"
CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DQUILLORA_BUILD_FUZZERS=ON -DQUILLORA_BUILD_TESTS=OFF -DQUILLORA_BUILD_BENCHMARKS=OFF \
    >"$build/configure.log" 2>&1 || { cat "$build/configure.log"; exit 1; }
ninja -C "$build" -j2 "${targets[@]}"

fixtures="$root/tests/core/fixtures"
declare -A seeds=([fuzz_template]="*.sty" [fuzz_book]="*.msy" [fuzz_profile]="*.lgn"
                  [fuzz_assignments]="*.asg")
status=0
for target in "${targets[@]}"; do
    corpus="$build/fuzz/corpus/$target"
    artifacts="$build/fuzz/artifacts"
    mkdir -p "$corpus" "$artifacts"
    # The corpus grows from run to run; the seeds are refreshed each time.
    find "$fixtures" -maxdepth 1 -name "${seeds[$target]}" -exec cp {} "$corpus/" \;
    echo "fuzz: $target for ${seconds}s"
    if ! "$build/fuzz/$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
            -max_len=65536 -print_final_stats=0 -artifact_prefix="$artifacts/$target-" \
            "$corpus" >"$artifacts/$target.log" 2>&1; then
        tail -n 40 "$artifacts/$target.log"
        echo "fuzz: $target found a problem; the input is in $artifacts"
        status=1
    else
        grep -E "^#[0-9]+.*DONE" "$artifacts/$target.log" | tail -n 1 || true
    fi
done
exit $status
