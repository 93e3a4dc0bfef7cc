#!/usr/bin/env bash
# Builds the Debian package from a build tree and checks what it installs
# and what it depends on.
set -euo pipefail
build=$1
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

(cd "$build" && cpack -G DEB -B "$out" >/dev/null)
deb=$(ls "$out"/*.deb)
contents=$(dpkg-deb -c "$deb")
depends=$(dpkg-deb -f "$deb" Depends)

fail=0
for path in ./usr/bin/tachoria \
            ./usr/share/applications/org.tachoria.Tachoria.desktop \
            ./usr/share/icons/hicolor/scalable/apps/org.tachoria.Tachoria.svg \
            ./usr/share/metainfo/org.tachoria.Tachoria.metainfo.xml \
            ./usr/bin/tachoria-cli \
            ./usr/share/man/man1/tachoria.1.gz \
            ./usr/share/man/man1/tachoria-cli.1.gz \
            ./usr/share/doc/tachoria/copyright \
            ./usr/share/doc/tachoria/changelog.gz; do
    grep -q " $path\$" <<<"$contents" || { echo "missing from the package: $path"; fail=1; }
done
for dependency in libqt6widgets6 libqt6gui6 libqt6core6 libqt6svg6 fonts-liberation2; do
    grep -q "$dependency" <<<"$depends" || { echo "not a dependency: $dependency"; fail=1; }
done
if grep -q tachoria_screenshots <<<"$contents"; then
    echo "the screenshot tool is not for installing"; fail=1
fi
# Debian's own checks: no errors and no warnings (information tags pass).
if ! report=$(lintian --fail-on error,warning --tag-display-limit 0 "$deb" 2>&1); then
    echo "$report"
    echo "lintian found errors or warnings"
    fail=1
fi
echo "package $(basename "$deb"), depends: $depends"
exit $fail
