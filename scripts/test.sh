#!/usr/bin/env bash
# Installs what is missing, builds Tachoria and runs every test, headless.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release
cmake --build build --parallel "$(nproc)"
# Window tests need no display.
QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure
