#!/usr/bin/env bash
# Installs what is missing, builds Tachoria in Release and opens its window.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release
cmake --build build --parallel "$(nproc)"

program=build/app/tachoria
if [ ! -x "$program" ]; then
    echo "Built the core; the window does not exist yet, so there is nothing to open."
    exit 0
fi
exec "$program" "$@"
