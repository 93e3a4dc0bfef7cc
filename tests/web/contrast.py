"""The web page's texts against their backgrounds, light and dark: 4.5:1.

    contrast.py <page index.html>

Computes the contrast ratio from each text's computed colour and the
colour behind it (the nearest ancestor's background, blended where it is
see-through) for every kind of text: body, captions, entries, the "reads
as" text, failures, buttons (enabled and disabled), lists (enabled and
disabled), tabs, table headers and cells (striped rows too), the status.
"""

import sys

from selenium.webdriver.support.ui import Select

import browser

# Ratio for each element the selector finds, that has text and is shown.
CONTRASTS = """
    const parse = (text) => {
        const v = (text.match(/[\\d.]+/g) || ['0', '0', '0', '0']).map(Number);
        return {r: v[0], g: v[1], b: v[2], a: v.length > 3 ? v[3] : 1};
    };
    const over = (top, under) => ({
        r: top.r * top.a + under.r * (1 - top.a), g: top.g * top.a + under.g * (1 - top.a),
        b: top.b * top.a + under.b * (1 - top.a), a: 1,
    });
    const backgroundOf = (element) => {
        const layers = [];
        for (let e = element; e; e = e.parentElement) {
            const colour = parse(getComputedStyle(e).backgroundColor);
            if (colour.a > 0) {
                layers.push(colour);
                if (colour.a >= 1) {
                    break;
                }
            }
        }
        let colour = {r: 255, g: 255, b: 255, a: 1};  // the canvas, if nothing paints
        for (const layer of layers.reverse()) {
            colour = over(layer, colour);
        }
        return colour;
    };
    const luminance = (c) => {
        const [r, g, b] = [c.r, c.g, c.b].map((v) => {
            v /= 255;
            return v <= 0.03928 ? v / 12.92 : Math.pow((v + 0.055) / 1.055, 2.4);
        });
        return 0.2126 * r + 0.7152 * g + 0.0722 * b;
    };
    return Array.from(document.querySelectorAll(arguments[0]))
        .filter((e) => e.getClientRects().length > 0 &&
                (e.value || e.textContent).trim() !== '')
        .map((e) => {
            const background = backgroundOf(e);
            const text = over(parse(getComputedStyle(e).color), background);
            const [a, b] = [luminance(text), luminance(background)];
            return [e.id || e.className || e.tagName, (e.value || e.textContent).trim().slice(0, 30),
                    (Math.max(a, b) + 0.05) / (Math.min(a, b) + 0.05)];
        });
"""

# (what, selector): each must find at least one shown text.
STOCK_TEXTS = [
    ("body text", ".banner h1"),
    ("captions", "#StockPage label, #Label7"),
    ("tire entry", "#StockTire"),
    ("reading text", "#StockTireReading"),
    ("failure text", "#StockFailure"),
    ("commands", "#StockPage .command"),
    ("enabled lists", "#StockModel"),
    ("disabled lists", "#StockPage select:disabled"),
    ("tabs", "[role=tab]"),
]
START_TEXTS = [("disabled table actions", ".table-actions button:disabled")]
TABLE_TEXTS = [
    ("table headers", "#ListView thead th"),
    ("table cells", "#ListView tbody tr:nth-child(odd) > *"),
    ("striped table cells", "#ListView tbody tr:nth-child(even) > *"),
    ("table actions", "#StockPage .table-actions button"),
    ("status", "#StockPage .status"),
]
GENERIC_TEXTS = [
    ("generic captions", "#GenericPage label"),
    ("generic entries", "#GenericPage input"),
    ("generic reading text", "#TireBoxReading"),
    ("generic failure text", "#GenericFailure"),
    ("generic table headers", "#ListView1 thead th"),
]


def check(faults, b, scheme, texts):
    for what, selector in texts:
        seen = b.js(CONTRASTS, selector)
        faults.check(seen, f"{scheme}: no {what} shown ({selector})")
        for name, text, ratio in seen:
            faults.check(ratio >= 4.5, f"{scheme}: {what} {name} {text!r} has contrast "
                         f"{ratio:.2f}:1, under 4.5:1")


def test(faults, page_path):
    with browser.Browser() as b:
        b.open(page_path)
        b.cdp("Browser.grantPermissions",
              {"permissions": ["clipboardReadWrite", "clipboardSanitizedWrite"]})
        for dark in (False, True):
            b.set_dark(dark)
            check(faults, b, "dark" if dark else "light", START_TEXTS)
        # A failure, with the later lists disabled.
        b.element("StockTire").send_keys("E78-14")
        for list_id, item in (("StockModel", "Late Car (1965-1969)"), ("StockYear", "1965"),
                              ("StockDiff", "3.27"), ("StockModel", "Early Car (1961-1964)")):
            Select(b.element(list_id)).select_by_visible_text(item)
            if list_id == "StockDiff":
                b.element("StockGetRPMButton").click()
        for dark in (False, True):
            b.set_dark(dark)
            check(faults, b, "dark" if dark else "light", STOCK_TEXTS)

        Select(b.element("StockYear")).select_by_visible_text("1961-1963")
        Select(b.element("StockDiff")).select_by_visible_text("3.27")
        b.element("StockTire").clear()
        b.element("StockTire").send_keys("24")
        b.element("StockGetRPMButton").click()
        b.driver.find_element("css selector", "#StockPage .copy").click()
        b.wait_for("return document.querySelector('#StockPage .status').textContent",
                   "the copy's status")
        for dark in (False, True):
            b.set_dark(dark)
            check(faults, b, "dark" if dark else "light", TABLE_TEXTS)

        b.element("GenericTab").click()
        b.element("TireBox").send_keys("24")
        b.element("DiffBox").send_keys("3..27")
        b.element("Gen_GetRPMButton").click()
        b.element("DiffBox").clear()
        b.element("DiffBox").send_keys("3.27")
        b.element("Gen_GetMPHButton").click()
        b.element("DiffBox").send_keys("x")
        b.element("Gen_GetMPHButton").click()  # a failure, the last table still shown
        for dark in (False, True):
            b.set_dark(dark)
            check(faults, b, "dark" if dark else "light", GENERIC_TEXTS)


def main(page_path):
    return browser.run(test, [page_path])


if __name__ == "__main__":
    if len(sys.argv) != 2:
        browser.usage("<page index.html>")
    sys.exit(main(sys.argv[1]))
