"""The web page's two pages used as a person would: clicks, keys, choices.

    pages.py <page index.html> <native tachoria-cli>

Checks the tabs, the captions and buttons, the stock lists' cascade against
the native catalogue, the tables cell for cell against the native program,
the failures and what clears them, the reading of decimals by the browser's
language, very long entries, the "reads as" texts, and Copy/Save Table.
"""

import os
import re
import sys
import time

from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import Select

import browser

EARLY = "Early Car (1961-1964)"

# What the main window shows, by control.
TEXTS = {
    "GenericTab": "Generic Vehicle",
    "StockPageTab": "Stock Corvair Gearing",
    "Label1": "Tire Diameter",
    "Label2": "Differential Gearing",
    "Label3": "Transmission Gearing",
    "Label5": "inches",
    "Label6": "Tire Diameter",
    "Label7": "Engine RPM versus MPH",
    "Gen_GetRPMButton": "Get RPM",
    "Gen_GetMPHButton": "Get MPH",
    "StockGetRPMButton": "Get RPM",
    "StockGetMPHButton": "Get MPH",
}
PLACEHOLDERS = {"StockModel": "<select model>", "StockYear": "<select year>",
                "StockDiff": "<select differential>"}

# Stock selections whose tables must match the native program's.
STOCK_CASES = [
    (EARLY, "1961-1963", "3.27", "24", "rpm"),
    ("Forward Control", "1961 (early)", "3.27", "185/80R13", "mph"),
    ("Late Car (1965-1969)", "1966-1969", "3.55", "818 rev/mi", "rpm"),
]

LISTS_STATE = """
    return ['StockModel', 'StockYear', 'StockDiff'].map((id) => {
        const list = document.getElementById(id);
        return {disabled: list.disabled, value: list.value,
                items: Array.from(list.options, (option) => option.text)};
    });
"""

VISIBLE = "return arguments[0].offsetParent !== null && getComputedStyle(arguments[0]).visibility !== 'hidden'"


class Page:
    """The page open in one browser, with a person's ways of using it."""

    def __init__(self, chromium, page_path, cli):
        self.b, self.cli = chromium, cli
        self.b.open(page_path)

    def text(self, element_id):
        return self.b.js("return document.getElementById(arguments[0]).textContent", element_id)

    def type(self, box_id, text):
        box = self.b.element(box_id)
        box.send_keys(Keys.CONTROL, "a")
        box.send_keys(Keys.DELETE)
        if text:
            box.send_keys(text)

    def value(self, box_id):
        return self.b.element(box_id).get_attribute("value")

    def choose(self, list_id, item):
        Select(self.b.element(list_id)).select_by_visible_text(item)

    def press(self, button_id):
        self.b.element(button_id).click()

    def show(self, tab_id):
        self.b.element(tab_id).click()

    def table(self, table_id):
        return [[cell.strip() for cell in row]
                for row in self.b.js(browser.TABLE_ROWS, table_id)]

    def lists(self):
        return self.b.js(LISTS_STATE)

    def visible(self, element_id):
        return self.b.js(VISIBLE, self.b.element(element_id))

    def stock(self, model, years, axle, tire, get):
        self.choose("StockModel", model)
        self.choose("StockYear", years)
        self.choose("StockDiff", axle)
        self.type("StockTire", tire)
        self.press("StockGetRPMButton" if get == "rpm" else "StockGetMPHButton")


def check_tab_states(faults, page, shown):
    for tab in ("StockPageTab", "GenericTab"):
        chosen = tab == shown
        element = page.b.element(tab)
        faults.equal(element.get_attribute("role"), "tab", f"{tab}'s role")
        faults.equal(element.get_attribute("aria-selected"), "true" if chosen else "false",
                     f"{tab}'s aria-selected with {shown} chosen")
        panel = element.get_attribute("aria-controls")
        faults.equal(page.b.element(panel).get_attribute("role"), "tabpanel", f"{panel}'s role")
        faults.equal(page.b.element(panel).get_attribute("hidden") is not None, not chosen,
                     f"{panel}'s hidden attribute with {shown} chosen")
        faults.equal(page.visible(panel), chosen, f"{panel} shown with {shown} chosen")


