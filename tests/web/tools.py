#!/usr/bin/env python3
"""The Compare Gearing and Gearing Questions tabs in headless Chromium, and
the page's addresses.

Every view's address round trip (typed, read from location.hash, opened in a
new load: the same fields and tables); addresses opened against the native
tachoria-cli's tables; bad, hostile and unknown addresses; the phone size
for every view; the keyboard through the comparison and one question; the
chart's readout under a pointer; and the comparison printed to one PDF page.

    tools.py index.html tachoria-cli
"""
import base64
import os
import pathlib
import subprocess
import sys
import tempfile
import urllib.parse

from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.keys import Keys

import browser

MARK = " \u25B2"

# The fields and tables of every view, as the test reads them.
VIEW_STATE = """
    const section = document.querySelector('[role=tabpanel]:not([hidden])');
    return {
      panel: section.id,
      fields: Array.from(section.querySelectorAll('input, select'), (e) => [e.id, e.value])
        .filter(([id]) => !document.getElementById(id).closest('[hidden]')),
      tables: Array.from(section.querySelectorAll('table'), (t) =>
        Array.from(t.rows, (r) => Array.from(r.cells, (c) => c.textContent))),
    };
"""
SIDEWAYS = "return document.documentElement.scrollWidth - document.documentElement.clientWidth"


def open_address(b, page_path, hash_part):
    """A new load of the page at `hash_part` (without "#")."""
    b.driver.get("about:blank")
    b.driver.get(pathlib.Path(page_path).resolve().as_uri() + "#" + hash_part)
    b.wait_for("return document.documentElement.dataset.ready === 'true'", "the page to load")


def type_into(b, element_id, text):
    box = b.element(element_id)
    box.send_keys(Keys.CONTROL, "a")
    box.send_keys(text)


def note(b):
    return b.element("AddressNote").text


def check_round_trips(faults, b, page_path):
    """Each view set up by typing and picking; its address opened anew."""
    steps = {
        "GenericTab": [("TireBox", "25"), ("DiffBox", "3.55"), ("TransBox", "0.9"),
                       ("click", "Gen_GetMPHButton")],
        "StockPageTab": [("StockTire", "185/80R13"), ("pick", "StockModel", 1),
                         ("pick", "StockYear", 1), ("pick", "StockDiff", 2),
                         ("click", "StockGetRPMButton")],
        "CompareTab": [("cmp-a-tire", "26"), ("cmp-b-axle", "3.89"), ("pick", "cmp-b-gearbox", 0),
                       ("pick", "cmp-b-gear-count", 2), ("cmp-b-gear-3", "1.1"),
                       ("cmp-redline", "6000"), ("pick", "cmp-unit", 1)],
        "QuestionsTab": [("q-identify-rpm", "3100"), ("q-identify-gears", "3.2,1.9,1.3")],
    }
    for tab, actions in steps.items():
        open_address(b, page_path, "")
        b.element(tab).click()
        history = b.js("return history.length")
        for action in actions:
            if action[0] == "click":
                b.element(action[1]).click()
            elif action[0] == "pick":
                b.js("const s = document.getElementById(arguments[0]);"
                     "s.selectedIndex = arguments[1]; s.dispatchEvent(new Event('change', {bubbles: true}));",
                     action[1], action[2])
            else:
                type_into(b, *action)
        hash_part = b.js("return location.hash.slice(1)")
        before = b.js(VIEW_STATE)
        added = b.js("return history.length") - history
        open_address(b, page_path, hash_part)
        after = b.js(VIEW_STATE)
        faults.equal(after, before, f"{tab}: the view opened from {hash_part[:120]}")
        faults.check(len(before["tables"][0]) > 1, f"{tab}: a table to compare")
        faults.equal(b.js("return location.hash.slice(1)"), hash_part,
                     f"{tab}: the address opened is the address written")
        faults.equal(added, 0, f"{tab}: history entries added by typing")
        if tab == "QuestionsTab":
            faults.check(hash_part.startswith("solve-identify?"),
                         f"the questions' address names the question changed: {hash_part}")
            faults.check(b.js("const r = document.getElementById('Question-identify')"
                              ".getBoundingClientRect(); return r.top < innerHeight && r.bottom > 0"),
                         "the question opened is scrolled into view")


