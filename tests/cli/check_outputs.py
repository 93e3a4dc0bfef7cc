"""Runs a fixed list of tachoria-cli commands and compares what each writes
(exit status, standard output, standard error) with the outputs recorded
for it, so that a change to the core cannot change the command line's
tables, help or messages unseen.

JSON is compared as parsed, objects as lists of (key, value) pairs: the
keys, their order and the values count, the spacing does not. Everything
else is compared byte for byte.

Usage:
  check_outputs.py [--launcher WORD]... [--data DIR] CLI
  check_outputs.py --update [--launcher WORD]... [--data DIR] CLI

--launcher words go before CLI (e.g. --launcher node for a WebAssembly
build). --update rewrites the recorded outputs from CLI, keeping the
recorded text of a JSON output that still parses to the same value, so
that `git diff` shows only what changed.

The data directory (default: outputs/ beside this script) holds
commands.jsonl, one JSON array of arguments a line ('#' lines are
comments), and recorded.txt, the outputs: per command a line
"=== <arguments as JSON>", "status N", then "stdout" and "stderr" each
followed by their lines, each written "|" + the line without its "\\n".
In a line "\\" is written "\\\\", "\\r" is "\\r", other control bytes and bytes
that are not UTF-8 "\\xNN"; an output whose last line has no "\\n" ends
with the line "\\ no newline". A blank line ends a record.
"""

import argparse
import concurrent.futures
import decimal
import difflib
import json
import os
import subprocess
import sys
from pathlib import Path

NO_NEWLINE = "\\ no newline"
TIMEOUT_SECONDS = 30
SHOWN_FAILURES = 5
SHOWN_DIFF_LINES = 24


def read_commands(path):
    commands = []
    for number, line in enumerate(path.read_text(encoding="utf-8").splitlines(), 1):
        if not line.strip() or line.startswith("#"):
            continue
        args = json.loads(line)
        if not isinstance(args, list) or not all(isinstance(a, str) for a in args):
            sys.exit(f"{path}:{number}: not a JSON array of strings")
        commands.append(args)
    return commands


def escaped(line):
    """One output line (bytes, without its "\\n") as a line of the record."""
    text = []
    for char in line.decode("utf-8", errors="surrogateescape"):
        code = ord(char)
        if char == "\\":
            text.append("\\\\")
        elif char == "\r":
            text.append("\\r")
        elif 0xDC80 <= code <= 0xDCFF:  # a byte that is not UTF-8
            text.append(f"\\x{code - 0xDC00:02x}")
        elif (code < 0x20 and char != "\t") or code == 0x7F:
            text.append(f"\\x{code:02x}")
        else:
            text.append(char)
    return "|" + "".join(text)


def unescaped(line):
    """The bytes of a record's line written by escaped()."""
    data = bytearray()
    text = line[1:]
    i = 0
    while i < len(text):
        if text[i] != "\\":
            data += text[i].encode("utf-8")
            i += 1
        elif text[i + 1] == "\\":
            data += b"\\"
            i += 2
        elif text[i + 1] == "r":
            data += b"\r"
            i += 2
        elif text[i + 1] == "x":
            data.append(int(text[i + 2 : i + 4], 16))
            i += 4
        else:
            raise ValueError(f"unknown escape in {line!r}")
    return bytes(data)


def output_lines(data):
    lines = [escaped(line) for line in data.split(b"\n")]
    if lines[-1] == "|":  # the output ended with "\n" (or was empty)
        lines.pop()
    else:
        lines.append(NO_NEWLINE)
    return lines


def output_of(lines):
    if lines and lines[-1] == NO_NEWLINE:
        return b"\n".join(unescaped(line) for line in lines[:-1])
    return b"".join(unescaped(line) + b"\n" for line in lines)


class Run:
    def __init__(self, args, status, stdout, stderr):
        self.args, self.status, self.stdout, self.stderr = args, status, stdout, stderr

    def record(self):
        return (
            [f"=== {json.dumps(self.args)}", f"status {self.status}", "stdout"]
            + output_lines(self.stdout)
            + ["stderr"]
            + output_lines(self.stderr)
        )


def read_recorded(path):
    runs = []
    for number, block in enumerate(path.read_text(encoding="utf-8").split("\n\n"), 1):
        lines = block.strip("\n").split("\n")
        if lines == [""]:
            continue
        try:
            assert lines[0].startswith("=== ") and lines[1].startswith("status ")
            assert lines[2] == "stdout"
            err = lines.index("stderr")
            runs.append(
                Run(
                    json.loads(lines[0][4:]),
                    int(lines[1][7:]),
                    output_of(lines[3:err]),
                    output_of(lines[err + 1 :]),
                )
            )
        except (AssertionError, ValueError, IndexError) as error:
            sys.exit(f"{path}: record {number} is malformed ({error!r}): {lines[:2]}")
    return runs


def write_recorded(path, runs):
    path.write_text("".join("\n".join(r.record()) + "\n\n" for r in runs), encoding="utf-8")


def run(launcher, cli, args):
    try:
        done = subprocess.run(
            launcher + [cli] + args,
            stdin=subprocess.DEVNULL,
            capture_output=True,
            timeout=TIMEOUT_SECONDS,
            check=False,
        )
    except subprocess.TimeoutExpired:
        return Run(args, "timeout", b"", b"")
    except OSError as error:
        sys.exit(f"cannot run {' '.join(launcher + [cli])}: {error}")
    return Run(args, done.returncode, done.stdout, done.stderr)


