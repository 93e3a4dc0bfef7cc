"""Writes outputs/commands.jsonl, the commands whose outputs check_outputs.py
compares: every example of README.md and app/man/tachoria-cli.1, every
tire form they document, the help of every subcommand, a few usage
errors, then random commands from a fixed seed, valid and not, over every
subcommand, option and format.

Usage: make_commands.py [file]   (default: outputs/commands.jsonl beside it)

The file is committed: after changing this script, write it again and run
check_outputs.py --update against the build the outputs are recorded from.
"""

import json
import random
import shlex
import sys
from pathlib import Path

SEED = 22
RANDOM_COMMANDS = 200

EARLY = "Early Car (1961-1964)"
GEARS = "3.65,2.35,1.44,1"

# The examples, as README.md and app/man/tachoria-cli.1 print them (once
# where both do), then what their prose says in words.
DOCUMENTED = [
    ("README.md, app/man/tachoria-cli.1",
     "generic --tire 185/80R13 --axle 3.55 --get rpm"),
    ("README.md, app/man/tachoria-cli.1",
     'stock --model "Early Car (1961-1964)" --years 1961-1963'
     " --axle 3.27 --tire 24 --get mph --format csv"),
    ("README.md",
     "compare --a-tire 24 --a-axle 3.27 --a-gears 3.65,2.35,1.44,1"
     " --b-tire 185/80R13 --b-axle 3.55 --b-gears 3.65,2.35,1.44,1 --redline 5500"),
    ("README.md", "catalogue --format tsv"),
    ("README.md, app/man/tachoria-cli.1",
     "solve axle --rpm 2800 --speed 70 --tire 24 --gear 1"),
    ("app/man/tachoria-cli.1",
     'generic --tire "818 rev/mi" --get rpm --format json'),
    ("app/man/tachoria-cli.1",
     "compare --a-tire 24 --a-axle 3.27 --a-gears 3.65,2.35,1.44,1"
     " --b-tire 185/80R13 --b-axle 3.55 --b-gears 3.65,2.35,1.44,1 --format json"),
    ("app/man/tachoria-cli.1", "catalogue --format csv"),
    ("docs/performance.md, scripts/measure-cli.sh", "generic --get rpm --format tsv"),
    ("README.md: compare in km/h",
     "compare --a-tire 24 --a-axle 3.27 --a-gears 3.65,2.35,1.44,1"
     " --b-tire 185/80R13 --b-axle 3.55 --b-gears 3.65,2.35,1.44,1 --unit kmh"),
    ("app/man/tachoria-cli.1: the speedometer driven from a wheel",
     "compare --a-tire 24 --a-axle 3.27 --a-gears 3.65,2.35,1.44,1"
     " --b-tire 185/80R13 --b-axle 3.55 --b-gears 3.65,2.35,1.44,1 --driven-from wheel"),
    ("README.md: the tire for a target",
     "solve tire --rpm 2800 --speed 70 --axle 3.27 --gear 1"),
    ("README.md: which axle ratio, from the catalogue",
     'solve identify --rpm 2900 --speed 60 --tire 24 --model "Early Car (1961-1964)"'
     " --years 1961-1963 --in-gear 4"),
    ("README.md: which axle ratio, from typed gears",
     'solve identify --rpm 2900 --speed 60 --tire "818 rev/mi" --gears 3.65,2.35,1.44,1'
     " --in-gear 4"),
    ("app/man/tachoria-cli.1: 63 at a true 60 is +5",
     "solve speedometer --teeth 18 --error 5"),
    ("README.md: a change of tires and axle",
     "solve speedometer --teeth 18 --driven-from transmission --a-tire 24 --a-axle 3.27"
     " --b-tire 185/80R13 --b-axle 3.55"),
    ("README.md: driven from a front wheel",
     "solve speedometer --teeth 18 --driven-from wheel --a-tire 24 --b-tire 185/80R13"),
    ("README.md: A's model line drives the speedometer; the Powerglide as typed gears",
     'compare --a-tire 24 --a-axle 3.27 --a-model "Late Car (1965-1969)" --a-years 1966-1969'
     " --b-tire 185/80R13 --b-axle 3.55 --b-gears 1.82,1"),
    ("README.md: the late car's front wheel, a cable ratio adapter",
     'solve speedometer --model "Late Car (1965-1969)" --years 1966-1969 --a-tire 25.3'
     " --b-tire 195/70R14"),
    ("README.md: the early car's transaxle",
     'solve speedometer --teeth 18 --model "Early Car (1961-1964)" --years 1961-1963'
     " --a-tire 24 --a-axle 3.27 --b-tire 185/80R13 --b-axle 3.55"),
]

# Every tire form of the README's table and the man page's TIRE SIZES,
# and the ones they say give no diameter.
DOCUMENTED_TIRES = [
    "24", "25.5", '33"', "24 in", "185/80R13", "P215/65 R15", "225/45ZR17 94W XL",
    "LT265/75R16 120/116S E", "235-75R15", "225 45 17", "235/75R17.5", "165R15", "165SR15",
    "155/R13", "33x12.50R15", "31x10.50R15LT", "LT35x12.50R17", "818 rev/mi", "818 revs/mile",
    "6.50-13", "7.00x15", "E78-14", "225/45R",
]
# The Corvair's factory bias sizes as the README and the man pages write
# them, a comma, and an inch width beside them that still gives no
# diameter. Apart from the list above, so that the random commands drawn
# from it stay as recorded (6.50-13, which reads now, among the refused).
PERIOD_TIRES = [
    "6.50x13", "6.50-13 4PR", "650-13", "7.00-13", "7.00 B 14", "700-14 bias", "6,50-13",
    "6.50-14",
]

HELP = [
    [], ["--help"], ["-h"], ["--version"], ["generic", "--help"], ["stock", "--help"],
    ["compare", "--help"], ["catalogue", "--help"], ["solve", "--help"], ["solve"],
    ["solve", "axle", "--help"], ["solve", "tire", "--help"], ["solve", "identify", "--help"],
    ["solve", "speedometer", "--help"], ["gneric", "--get", "rpm"], ["solve", "wheel"],
    ["generic"], ["catalogue", "extra"], ["--colour"],
    # Arguments that are not plain ASCII: a byte that is not UTF-8 (written
    # as the surrogate Python passes as that byte), other scripts' digits,
    # a no-break space, a typographic inch sign and a line break, each of
    # which a message quotes.
    ["generic", "--tire", "24\udcff", "--get", "rpm"],
    ["gen\udce9ric", "--get", "rpm"],
    ["generic", "--tire", "\uff12\uff14", "--get", "rpm"],
    ["generic", "--tire", "24\u00a0in", "--get", "rpm"],
    ["solve", "axle", "--rpm", "2800", "--speed", "70 km/h", "--tire", "24\u201d", "--gear", "1"],
    ["compare", "--a-tire", "24\n", "--a-axle", "3.27", "--a-gears", GEARS,
     "--b-tire", "24", "--b-axle", "3.55", "--b-gears", GEARS],
]

# Each kind of output in each format, from inputs that give one.
EVERY_FORMAT = [
    "generic --tire 185/80R13 --axle 3.55 --gear 0.82 --get rpm",
    "generic --tire 185/80R13 --axle 3.55 --gear 0.82 --get mph",
    'stock --model "Early Car (1961-1964)" --years 1961-1963 --axle 3.55 --tire 185/80R13'
    " --get rpm",
    'stock --model "Forward Control" --years "1961 (early)" --axle 3.27 --tire 24 --get mph',
    # Six gears against four, with cells past a low redline (marked).
    "compare --a-tire 24 --a-axle 3.27 --a-gears 3.65,2.35,1.44,1 --b-tire 165R15"
    " --b-axle 4.11 --b-gears 3.2,2.3,1.6,1.2,1,0.85 --redline 3000 --unit kmh"
    " --driven-from wheel",
    "catalogue",
    "solve axle --rpm 3000 --speed 110 --tire 225/45ZR17 --gear 0.82 --unit kmh",
    "solve tire --rpm 2800 --speed 70 --axle 3.55 --gear 1",
    'solve identify --rpm 2650 --speed 60 --tire "818 rev/mi"'
    ' --model "Late Car (1965-1969)" --years 1966-1969 --in-gear 4',
    "solve identify --rpm 4000 --speed 50 --tire 24 --gears 3.2,1.89,1.23,0.9 --in-gear 2",
    "solve speedometer --teeth 18 --error -3.5",
    "solve speedometer --teeth 20 --a-tire 24 --a-axle 3.27 --b-tire 205/70R14 --b-axle 3.55",
]

