"""Screenshots of the web page for docs/screenshots/ (not a test).

    screenshots.py <page index.html> <output folder>

The stock page with the early car's table (1961-1963, axle 3.27, tire
185/80R13, Get RPM) on a phone (360x640) and a laptop (1366x768), light and
dark, the whole page's length; and its printed page at 60 dpi. The
comparison and the questions, opened from their addresses, on a phone and a
laptop, light and dark.
"""

import base64
import os
import pathlib
import subprocess
import sys
import tempfile

from selenium.webdriver.support.ui import Select

import browser

SHOTS = [("web-phone", 360, 640, True, False), ("web-phone-dark", 360, 640, True, True),
         ("web-laptop", 1366, 768, False, False), ("web-laptop-dark", 1366, 768, False, True)]

COMPARE = ("compare?a-tire=24&a-axle=3.27&a-gears=3.65,2.35,1.44,1&b-tire=185%2F80R13&b-axle=3.55"
           "&b-gears=3.65,2.35,1.44,1&redline=5500&unit=mph")
QUESTION = "solve-axle?rpm=2800&speed=70&tire=24&gear=1"
# Each view on a phone and a laptop, light and dark.
TOOL_SHOTS = [(f"web-{view}-{device}{'-dark' if dark else ''}", width, height, mobile, dark, address)
              for view, address in (("compare", COMPARE), ("questions", QUESTION))
              for device, width, height, mobile in (("phone", 360, 640, True),
                                                    ("laptop", 1366, 768, False))
              for dark in (False, True)]


def show_table(b):
    for list_id, item in (("StockModel", "Early Car (1961-1964)"), ("StockYear", "1961-1963"),
                          ("StockDiff", "3.27")):
        Select(b.element(list_id)).select_by_visible_text(item)
    b.element("StockTire").send_keys("185/80R13")
    b.element("StockGetRPMButton").click()
    b.wait_for("return document.querySelectorAll('#ListView tbody tr').length", "the table")


def whole_page(b, path):
    height = b.js("return Math.max(document.documentElement.scrollHeight, innerHeight)")
    shot = b.cdp("Page.captureScreenshot", {
        "format": "png", "captureBeyondViewport": True,
        "clip": {"x": 0, "y": 0, "width": b.width, "height": height, "scale": 1}})
    with open(path, "wb") as out:
        out.write(base64.b64decode(shot["data"]))


def make(page_path, folder):
    os.makedirs(folder, exist_ok=True)
    with browser.Browser() as b:
        for name, width, height, mobile, dark in SHOTS:
            b.set_viewport(width, height, mobile)
            b.set_dark(dark)
            b.open(page_path)
            show_table(b)
            b.js("document.activeElement.blur()")  # no focus ring in the picture
            whole_page(b, os.path.join(folder, name + ".png"))
            print(os.path.join(folder, name + ".png"))
        for name, width, height, mobile, dark, address in TOOL_SHOTS:
            b.set_viewport(width, height, mobile)
            b.set_dark(dark)
            b.driver.get("about:blank")
            b.driver.get(pathlib.Path(page_path).resolve().as_uri() + "#" + address)
            b.wait_for("return document.documentElement.dataset.ready === 'true'", "the page")
            b.js("window.scrollTo(0, 0); document.activeElement.blur()")
            if name.startswith("web-compare"):
                # The readout as under a pointer at 60 % of the chart.
                b.js("const area = document.querySelector('#CompareChart .touch').getBoundingClientRect();"
                     "document.getElementById('CompareChart').dispatchEvent(new PointerEvent('pointermove',"
                     "{clientX: area.left + area.width * 0.45, clientY: area.top + 10, bubbles: true}))")
            whole_page(b, os.path.join(folder, name + ".png"))
            print(os.path.join(folder, name + ".png"))
        b.set_viewport(1366, 768)
        b.set_dark(False)
        b.open(page_path)
        show_table(b)
        with tempfile.TemporaryDirectory() as scratch:
            pdf = os.path.join(scratch, "printed.pdf")
            with open(pdf, "wb") as out:
                out.write(base64.b64decode(b.cdp("Page.printToPDF", {})["data"]))
            stem = os.path.join(folder, "web-print")
            subprocess.run(["pdftoppm", "-png", "-r", "60", "-f", "1", "-l", "1", "-singlefile",
                            pdf, stem], check=True)
            print(stem + ".png")


if __name__ == "__main__":
    if len(sys.argv) != 3:
        browser.usage("<page index.html> <output folder>")
    make(sys.argv[1], sys.argv[2])
