"""Tachoria on a laptop: a 1366×728 screen (768 less a 40 px panel) with a
window manager (openbox), used with real keys (xdotool), read back through
AT-SPI and through what the window manager sees (xwininfo, xprop). The
comparison window must open wholly on the screen, show or scroll to each of
its parts, shrink to 1280×700 and still do so, come back from minimized on
Ctrl+G, and start from good setups.

Every check runs, whatever the one before it found; the test fails if any
did.

Usage: laptop_session.py PROGRAM COMPARISON_HEADER [SCREENSHOT_DIR]
COMPARISON_HEADER (comparison/Comparison.h) gives the footnote's text.
With SCREENSHOT_DIR, the screen after each check is saved there (this
needs ImageMagick's `import`).
"""

import os
import re
import subprocess

from desktop_session import (Desktop, Failure, STEP_LIMIT, main_with_limit, show_early_car_rpm,
                             wait_for)
from session import Session

TIME_LIMIT = 120  # seconds for the whole test, whatever happens
SCREEN = (1366, 728)
SMALLER = (1280, 700)  # what the window must shrink to
TABLES = ("Cruise: engine RPM in top gear", "Each gear at the redline",
          "Speedometer after the change")
CHART = "Chart of engine RPM against road speed"
GEAR_NAMES = ("1st", "2nd", "3rd", "4th", "5th", "6th")


def footnote_text(header):
    """The footnote, from the string literals of kRoundingNote and
    kSpeedometerDriveNote."""
    text = open(header, encoding="utf-8").read()

    def constant(name):
        literals = re.search(name + r'\s*=\s*((?:"(?:[^"\\]|\\.)*"\s*)+);', text).group(1)
        return "".join(re.findall(r'"((?:[^"\\]|\\.)*)"', literals))

    return constant("kRoundingNote") + " " + constant("kSpeedometerDriveNote")


class Rect:
    def __init__(self, x, y, width, height):
        self.x, self.y, self.width, self.height = x, y, width, height

    def inside(self, other):
        return (self.x >= other.x and self.y >= other.y
                and self.x + self.width <= other.x + other.width
                and self.y + self.height <= other.y + other.height)

    def meet(self, other):
        x, y = max(self.x, other.x), max(self.y, other.y)
        right = min(self.x + self.width, other.x + other.width)
        bottom = min(self.y + self.height, other.y + other.height)
        return Rect(x, y, max(right - x, 0), max(bottom - y, 0))

    def __str__(self):
        return f"{self.width}×{self.height} at ({self.x}, {self.y})"


class Laptop:
    """The desktop, with the window manager's view of the program's windows."""

    def __init__(self, desktop, footnote, screenshots):
        self.desktop = desktop
        self.footnote = footnote
        self.screenshots = screenshots
        self.shots = 0
        self.main = self.search("^Tachoria$")
        self.compare = None
        self.compare_node = None

    def run(self, *argv):
        return subprocess.run(argv, env=self.desktop.session.env, check=True,
                              capture_output=True, text=True, timeout=STEP_LIMIT).stdout

    def search(self, title):
        return self.desktop.x("search", "--sync", "--onlyvisible", "--name", title).split()[0]

    def info(self, window):
        """xwininfo's fields, such as "Map State" and "Absolute upper-left X"."""
        fields = {}
        for line in self.run("xwininfo", "-id", window).splitlines():
            name, _, value = line.strip().partition(": ")
            fields[name] = value.strip()
        return fields

    def client(self, window):
        fields = self.info(window)
        return Rect(int(fields["Absolute upper-left X"]), int(fields["Absolute upper-left Y"]),
                    int(fields["Width"]), int(fields["Height"]))

    def prop(self, window, name):
        return self.run("xprop", "-id", window, name)

    def frame(self, window):
        """The window with the frame the window manager drew around it."""
        inner = self.client(window)
        extents = re.findall(r"\d+", self.prop(window, "_NET_FRAME_EXTENTS").partition("=")[2])
        left, right, top, bottom = (int(n) for n in extents) if len(extents) == 4 else (0,) * 4
        return Rect(inner.x - left, inner.y - top, inner.width + left + right,
                    inner.height + top + bottom)

    def minimum_size(self, window):
        found = re.search(r"minimum size: (\d+) by (\d+)", self.prop(window, "WM_NORMAL_HINTS"))
        return (int(found.group(1)), int(found.group(2))) if found else (0, 0)

    def hidden(self, window):
        return ("_NET_WM_STATE_HIDDEN" in self.prop(window, "_NET_WM_STATE")
                or self.info(window)["Map State"] != "IsViewable")

    def active(self):
        try:
            return self.desktop.x("getactivewindow").strip()
        except subprocess.CalledProcessError:
            return None

    def activate(self, window):
        self.desktop.x("windowactivate", window)
        wait_for("the window to be active", lambda: self.active() == window)

    def screenshot(self, name):
        if self.screenshots:
            self.shots += 1
            self.run("import", "-window", "root",
                     os.path.join(self.screenshots, f"{self.shots:02}-{name}.png"))

    # The comparison window, seen through AT-SPI.

    def nodes(self):
        """The window's controls; not the rows and cells inside its tables
        and lists, which are many and slow to walk."""
        return self.desktop.all(self.compare_node,
                                not_inside=("tree", "table", "tree table", "list", "combo box"))

    def named(self, name, role=None):
        for node in self.nodes():
            try:
                if node.name == name and (role is None or node.getRoleName() == role):
                    return node
            except Exception:
                continue
        raise Failure(f"the comparison window has no \"{name}\"")

    def text(self, name):
        node = self.named(name)
        try:
            return node.queryText().getText(0, -1)
        except NotImplementedError:
            return str(node.queryValue().currentValue)

    def setup(self, letter):
        """A setup's fields as the user reads them: tire, axle, gear ratios."""
        count = int(float(self.text(f"{letter} forward gears")))
        return {"tire": self.text(f"{letter} tire diameter"),
                "axle": self.text(f"{letter} axle ratio"),
                "gears": [self.text(f"{letter} {gear} gear ratio")
                          for gear in GEAR_NAMES[:count]]}

    def extents(self, node):
        box = node.queryComponent().getExtents(self.desktop.atspi.DESKTOP_COORDS)
        return Rect(box.x, box.y, box.width, box.height)

    def view(self, node):
        """Where `node` could be seen: the screen, cut by each widget around
        it, since a widget shows only within those that hold it."""
        seen = Rect(0, 0, *SCREEN)
        parent = node.parent
        while parent is not None and parent.getRoleName() != "application":
            seen = seen.meet(self.extents(parent))
            parent = parent.parent
        return seen

    def in_view(self, node):
        return self.extents(node).inside(self.view(node))


