"""The tests' browser leaves nothing running, however a test ends.

    browser_ends.py

A test that raises, and a test stopped by SIGTERM (as ctest's timeout stops
one), both end chromedriver and every Chromium process it started.
"""

import os
import subprocess
import sys
import time

import browser

# A test that starts a browser, says its process group, and waits to be stopped.
STOPPED = """
import sys, time
sys.path.insert(0, sys.argv[1])
import browser
def test(faults):
    chromium = browser.Browser()
    print(chromium._driver_process.pid, flush=True)
    time.sleep(60)
sys.exit(browser.run(test, []))
"""


def group_alive(group):
    try:
        os.killpg(group, 0)
        return True
    except ProcessLookupError:
        return False


def chromium_in(group):
    """Processes of the group, by name, while they last."""
    names = []
    for pid in filter(str.isdigit, os.listdir("/proc")):
        try:
            with open(f"/proc/{pid}/stat") as stat:
                fields = stat.read().rsplit(")", 1)[1].split()
            if int(fields[2]) == group:
                with open(f"/proc/{pid}/comm") as comm:
                    names.append(comm.read().strip())
        except (OSError, IndexError):
            pass
    return names


def test(faults):
    chromium = browser.Browser()
    group = chromium._driver_process.pid
    faults.check("chromium" in chromium_in(group) or "chrome" in chromium_in(group),
                 f"Chromium runs in the driver's group, seen {chromium_in(group)}")
    try:
        with chromium:
            raise RuntimeError("a test's fault")
    except RuntimeError:
        pass
    faults.check(not group_alive(group),
                 f"after a raising test, still running: {chromium_in(group)}")

    child = subprocess.Popen([sys.executable, "-B", "-c", STOPPED,
                              os.path.dirname(os.path.abspath(__file__))],
                             stdout=subprocess.PIPE, text=True)
    try:
        group = int(child.stdout.readline())
        child.terminate()
        child.wait(timeout=15)
        deadline = time.monotonic() + 5
        while group_alive(group) and time.monotonic() < deadline:
            time.sleep(0.05)
        faults.check(not group_alive(group),
                     f"after SIGTERM, still running: {chromium_in(group)}")
    finally:
        if child.poll() is None:
            child.kill()
        child.wait()


if __name__ == "__main__":
    sys.exit(browser.run(test, []))
