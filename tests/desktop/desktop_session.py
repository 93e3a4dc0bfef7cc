"""Tachoria in a real X session, used as a person would use it: keys and
mouse clicks through the X server (xdotool), results read back the way a
screen reader reads them (AT-SPI) and from the clipboard (xclip).

Usage: desktop_session.py PROGRAM GOLDEN_HEADER
"""

import os
import re
import signal
import subprocess
import sys
import threading
import time

from session import Session

TIME_LIMIT = 150  # seconds for the whole test, whatever happens
STEP_LIMIT = 15  # seconds to wait for any one thing to appear


class Failure(Exception):
    pass


def golden_tables(header):
    """The early car's golden tables, read from the one copy the C++ tests use."""
    text = open(header, encoding="utf-8").read()
    tables = {}
    for name in ("kEarlyCarRPM", "kEarlyCarMPH"):
        body = re.search(name + r" = \{\{(.*?)\}\};", text, re.S).group(1)
        rows = []
        for label, cells in re.findall(r'\{"([^"]*)", \{(.*?)\}\}', body):
            rows.append([label] + re.findall(r'"([^"]*)"', cells))
        tables[name] = rows
    for name in ("kEarlyCarRPMHeaders", "kEarlyCarMPHHeaders"):
        body = re.search(name + r" = \{(.*?)\};", text, re.S).group(1)
        tables[name] = re.findall(r'"([^"]*)"', body)
    return tables


def wait_for(what, probe, limit=STEP_LIMIT):
    deadline = time.monotonic() + limit
    while True:
        value = probe()
        if value:
            return value
        if time.monotonic() > deadline:
            raise Failure("gave up waiting for " + what)
        time.sleep(0.1)


