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
    emscripten binaryen                     # the core built as WebAssembly, run under node
    libbrotli1 libc-ares2 libicu72 libnghttp2-14 libssl3 libuv1 zlib1g  # what Node 18 links,
    node-acorn node-cjs-module-lexer node-undici                         # and loads at start
    chromium chromium-driver python3-selenium   # the web page's tests, in a headless browser
    librsvg2-bin                            # rsvg-convert: the web app's icons drawn from the SVG
)
# Debian's Node 18, unpacked beside the machine's node (not installed over
# it): the WebAssembly build is tested under both.
node18_version=18.20.4+dfsg-1~deb12u3
node18_root=/var/cache/tachoria/node18

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

# fetch_node18: unpacks Node 18 into $node18_root unless it is there.
fetch_node18() {
    [ -x "$node18_root/usr/bin/node" ] && return 0
    local debs
    debs=$(mktemp -d)
    # apt downloads as its own user, who must be able to write there.
    "${as_root[@]}" chown _apt "$debs" 2>/dev/null || true
    (cd "$debs" && "${as_root[@]}" apt-get download -qq "nodejs=$node18_version" \
        "libnode108=$node18_version")
    "${as_root[@]}" mkdir -p "$node18_root"
    for deb in "$debs"/*.deb; do
        "${as_root[@]}" dpkg -x "$deb" "$node18_root"
    done
    "${as_root[@]}" rm -rf "$debs"
}

need_node18=false
if [ "$profile" = test ] && [ ! -x "$node18_root/usr/bin/node" ]; then
    need_node18=true
fi
[ ${#missing[@]} -eq 0 ] && ! $need_node18 && exit 0

if [ "$(id -u)" -eq 0 ]; then
    as_root=()
elif command -v sudo >/dev/null; then
    as_root=(sudo)
else
    wanted=("${missing[@]}")
    $need_node18 && wanted+=("Node 18 in $node18_root")
    echo "Missing: ${wanted[*]}. Run this as root to install them." >&2
    exit 1
fi
"${as_root[@]}" apt-get update -qq
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq --no-install-recommends \
        "${missing[@]}"
fi
if $need_node18; then
    echo "Unpacking Node $node18_version into $node18_root"
    fetch_node18
fi
