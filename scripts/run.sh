#!/usr/bin/env bash
# Installs what building and running needs, builds Tachoria in Release
# (without the tests) and opens its window.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh run
cmake --preset release -DTACHORIA_BUILD_TESTS=OFF
cmake --build --preset release --parallel "$(nproc)"
exec build/app/tachoria "$@"
