"""One headless Chromium for the web page's tests, and the faults they find.

The browser and its driver are started here and always ended here, by the
driver's process group, so a failing test leaves no Chromium behind on a
machine that others share.
"""

import atexit
import json
import os
import pathlib
import shutil
import signal
import socket
import subprocess
import sys
import tempfile
import time
import traceback
import urllib.request

from selenium import webdriver
from selenium.common.exceptions import TimeoutException
from selenium.webdriver.chromium.remote_connection import ChromiumRemoteConnection
from selenium.webdriver.support.ui import WebDriverWait

CHROMIUM = "/usr/bin/chromium"
CHROMEDRIVER = "/usr/bin/chromedriver"
WAIT_SECONDS = 20


def _free_port():
    with socket.socket() as probe:
        probe.bind(("127.0.0.1", 0))
        return probe.getsockname()[1]


class Browser:
    """A headless Chromium under its own chromedriver.

    width, height: the viewport in CSS pixels; mobile: a phone's viewport
    (touch, device-width layout); language: the browser's first language
    ("de-DE"); dark: prefers-color-scheme: dark; network_log: keep the
    performance log with the network's events.
    """

    def __init__(self, width=1024, height=768, mobile=False, language=None, dark=False,
                 network_log=False):
        self.width, self.height, self.mobile = width, height, mobile
        self.download_dir = tempfile.mkdtemp(prefix="tachoria-web-")
        self._driver_process = None
        self.driver = None
        atexit.register(self.close)
        try:
            self._start(language, network_log)
            self.set_viewport(width, height, mobile)
            self.set_dark(dark)
        except BaseException:
            self.close()
            raise

    def _start(self, language, network_log):
        port = _free_port()
        # A session of its own: the driver and the Chromium it starts share
        # one process group, ended as one.
        self._driver_process = subprocess.Popen(
            [CHROMEDRIVER, f"--port={port}"], stdout=subprocess.DEVNULL,
            stderr=subprocess.DEVNULL, start_new_session=True)
        address = f"http://127.0.0.1:{port}"
        deadline = time.monotonic() + WAIT_SECONDS
        while True:
            try:
                with urllib.request.urlopen(address + "/status", timeout=1) as answer:
                    if json.load(answer)["value"]["ready"]:
                        break
            except OSError:
                pass
            if time.monotonic() > deadline or self._driver_process.poll() is not None:
                raise RuntimeError("chromedriver did not start")
            time.sleep(0.05)

        options = webdriver.ChromeOptions()
        options.binary_location = CHROMIUM
        for argument in ("--headless=new", "--no-sandbox", "--disable-gpu",
                         "--disable-dev-shm-usage", "--no-first-run",
                         "--disable-extensions", "--disable-background-networking",
                         "--disable-component-update", "--disable-sync",
                         "--allow-file-access-from-files",
                         f"--window-size={self.width},{self.height}"):
            options.add_argument(argument)
        prefs = {
            "download.default_directory": self.download_dir,
            "download.prompt_for_download": False,
        }
        if language:
            options.add_argument(f"--lang={language}")
            prefs["intl.accept_languages"] = language
        options.add_experimental_option("prefs", prefs)
        if network_log:
            options.set_capability("goog:loggingPrefs", {"performance": "ALL"})
            options.add_experimental_option("perfLoggingPrefs", {"enableNetwork": True,
                                                                  "enablePage": False})
        connection = ChromiumRemoteConnection(address, vendor_prefix="goog",
                                              browser_name="chrome")
        self.driver = webdriver.Remote(command_executor=connection, options=options)
        self.cdp("Browser.setDownloadBehavior",
                 {"behavior": "allow", "downloadPath": self.download_dir})

    def cdp(self, command, params=None):
        """A DevTools command on the page's target."""
        return self.driver.execute("executeCdpCommand",
                                   {"cmd": command, "params": params or {}})["value"]

    def set_viewport(self, width, height, mobile=False):
        self.width, self.height, self.mobile = width, height, mobile
        self.cdp("Emulation.setDeviceMetricsOverride",
                 {"width": width, "height": height, "deviceScaleFactor": 1, "mobile": mobile})
        self.cdp("Emulation.setTouchEmulationEnabled", {"enabled": mobile})

    def set_dark(self, dark):
        self.cdp("Emulation.setEmulatedMedia", {"features": [
            {"name": "prefers-color-scheme", "value": "dark" if dark else "light"}]})

    def open(self, page_path):
        """Opens the page from disk and waits until its core has loaded."""
        self.driver.get(pathlib.Path(page_path).resolve().as_uri())
        self.wait_for("return document.documentElement.dataset.ready === 'true'",
                      "the page's core to load (data-ready)")

    def wait_for(self, script, what, *args, seconds=WAIT_SECONDS):
        """Waits until a script returns a true value; that value."""
        try:
            return WebDriverWait(self.driver, seconds).until(
                lambda driver: driver.execute_script(script, *args))
        except TimeoutException:
            raise AssertionError(f"timed out waiting for {what}") from None

    def js(self, script, *args):
        return self.driver.execute_script(script, *args)

    def element(self, element_id):
        return self.driver.find_element("id", element_id)

    def close(self):
        driver, self.driver = self.driver, None
        process, self._driver_process = self._driver_process, None
        if driver is not None:
            try:
                driver.quit()
            except Exception:  # the group is ended below whatever quit did
                pass
        if process is not None:
            try:
                os.killpg(process.pid, signal.SIGTERM)
                process.wait(timeout=3)
            except (ProcessLookupError, subprocess.TimeoutExpired):
                pass
            # Whatever of Chromium is still in the group goes too.
            try:
                os.killpg(process.pid, signal.SIGKILL)
            except ProcessLookupError:
                pass
            process.wait()
            deadline = time.monotonic() + 3
            while time.monotonic() < deadline:
                try:
                    os.killpg(process.pid, 0)
                except ProcessLookupError:
                    break
                time.sleep(0.05)
        if self.download_dir:
            shutil.rmtree(self.download_dir, ignore_errors=True)
            self.download_dir = None

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        self.close()