# Values to draw from, (ones that work, ones that do not).
TIRES = (
    DOCUMENTED_TIRES[:19] + ["26", "27.25", " 24 ", "p195/70r14", "195/70 R14 91H", "5", "100"],
    DOCUMENTED_TIRES[19:] + [
        "", "abc", "0", "-24", "4.9", "100.1", "1e9", "24,5", "1e-400", "nan", "inf", "24x",
        "12 rev/mi", "100000 rev/mi", "185/80R13.5", "185/80/13", "185/80R", "0/80R13",
    ],
)
RATIOS = (
    ["3.27", "3.55", "3.08", "3.89", "4.11", "1", ".82", "0.05", "50", "2.5e0", " 3.27 "],
    ["", "0", "-1", "0.049", "50.01", "3,55", "abc", "1e-400", "3.27x", "NaN", "1e400"],
)
GEAR_LISTS = (
    [GEARS, "3.2,1.89,1.23,0.9", "3.11,2.2,1.51,1.0", "1", "2.5,1.5,1,0.8,0.7,0.6", "3.65, 2.35"],
    ["3.65,2.35,1.44,1,0.8,0.7,0.6", "3.65,,1", "3.65;2.35", "3,65", "", "3.65,2.35,0",
     "1,2,x", ",", "3.65,2.35,1.44,51"],
)
RPMS = (
    ["2800", "3000", "100", "30000", "4500.5", "2900"],
    ["99", "30001", "0", "", "x", "2,800", "-3000"],
)
MPH = (
    ["70", "60", "1", "300", "55.5"],
    ["0", "301", "-5", "", "seventy", "70,5", "0.5", "1e-400"],
)
KMH = (["100", "120", "1", "500"], ["501", "0", "80,5"])
TEETH = (["18", "20", "1", "100"], ["0", "101", "18.5", "x", "", "-18"])
ERRORS = (["5", "-3.5", "50", "-50", "0"], ["51", "-50.5", "five", "5%", "", "2,5"])
REDLINES = (["5500", "6000", "4800", "100", "30000"], ["99", "30001", "", "6,000", "redline"])
IN_GEARS = (["1", "2", "3", "4"], ["0", "5", "7", "2.5", "top"])
FORMATS = (["text", "tsv", "csv", "json"], ["JSON", "Csv", "xml", ""])
UNITS = (["mph", "kmh"], ["KMH", "furlongs", ""])
DRIVES = (["transmission", "wheel"], ["Wheel", "axle", ""])
GETS = (["rpm", "mph"], ["RPM", "kmh"])
UNKNOWN_OPTIONS = ["--colour", "--tyre", "-x", "--rpm"]

CATALOGUE = {
    EARLY: {"1961-1963": ["3.08", "3.27", "3.55", "3.89"], "1964": ["3.27", "3.55"]},
    "Forward Control": {
        "1961 (early)": ["3.27"],
        "1961(late)-1963": ["3.08", "3.27", "3.55", "3.89"],
        "1964-1965": ["3.27", "3.55"],
    },
    "Late Car (1965-1969)": {"1965": ["3.27", "3.55"], "1966-1969": ["3.27", "3.55"]},
}


