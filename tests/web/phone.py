"""The web page's layout on a phone, a tablet and a laptop.

    phone.py <page index.html>

With a table shown on each page (and a failure on the stock page), the page
never scrolls sideways (only the table may, inside its box), no control
leaves the screen or overlaps another, and no caption or button is cut.
"""

import sys

from selenium.webdriver.support.ui import Select

import browser

SIZES = [(360, 640, True), (768, 1024, True), (1366, 768, False)]

# Everything a person reads or presses, outside the table.
LAYOUT = """
    const page = document.getElementById(arguments[0]);
    const screenWidth = arguments[1];
    const controls = Array.from(page.querySelectorAll(
        'label, input, select, button, .reading, .failure:not(:empty), h2, .table-box'))
        .concat(Array.from(document.querySelectorAll('[role=tab], .banner h1')))
        .filter((element) => element.getClientRects().length > 0);
    const name = (element) => element.id || element.className || element.textContent.trim();
    const boxes = controls.map((element) => [name(element), element.getBoundingClientRect()]);
    const overlaps = [];
    for (let i = 0; i < boxes.length; ++i) {
        for (let j = i + 1; j < boxes.length; ++j) {
            const [a, ra] = boxes[i];
            const [b, rb] = boxes[j];
            const inside = controls[i].contains(controls[j]) || controls[j].contains(controls[i]);
            // A label and its box may touch; a pixel of border shared is no overlap.
            if (!inside && ra.left < rb.right - 1 && rb.left < ra.right - 1 &&
                ra.top < rb.bottom - 1 && rb.top < ra.bottom - 1) {
                overlaps.push(a + ' / ' + b);
            }
        }
    }
    return {
        scrollWidth: document.documentElement.scrollWidth,
        innerWidth: window.innerWidth,
        offScreen: boxes.filter(([, r]) => r.left < 0 || r.right > screenWidth + 0.5)
            .map(([n, r]) => n + ' ' + Math.round(r.left) + '..' + Math.round(r.right)),
        overlaps: overlaps,
        cut: controls.filter((element) => !element.classList.contains('table-box') &&
                element.tagName !== 'INPUT' && element.tagName !== 'SELECT' &&
                (element.scrollWidth > element.clientWidth + 1 ||
                 element.scrollHeight > element.clientHeight + 1) && element.clientWidth > 0)
            .map(name),
        columns: page.querySelectorAll('table thead th').length,
        rows: page.querySelectorAll('table tbody tr').length,
    };
"""


LONG_ENTRY = """
    const box = document.getElementById(arguments[0]);
    box.value = arguments[1];
    box.dispatchEvent(new Event('input', {bubbles: true}));
"""


def show_tables(b):
    b.element("StockPageTab").click()
    for list_id, item in (("StockModel", "Early Car (1961-1964)"), ("StockYear", "1961-1963"),
                          ("StockDiff", "3.27")):
        Select(b.element(list_id)).select_by_visible_text(item)
    b.element("StockTire").send_keys("185/80R13")
    b.element("StockGetRPMButton").click()


def check_layout(faults, b, where, page_id, columns, rows):
    seen = b.js(LAYOUT, page_id, b.width)
    faults.equal(seen["columns"], columns, f"{where}: table columns shown")
    faults.equal(seen["rows"], rows, f"{where}: table rows shown")
    # A phone widens its layout to what the page needs: compare with the screen.
    faults.check(seen["scrollWidth"] <= seen["innerWidth"] <= b.width,
                 f"{where}: the page scrolls sideways ({seen['scrollWidth']} px wide, "
                 f"{seen['innerWidth']} px laid out, on a screen of {b.width} px)")
    faults.equal(seen["offScreen"], [], f"{where}: controls off the screen")
    faults.equal(seen["overlaps"], [], f"{where}: overlapping controls")
    faults.equal(seen["cut"], [], f"{where}: texts cut off")


def test(faults, page_path):
    with browser.Browser() as b:
        for width, height, mobile in SIZES:
            b.set_viewport(width, height, mobile)
            b.open(page_path)
            where = f"{width}x{height}"
            show_tables(b)
            check_layout(faults, b, f"{where} stock", "StockPage", 5, 15)
            b.element("StockTire").send_keys("E78-14")  # now "185/80R13E78-14"
            b.element("StockGetMPHButton").click()
            faults.check(b.js("return document.getElementById('StockFailure').textContent"),
                         f"{where}: a failure for a tire that reads as nothing")
            check_layout(faults, b, f"{where} stock with a failure", "StockPage", 5, 0)
            b.element("GenericTab").click()
            b.element("Gen_GetRPMButton").click()
            check_layout(faults, b, f"{where} generic", "GenericPage", 2, 12)
            # A long entry is quoted by the reading and the failure: both wrap.
            b.js(LONG_ENTRY, "TireBox", "9" * 300 + "x" * 700)
            b.element("Gen_GetMPHButton").click()
            faults.check(b.js("return document.getElementById('GenericFailure').textContent"),
                         f"{where}: a failure for a long generic entry")
            check_layout(faults, b, f"{where} generic with a long entry", "GenericPage", 2, 0)


def main(page_path):
    return browser.run(test, [page_path])


if __name__ == "__main__":
    if len(sys.argv) != 2:
        browser.usage("<page index.html>")
    sys.exit(main(sys.argv[1]))