def check_first_opening_fills(faults, b, page_path):
    """A tool view first opened starts from the main page last shown."""
    open_address(b, page_path, "generic?tire=26&axle=3.55&gear=0.9")
    b.element("CompareTab").click()
    faults.equal([b.element(f).get_attribute("value") for f in ("cmp-a-tire", "cmp-b-axle", "cmp-a-gear-1")],
                 ["26", "3.55", "0.9"], "the comparison starts from the generic page")
    b.element("GenericTab").click()
    type_into(b, "TireBox", "27")
    b.element("QuestionsTab").click()
    faults.equal(b.element("q-axle-tire").get_attribute("value"), "27",
                 "the questions start from the generic page as it is now")
    b.element("CompareTab").click()
    faults.equal(b.element("cmp-a-tire").get_attribute("value"), "26",
                 "the comparison, once started, keeps its own inputs")


def check_get_follows_presses(faults, b, page_path):
    open_address(b, page_path, "generic?tire=24&axle=3.27&gear=1&get=rpm")
    faults.check(len(b.js(browser.TABLE_ROWS, "ListView1")) > 1, "get=rpm shows the table")
    type_into(b, "DiffBox", "3.55")
    faults.check("get=" not in b.js("return location.hash"), "a change drops get")
    b.element("Gen_GetRPMButton").click()
    faults.check(b.js("return location.hash").endswith("get=rpm"), "the next press puts get back")


def check_against_cli(faults, b, page_path, cli):
    """A sample of addresses: the page's tables as tachoria-cli's TSV."""
    samples = [
        ("compare", [("a-tire", "24"), ("a-axle", "3.27"), ("a-gears", "3.65,2.35,1.44,1"),
                     ("b-tire", "185/80R13"), ("b-axle", "3.55"), ("b-gears", "3.65,2.35,1.44,1"),
                     ("redline", "5500"), ("unit", "mph")]),
        ("compare", [("a-tire", "195/70R14"), ("a-axle", "4.11"), ("a-gears", "2.9,1.8,1.2,0.9,0.8"),
                     ("b-tire", "26.5"), ("b-axle", "3.08"), ("b-gears", "3"), ("redline", "4200"),
                     ("unit", "kmh"), ("driven-from", "wheel")]),
        ("solve-axle", [("rpm", "2800"), ("speed", "70"), ("tire", "24"), ("gear", "1"), ("unit", "mph")]),
        ("solve-tire", [("rpm", "2600"), ("speed", "65"), ("axle", "3.55"), ("gear", "0.89"),
                        ("rim", "15"), ("unit", "mph")]),
        ("solve-identify", [("rpm", "2900"), ("speed", "60"), ("tire", "24"),
                            ("gears", "3.65,2.35,1.44,1"), ("in-gear", "4"), ("unit", "mph")]),
        ("solve-speedometer", [("teeth", "18"), ("error", "+5"), ("unit", "kmh")]),
    ]
    for view, options in samples:
        hash_part = view + "?" + "&".join(f"{n}={urllib.parse.quote(v, safe='')}" for n, v in options)
        open_address(b, page_path, hash_part)
        args = [*view.split("-", 1)] + [a for n, v in options for a in (f"--{n}", v)]
        expected = [g for g in browser.cli_table(cli, *args).split("\n\n") if g.strip()]
        tables = b.js(VIEW_STATE)["tables"]
        if view.startswith("solve-"):
            tables = [b.js(browser.TABLE_ROWS, f"q-table-{view[6:]}")]
        faults.equal(len(tables), len(expected), f"{view}: tables shown")
        for seen, tsv in zip(tables, expected):
            seen = [[c[:-len(MARK)] if c.endswith(MARK) else c for c in row] for row in seen]
            faults.equal(seen, browser.rows_of_tsv(tsv), f"{hash_part}: a table")
        faults.equal(note(b), "", f"{view}: nothing said about a good address")


