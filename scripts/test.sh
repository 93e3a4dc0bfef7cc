#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test, headless: in
# Release, with AddressSanitizer and UndefinedBehaviorSanitizer (which also
# runs the fuzzers briefly, clang-tidy and the soak test), and the Qt-free
# core built for Windows and run under Wine, and built as WebAssembly and
# run under Node (20 and 18).
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh test
for preset in release asan windows-core web; do
    echo "== $preset"
    cmake --preset "$preset"
    cmake --build --preset "$preset" --parallel "$(nproc)"
done
ctest --preset windows-core
ctest --preset web --parallel "$(nproc)"
ctest --preset asan --parallel "$(nproc)"
# Last, so that its summary closes the run.
ctest --preset release --parallel "$(nproc)"
