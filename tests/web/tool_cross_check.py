#!/usr/bin/env python3
"""The comparison's and the questions' tables through the web page's binding
under Node against the native tachoria-cli, cell for cell.

Random comparisons (both units, 1 to 6 gears a setup, size codes, both
speedometer drives) and random rounds of each question are written as page
addresses, opened through the binding in both decimal points, and given to
tachoria-cli compare / solve as the same options: every table must be the
command line's TSV, the page's "▲" aside and its decimal point made ".".
The address the binding writes back must open the same tables again.

    tool_cross_check.py --node node --core tachoria-core.js --cli tachoria-cli
"""
import argparse
import json
import pathlib
import random
import re
import subprocess
import sys
import urllib.parse

HERE = pathlib.Path(__file__).resolve().parent
TIRES = ["24", "24.5", "26.5", "185/80R13", "P205/70R14", "195/70R14", "225/60R15", "6.50-13",
         "E78-14", "33x12.50R15", "818 rev/mi"]
MARK = " \u25B2"


def ratio(rng, low, high):
    return f"{rng.uniform(low, high):.{rng.randint(0, 2)}f}"


def gears(rng):
    count = rng.randint(1, 6)
    return ",".join(sorted((ratio(rng, 0.7, 4.0) for _ in range(count)), reverse=True))


def comparison(rng):
    options = []
    for side in "ab":
        options += [(f"{side}-tire", rng.choice(TIRES)), (f"{side}-axle", ratio(rng, 2.5, 4.6)),
                    (f"{side}-gears", gears(rng))]
    options += [("redline", str(rng.randint(30, 80) * 100)), ("unit", rng.choice(["mph", "kmh"])),
                ("driven-from", rng.choice(["transmission", "wheel"]))]
    return "compare", options


def question(rng, which):
    unit = ("unit", rng.choice(["mph", "kmh"]))
    rpm = ("rpm", str(rng.randint(1500, 6000)))
    speed = ("speed", ratio(rng, 20, 130))
    if which == "axle":
        options = [rpm, speed, ("tire", rng.choice(TIRES)), ("gear", ratio(rng, 0.7, 3.5))]
    elif which == "tire":
        options = [rpm, speed, ("axle", ratio(rng, 2.5, 4.6)), ("gear", ratio(rng, 0.7, 3.5))]
        if rng.random() < 0.5:
            options.append(("rim", rng.choice(["13", "14", "15"])))
    elif which == "identify":
        typed = gears(rng)
        options = [rpm, speed, ("tire", rng.choice(TIRES)), ("gears", typed),
                   ("in-gear", str(rng.randint(1, typed.count(",") + 1)))]
    else:
        options = [("teeth", str(rng.randint(15, 22)))]
        if rng.random() < 0.5:
            options.append(("error", f"{rng.choice(['+', '-'])}{rng.randint(1, 12)}"))
        else:
            options += [("a-tire", rng.choice(TIRES)), ("b-tire", rng.choice(TIRES)),
                        ("a-axle", ratio(rng, 2.5, 4.6)), ("b-axle", ratio(rng, 2.5, 4.6))]
        if rng.random() < 0.5:
            options.append(("driven-from", "wheel"))
    return f"solve-{which}", options + [unit]


def address(view, options):
    return view + "?" + "&".join(f"{n}={urllib.parse.quote(v, safe='')}" for n, v in options)


def cli_grids(cli, view, options):
    command = [cli, *view.split("-", 1)] + [a for n, v in options for a in (f"--{n}", v)]
    done = subprocess.run(command + ["--format", "tsv"], capture_output=True, text=True, check=False)
    if done.returncode != 0:
        return None
    grids = [[]]
    for line in done.stdout.split("\n"):
        if line.strip() == "":
            grids.append([])
        else:
            grids[-1].append(line.rstrip("\r").split("\t"))
    return [g for g in grids if g]


def as_cli(cell):
    cell = cell[:-len(MARK)] if cell.endswith(MARK) else cell
    return re.sub(r"([0-9]),([0-9])", r"\1.\2", cell)


def page_grid(table):
    grid = [[as_cli(h) for h in table["headers"]]]
    for row in table["rows"]:
        grid.append([as_cli(row["label"])] + [as_cli(c) for c in row["cells"]])
    return grid


def replay(node, core, cases):
    text = "".join(json.dumps(c) + "\n" for c in cases)
    done = subprocess.run([node, str(HERE / "tool_replay.js"), core], input=text,
                          capture_output=True, text=True, check=False)
    if done.returncode != 0:
        sys.exit(f"FAIL: tool_replay.js ended {done.returncode}: {done.stderr[:500]}")
    return [json.loads(line) for line in done.stdout.splitlines()]


def main():
    parser = argparse.ArgumentParser(description=__doc__,
                                     formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--node", required=True)
    parser.add_argument("--core", required=True)
    parser.add_argument("--cli", required=True)
    parser.add_argument("--comparisons", type=int, default=200)
    parser.add_argument("--rounds", type=int, default=50)
    parser.add_argument("--seed", type=int, default=2025)
    args = parser.parse_args()
    for path in (args.core, args.cli):
        if not pathlib.Path(path).exists():
            sys.exit(f"FAIL: {path} is missing: build the release and web presets first")
    rng = random.Random(args.seed)
    made = [comparison(rng) for _ in range(args.comparisons)]
    for which in ("axle", "tire", "identify", "speedometer"):
        made += [question(rng, which) for _ in range(args.rounds)]
    cases = [{"address": address(v, o), "separator": s} for v, o in made for s in (".", ",")]
    seen = replay(args.node, args.core, cases)
    if len(seen) != len(cases):
        sys.exit(f"FAIL: {len(seen)} results for {len(cases)} addresses")
    # The addresses the binding wrote, opened again: the same tables.
    again = replay(args.node, args.core, [{"address": r["address"], "separator": c["separator"]}
                                          for r, c in zip(seen, cases)])

    faults = compared = 0
    for index, (view, options) in enumerate(made):
        expected = cli_grids(args.cli, view, options)
        for at in (2 * index, 2 * index + 1):
            result, case = seen[at], cases[at]
            if result["opened"]["said"]:
                faults += 1
                print(f"FAIL: {case['address']} said {result['opened']['said']}")
            if again[at].get("tables") != result.get("tables"):
                faults += 1
                print(f"FAIL: {result['address']} (written back) opens other tables than "
                      f"{case['address']} with {case['separator']!r}")
            if expected is None:
                continue
            compared += 1
            grids = [page_grid(t) for t in result["tables"]]
            if grids != expected:
                faults += 1
                if faults <= 10:
                    print(f"FAIL: {case['address']} with {case['separator']!r}:\n"
                          f"  cli:  {json.dumps(expected)[:600]}\n  page: {json.dumps(grids)[:600]}")
    print(f"{len(made)} addresses in both decimal points: {compared} tables = tachoria-cli's")
    if compared < len(cases) * 3 // 4:
        faults += 1
        print("FAIL: too few answered cases to compare with tachoria-cli")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
