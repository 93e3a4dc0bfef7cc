"""Served on 127.0.0.1 by this test, the page is an app to install (its
manifest and icons) that a service worker keeps for use with no connection;
opened from disk, it links no manifest.

    installable.py <page index.html> <page.css>
"""

import json
import pathlib
import re
import socket
import struct
import subprocess
import sys
import time
import urllib.request

from selenium.webdriver.support.ui import Select

import browser

STOCK = (("StockModel", "Early Car (1961-1964)"), ("StockYear", "1961-1963"), ("StockDiff", "3.27"))
FIRST_ROW = ["10", "1671", "1076", "659", "457"]
KEPT = ["icon-192.png", "icon-512.png", "index.html", "manifest.webmanifest"]

CACHED = """
    const names = (await caches.keys()).filter((name) => name.startsWith('tachoria-'));
    const kept = names.length === 1 ? await (await caches.open(names[0])).keys() : [];
    return [names, kept.map((request) => new URL(request.url).pathname.split('/').pop()).sort()];
"""
READY = "return document.documentElement.dataset.ready === 'true'"


def serve(folder):
    """python3 -m http.server over folder on a free port, once it answers."""
    with socket.socket() as probe:
        probe.bind(("127.0.0.1", 0))
        port = probe.getsockname()[1]
    server = subprocess.Popen([sys.executable, "-m", "http.server", "--bind", "127.0.0.1",
                               "--directory", str(folder), str(port)],
                              stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    deadline = time.monotonic() + browser.WAIT_SECONDS
    while time.monotonic() < deadline and server.poll() is None:
        try:
            socket.create_connection(("127.0.0.1", port), timeout=1).close()
            break
        except OSError:
            time.sleep(0.05)
    return server, f"http://127.0.0.1:{port}/"


def stop(server):
    if server.poll() is None:
        server.terminate()
        server.wait(timeout=5)


def check_manifest(faults, address, style_path):
    fetch = lambda path: urllib.request.urlopen(address + path, timeout=5).read()
    manifest = json.loads(fetch("manifest.webmanifest"))
    style = pathlib.Path(style_path).read_text(encoding="utf-8")
    light = dict(re.findall(r"(--[\w-]+):\s*(#\w+)", re.search(r":root\s*\{[^}]*", style)[0]))
    for field, expected in (("name", "Tachoria"), ("short_name", "Tachoria"),
                            ("start_url", "./index.html"), ("scope", "./"),
                            ("display", "standalone"), ("background_color", light["--bg"]),
                            ("theme_color", light["--accent"])):
        faults.equal(manifest.get(field), expected, f"the manifest's {field}")
    faults.check(manifest.get("description"), "the manifest has a description")
    sizes = {}
    for icon in manifest.get("icons", []):
        png = fetch(icon["src"])
        faults.check(png.startswith(b"\x89PNG\r\n\x1a\n") and icon["type"] == "image/png",
                     f"{icon['src']} is a PNG")
        sizes[icon["sizes"]] = struct.unpack(">II", png[16:24])
    faults.equal(sizes, {"192x192": (192, 192), "512x512": (512, 512)}, "the icons' sizes")


def open_served(b, address):
    b.driver.get(address)
    b.wait_for(READY, f"the page's core to load from {address}")


def test(faults, page_path, style_path):
    page = pathlib.Path(page_path).resolve()
    server, address = serve(page.parent)
    try:
        check_manifest(faults, address, style_path)
        with browser.Browser() as b:
            b.open(page)
            faults.equal(b.js("return document.querySelectorAll('link[rel=manifest]').length"),
                         0, "manifest links in the page opened from disk")
            # A cache of an older build, which the worker must delete.
            b.driver.get(address + "icon-192.png")
            b.js("return caches.open('tachoria-older').then(() => true)")
            open_served(b, address + "index.html")
            b.wait_for("return navigator.serviceWorker.ready.then(() => true)", "the worker")
            faults.equal(b.cdp("Page.getAppManifest").get("errors"), [], "manifest errors")
            b.driver.refresh()
            b.wait_for(READY, "the reloaded page's core")
            faults.check(b.js("return navigator.serviceWorker.controller !== null"),
                         "a service worker controls the page after a reload")
            names, kept = b.js(CACHED)
            faults.check(len(names) == 1 and names[0] != "tachoria-older",
                         f"one cache of this build, seen {names}")
            faults.equal(kept, KEPT, "the files the worker keeps")

            # No connection at all: the browser offline, and no server.
            b.cdp("Network.enable")
            b.cdp("Network.emulateNetworkConditions", {"offline": True, "latency": 0,
                                                      "downloadThroughput": -1,
                                                      "uploadThroughput": -1})
            stop(server)
            open_served(b, address)
            for list_id, item in STOCK:
                Select(b.element(list_id)).select_by_visible_text(item)
            b.element("StockTire").send_keys("24")
            b.element("StockGetRPMButton").click()
            b.wait_for("return document.getElementById('ListView').rows.length > 1", "a table")
            faults.equal([cell.strip() for cell in b.js(browser.TABLE_ROWS, "ListView")[1]],
                         FIRST_ROW, "the stock table's first row offline")
    finally:
        stop(server)


if __name__ == "__main__":
    if len(sys.argv) != 3:
        browser.usage("<page index.html> <page.css>")
    sys.exit(browser.run(test, sys.argv[1:]))
