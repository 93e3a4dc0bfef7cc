#!/usr/bin/env bash
# Runs every fuzzer for longer than the test command does.
# Usage: scripts/fuzz.sh [seconds per fuzzer, default 300]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-300}

bash scripts/install-deps.sh test
cmake --preset asan >/dev/null
cmake --build --preset asan --parallel "$(nproc)"
export QT_QPA_PLATFORM=offscreen
for fuzzer in build-asan/fuzz/fuzz_*; do
    name=${fuzzer##*/fuzz_}
    found=build-asan/fuzz/found/$name
    mkdir -p "$found"
    echo "== $name, ${seconds}s"
    # Crashes are written to the current folder as crash-<hash>.
    "$fuzzer" -max_total_time="$seconds" -print_final_stats=1 "$found" "fuzz/corpus/$name"
done