def check_tabs(faults, page):
    faults.equal(page.b.element("StockTab").get_attribute("role"), "tablist",
                 "the tab strip's role")
    check_tab_states(faults, page, "StockPageTab")  # the stock page comes first
    for tab in ("GenericTab", "StockPageTab"):
        page.show(tab)
        check_tab_states(faults, page, tab)


def check_texts(faults, page):
    page.show("GenericTab")
    for element_id in ("Label1", "Label2", "Label3", "TireBox", "DiffBox", "TransBox"):
        faults.check(page.visible(element_id), f"{element_id} visible on the generic page")
    page.show("StockPageTab")
    for element_id, text in TEXTS.items():
        faults.equal(page.text(element_id).strip(), text, f"{element_id}'s text")
    for page_id in ("GenericPage", "StockPage"):
        faults.equal(page.b.js(ACTIONS_ENABLED, page_id), [False] * 3,
                     f"{page_id}'s table actions enabled at the start")
    for box_id in ("TireBox", "DiffBox", "TransBox", "StockTire"):
        faults.equal(page.value(box_id), "", f"{box_id} at the start")
    for label, box in (("Label1", "TireBox"), ("Label2", "DiffBox"), ("Label3", "TransBox"),
                       ("Label6", "StockTire")):
        faults.equal(page.b.element(label).get_attribute("for"), box, f"{label} names its box")


def catalogue(cli):
    """The native catalogue: {model: {years: [axles]}}, in its order."""
    models = {}
    for model, years, axle, *_ in browser.rows_of_tsv(browser.cli_table(cli, "catalogue"))[1:]:
        models.setdefault(model, {}).setdefault(years, []).append(axle)
    return models


def check_cascade(faults, page):
    cli = page.cli
    models = catalogue(cli)
    model_list, year_list, diff_list = page.lists()
    faults.equal(model_list["items"], [PLACEHOLDERS["StockModel"], *models],
                 "the model list at the start")
    faults.equal(model_list["value"], PLACEHOLDERS["StockModel"], "the model shown at the start")
    faults.check(not model_list["disabled"], "the model list is enabled at the start")
    for list_state, list_id in ((year_list, "StockYear"), (diff_list, "StockDiff")):
        faults.equal(list_state["items"], [PLACEHOLDERS[list_id]], f"{list_id} at the start")
        faults.check(list_state["disabled"], f"{list_id} is disabled at the start")

    for model, years in models.items():
        page.choose("StockModel", model)
        _, year_list, diff_list = page.lists()
        faults.equal(year_list["items"], [PLACEHOLDERS["StockYear"], *years],
                     f"the year ranges of {model}")
        faults.equal(year_list["value"], PLACEHOLDERS["StockYear"], f"the year shown for {model}")
        faults.check(not year_list["disabled"], f"the year list is enabled for {model}")
        faults.check(diff_list["disabled"], f"the axle list is disabled before a year ({model})")
        for year, axles in years.items():
            page.choose("StockYear", year)
            diff_list = page.lists()[2]
            faults.equal(diff_list["items"], [PLACEHOLDERS["StockDiff"], *axles],
                         f"the axle ratios of {model} {year}")
            faults.check(not diff_list["disabled"], f"the axle list is enabled for {model} {year}")

    # Arrow keys choose too: the next model, then its first year range.
    first, second = list(models)[:2]
    page.choose("StockModel", first)
    page.b.element("StockModel").send_keys(Keys.ARROW_DOWN)
    model_list, year_list, diff_list = page.lists()
    faults.equal(model_list["value"], second, "the model the down arrow chose")
    faults.equal(year_list["items"], [PLACEHOLDERS["StockYear"], *models[second]],
                 f"the year ranges of {second} chosen by key")
    faults.check(diff_list["disabled"], "the axle list after a new model chosen by key")
    page.b.element("StockYear").send_keys(Keys.ARROW_DOWN)
    faults.equal(page.lists()[1]["value"], list(models[second])[0],
                 "the year range the down arrow chose")
    faults.check(not page.lists()[2]["disabled"], "the axle list after a year chosen by key")


def check_stock_tables(faults, page):
    cli = page.cli
    for model, years, axle, tire, get in STOCK_CASES:
        page.stock(model, years, axle, tire, get)
        expected = browser.rows_of_tsv(browser.cli_table(
            cli, "stock", "--model", model, "--years", years, "--axle", axle, "--tire", tire,
            "--get", get))
        faults.equal(page.table("ListView"), expected,
                     f"the stock table for {model}, {years}, {axle}, {tire}, get {get}")
        faults.equal(page.text("StockFailure"), "", f"no failure for {model} {years} {tire}")

    # Expected cells, whatever the native program says.
    page.stock(EARLY, "1961-1963", "3.27", "24", "rpm")
    table = page.table("ListView")
    faults.equal(table[0], ["MPH", "1st Gear", "2nd Gear", "3rd Gear", "4th Gear"],
                 "the Get RPM header")
    faults.equal(table[1], ["10", "1671", "1076", "659", "457"], "the first row at 10 MPH")
    faults.equal(len(table) - 1, 15, "rows of the stock Get RPM table")
    faults.check(all(cell == "" or int(cell) < 10000 for row in table[1:] for cell in row[1:]),
                 "cells of 10000 RPM and more are left empty")
    faults.equal(table[6][1], "", "1st gear at 60 MPH (10029 RPM) is left empty")


def check_stock_does_nothing(faults, page):
    """An incomplete selection, or a tire of 0, leaves the table as it was."""
    page.stock(EARLY, "1961-1963", "3.27", "24", "rpm")
    shown = page.table("ListView")
    page.choose("StockModel", "Late Car (1965-1969)")
    page.type("StockTire", "26")
    for button in ("StockGetRPMButton", "StockGetMPHButton"):
        page.press(button)
        faults.equal(page.table("ListView"), shown, f"{button} with no year chosen")
    page.choose("StockYear", "1965")
    page.press("StockGetMPHButton")
    faults.equal(page.table("ListView"), shown, "Get MPH with no axle chosen")
    page.choose("StockDiff", "3.55")
    page.type("StockTire", "0")
    page.press("StockGetRPMButton")
    faults.equal(page.table("ListView"), shown, "Get RPM with a tire of 0")
    faults.equal(page.text("StockFailure"), "", "no failure for a tire of 0")


ACTIONS_ENABLED = """
    return Array.from(document.querySelectorAll('#' + arguments[0] + ' .table-actions button'),
                      (button) => !button.disabled);
"""


