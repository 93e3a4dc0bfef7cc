"""The web page's printed table: one page with what it was made from.

    printed.py <page index.html> <native tachoria-cli>

Prints the stock table to PDF as the browser does for Print Table, reads it
back with pdftotext and pdfinfo: the title naming the selection, the table's
headers and cells as the native program has them, the printed-on line, no
controls' texts, one page; the same in a dark browser, in black on white.
"""

import base64
import os
import re
import subprocess
import sys
import tempfile

from selenium.webdriver.support.ui import Select

import browser

TITLE = "Stock Corvair Gearing: Early Car (1961-1964), 1961-1963, axle 3.27, tire 24 in"
CONTROL_TEXTS = ["Get RPM", "Get MPH", "Copy Table", "Save Table", "Print Table",
                 "Tire Diameter", "Generic Vehicle", "select model", "Engine RPM versus MPH"]
PRINTED_ON = re.compile(r"Printed by Tachoria on \w+day, \w+ \d{1,2}, \d{4}")


def print_pdf(b, path):
    pdf = b.cdp("Page.printToPDF", {"printBackground": True})
    with open(path, "wb") as out:
        out.write(base64.b64decode(pdf["data"]))


def pdf_text(path):
    text = subprocess.run(["pdftotext", "-layout", path, "-"], capture_output=True, text=True,
                          check=True).stdout
    return [" ".join(line.split()) for line in text.splitlines() if line.strip()]


def pdf_info(path):
    info = subprocess.run(["pdfinfo", path], capture_output=True, text=True, check=True).stdout
    return dict(line.split(":", 1) for line in info.splitlines() if ":" in line)


def darkest_and_mean(path, folder):
    """The page's darkest grey and its mean, 0 (black) to 255, at 20 dpi."""
    stem = os.path.join(folder, "page")
    subprocess.run(["pdftoppm", "-gray", "-r", "20", "-singlefile", path, stem], check=True)
    with open(stem + ".pgm", "rb") as image:
        data = image.read()
    # P5 header: magic, width, height, maximum, each ended by whitespace.
    fields = data.split(maxsplit=4)
    pixels = fields[4][1:] if fields[4][:1].isspace() else fields[4]
    return min(pixels), sum(pixels) / len(pixels)


def check_pdf(faults, path, where, title, expected_rows, absent):
    lines = pdf_text(path)
    info = pdf_info(path)
    faults.equal(info.get("Pages", "").strip(), "1", f"{where}: pages printed")
    faults.equal(info.get("Title", "").strip(), title, f"{where}: the PDF's title")
    faults.check(lines and lines[0] == title, f"{where}: the first line is the title, seen "
                 f"{lines[:1]!r}")
    for row in expected_rows:
        line = " ".join(cell for cell in row if cell)
        faults.check(line in lines, f"{where}: the row {line!r} is printed")
    faults.check(any(PRINTED_ON.fullmatch(line) for line in lines),
                 f"{where}: a line 'Printed by Tachoria on <day>', seen {lines[-1:]!r}")
    text = "\n".join(lines)
    for control in absent:
        faults.check(control not in text, f"{where}: {control!r} is printed")


def test(faults, page_path, cli):
    stock = browser.rows_of_tsv(browser.cli_table(
        cli, "stock", "--model", "Early Car (1961-1964)", "--years", "1961-1963",
        "--axle", "3.27", "--tire", "24", "--get", "rpm"))
    with browser.Browser() as b, tempfile.TemporaryDirectory() as folder:
        b.open(page_path)
        for list_id, item in (("StockModel", "Early Car (1961-1964)"),
                              ("StockYear", "1961-1963"), ("StockDiff", "3.27")):
            Select(b.element(list_id)).select_by_visible_text(item)
        b.element("StockTire").send_keys("24")
        b.element("StockGetRPMButton").click()
        for dark in (False, True):
            where = "dark" if dark else "light"
            b.set_dark(dark)
            path = os.path.join(folder, f"stock-{where}.pdf")
            print_pdf(b, path)
            check_pdf(faults, path, f"stock, {where}", TITLE, stock, CONTROL_TEXTS)
            darkest, mean = darkest_and_mean(path, folder)
            faults.check(darkest < 80 and mean > 200,
                         f"stock, {where}: printed dark on white (darkest {darkest}, "
                         f"mean {mean:.0f})")
        faults.equal(b.js("return document.title"), "Tachoria", "the title after printing")

        # The generic page prints its own table, and nothing of the stock page's.
        b.set_dark(False)
        b.element("GenericTab").click()
        b.element("Gen_GetMPHButton").click()
        generic = browser.rows_of_tsv(browser.cli_table(
            cli, "generic", "--tire", "24", "--axle", "3.27", "--gear", "1", "--get", "mph"))
        path = os.path.join(folder, "generic.pdf")
        print_pdf(b, path)
        lines = pdf_text(path)
        title = lines[0] if lines else ""
        faults.check(title.startswith("Generic Vehicle"),
                     f"generic: the title names the page, seen {title!r}")
        check_pdf(faults, path, "generic", title, generic,
                  CONTROL_TEXTS[:6] + [TITLE, "1st Gear"])


def main(page_path, cli):
    return browser.run(test, [page_path, cli])


if __name__ == "__main__":
    if len(sys.argv) != 3:
        browser.usage("<page index.html> <native tachoria-cli>")
    sys.exit(main(sys.argv[1], sys.argv[2]))