def check_bad_addresses(faults, b, page_path):
    hostile = "<img src=x onerror=window.hacked=1><script>window.hacked=2</script>"
    for hash_part, field, text in (
            ("compare?a-tire=" + urllib.parse.quote(hostile, safe=""), "cmp-a-tire", hostile),
            ("solve-axle?tire=%3Cb%3Ebold%3C%2Fb%3E&rpm=%00", "q-axle-tire", "<b>bold</b>"),
            ("solve-tire?axle=%zz%4", "q-tire-axle", "%zz%4"),
            ("compare?redline=" + "9" * 100000, None, None),
            ("generic?tire=" + "x" * 100000 + "&get=rpm", None, None)):
        open_address(b, page_path, hash_part)
        faults.check(b.js("return window.hacked === undefined && "
                          "document.querySelectorAll('main img').length === 1 && "
                          "document.querySelectorAll('b, main script').length === 0"),
                     f"{hash_part[:60]}: no markup or script from the address")
        if field:
            faults.equal(b.element(field).get_attribute("value"), text, f"{hash_part[:60]}: typed as given")
            faults.equal(b.element(field).get_attribute("aria-invalid"), "true",
                         f"{hash_part[:60]}: the field is marked")
            reason = b.element(f"{field}Reason")
            faults.check(reason.text != "" and f"{field}Reason" in b.element(field).get_attribute("aria-describedby"),
                         f"{hash_part[:60]}: the reason shown and tied to its field")
        faults.check(b.js(SIDEWAYS) <= 0, f"{hash_part[:60]}: nothing scrolls sideways")

    open_address(b, page_path, "stock?model=Model%20T&tire=24&get=rpm")
    lines = note(b).splitlines()
    faults.check(len(lines) == 1 and "Model T" in lines[0], f"a list value not in its list: {lines}")
    faults.equal(b.element("StockModel").get_attribute("value"), "<select model>",
                 "the list left on its placeholder")
    open_address(b, page_path, "compare?a-tire=24&colour=red&b-axle=3.55")
    faults.check("colour" in note(b), f"an unknown option said: {note(b)!r}")
    faults.equal(b.element("cmp-b-axle").get_attribute("value"), "3.55", "the known options opened")
    type_into(b, "cmp-a-tire", "25")
    faults.equal(note(b), "", "the alert clears at the next change")
    open_address(b, page_path, "nowhere?x=1")
    faults.check("nowhere" in note(b), f"an unknown view said: {note(b)!r}")
    faults.check(b.js("return !document.getElementById('StockPage').hidden"),
                 "an unknown view leaves the starting page")
    # A hash typed into the address bar of the open page opens too.
    b.js("location.hash = 'solve-speedometer?teeth=20&error=-4&unit=mph'")
    b.wait_for("return !document.getElementById('QuestionsPage').hidden", "hashchange to open")
    faults.equal(b.element("q-speedometer-teeth").get_attribute("value"), "20", "hashchange's teeth")


def check_phone(faults, b, page_path):
    b.set_viewport(360, 640, mobile=True)
    for hash_part in ("generic?get=rpm", "stock?model=Early%20Car%20(1961-1964)&years=1961-1963"
                      "&axle=3.27&tire=24&get=mph", "compare?a-gears=3,2,1.5,1.2,1,0.8&b-gears=2.5",
                      "solve-axle?rpm=2800", "solve-tire?rpm=2800", "solve-identify?rpm=2800",
                      "solve-speedometer?teeth=18"):
        open_address(b, page_path, hash_part)
        faults.check(b.js(SIDEWAYS) <= 0, f"{hash_part}: nothing scrolls sideways at 360 px")
    open_address(b, page_path, "compare")
    faults.check(b.js("return document.getElementById('SetupB').getBoundingClientRect().top >= "
                      "document.getElementById('SetupA').getBoundingClientRect().bottom"),
                 "the setups stack on a phone")
    b.set_viewport(1024, 768)


