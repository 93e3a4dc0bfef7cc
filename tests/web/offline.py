"""The web page asks the network for nothing.

    offline.py <page index.html>

Every request the browser makes while the page loads and both pages are
used (tables, a failure, Copy and Save) is logged; any whose address is not
the page's own file, a data: or a blob: address is a fault. So is any load
the page's content security policy had to stop, which never reaches the log
as a request.
"""

import json
import sys

from selenium.webdriver.support.ui import Select

import browser

LOCAL = ("file:", "data:", "blob:")

# Installed before the page's own scripts run.
WATCH_POLICY = """
    window.__blocked = [];
    document.addEventListener('securitypolicyviolation', (event) => {
        window.__blocked.push(event.blockedURI + ' (' + event.violatedDirective + ')');
    });
"""


def use_both_pages(b):
    for list_id, item in (("StockModel", "Late Car (1965-1969)"), ("StockYear", "1966-1969"),
                          ("StockDiff", "3.55")):
        Select(b.element(list_id)).select_by_visible_text(item)
    b.element("StockTire").send_keys("185/80R13")
    b.element("StockGetRPMButton").click()
    b.element("StockGetMPHButton").click()
    b.driver.find_element("css selector", "#StockPage .copy").click()
    b.driver.find_element("css selector", "#StockPage .save").click()
    b.wait_for("return document.querySelector('#StockPage .status').textContent.startsWith('Saved')",
               "the stock table saved")
    b.element("GenericTab").click()
    b.element("Gen_GetRPMButton").click()
    b.element("DiffBox").send_keys("x")
    b.element("Gen_GetMPHButton").click()
    b.wait_for("return document.getElementById('GenericFailure').textContent", "a failure")


def requests_in(log):
    """The addresses the performance log's network events asked for."""
    urls = []
    for entry in log:
        message = json.loads(entry["message"])["message"]
        if message["method"] == "Network.requestWillBeSent":
            urls.append(message["params"]["request"]["url"])
        elif message["method"] == "Network.webSocketCreated":
            urls.append(message["params"]["url"])
    return urls


def test(faults, page_path):
    with browser.Browser(network_log=True) as b:
        b.cdp("Browser.grantPermissions",
              {"permissions": ["clipboardReadWrite", "clipboardSanitizedWrite"]})
        b.cdp("Page.addScriptToEvaluateOnNewDocument", {"source": WATCH_POLICY})
        b.open(page_path)
        use_both_pages(b)
        urls = requests_in(b.driver.get_log("performance"))
        faults.check(any(url.startswith("file:") for url in urls),
                     f"the log holds the page's own load (seen {len(urls)} requests)")
        for url in urls:
            faults.check(url.startswith(LOCAL), f"the page asked the network for {url[:200]}")
        blocked = b.js("return window.__blocked")
        faults.equal(blocked, [], "loads the content security policy stopped")
        resources = b.js("return performance.getEntriesByType('resource')"
                         ".map((entry) => entry.name)")
        faults.equal([url for url in resources if not url.startswith(LOCAL)], [],
                     "resources the page fetched")


def main(page_path):
    return browser.run(test, [page_path])


if __name__ == "__main__":
    if len(sys.argv) != 2:
        browser.usage("<page index.html>")
    sys.exit(main(sys.argv[1]))
