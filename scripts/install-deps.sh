#!/usr/bin/env bash
# Installs the Debian packages Tachoria needs, and only those that are
# missing. Run as root, or as a user who may use sudo.
#   install-deps.sh run    what building and running the program needs
#   install-deps.sh test   that, and every tool the tests use
# Further package names may follow, such as the start-up measurement's tools.
set -euo pipefail

run_packages=(
    cmake g++ make pkg-config
    qt6-base-dev            # Qt 6 Widgets, Print Support and Qt Test
    libqt6svg6              # draws the SVG window icon
    libcli11-dev            # tachoria-cli's argument parsing
    nlohmann-json3-dev      # writes tachoria-cli's JSON output
    fonts-liberation2       # Arial's metrics, so the fixed layout fits its texts
)
test_packages=(
    git                                     # the static checks list the sources with it
    libgtest-dev googletest                 # GoogleTest, and its sources for the Windows build
    locales                                 # localedef, for the comma-decimal locale tests
    desktop-file-utils appstream dpkg-dev file lintian   # validate and package the desktop install
    clang libclang-rt-dev clang-tidy clang-format        # sanitizers, libFuzzer, static checks
    cmake-format                            # the CMake files checked as they are formatted
    libbenchmark-dev                        # the benchmarks
    xvfb xauth xdotool xclip dbus-x11 at-spi2-core python3-pyatspi   # the desktop-session tests
    openbox x11-utils                       # the laptop session's window manager, xprop, xwininfo
    g++-mingw-w64-x86-64-posix wine wine64  # the core built for Windows, and run
)

profile=${1:-test}
shift || true
case "$profile" in
    run) packages=("${run_packages[@]}") ;;
    test) packages=("${run_packages[@]}" "${test_packages[@]}") ;;
    *) echo "usage: $0 run|test [package...]" >&2; exit 2 ;;
esac
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