class Faults:
    """Collects the faults a test finds: one FAIL line each."""

    def __init__(self):
        self.count = 0

    def check(self, ok, what):
        if not ok:
            self.fail(what)
        return ok

    def equal(self, seen, expected, what):
        return self.check(seen == expected, f"{what}: expected {expected!r}, seen {seen!r}")

    def fail(self, what):
        self.count += 1
        print(f"FAIL: {what}", flush=True)


def run(test, argv):
    """Runs test(faults, *argv); exit status 0 if it found no fault."""
    faults = Faults()
    started = time.monotonic()
    # A test stopped from outside (ctest's timeout) still ends its browser.
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(1))
    try:
        test(faults, *argv)
    except Exception as error:  # a fault too: report it and end the browser
        traceback.print_exc()
        faults.fail(f"stopped early: {error}")
    seconds = time.monotonic() - started
    if faults.count:
        print(f"{faults.count} fault(s) in {seconds:.1f} s")
        return 1
    print(f"OK in {seconds:.1f} s")
    return 0


def cli_table(cli, *args, table_format="tsv"):
    """The native tachoria-cli's table for the same question, as text."""
    done = subprocess.run([cli, *args, "--format", table_format], capture_output=True,
                          check=True)
    return done.stdout.decode("utf-8")  # as written: CSV's lines end in CR LF


def rows_of_tsv(text):
    return [line.split("\t") for line in text.splitlines() if line.strip()]


# The page's table as rows of cell texts, its header row first.
TABLE_ROWS = """
    const table = document.getElementById(arguments[0]);
    return Array.from(table.rows, (row) => Array.from(row.cells, (cell) => cell.textContent));
"""


def usage(text):
    print(f"usage: {os.path.basename(sys.argv[0])} {text}", file=sys.stderr)
    sys.exit(2)
