#!/usr/bin/env bash
# Serves the built web page (build-web/site) on this machine only, so that a
# browser can install it as an app and keep it for use offline: a page
# opened from disk cannot be installed.
#   serve-web.sh [port]    the port, 8000 unless given
set -euo pipefail
cd "$(dirname "$0")/.."

port=${1:-8000}
site=build-web/site
if [ ! -f "$site/sw.js" ]; then
    echo "$site has no page yet: cmake --preset web && cmake --build --preset web" >&2
    exit 1
fi
echo "Tachoria at http://127.0.0.1:$port/ (Ctrl+C stops it)"
exec python3 -m http.server --bind 127.0.0.1 --directory "$site" "$port"