def open_comparison(laptop):
    desktop = laptop.desktop
    show_early_car_rpm(desktop)
    wait_for("the stock page's table", lambda: desktop.showing("Stock Corvair Gearing results"))
    desktop.key("ctrl+g")
    laptop.compare = laptop.search("^Compare Gearing$")
    laptop.compare_node = wait_for("the comparison on the accessibility bus",
                                   lambda: desktop.showing("Compare Gearing"))


def opens_on_screen(laptop):
    frame = laptop.frame(laptop.compare)
    if not frame.inside(Rect(0, 0, *SCREEN)):
        width, height = laptop.minimum_size(laptop.compare)
        raise Failure(f"its frame is {frame}, not within the {SCREEN[0]}×{SCREEN[1]} screen "
                      f"(its smallest size: {width}×{height})")


def setups_hold_the_page(laptop):
    a, b = laptop.setup("A"), laptop.setup("B")
    if a["tire"] != "24" or a["axle"] != "3.27" or len(a["gears"]) != 4 or "" in a["gears"]:
        raise Failure(f"setup A is {a}, not the stock page's 24 in tire, 3.27 axle and four gears")
    if b != a:
        raise Failure(f"setup B is {b}, setup A {a}: both should start from the page")


def every_part_reachable(laptop):
    """Each table, the chart and the footnote are in view, or come into view
    as Tab takes the focus once round the window (a window that scrolls
    brings the focused part into view)."""
    desktop = laptop.desktop
    laptop.activate(laptop.compare)
    parts = {name: laptop.named(name) for name in TABLES + (CHART, laptop.footnote)}

    def focus():
        for node in laptop.nodes():
            try:
                if node.getState().contains(desktop.atspi.STATE_FOCUSED):
                    return node.name, node.getRoleName()
            except Exception:
                continue
        return None
    unseen = [name for name, node in parts.items() if not laptop.in_view(node)]
    start = focus()
    for _ in range(60):
        if not unseen:
            break
        desktop.key("Tab")
        unseen = [name for name in unseen if not laptop.in_view(parts[name])]
        if start is not None and focus() == start:
            break  # once round the window
    if unseen:
        raise Failure("parts that cannot be brought into view:\n  " + "\n  ".join(
            f"\"{name[:40]}\" is {laptop.extents(parts[name])}, seen only within "
            f"{laptop.view(parts[name])}" for name in unseen))