def check_failures(faults, page):
    page.stock(EARLY, "1961-1963", "3.27", "E78-14", "rpm")
    failure = page.text("StockFailure")
    faults.check("E78-14" in failure and "letter size" in failure,
                 f"the failure for E78-14 names it and says why, seen {failure!r}")
    faults.check(page.visible("StockFailure"), "the stock failure is visible")
    # As in the window, the table's actions are there only while it has rows.
    faults.equal(page.table("ListView")[1:], [], "rows after the failure")
    faults.equal(page.b.js(ACTIONS_ENABLED, "StockPage"), [False] * 3,
                 "Copy, Save and Print Table enabled with no rows")
    page.type("StockTire", "24")
    page.press("StockGetRPMButton")
    faults.equal(page.text("StockFailure"), "", "the stock failure after a good press")
    faults.equal(page.b.js(ACTIONS_ENABLED, "StockPage"), [True] * 3,
                 "Copy, Save and Print Table enabled with a table")

    page.show("GenericTab")
    page.type("TireBox", "24")
    page.type("DiffBox", "three")
    page.type("TransBox", "1")
    page.press("Gen_GetRPMButton")
    failure = page.text("GenericFailure")
    faults.check("three" in failure and len(failure) > len("three") + 10,
                 f"the generic failure quotes the entry and says why, seen {failure!r}")
    page.type("DiffBox", "3.27")
    page.press("Gen_GetMPHButton")
    faults.equal(page.text("GenericFailure"), "", "the generic failure after a good press")
    alerts = page.b.js("return Array.from(document.querySelectorAll('[role=alert]'), (e) => e.id)")
    # The page's own alert says what an opened address could not use.
    faults.equal(sorted(alerts), ["AddressNote", "GenericFailure", "StockFailure"],
                 "the elements with role=alert")
    page.show("StockPageTab")


def check_generic(faults, page):
    cli = page.cli
    page.show("GenericTab")
    for box in ("TireBox", "DiffBox", "TransBox"):
        page.type(box, "")
    page.press("Gen_GetRPMButton")
    faults.equal([page.value(box) for box in ("TireBox", "DiffBox", "TransBox")],
                 ["24", "3.27", "1"], "the defaults written into empty boxes")
    for get in ("rpm", "mph"):
        page.press("Gen_GetRPMButton" if get == "rpm" else "Gen_GetMPHButton")
        expected = browser.rows_of_tsv(browser.cli_table(
            cli, "generic", "--tire", "24", "--axle", "3.27", "--gear", "1", "--get", get))
        faults.equal(page.table("ListView1"), expected, f"the generic Get {get.upper()} table")
    page.show("StockPageTab")


def check_reading(faults, page):
    for box, reading, tab in (("TireBox", "TireBoxReading", "GenericTab"),
                              ("StockTire", "StockTireReading", "StockPageTab")):
        page.show(tab)
        faults.equal(page.b.element(box).get_attribute("aria-describedby"), reading,
                     f"{box}'s aria-describedby")
        page.type(box, "185/80R13")
        text = page.text(reading)
        faults.check("185/80R13" in text and "24.65 in" in text,
                     f"{reading} for 185/80R13, seen {text!r}")
        faults.check(page.visible(reading), f"{reading} is visible")
    page.show("StockPageTab")


LONG_TEXT = """
    const box = document.getElementById(arguments[0]);
    box.value = arguments[1];
    box.dispatchEvent(new Event('input', {bubbles: true}));
"""
NOT_A_NUMBER = re.compile(r"NaN|Infinity|\d[eE][+-]?\d")


def check_long_entries(faults, page):
    texts = {"nines": "9" * 100000, "tiny": "0." + "0" * 99997 + "1",
             "digits and dots": "1." * 50000}
    for name, text in texts.items():
        for tab, boxes, buttons in (
                ("GenericTab", ("TireBox", "DiffBox", "TransBox"),
                 ("Gen_GetRPMButton", "Gen_GetMPHButton")),
                ("StockPageTab", ("StockTire",), ("StockGetRPMButton", "StockGetMPHButton"))):
            page.show(tab)
            for box in boxes:
                for other in boxes:
                    page.b.js(LONG_TEXT, other, {"TireBox": "24", "DiffBox": "3.27",
                                                 "TransBox": "1", "StockTire": "24"}[other])
                page.b.js(LONG_TEXT, box, text)
                for button in buttons:
                    page.press(button)
                    seen = page.b.js("return document.body.innerText")
                    bad = NOT_A_NUMBER.search(seen)
                    faults.check(bad is None, f"100,000 characters ({name}) in {box}, {button}: "
                                 f"the page shows {bad and bad.group(0)!r}")
    page.show("StockPageTab")