class Maker:
    """Random commands, each an option list built and then maybe spoiled."""

    def __init__(self, seed):
        self.rng = random.Random(seed)

    def value(self, values, bad_chance=0.15):
        """One of `values`' good texts, or at `bad_chance` one of its bad."""
        good, bad = values
        return self.rng.choice(bad if self.rng.random() < bad_chance else good)

    def maybe(self, chance, options):
        return options if self.rng.random() < chance else []

    def format_options(self):
        return self.maybe(0.75, ["--format", self.value(FORMATS, 0.1)])

    def unit_options(self):
        return self.maybe(0.5, ["--unit", self.value(UNITS, 0.1)])

    def generic(self):
        options = []
        for name, values in (("--tire", TIRES), ("--axle", RATIOS), ("--gear", RATIOS)):
            options += self.maybe(0.7, [name, self.value(values)])
        options += ["--get", self.value(GETS, 0.15)]
        return ["generic"] + options + self.format_options()

    def stock(self):
        model = self.rng.choice(list(CATALOGUE))
        years = self.rng.choice(list(CATALOGUE[model]))
        axle = self.rng.choice(CATALOGUE[model][years])
        if self.rng.random() < 0.15:
            model, years, axle = self.rng.choice(
                [("Early car", years, axle), (model, "1962", axle), (model, years, "4.11"),
                 (model, years, "3.270"), ("Late Car (1965-1969)", "1961-1963", axle)]
            )
        options = ["--model", model, "--years", years, "--axle", axle]
        options += ["--tire", self.value(TIRES), "--get", self.value(GETS, 0)]
        return ["stock"] + options + self.format_options()

    def compare(self):
        options = []
        for letter in "ab":
            options += [f"--{letter}-tire", self.value(TIRES)]
            options += [f"--{letter}-axle", self.value(RATIOS)]
            options += [f"--{letter}-gears", self.value(GEAR_LISTS)]
        options += self.maybe(0.5, ["--redline", self.value(REDLINES)])
        options += self.maybe(0.3, ["--driven-from", self.value(DRIVES, 0.15)])
        return ["compare"] + options + self.unit_options() + self.format_options()

    def catalogue(self):
        return ["catalogue"] + self.format_options()

    def target(self, unit_options):
        speeds = KMH if unit_options and unit_options[1].lower() == "kmh" else MPH
        return ["--rpm", self.value(RPMS), "--speed", self.value(speeds)]

    def axle(self):
        units = self.unit_options()
        options = self.target(units) + ["--tire", self.value(TIRES), "--gear", self.value(RATIOS)]
        return ["solve", "axle"] + options + units + self.format_options()

    def tire(self):
        units = self.unit_options()
        options = self.target(units) + ["--axle", self.value(RATIOS), "--gear", self.value(RATIOS)]
        return ["solve", "tire"] + options + units + self.format_options()

    def identify(self):
        units = self.unit_options()
        options = self.target(units) + ["--tire", self.value(TIRES)]
        if self.rng.random() < 0.5:
            options += ["--gears", self.value(GEAR_LISTS)]
        else:
            model = self.rng.choice(list(CATALOGUE))
            options += ["--model", model, "--years", self.rng.choice(list(CATALOGUE[model]))]
        options += ["--in-gear", self.value(IN_GEARS)]
        return ["solve", "identify"] + options + units + self.format_options()

    def speedometer(self):
        options = ["--teeth", self.value(TEETH)]
        if self.rng.random() < 0.4:
            options += ["--error", self.value(ERRORS)]
        else:
            drive = self.value(DRIVES, 0.15) if self.rng.random() < 0.7 else None
            options += ["--driven-from", drive] if drive is not None else []
            # Driven from a wheel, the axles may be left out.
            axles = 0.3 if drive == "wheel" else 1
            options += ["--a-tire", self.value(TIRES)]
            options += self.maybe(axles, ["--a-axle", self.value(RATIOS)])
            options += ["--b-tire", self.value(TIRES)]
            options += self.maybe(axles, ["--b-axle", self.value(RATIOS)])
        return ["solve", "speedometer"] + options + self.unit_options() + self.format_options()

    def spoiled(self, args):
        """`args`, or (one time in four) with a usage mistake made in them."""
        if self.rng.random() >= 0.25:
            return args
        options = [i for i, a in enumerate(args) if a.startswith("--")]
        mistakes = ["drop", "unknown", "no value", "equals", "twice", "help", "excludes"]
        mistake = self.rng.choice(mistakes)
        if mistake == "drop" and options:
            i = self.rng.choice(options)
            return args[:i] + args[i + 2 :]
        if mistake == "unknown":
            i = self.rng.randrange(len(args) + 1)
            return args[:i] + [self.rng.choice(UNKNOWN_OPTIONS), "red"] + args[i:]
        if mistake == "no value" and options:
            i = self.rng.choice(options)
            return args[: i + 1] if i + 1 < len(args) else args + ["--get"]
        if mistake == "equals" and options:
            i = self.rng.choice(options)
            if i + 1 < len(args):
                return args[:i] + [f"{args[i]}={args[i + 1]}"] + args[i + 2 :]
        if mistake == "twice" and options:
            i = self.rng.choice(options)
            return args + args[i : i + 2]
        if mistake == "help":
            return args + ["--help"]
        if mistake == "excludes" and args[:2] == ["solve", "identify"]:
            if "--gears" in args:
                return args + ["--model", EARLY, "--years", "1964"]
            return args + ["--gears", GEARS]
        if mistake == "excludes" and args[:2] == ["solve", "speedometer"]:
            return args + (["--a-tire", "24"] if "--error" in args else ["--error", "5"])
        return args

    def commands(self, count, taken):
        makers = [self.generic, self.stock, self.compare, self.catalogue, self.axle, self.tire,
                  self.identify, self.speedometer]
        weights = [5, 4, 5, 1, 3, 3, 4, 4]
        made = []
        while len(made) < count:
            args = self.spoiled(self.rng.choices(makers, weights)[0]())
            key = json.dumps(args)
            if key not in taken:
                taken.add(key)
                made.append(args)
        return made


