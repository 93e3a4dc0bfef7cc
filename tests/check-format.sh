#!/usr/bin/env bash
# Fails when a C++ source of ours differs from what clang-format makes of it
# with the repository's .clang-format.
set -euo pipefail
cd "$1"
mapfile -t files < <(git ls-files --cached --others --exclude-standard '*.cpp' '*.h')
[ ${#files[@]} -gt 0 ] || { echo "no sources found under $1"; exit 1; }
clang-format --dry-run --Werror "${files[@]}"
echo "clang-format: ${#files[@]} files formatted"