def check_copy_and_save(faults, page):
    cli = page.cli
    b = page.b
    b.cdp("Browser.grantPermissions",
          {"permissions": ["clipboardReadWrite", "clipboardSanitizedWrite"]})
    question = ["stock", "--model", EARLY, "--years", "1961-1963", "--axle", "3.27",
                "--tire", "24", "--get", "rpm"]
    page.stock(EARLY, "1961-1963", "3.27", "24", "rpm")
    b.driver.find_element("css selector", "#StockPage .copy").click()
    b.wait_for("return document.querySelector('#StockPage .status').textContent",
               "the copy's status")
    copied = b.driver.execute_async_script(
        "const done = arguments[0];"
        "navigator.clipboard.readText().then(done, (error) => done('refused: ' + error));")
    faults.equal(copied, browser.cli_table(cli, *question), "the copied table")

    b.driver.find_element("css selector", "#StockPage .save").click()
    name = "stock-rpm_early-car-1961-1963_axle-3.27_tire-24.csv"
    path = os.path.join(b.download_dir, name)
    deadline = time.monotonic() + 10
    while not os.path.exists(path) and time.monotonic() < deadline:
        time.sleep(0.05)
    faults.equal(sorted(os.listdir(b.download_dir)), [name], "the downloaded files")
    if os.path.exists(path):
        with open(path, newline="", encoding="utf-8") as saved:
            faults.equal(saved.read(), browser.cli_table(cli, *question, table_format="csv"),
                         "the saved CSV")
    faults.equal(b.js("return document.querySelector('#StockPage .status').textContent"),
                 f"Saved as {name}.", "the status after saving")


def check_language(faults, page_path, cli, language, works, fails):
    with browser.Browser(language=language) as chromium:
        page = Page(chromium, page_path, cli)
        faults.equal(chromium.js("return navigator.languages[0]"), language,
                     "the browser's first language")
        page.show("GenericTab")
        page.press("Gen_GetRPMButton")
        faults.equal(page.value("DiffBox"), works, f"the default axle ratio in {language}")
        page.type("DiffBox", works)
        page.press("Gen_GetRPMButton")
        expected = browser.rows_of_tsv(browser.cli_table(
            cli, "generic", "--tire", "24", "--axle", "3.27", "--gear", "1", "--get", "rpm"))
        table = page.table("ListView1")
        # Numbers in the table are whole, so no separator shows in its cells.
        faults.equal(table, expected, f"the table for {works!r} in {language}")
        faults.equal(page.text("GenericFailure"), "", f"no failure for {works!r} in {language}")
        if fails:
            page.type("DiffBox", fails)
            page.press("Gen_GetRPMButton")
            failure = page.text("GenericFailure")
            faults.check(fails in failure and len(failure) > len(fails) + 10,
                         f"{fails!r} in {language} fails with a reason, seen {failure!r}")
            page.type("DiffBox", works)
            page.press("Gen_GetRPMButton")
            faults.equal(page.text("GenericFailure"), "", f"the failure cleared in {language}")


def test(faults, page_path, cli):
    with browser.Browser() as chromium:
        page = Page(chromium, page_path, cli)
        for check in (check_tabs, check_texts, check_cascade, check_stock_tables,
                      check_stock_does_nothing, check_failures, check_generic, check_reading,
                      check_copy_and_save, check_long_entries):
            started = time.monotonic()
            check(faults, page)
            if os.environ.get("TACHORIA_WEB_TIMES"):
                print(f"{check.__name__}: {time.monotonic() - started:.2f} s")
    check_language(faults, page_path, cli, "de-DE", "3,27", "3.27")
    check_language(faults, page_path, cli, "de-CH", "3.27", None)


def main(page_path, cli):
    return browser.run(test, [page_path, cli])


if __name__ == "__main__":
    if len(sys.argv) != 3:
        browser.usage("<page index.html> <native tachoria-cli>")
    sys.exit(main(sys.argv[1], sys.argv[2]))