def check_keyboard(faults, b, page_path):
    open_address(b, page_path, "")
    b.element("StockPageTab").send_keys(Keys.ARROW_RIGHT)
    faults.equal(b.js("return document.activeElement.id"), "CompareTab", "the arrow to the comparison")
    order = []
    for _ in range(6):
        ActionChains(b.driver).send_keys(Keys.TAB).perform()
        order.append(b.js("return document.activeElement.id"))
    faults.equal(order, ["cmp-a-gearbox", "cmp-a-tire", "cmp-a-axle", "cmp-a-gear-count",
                         "cmp-a-gear-1", "cmp-a-gear-2"], "Tab through setup A")
    before = b.js(browser.TABLE_ROWS, "cmp-table-gears")
    ActionChains(b.driver).send_keys(Keys.BACKSPACE, "3").perform()
    faults.check(b.js(browser.TABLE_ROWS, "cmp-table-gears") != before,
                 "a gear typed by keyboard changes the gears table")
    faults.check("a-gears=3.65%2C3" in b.js("return location.hash") or
                 "a-gears=3.65,3" in b.js("return location.hash"),
                 f"the address follows the keyboard: {b.js('return location.hash')[:160]}")
    b.js("document.getElementById('CompareTab').focus()")
    ActionChains(b.driver).send_keys(Keys.ARROW_RIGHT, Keys.TAB, Keys.TAB).perform()
    faults.equal(b.js("return document.activeElement.id"), "q-axle-rpm", "Tab into the first question")
    ActionChains(b.driver).send_keys(Keys.END, *[Keys.BACKSPACE] * 6, "3300").perform()
    faults.check(b.js("return document.querySelector('#Question-axle .sentence').textContent").startswith("3300"),
                 "the question answers the keyboard's target")


def check_readout(faults, b, page_path):
    open_address(b, page_path, "compare?a-tire=24&b-tire=26&redline=5500&unit=mph")
    faults.check(b.js("return document.getElementById('CompareChart').getAttribute('aria-label')")
                 .startswith("Engine RPM"), "the chart's accessible name is its description")
    faults.check(b.js("return document.querySelectorAll('#CompareChart polyline.gear.dashed').length > 0 && "
                      "document.querySelectorAll('#CompareChart polyline.gear:not(.dashed)').length > 0 && "
                      "document.querySelectorAll('#CompareChart .redline, #CompareChart .band').length > 1"),
                 "A solid, B dashed, the redline and the band drawn")
    area = b.driver.find_element("css selector", "#CompareChart .touch")
    b.js("arguments[0].scrollIntoView({block: 'center'})", area)
    ActionChains(b.driver).move_to_element_with_offset(area, -50, 0).perform()
    first = b.element("CompareReadout").text
    ActionChains(b.driver).move_to_element_with_offset(area, 150, 0).perform()
    second = b.element("CompareReadout").text
    faults.check(first != "" and second != "" and first != second,
                 f"the readout under the pointer follows it: {first!r}, {second!r}")
    faults.equal(b.js("return document.querySelector('#CompareChart .cursor').getAttribute('visibility')"),
                 "visible", "the pointer's line drawn")


def check_print(faults, b, page_path, folder):
    open_address(b, page_path, "compare?a-tire=24&a-axle=3.27&a-gears=3.65,2.35,1.44,1&b-tire=185%2F80R13"
                                "&b-axle=3.55&b-gears=3.65,2.35,1.44,1&redline=5500&unit=mph")
    pdf = b.cdp("Page.printToPDF", {"printBackground": True})
    path = os.path.join(folder, "compare.pdf")
    with open(path, "wb") as out:
        out.write(base64.b64decode(pdf["data"]))
    text = subprocess.run(["pdftotext", path, "-"], capture_output=True, text=True, check=True).stdout
    info = subprocess.run(["pdfinfo", path], capture_output=True, text=True, check=True).stdout
    faults.check("Pages:           1" in info, "the comparison prints on one page")
    flat = " ".join(text.split())
    for expected in ("Compare Gearing", "Tire: 24", "Tire: 185/80R13", "Axle ratio: 3.55",
                     "A RPM", "A MPH", "Redline: 5500 RPM", "Road speed, MPH"):
        faults.check(expected in flat, f"the printed comparison shows {expected!r}")
    for absent in ("Copy Table", "Copy Link", "Gearing Questions"):
        faults.check(absent not in flat, f"the printed comparison leaves out {absent!r}")


def test(faults, page_path, cli):
    with browser.Browser() as b, tempfile.TemporaryDirectory() as folder:
        check_round_trips(faults, b, page_path)
        check_first_opening_fills(faults, b, page_path)
        check_get_follows_presses(faults, b, page_path)
        check_against_cli(faults, b, page_path, cli)
        check_bad_addresses(faults, b, page_path)
        check_readout(faults, b, page_path)
        check_keyboard(faults, b, page_path)
        check_print(faults, b, page_path, folder)
        check_phone(faults, b, page_path)


if __name__ == "__main__":
    if len(sys.argv) != 3:
        browser.usage("index.html tachoria-cli")
    sys.exit(browser.run(test, sys.argv[1:]))
