#!/usr/bin/env bash
# Installs what is missing, builds Tachoria in Release and opens its window.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
cmake --preset release
cmake --build --preset release --parallel "$(nproc)"
exec build/app/tachoria "$@"
