"""The web page by keyboard alone: Tab order, arrow keys, Enter and Space.

    keyboard.py <page index.html> <native tachoria-cli>

From the tab strip, Tab walks each page's controls in the window's order,
then the result table's box and its actions; the arrow keys switch pages;
a stock table is made without the mouse; every focused control shows a
focus ring of 2 px or more that stands out from the page (3:1).
"""

import sys

from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.keys import Keys

import browser

# The focused element, named as these tests name it, and its focus ring.
FOCUSED = """
    const element = document.activeElement;
    const page = element.closest('[role=tabpanel]');
    const name = element.id ||
        (page ? page.id + ' ' : '') + (element.classList[0] || element.tagName.toLowerCase());
    const style = getComputedStyle(element);
    const rgb = (text) => (text.match(/[\\d.]+/g) || []).slice(0, 3).map(Number);
    const luminance = (c) => {
        const [r, g, b] = c.map((v) => {
            v /= 255;
            return v <= 0.03928 ? v / 12.92 : Math.pow((v + 0.055) / 1.055, 2.4);
        });
        return 0.2126 * r + 0.7152 * g + 0.0722 * b;
    };
    const ring = luminance(rgb(style.outlineColor));
    const page_bg = luminance(rgb(getComputedStyle(document.body).backgroundColor));
    return {
        name: name,
        outlineStyle: style.outlineStyle,
        outlineWidth: parseFloat(style.outlineWidth),
        ringContrast: (Math.max(ring, page_bg) + 0.05) / (Math.min(ring, page_bg) + 0.05),
    };
"""

STOCK_ORDER = ["StockTire", "StockModel", "StockYear", "StockDiff", "StockGetRPMButton",
               "StockGetMPHButton", "StockPage table-box", "StockPage copy", "StockPage save",
               "StockPage print"]
GENERIC_ORDER = ["TireBox", "DiffBox", "TransBox", "Gen_GetRPMButton", "Gen_GetMPHButton",
                 "GenericPage table-box", "GenericPage copy", "GenericPage save",
                 "GenericPage print"]


class Keyboard:
    def __init__(self, faults, chromium):
        self.faults, self.b = faults, chromium

    def press(self, *keys):
        actions = ActionChains(self.b.driver)
        for key in keys:
            actions.send_keys(key)
        actions.perform()

    def back(self, times):
        actions = ActionChains(self.b.driver).key_down(Keys.SHIFT)
        for _ in range(times):
            actions.send_keys(Keys.TAB)
        actions.key_up(Keys.SHIFT).perform()

    def focused(self):
        seen = self.b.js(FOCUSED)
        if seen["name"] == "body":
            return "body (nothing focused)"
        self.faults.check(seen["outlineStyle"] != "none" and seen["outlineWidth"] >= 2,
                          f"{seen['name']} has no visible focus ring ({seen['outlineStyle']}, "
                          f"{seen['outlineWidth']} px)")
        self.faults.check(seen["ringContrast"] >= 3,
                          f"{seen['name']}'s focus ring stands out {seen['ringContrast']:.2f}:1")
        return seen["name"]

    def expect(self, name, what):
        return self.faults.equal(self.focused(), name, what)

    def walk(self, order, what):
        for name in order:
            self.press(Keys.TAB)
            if not self.expect(name, f"{what}: Tab after the one before"):
                return


def test(faults, page_path, cli):
    with browser.Browser() as b:
        b.open(page_path)
        keys = Keyboard(faults, b)
        keys.press(Keys.TAB)
        keys.expect("StockPageTab", "the first Tab stop")
        keys.press(Keys.ARROW_LEFT)
        keys.expect("GenericTab", "the left arrow from the stock tab")
        faults.check(b.js("return !document.getElementById('GenericPage').hidden && "
                          "document.getElementById('StockPage').hidden"),
                     "the left arrow shows the generic page")
        for key, tab in ((Keys.ARROW_RIGHT, "StockPageTab"), (Keys.ARROW_RIGHT, "CompareTab"),
                         (Keys.END, "QuestionsTab"), (Keys.ARROW_RIGHT, "GenericTab"),
                         (Keys.ARROW_LEFT, "QuestionsTab"), (Keys.HOME, "GenericTab"),
                         (Keys.ARROW_RIGHT, "StockPageTab")):
            keys.press(key)
            keys.expect(tab, f"the tab after {key.encode('unicode_escape')!r}")
            faults.equal(b.element(tab).get_attribute("aria-selected"), "true",
                         f"{tab} chosen by key")

        # A full stock selection, then Get RPM, without the mouse.
        keys.press(Keys.TAB)
        keys.expect("StockTire", "Tab from the stock tab")
        keys.press("24", Keys.TAB)
        keys.expect("StockModel", "Tab from the tire box")
        keys.press(Keys.ARROW_DOWN, Keys.TAB)  # the first model: the early car
        keys.expect("StockYear", "Tab from the model list, a model chosen")
        keys.press(Keys.ARROW_DOWN, Keys.TAB)  # 1961-1963
        keys.expect("StockDiff", "Tab from the year list, a year chosen")
        keys.press(Keys.ARROW_DOWN, Keys.ARROW_DOWN, Keys.TAB)  # 3.08, then 3.27
        keys.expect("StockGetRPMButton", "Tab from the axle list")
        faults.equal(b.js("return ['StockModel', 'StockYear', 'StockDiff'].map("
                          "(id) => document.getElementById(id).value)"),
                     ["Early Car (1961-1964)", "1961-1963", "3.27"], "the keyboard's selection")
        keys.press(Keys.ENTER)
        expected = browser.rows_of_tsv(browser.cli_table(
            cli, "stock", "--model", "Early Car (1961-1964)", "--years", "1961-1963",
            "--axle", "3.27", "--tire", "24", "--get", "rpm"))
        seen = [[cell.strip() for cell in row] for row in b.js(browser.TABLE_ROWS, "ListView")]
        faults.equal(seen, expected, "the table Enter on Get RPM made")

        # The whole order, from the tab strip, with every list enabled.
        keys.back(5)
        keys.expect("StockPageTab", "Shift+Tab back to the tab strip")
        keys.walk(STOCK_ORDER, "the stock page")

        keys.back(len(STOCK_ORDER))
        keys.expect("StockPageTab", "Shift+Tab from the last action back to the tabs")
        keys.press(Keys.ARROW_LEFT)
        keys.expect("GenericTab", "the left arrow from the stock tab")
        keys.walk(GENERIC_ORDER[:5], "the generic page")
        keys.press(" ")  # Space on Get MPH: the defaults, then the table
        faults.equal([b.element(box).get_attribute("value")
                      for box in ("TireBox", "DiffBox", "TransBox")],
                     ["24", "3.27", "1"], "the defaults after Space on Get MPH")
        faults.equal(b.js("return document.querySelectorAll('#ListView1 tbody tr').length"), 14,
                     "rows of the generic Get MPH table Space made")
        keys.walk(GENERIC_ORDER[5:], "the generic page's table")


def main(page_path, cli):
    return browser.run(test, [page_path, cli])


if __name__ == "__main__":
    if len(sys.argv) != 3:
        browser.usage("<page index.html> <native tachoria-cli>")
    sys.exit(main(sys.argv[1], sys.argv[2]))
