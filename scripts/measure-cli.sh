#!/usr/bin/env bash
# Times tachoria-cli printing a table against the cost of starting any C++
# program (the floor: one that prints one line with std::cout, and so loads
# the C++ library as tachoria-cli does), against the same line printed with
# C's puts (no C++ library at all), and against what a scripter would
# otherwise write (python3 -c computing the same table), in one hyperfine
# run. Reports the means and the ratios to the floor.
#   Usage: scripts/measure-cli.sh [runs]
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-200}

bash scripts/install-deps.sh test hyperfine
cmake --preset release >/dev/null
cmake --build --preset release --parallel "$(nproc)" --target tachoria-cli >/dev/null

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cat >"$work/floor.cpp" <<'CPP'
#include <iostream>
int main() { std::cout << "MPH\tRPM\n"; }
CPP
cat >"$work/puts.cpp" <<'CPP'
#include <cstdio>
int main() { std::puts("MPH\tRPM"); }
CPP
g++ -O2 "$work/floor.cpp" -o "$work/floor"
g++ -O2 "$work/puts.cpp" -o "$work/puts"

# The generic "Get RPM" table with the defaults, in the program's order of
# operations.
python_table='import math
a = 3.27 * 336.135; b = 1 * a; c = b / 24
print("MPH\tRPM")
for mph in range(10, 121, 10): print(f"{mph}\t{math.floor(mph * c)}")'

cli="$PWD/build/app/tachoria-cli generic --get rpm --format tsv"
diff <($cli) <(/usr/bin/python3 -c "$python_table") >/dev/null ||
    { echo "python's table differs from the program's" >&2; exit 1; }

hyperfine --shell=none --warmup 20 --runs "$runs" --export-json "$work/times.json" \
    --command-name floor "$work/floor" \
    --command-name "C puts" "$work/puts" \
    --command-name tachoria-cli "$cli" \
    --command-name "python3 -c" "/usr/bin/python3 -c '$python_table'" >/dev/null

/usr/bin/python3 - "$work/times.json" <<'PY'
import json, sys
results = {r["command"]: r for r in json.load(open(sys.argv[1]))["results"]}
floor = results["floor"]["mean"]
print(f"{'':14}{'mean ms':>10}{'± ms':>8}{'ratio to floor':>16}")
for name in ("floor", "C puts", "tachoria-cli", "python3 -c"):
    r = results[name]
    print(f"{name:14}{r['mean'] * 1e3:10.2f}{r['stddev'] * 1e3:8.2f}{r['mean'] / floor:16.2f}")
PY