def main():
    here = Path(__file__).resolve().parent
    path = Path(sys.argv[1]) if len(sys.argv) > 1 else here / "outputs" / "commands.jsonl"
    lines = ["# Written by tests/cli/make_commands.py: edit that, not this."]
    taken = set()

    def add(args, comment=None):
        key = json.dumps(args)
        if key in taken:
            return
        taken.add(key)
        if comment:
            lines.append(f"# {comment}")
        lines.append(key)

    for source, command in DOCUMENTED:
        add(shlex.split(command), source)
    lines.append("# Each kind of output in each format.")
    for command in EVERY_FORMAT:
        for output in ("text", "tsv", "csv", "json"):
            add(shlex.split(command) + ["--format", output])
    lines.append("# Each documented tire form, on the generic page and the stock page.")
    for tire in DOCUMENTED_TIRES + PERIOD_TIRES:
        add(["generic", "--tire", tire, "--get", "mph"])
    late = ["--model", "Late Car (1965-1969)", "--years", "1966-1969", "--axle", "3.55"]
    for tire in DOCUMENTED_TIRES + PERIOD_TIRES:
        add(["stock"] + late + ["--tire", tire, "--get", "rpm", "--format", "tsv"])
    lines.append("# Help, the version, usage errors and arguments that are not ASCII.")
    for args in HELP:
        add(args)
    lines.append(f"# {RANDOM_COMMANDS} random commands, seed {SEED}.")
    for args in Maker(SEED).commands(RANDOM_COMMANDS, taken):
        lines.append(json.dumps(args))
    path.write_text("\n".join(lines) + "\n", encoding="utf-8")
    print(f"{path}: {sum(not line.startswith('#') for line in lines)} commands")


if __name__ == "__main__":
    main()