def shrinks(laptop):
    width, height = laptop.minimum_size(laptop.compare)
    if width > SMALLER[0] or height > SMALLER[1]:
        raise Failure(f"it cannot be made smaller than {width}×{height} (WM_NORMAL_HINTS)")
    laptop.desktop.x("windowsize", laptop.compare, str(SMALLER[0]), str(SMALLER[1]))

    def smaller():
        size = laptop.client(laptop.compare)
        return size.width <= SMALLER[0] and size.height <= SMALLER[1]
    try:
        wait_for("the window to shrink", smaller)
    except Failure:
        raise Failure(f"asked for {SMALLER[0]}×{SMALLER[1]}, it stays "
                      f"{laptop.client(laptop.compare)}") from None


def comes_back_from_minimized(laptop):
    desktop = laptop.desktop
    desktop.x("windowminimize", laptop.compare)
    wait_for("the comparison to be minimized", lambda: laptop.hidden(laptop.compare))
    laptop.activate(laptop.main)
    desktop.key("ctrl+g")

    def back():
        return not laptop.hidden(laptop.compare) and laptop.active() == laptop.compare
    try:
        wait_for("the comparison to come back", back)
    except Failure:
        shown = "still hidden" if laptop.hidden(laptop.compare) else "shown"
        state = laptop.prop(laptop.compare, "_NET_WM_STATE").strip()
        mapped = laptop.info(laptop.compare)["Map State"]
        active = laptop.active()
        active = "the main window" if active == laptop.main else active
        raise Failure(f"after Ctrl+G it is {shown} ({state}, map state {mapped}); "
                      f"the active window is {active}") from None


def empty_page_gives_defaults(laptop):
    desktop = laptop.desktop
    laptop.activate(laptop.main)
    desktop.click(wait_for("the Generic Vehicle tab",
                           lambda: desktop.showing("Generic Vehicle", "page tab")))
    wait_for("the generic page", lambda: desktop.showing("Generic Vehicle results"))
    for box in ("Tire Diameter", "Differential Gearing", "Transmission Gearing"):
        node = desktop.showing(box, "text")
        if node is not None and node.queryText().getText(0, -1):
            raise Failure(f"the generic page's \"{box}\" box is not empty to start with")
    desktop.key("ctrl+g")
    try:
        wait_for("the comparison to be active", lambda: laptop.active() == laptop.compare)
    except Failure:
        raise Failure("Ctrl+G did not bring the comparison to the front") from None
    problems = []
    a = laptop.setup("A")
    # The generic page's empty boxes stand for 24, 3.27 and one gear of 1.
    if a != {"tire": "24", "axle": "3.27", "gears": ["1"]}:
        problems.append(f"setup A is {a}, not the page's 24 in tire, 3.27 axle and gear of 1")
    for node in laptop.nodes():
        try:
            if node.getRoleName() == "text" and re.search("Empty|Not a number",
                                                         node.description):
                problems.append(f"\"{node.name}\" says \"{node.description}\"")
        except Exception:
            continue
    if problems:
        raise Failure("\n  ".join(problems))


CHECKS = [
    ("the comparison opens wholly on the screen", opens_on_screen),
    ("opened from the stock page, setups A and B hold its inputs", setups_hold_the_page),
    ("each table, the chart and the footnote can be brought into view", every_part_reachable),
    (f"the comparison shrinks to {SMALLER[0]}×{SMALLER[1]}", shrinks),
    (f"at {SMALLER[0]}×{SMALLER[1]} too, each part can be brought into view",
     every_part_reachable),
    ("opened from an empty generic page, setup A holds the page's defaults, no field marked",
     empty_page_gives_defaults),
    ("Ctrl+G brings a minimized comparison back, in front", comes_back_from_minimized),
]


def run(program, header, screenshots=None):
    footnote = footnote_text(header)
    failed = []
    with Session(screen=f"{SCREEN[0]}x{SCREEN[1]}x24", window_manager=["openbox"]) as session:
        desktop = Desktop(session, program)
        laptop = Laptop(desktop, footnote, screenshots)
        try:
            open_comparison(laptop)
            laptop.screenshot("opened")
            for what, check in CHECKS:
                try:
                    check(laptop)
                    print(f"ok: {what}", flush=True)
                except (Failure, subprocess.SubprocessError) as failure:
                    failed.append(what)
                    print(f"FAILED: {what}: {failure}", flush=True)
                laptop.screenshot(check.__name__)
                desktop.alive()
        except Failure as failure:
            raise Failure(f"{failure}\nThe program wrote:\n{desktop.output()}") from None
    if failed:
        raise Failure(f"{len(failed)} of {len(CHECKS)} checks failed")


def main():
    main_with_limit(run, (2, 3), TIME_LIMIT, "laptop session: all checks passed")


if __name__ == "__main__":
    main()
