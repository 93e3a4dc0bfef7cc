#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test, headless: once
# in Release, once with AddressSanitizer and UndefinedBehaviorSanitizer
# (which also runs the fuzzers briefly and clang-tidy).
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
for preset in release asan; do
    echo "== $preset"
    cmake --preset "$preset"
    cmake --build --preset "$preset" --parallel "$(nproc)"
done
ctest --preset asan --parallel "$(nproc)"
# Last, so that its summary closes the run.
ctest --preset release --parallel "$(nproc)"
