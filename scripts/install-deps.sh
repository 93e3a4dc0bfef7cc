#!/usr/bin/env bash
# Installs the Debian packages that building and testing Tachoria need, and
# only those that are missing, with any named as arguments. Run as root, or
# as a user who may use sudo.
set -euo pipefail

packages=(
    cmake g++ make pkg-config git
    qt6-base-dev            # Qt 6 Widgets and Qt Test
    libgtest-dev            # GoogleTest for the core's tests
    fonts-liberation2       # Arial's metrics, so the fixed layout fits its texts
    locales                 # localedef, for the comma-decimal locale tests
    libqt6svg6              # draws the SVG window icon
    desktop-file-utils appstream dpkg-dev file lintian   # validate and package the desktop install
    clang libclang-rt-dev clang-tidy        # sanitizers, libFuzzer, static checks
    libbenchmark-dev                        # the benchmarks
    xvfb xauth xdotool xclip dbus-x11 at-spi2-core python3-pyatspi   # the desktop-session test
)
# Callers may ask for more, such as the start-up measurement's tools.
packages+=("$@")

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
    as_root=()
elif command -v sudo >/dev/null; then
    as_root=(sudo)
else
    echo "Missing packages: ${missing[*]}. Run this as root to install them." >&2
    exit 1
fi
echo "Installing: ${missing[*]}"
"${as_root[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq --no-install-recommends \
    "${missing[@]}"
