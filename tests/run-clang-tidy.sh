#!/usr/bin/env bash
# Runs clang-tidy with the repository's .clang-tidy over every source file of
# ours that the build compiled and that the programs are made of; fails on
# any finding. The tests, fuzzers and benchmarks are left out: they hold a
# third of the files and most of the time (GoogleTest's and Qt Test's
# macros), for findings that never reach a user.
set -euo pipefail
build=$1
source=$2
files=$(cd "$source" && git ls-files '*.cpp' ':!tests/' ':!fuzz/' ':!bench/' | while read -r f; do
    grep -qF "\"$source/$f\"" "$build/compile_commands.json" && echo "$source/$f"
done)
[ -n "$files" ] || { echo "no sources found in $build/compile_commands.json"; exit 1; }
# Headers are checked in every folder that docs/architecture.md describes, so
# that a new library is checked as soon as it has its row there.
folders=$(python3 -B "$source/tests/layers/check_layers.py" --folders "$source" | sed 's:/$::' | paste -sd '|')
[ -n "$folders" ] || { echo "no folders in docs/architecture.md"; exit 1; }
echo "$files" | xargs -P "$(nproc)" -n 4 clang-tidy -p "$build" --quiet \
    --header-filter="^$source/($folders)/.*\.h\$" 2>/dev/null
echo "clang-tidy: $(echo "$files" | wc -l) files clean"
