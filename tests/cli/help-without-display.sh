#!/usr/bin/env bash
# tachoria --help and --version print and end 0 with no display at all:
# no X, no Wayland, no platform chosen; a failed write of them ends 1; and
# the window without a display says so and ends 1, rather than aborting.
set -uo pipefail
program=$1
version=$2
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
failures=0
for option in --help -h --version; do
    output=$("$program" "$option" 2>&1)
    status=$?
    case $option in
        --version) expected="Tachoria $version" ;;
        *) expected="--compare +Open the Compare Gearing window as well" ;;
    esac
    [ "$status" -eq 0 ] || { echo "FAIL: $option: status $status: $output"; failures=$((failures + 1)); }
    grep -Eq -- "$expected" <<<"$output" ||
        { echo "FAIL: $option printed: $output"; failures=$((failures + 1)); }
done
if "$program" --help >/dev/full 2>/dev/null; then
    echo "FAIL: --help into a full disk reported success"; failures=$((failures + 1))
fi
output=$("$program" 2>&1)
status=$?
if [ "$status" -ne 1 ] || ! grep -q "no display" <<<"$output"; then
    echo "FAIL: without a display: status $status: $output"; failures=$((failures + 1))
fi
[ "$failures" -eq 0 ] && echo "help and version: printed without a display"
exit $((failures > 0))
