#!/usr/bin/env bash
# Fails when a C++ source of ours differs from what clang-format makes of it
# with the repository's .clang-format, or a CMake file from what cmake-format
# makes of it with .cmake-format.yaml.
set -euo pipefail
cd "$1"
mapfile -t files < <(git ls-files --cached --others --exclude-standard '*.cpp' '*.h')
[ ${#files[@]} -gt 0 ] || { echo "no sources found under $1"; exit 1; }
clang-format --dry-run --Werror "${files[@]}"
echo "clang-format: ${#files[@]} files formatted"
mapfile -t cmake_files < <(git ls-files --cached --others --exclude-standard \
    'CMakeLists.txt' '*/CMakeLists.txt' '*.cmake')
[ ${#cmake_files[@]} -gt 0 ] || { echo "no CMake files found under $1"; exit 1; }
failed=0
for file in "${cmake_files[@]}"; do
    cmake-format --check "$file" || { echo "$file: not as cmake-format writes it"; failed=1; }
done
[ "$failed" -eq 0 ] || exit 1
echo "cmake-format: ${#cmake_files[@]} files formatted"