class Desktop:
    """The program under test, seen through X and AT-SPI."""

    def __init__(self, session, program):
        self.session = session
        env = dict(session.env, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
        env.pop("QT_ACCESSIBILITY", None)
        self.log = os.path.join(session.runtime, "program.log")
        with open(self.log, "w") as log:
            self.process = session.start([program], env=env, stdout=log, stderr=log)
        os.environ.update(session.env)  # pyatspi finds the buses through these
        import pyatspi
        self.atspi = pyatspi

        def started():
            self.alive()
            return self._find_app()
        self.app = wait_for("the program on the accessibility bus", started, 60)
        self.focus_window("^Tachoria$")
        wait_for("the window to be active", lambda: self.focused() is not None)

    def focus_window(self, title):
        """Gives the keyboard to the showing window whose title matches
        `title`, as clicking its frame would."""
        window = self.x("search", "--sync", "--onlyvisible", "--name", title).split()[0]
        self.x("windowfocus", "--sync", window)

    def _find_app(self):
        desktop = self.atspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            if app is not None and app.name == "Tachoria":
                return app
        return None

    def x(self, *args):
        """Runs xdotool: real X input, as from a keyboard and mouse."""
        result = subprocess.run(["xdotool", *args], env=self.session.env, check=True,
                                capture_output=True, text=True, timeout=STEP_LIMIT)
        return result.stdout

    def alive(self):
        if self.process.poll() is not None:
            raise Failure(f"the program ended with status {self.process.returncode}:\n"
                          + self.output())

    def output(self):
        """The end of what the program wrote, for a failure's report."""
        with open(self.log, errors="replace") as log:
            return "".join(log.readlines()[-30:])

    def all(self, where=None, not_inside=()):
        """Every accessible object under `where` (the program by default),
        but not the children of objects whose role is in `not_inside`."""
        stack = [where or self.app]
        while stack:
            node = stack.pop()
            if node is None:
                continue
            yield node
            try:
                if node.getRoleName() not in not_inside:
                    stack.extend(node.getChildAtIndex(i) for i in range(node.childCount))
            except Exception:  # an object that went away while walking
                continue

    def showing(self, name, role=None):
        for node in self.all():
            try:
                states = node.getState()
                if (node.name == name and states.contains(self.atspi.STATE_SHOWING)
                        and (role is None or node.getRoleName() == role)):
                    return node
            except Exception:
                continue
        return None

    def focused(self):
        """The control with the keyboard focus. Qt also marks the tab strip's
        current tab as focused when the strip no longer has the focus, so a
        page tab counts only when nothing else is focused."""
        found = []
        for node in self.all():
            try:
                if node.getState().contains(self.atspi.STATE_FOCUSED):
                    found.append(node)
            except Exception:
                continue
        controls = [node for node in found if node.getRoleName() != "page tab"]
        return (controls or found or [None])[0]

    def label(self, node):
        """What a screen reader calls a control: its name or, for a drop-down
        list, which Qt names by its current text, the label it is labelled by."""
        if node.getRoleName() == "combo box":
            for relation in node.getRelationSet():
                if relation.getRelationType() == self.atspi.RELATION_LABELLED_BY:
                    return relation.getTarget(0).name
        return node.name

    def centre(self, node):
        box = node.queryComponent().getExtents(self.atspi.DESKTOP_COORDS)
        return box.x + box.width // 2, box.y + box.height // 2

    def click(self, node, button=1):
        x, y = self.centre(node)
        self.x("mousemove", "--sync", str(x), str(y), "click", str(button))

    def key(self, *keys):
        self.x("key", "--delay", "40", *keys)
        time.sleep(0.2)

    def type(self, text):
        self.x("type", "--delay", "40", text)
        time.sleep(0.2)

    def tab_to(self, name, role, limit=20):
        """Presses Tab until the focus is on the showing control `name`."""
        for _ in range(limit):
            node = self.focused()
            if node is not None and node.getRoleName() == role and self.label(node) == name:
                return node
            self.key("Tab")
        raise Failure(f"Tab never reached {role} \"{name}\"")

    def table_rows(self, name):
        """A result list's headers and rows as a screen reader reads them."""
        node = wait_for(f"the list \"{name}\"", lambda: self.showing(name))
        table = node.queryTable()
        headers = [table.getColumnHeader(c).name for c in range(table.nColumns)]
        rows = [[table.getAccessibleAt(r, c).name for c in range(table.nColumns)]
                for r in range(table.nRows)]
        return headers, rows

    def menu_item(self, name):
        """Hovers the mouse into a menu just opened under it and finds the
        item `name` as a screen reader does: a popup menu is no child of the
        program's windows, so it is reached through the focus event of the
        item under the pointer."""
        focused = []

        def on_focus(event):
            if event.detail1 and event.source.getRoleName() == "menu item":
                focused.append(event.source)

        registry = self.atspi.Registry
        registry.registerEventListener(on_focus, "object:state-changed:focused")
        listener = threading.Thread(target=registry.start, daemon=True)
        listener.start()
        try:
            time.sleep(0.3)
            self.x("mousemove_relative", "--sync", "20", "10")
            item = wait_for("a menu item to take the focus", lambda: focused and focused[0])
        finally:
            registry.stop()
            listener.join(STEP_LIMIT)
            registry.deregisterEventListener(on_focus, "object:state-changed:focused")
        menu = item.parent
        for i in range(menu.childCount):
            if menu.getChildAtIndex(i).name == name:
                return menu.getChildAtIndex(i)
        raise Failure(f"the menu has no item \"{name}\"")

    def clipboard(self):
        return subprocess.run(["xclip", "-o", "-selection", "clipboard"], env=self.session.env,
                              capture_output=True, text=True, timeout=STEP_LIMIT).stdout

    def alert(self):
        for node in self.all():
            try:
                if node.getRoleName() in ("alert", "dialog") and node.getState().contains(
                        self.atspi.STATE_SHOWING):
                    return node
            except Exception:
                continue
        return None


def expect(what, got, want):
    if got != want:
        raise Failure(f"{what}:\n  got  {got!r}\n  want {want!r}")
    print(f"ok: {what}")


def expect_table(desktop, golden, headers_name, rows_name):
    def complete():
        headers, rows = desktop.table_rows("Stock Corvair Gearing results")
        return (headers, rows) if len(rows) == len(golden[rows_name]) else None
    headers, rows = wait_for("the table's rows", complete)
    expect("the list's headers, read through AT-SPI", headers, golden[headers_name])
    for number, (got, want) in enumerate(zip(rows, golden[rows_name])):
        expect(f"row {number} read through AT-SPI", got, want)


def run(program, header):
    golden = golden_tables(header)
    with Session() as session:
        desktop = Desktop(session, program)
        try:
            use(desktop, golden)
        except Failure as failure:
            raise Failure(f"{failure}\nThe program wrote:\n{desktop.output()}") from None


def show_early_car_rpm(desktop):
    """Keyboard only: Tab to the stock tire box, type 24, choose the early
    car, 1961-1963 and 3.27 with the arrow keys, press Get RPM with Enter."""
    desktop.tab_to("Tire Diameter", "text")
    desktop.type("24")
    desktop.tab_to("Model", "combo box")
    desktop.key("Down")
    desktop.tab_to("Year range", "combo box")
    desktop.key("Down")
    desktop.tab_to("Differential ratio", "combo box")
    desktop.key("Down", "Down")
    desktop.tab_to("Get RPM, Stock Corvair Gearing", "push button")
    desktop.key("Return")
    desktop.alive()


def use(desktop, golden):
    """What a user does, and what the test reads back."""
    show_early_car_rpm(desktop)
    expect_table(desktop, golden, "kEarlyCarRPMHeaders", "kEarlyCarRPM")

    # Mouse: right-click the list and choose Copy Table from its menu.
    desktop.click(desktop.showing("Stock Corvair Gearing results"), button=3)
    desktop.click(desktop.menu_item("Copy Table"))
    want = "\t".join(golden["kEarlyCarRPMHeaders"]) + "\n" + "".join(
        "\t".join(cell.strip() for cell in row) + "\n" for row in golden["kEarlyCarRPM"])
    expect("the clipboard after Copy Table", wait_for(
        "the clipboard", lambda: desktop.clipboard() or None), want)

    # A bad tire diameter: the warning is found as a screen reader would
    # find it, and Escape dismisses it.
    tire = desktop.showing("Tire Diameter", "text")
    desktop.click(tire)
    desktop.key("ctrl+a")
    desktop.type("1e400")
    desktop.click(desktop.showing("Get RPM, Stock Corvair Gearing", "push button"))
    alert = wait_for("the warning", desktop.alert)
    texts = [node.name for node in desktop.all(alert)]
    expect("the warning's text", any("is too large a number" in t for t in texts), True)
    desktop.key("Escape")
    wait_for("the warning to go", lambda: desktop.alert() is None)
    desktop.alive()

    # The window still works: a good tire, and Get MPH by keyboard.
    desktop.click(desktop.showing("Tire Diameter", "text"))
    desktop.key("ctrl+a")
    desktop.type("24")
    desktop.tab_to("Get MPH, Stock Corvair Gearing", "push button")
    desktop.key("KP_Enter")
    expect_table(desktop, golden, "kEarlyCarMPHHeaders", "kEarlyCarMPH")
    desktop.alive()

    # Ctrl+G opens Compare Gearing from the stock page's inputs; B gets a
    # 3.55 axle, reached with Tab (on a narrow screen the window scrolls to
    # it) and typed; the cruise table is read as a screen reader reads it.
    desktop.key("ctrl+g")
    wait_for("the Compare Gearing window", lambda: desktop.showing("Compare Gearing"))
    desktop.tab_to("B axle ratio", "text")
    desktop.key("ctrl+a")
    desktop.type("3.55")

    def cruise_at_60():
        _, rows = desktop.table_rows("Cruise: engine RPM in top gear")
        row = next((r for r in rows if r and r[0] == "60"), None)
        # 60 MPH × 3.55 × 336.135 / 24 = 2983.2
        return row if row and row[2] == "2983" else None
    row = wait_for("the cruise table to follow B's axle", cruise_at_60)
    expect("the cruise row at 60 MPH, read through AT-SPI", row,
           ["60", "2747", "2983", "+236", "+8.6"])
    desktop.alive()

    ask_axle_question(desktop)


def ask_axle_question(desktop):
    """Back on the main window, Ctrl+Shift+G opens Gearing Questions; the
    axle question's fields, found by their names and clicked, get 3000 RPM
    at 65 MPH on 25-inch tires in a 0.9 gear. Each differs from what the
    window starts with, and leaving any one as it was gives another answer."""
    desktop.focus_window("^Tachoria$")
    desktop.key("ctrl+shift+g")
    wait_for("the Gearing Questions window", lambda: desktop.showing("Gearing Questions"))
    for name, text in (("engine RPM", "3000"), ("road speed", "65"), ("tire", "25"),
                       ("gear ratio", "0.9")):
        field = wait_for(f"the axle question's {name}",
                         lambda name=name: desktop.showing("Axle question: " + name, "text"))
        desktop.click(field)
        desktop.key("ctrl+a")
        desktop.type(text)

    # 3000 × 25 / (65 × 336.135 × 0.9) = 3.814
    def needed():
        _, rows = desktop.table_rows("Axle ratio for a target: results")
        return rows[0] if rows and rows[0][:2] == ["Needed", "3.81"] else None
    wait_for("the axle question's answer", needed)
    print("ok: the axle answer's first row, read through AT-SPI")
    # The sentence is read with the list.
    expect("the axle answer's sentence, read through AT-SPI",
           desktop.showing("Axle ratio for a target: results").description,
           "3000 RPM at 65 MPH takes an axle ratio of 3.81.")
    desktop.alive()


def main_with_limit(run, arguments, time_limit, passed):
    """Runs `run` with the command line's arguments (`arguments` counts
    them: those it must have and those it may), within `time_limit`
    seconds whatever happens; prints `passed`, or why it failed and exits 1."""
    needed, most = arguments
    if not needed + 1 <= len(sys.argv) <= most + 1:
        sys.exit(sys.modules["__main__"].__doc__)

    def out_of_time(*_):
        raise Failure(f"the test took longer than {time_limit} s")

    signal.signal(signal.SIGALRM, out_of_time)
    signal.alarm(time_limit)
    try:
        run(*sys.argv[1:])
    except Failure as failure:
        print(f"FAILED: {failure}", file=sys.stderr)
        sys.exit(1)
    print(passed)


def main():
    main_with_limit(run, (2, 2), TIME_LIMIT, "desktop session: all checks passed")


if __name__ == "__main__":
    main()