def asks_for_json(args):
    """Whether the last --format the arguments give is json."""
    wanted = None
    for i, arg in enumerate(args):
        if arg == "--format" and i + 1 < len(args):
            wanted = args[i + 1]
        elif arg.startswith("--format="):
            wanted = arg[len("--format=") :]
    return wanted is not None and wanted.lower() == "json"


class Constant(str):
    """NaN, Infinity or -Infinity, which Python's reader takes as JSON."""


def canonical(value):
    """A parsed JSON value in a form whose equality is JSON's: an object is
    its (key, value) pairs in order, a number its decimal value (1 and 1.0
    are the same, true and 1 are not)."""
    if isinstance(value, Constant):
        return ("constant", str(value))
    if isinstance(value, tuple):
        return ("object", [(key, canonical(v)) for key, v in value[1]])
    if isinstance(value, list):
        return ("array", [canonical(v) for v in value])
    if isinstance(value, bool):
        return ("bool", value)
    if isinstance(value, (int, decimal.Decimal)):
        return ("number", decimal.Decimal(value))
    if value is None:
        return ("null",)
    return ("string", value)


def parsed_json(data):
    """The canonical JSON value of an output, or None if it is no JSON."""
    try:
        return canonical(
            json.loads(
                data.decode("utf-8"),
                object_pairs_hook=lambda pairs: ("object", pairs),
                parse_float=decimal.Decimal,
                parse_int=decimal.Decimal,
                parse_constant=Constant,
            )
        )
    except (UnicodeDecodeError, ValueError):
        return None


def same_stdout(args, recorded, actual):
    if recorded == actual:
        return True
    if not asks_for_json(args):
        return False
    value = parsed_json(recorded)
    return value is not None and value == parsed_json(actual)


def same(recorded, actual):
    return (
        recorded.status == actual.status
        and recorded.stderr == actual.stderr
        and same_stdout(recorded.args, recorded.stdout, actual.stdout)
    )


def leaves(value, path="$"):
    """A canonical JSON value one leaf a line, each after its path, in order."""
    kind = value[0]
    if kind == "object":
        lines = [f"{path} = {{}}"] if not value[1] else []
        for key, v in value[1]:
            lines += leaves(v, f"{path}.{json.dumps(key, ensure_ascii=False)}")
        return lines
    if kind == "array":
        lines = [f"{path} = []"] if not value[1] else []
        for i, v in enumerate(value[1]):
            lines += leaves(v, f"{path}[{i}]")
        return lines
    if kind == "string":
        return [f"{path} = {json.dumps(value[1], ensure_ascii=False)}"]
    if kind == "null":
        return [f"{path} = null"]
    if kind == "bool":
        return [f"{path} = {str(value[1]).lower()}"]
    return [f"{path} = {value[1]}"]


def shown_stdout(args, data):
    value = parsed_json(data) if asks_for_json(args) else None
    if value is None:
        return ["stdout"] + output_lines(data)
    return ["stdout (JSON as parsed)"] + leaves(value)


def difference(recorded, actual):
    before, after = (
        [f"status {r.status}"] + shown_stdout(recorded.args, r.stdout) + ["stderr"]
        + output_lines(r.stderr)
        for r in (recorded, actual)
    )
    lines = list(difflib.unified_diff(before, after, "recorded", "now", n=2, lineterm=""))
    if len(lines) > SHOWN_DIFF_LINES:
        lines = lines[:SHOWN_DIFF_LINES] + [f"... ({len(lines) - SHOWN_DIFF_LINES} more lines)"]
    return "\n".join(lines)


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("cli", help="the tachoria-cli to run")
    parser.add_argument(
        "--launcher", action="append", default=[], help="a word to put before CLI (repeatable)"
    )
    parser.add_argument(
        "--data", type=Path, default=Path(__file__).resolve().parent / "outputs"
    )
    parser.add_argument("--update", action="store_true", help="rewrite the recorded outputs")
    parser.add_argument(
        "--every", type=int, default=1,
        help="check only every Nth command: a sample, for a second runtime of the same build"
    )
    options = parser.parse_args()

    commands = read_commands(options.data / "commands.jsonl")
    recorded_path = options.data / "recorded.txt"
    if options.every > 1 and options.update:
        parser.error("--update records every command")
    chosen = commands[:: options.every]
    with concurrent.futures.ThreadPoolExecutor(max_workers=os.cpu_count() or 2) as pool:
        runs = list(pool.map(lambda args: run(options.launcher, options.cli, args), chosen))

    if options.update:
        kept = {}
        if recorded_path.exists():
            kept = {json.dumps(r.args): r for r in read_recorded(recorded_path)}
        for i, actual in enumerate(runs):
            old = kept.get(json.dumps(actual.args))
            if old is not None and same(old, actual):
                runs[i] = old  # the recorded text of an equal JSON output
        write_recorded(recorded_path, runs)
        print(f"{recorded_path}: {len(runs)} commands recorded from {options.cli}; see git diff")
        return 0

    recorded = read_recorded(recorded_path)
    if [r.args for r in recorded] != commands:
        print(
            f"{recorded_path} does not record the commands of commands.jsonl: record them"
            " with --update, from the build whose outputs they must match"
        )
        return 1
    recorded = recorded[:: options.every]
    failed = [(r, a) for r, a in zip(recorded, runs) if not same(r, a)]
    if options.every > 1:
        print(f"a sample: every {options.every}th of the commands")
    for r, a in failed[:SHOWN_FAILURES]:
        print(f"=== {json.dumps(r.args)}")
        print(difference(r, a))
    if failed:
        print(f"{len(failed)} of {len(chosen)} commands differ from {recorded_path}")
        return 1
    print(f"{len(chosen)} commands give the recorded outputs")
    return 0


if __name__ == "__main__":
    sys.exit(main())
