#!/usr/bin/env python3
"""The web page's binding under WebAssembly against the same page logic built
natively, and both against the native tachoria-cli.

Every stock selection in both modes with several tire texts, and 200 random
generic cases (bad and out-of-range texts included, in both decimal
separators), are replayed natively (page_replay) and through the binding
under Node (replay.js): what both pages show must be the same, cell for
cell, failure for failure. Where the command line takes the inputs, its
TSV must be the page's copied table.

    cross_check.py --node node --core tachoria-core.js --replay page_replay --cli tachoria-cli
"""
import argparse
import json
import pathlib
import random
import subprocess
import sys

HERE = pathlib.Path(__file__).resolve().parent
PLACEHOLDERS = {"<select model>", "<select year>", "<select differential>"}
STOCK_TIRES = ["24", "185/80R13", "6.50-13", "E78-14", " 24.5 in", "818 rev/mi", "0", "abc", "26x8.50"]
MODES = {"rpm": ("Gen_GetRPMButton", "StockGetRPMButton"), "mph": ("Gen_GetMPHButton", "StockGetMPHButton")}


def replay(command, cases):
    """Runs one replay program over all cases; one output line a case."""
    text = "".join(json.dumps(case) + "\n" for case in cases)
    done = subprocess.run(command, input=text, capture_output=True, text=True, check=False)
    if done.returncode != 0:
        sys.exit(f"FAIL: {' '.join(command)} ended {done.returncode}: {done.stderr[:500]}")
    lines = done.stdout.splitlines()
    if len(lines) != len(cases):
        sys.exit(f"FAIL: {command[0]} gave {len(lines)} results for {len(cases)} cases")
    return [json.loads(line) for line in lines]


def stock_selections(native):
    """Every model, year range and axle ratio the page's lists offer."""
    def items(steps, name):
        return [i for i in replay(native, [{"steps": steps}])[0]["stock"]["state"]["lists"][name]["items"]
                if i not in PLACEHOLDERS]
    selections = []
    for model in items([], "StockModel"):
        chose_model = [["choose", "StockModel", model]]
        for years in items(chose_model, "StockYear"):
            chose_years = chose_model + [["choose", "StockYear", years]]
            for axle in items(chose_years, "StockDiff"):
                selections.append((model, years, axle))
    return selections


def random_text(rng, kind):
    numbers = ["24", "3.27", "1", "0", "-5", "1e400", "1e-400", "0.0001", "99999", "2.5e1", " 3.55 ", "3,27",
               "", "abc", "12x", "1.2.3", "+7", "-0", "4.11:1", "NaN", "inf", "9" * 400, "1" * 1000]
    tires = ["185/80R13", "P205/70R14", "33x12.50R15", "818 rev/mi", "6.50-13", "E78-14", "26.5", "24 in",
             "225/45R", "1e308x1e308R1e308", "-24"]
    pool = numbers + (tires if kind == "tire" else [])
    if rng.random() < 0.3:
        return f"{rng.uniform(-10, 60):.{rng.randint(0, 4)}f}"
    return rng.choice(pool)


def generic_cases(rng, count):
    cases = []
    for _ in range(count):
        separator = rng.choice([".", ","])
        texts = {"TireBox": random_text(rng, "tire"), "DiffBox": random_text(rng, "ratio"),
                 "TransBox": random_text(rng, "ratio")}
        if separator == ",":
            texts = {k: v.replace(".", ",") if rng.random() < 0.8 else v for k, v in texts.items()}
        mode = rng.choice(list(MODES))
        steps = [["type", box, text] for box, text in texts.items()] + [["press", MODES[mode][0]]]
        cases.append({"separator": separator, "steps": steps, "mode": mode, "texts": texts})
    return cases


def cli_tsv(cli, arguments):
    done = subprocess.run([cli, *arguments, "--format", "tsv"], capture_output=True, text=True, check=False)
    return done.stdout if done.returncode == 0 else None


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--node", required=True)
    parser.add_argument("--core", required=True)
    parser.add_argument("--replay", required=True)
    parser.add_argument("--cli", required=True)
    parser.add_argument("--seed", type=int, default=2026)
    args = parser.parse_args()
    for path in (args.core, args.replay, args.cli):
        if not pathlib.Path(path).exists():
            sys.exit(f"FAIL: {path} is missing: build the release and web presets first")
    native = [args.replay]
    binding = [args.node, str(HERE / "replay.js"), args.core]

    stock = []
    for model, years, axle in stock_selections(native):
        for tire in STOCK_TIRES:
            for mode in MODES:
                steps = [["choose", "StockModel", model], ["choose", "StockYear", years],
                         ["choose", "StockDiff", axle], ["type", "StockTire", tire], ["press", MODES[mode][1]]]
                stock.append({"steps": steps, "cli": ["stock", "--model", model, "--years", years,
                                                      "--axle", axle, "--tire", tire, "--get", mode]})
    rng = random.Random(args.seed)
    generic = generic_cases(rng, 200)
    for case in generic:
        if case["separator"] == ".":
            t = case["texts"]
            case["cli"] = ["generic", "--tire", t["TireBox"] or "24", "--axle", t["DiffBox"] or "3.27",
                           "--gear", t["TransBox"] or "1", "--get", case["mode"]]
    cases = stock + generic
    inputs = [{"separator": c.get("separator", "."), "steps": c["steps"]} for c in cases]
    expected = replay(native, inputs)
    seen = replay(binding, inputs)

    faults = 0
    against_cli = 0
    for case, want, got in zip(cases, expected, seen):
        if want != got:
            faults += 1
            if faults <= 10:
                print(f"FAIL: binding differs from the native page logic for {case['steps']}:\n"
                      f"  native:  {json.dumps(want)[:400]}\n  binding: {json.dumps(got)[:400]}")
            continue
        page = "stock" if case["steps"][-1][1].startswith("Stock") else "generic"
        shown = got[page]
        if "cli" in case and shown["state"]["failure"] == "" and shown["copy"]:
            tsv = cli_tsv(args.cli, case["cli"])
            if tsv is not None:
                against_cli += 1
                if tsv.replace("\r\n", "\n") != shown["copy"].replace("\r\n", "\n"):
                    faults += 1
                    print(f"FAIL: tachoria-cli {case['cli']} differs from the page's table:\n"
                          f"  cli:  {tsv[:200]!r}\n  page: {shown['copy'][:200]!r}")
    failures = sum(1 for r in seen for p in ("generic", "stock") if r[p]["state"]["failure"])
    print(f"{len(stock)} stock and {len(generic)} generic cases: binding = native; "
          f"{against_cli} tables also = tachoria-cli; {failures} failures compared")
    if against_cli < len(stock) // 3:
        print("FAIL: too few tables compared with tachoria-cli")
        faults += 1
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
