"""Served, the web page is an app to install that works with no connection.

    installable.py <page index.html> <page.css>

The page's folder is served on 127.0.0.1 by this test. Its manifest must
parse, with its fields, the style's light colours and both icons (PNGs of
the sizes it names); a service worker must control the page after a
reload and keep every file in its cache; and with the network cut and the
server stopped, a reload must still open the page and compute a table.
Opened from disk, the page must link no manifest and register no worker.
"""

import json
import pathlib
import re
import socket
import struct
import subprocess
import sys
import time
import urllib.parse
import urllib.request

from selenium.webdriver.support.ui import Select

import browser

# The early car's stock "Get RPM", first row: the same as the desktop's.
STOCK = (("StockModel", "Early Car (1961-1964)"), ("StockYear", "1961-1963"), ("StockDiff", "3.27"))
FIRST_ROW = ["10", "1671", "1076", "659", "457"]

CACHED = """
    const names = (await caches.keys()).filter((name) => name.startsWith('tachoria-'));
    const kept = names.length ? await (await caches.open(names[0])).keys() : [];
    return { names, kept: kept.map((request) => new URL(request.url).pathname.split('/').pop()) };
"""


class Server:
    """python3 -m http.server over the page's folder, stopped by its PID."""

    def __init__(self, folder):
        with socket.socket() as probe:
            probe.bind(("127.0.0.1", 0))
            self.port = probe.getsockname()[1]
        self.address = f"http://127.0.0.1:{self.port}/"
        self.process = subprocess.Popen(
            [sys.executable, "-m", "http.server", "--bind", "127.0.0.1", "--directory",
             str(folder), str(self.port)], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        deadline = time.monotonic() + browser.WAIT_SECONDS
        while True:
            try:
                with urllib.request.urlopen(self.address, timeout=1):
                    return
            except OSError:
                if time.monotonic() > deadline or self.process.poll() is not None:
                    self.stop()
                    raise RuntimeError("the page's folder could not be served") from None
                time.sleep(0.05)

    def fetch(self, path):
        with urllib.request.urlopen(urllib.parse.urljoin(self.address, path), timeout=5) as answer:
            return answer.read()

    def stop(self):
        if self.process.poll() is None:
            self.process.terminate()
            try:
                self.process.wait(timeout=5)
            except subprocess.TimeoutExpired:
                self.process.kill()
                self.process.wait()


def png_size(data):
    """The width and height of a PNG, or None if data is not one."""
    if data[:8] != b"\x89PNG\r\n\x1a\n" or data[12:16] != b"IHDR":
        return None
    return struct.unpack(">II", data[16:24])


def light_colours(style_path):
    root = re.search(r":root\s*\{([^}]*)\}", pathlib.Path(style_path).read_text(encoding="utf-8"))
    return dict(re.findall(r"(--[\w-]+)\s*:\s*(#[0-9a-fA-F]+)", root.group(1)))


def check_manifest(faults, server, style_path):
    manifest = json.loads(server.fetch("manifest.webmanifest"))
    colours = light_colours(style_path)
    for field, expected in (("name", "Tachoria"), ("short_name", "Tachoria"),
                            ("display", "standalone"), ("scope", "./"),
                            ("start_url", "./index.html"),
                            ("background_color", colours["--bg"]),
                            ("theme_color", colours["--accent"])):
        faults.equal(manifest.get(field), expected, f"the manifest's {field}")
    faults.check(manifest.get("description"), "the manifest has a description")
    sizes = {}
    for icon in manifest.get("icons", []):
        faults.equal(icon.get("type"), "image/png", f"the type of {icon.get('src')}")
        sizes[icon.get("sizes")] = png_size(server.fetch(icon["src"]))
    faults.equal(sizes, {"192x192": (192, 192), "512x512": (512, 512)},
                 "the manifest's icon sizes against the PNGs served")


def open_served(b, address):
    b.driver.get(address)
    b.wait_for("return document.documentElement.dataset.ready === 'true'",
               "the served page's core to load (data-ready)")


def stock_first_row(b):
    for list_id, item in STOCK:
        Select(b.element(list_id)).select_by_visible_text(item)
    tire = b.element("StockTire")
    tire.clear()
    tire.send_keys("24")
    b.element("StockGetRPMButton").click()
    b.wait_for("return document.getElementById('ListView').rows.length > 1", "the stock table")
    return [cell.strip() for cell in b.js(browser.TABLE_ROWS, "ListView")[1]]


def test(faults, page_path, style_path):
    page = pathlib.Path(page_path).resolve()
    server = Server(page.parent)
    try:
        check_manifest(faults, server, style_path)
        with browser.Browser() as b:
            b.open(page)
            faults.equal(b.js("return document.querySelectorAll('link[rel=manifest]').length"),
                         0, "manifest links in the page opened from disk")

            open_served(b, server.address + "index.html")
            b.wait_for("return navigator.serviceWorker && navigator.serviceWorker.ready"
                       ".then(() => true)", "the service worker to be ready")
            faults.equal(b.cdp("Page.getAppManifest").get("errors"), [],
                         "the browser's errors on the manifest")
            b.driver.refresh()
            b.wait_for("return document.documentElement.dataset.ready === 'true'",
                       "the reloaded page's core")
            faults.check(b.js("return navigator.serviceWorker.controller !== null"),
                         "a service worker controls the page after a reload")
            cached = b.js(CACHED)
            faults.equal(len(cached["names"]), 1, f"Tachoria's caches ({cached['names']})")
            faults.equal(sorted(cached["kept"]), sorted(
                ["index.html", "manifest.webmanifest", "icon-192.png", "icon-512.png"]),
                "the files the worker keeps")

            # No connection at all: the browser offline, and no server.
            b.cdp("Network.enable")
            b.cdp("Network.emulateNetworkConditions", {"offline": True, "latency": 0,
                                                      "downloadThroughput": -1,
                                                      "uploadThroughput": -1})
            server.stop()
            open_served(b, server.address)
            faults.equal(stock_first_row(b), FIRST_ROW, "the stock table's first row offline")
    finally:
        server.stop()


def main(page_path, style_path):
    return browser.run(test, [page_path, style_path])


if __name__ == "__main__":
    if len(sys.argv) != 3:
        browser.usage("<page index.html> <page.css>")
    sys.exit(main(*sys.argv[1:]))
