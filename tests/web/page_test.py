#!/usr/bin/env python3
"""The web page in headless Chromium against the native zan-report.

    python3 page_test.py --page build-wasm/web/index.html --zan-report build/bin/zan-report
                         [--count 50] [--seed 18] [--axe node_modules/axe-core/axe.min.js]
                         [--screenshots DIR]

For every example and COUNT random designs (tests/reference's generator), in each command,
the page's report equals zan-report's and the downloads equal the program's files; then the
messages, the range question, the unit lock, keyboard use, axe-core and the load time.
"""

import argparse
import glob
import os
import random
import subprocess
import sys
import tempfile
import time

from selenium import webdriver
from selenium.webdriver.common.by import By
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.keys import Keys

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(os.path.dirname(HERE))
sys.path.insert(0, os.path.join(ROOT, "tests", "reference"))
from compare_reports import random_design  # noqa: E402

COMMANDS = (("--fatigue", "analyse-fatigue"), ("--erosion", "analyse-erosion"),
            ("--both", "analyse-both"), ("--design", "design-thickness"))
failures = []


def check(condition, what):
    if not condition:
        failures.append(what)
        print("FAIL:", what)


def browser(download_dir, width=1280, height=900):
    options = webdriver.ChromeOptions()
    options.binary_location = "/usr/bin/chromium"
    for flag in ("--headless", "--no-sandbox", "--disable-gpu", "--disable-background-networking",
                 "--disable-component-update", "--disable-sync", "--no-first-run",
                 "--user-data-dir=" + tempfile.mkdtemp(prefix="zan-web-profile-"),
                 "--window-size=%d,%d" % (width, height)):
        options.add_argument(flag)
    options.add_experimental_option("prefs", {"download.default_directory": download_dir,
                                              "download.prompt_for_download": False})
    driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"),
                              options=options)
    driver.execute_cdp_cmd("Page.setDownloadBehavior",
                           {"behavior": "allow", "downloadPath": download_dir})
    return driver


class Page:
    def __init__(self, driver, url):
        self.d = driver
        self.url = url

    def load(self):
        self.d.get(self.url)
        self.wait(lambda: self.d.execute_script("return document.body.dataset.ready") == "true")

    def wait(self, condition, seconds=10):
        end = time.time() + seconds
        while not condition():
            if time.time() > end:
                raise TimeoutError("the page did not get there")
            time.sleep(0.01)

    def el(self, selector):
        return self.d.find_element(By.CSS_SELECTOR, selector)

    def message(self):
        """The open message box's text and visible buttons, or None."""
        if not self.d.execute_script("return document.getElementById('message').open"):
            return None
        buttons = [b.get_attribute("id") for b in self.d.find_elements(
            By.CSS_SELECTOR, "#message .buttons button") if b.is_displayed()]
        return self.d.execute_script(
            "return document.getElementById('message-text').textContent"), buttons

    def answer(self, button="ok"):
        self.el("#message-" + button).click()

    def dismiss_all(self):
        while self.message():
            self.answer(self.message()[1][0].replace("message-", ""))

    def open(self, path):
        """Every read ends with a message: "NAME  Loaded!" or why it was refused."""
        self.el("#open-file").send_keys(os.path.abspath(path))
        self.wait(lambda: self.message() is not None)
        return self.message()[0]

    def report(self):
        return self.d.execute_script("return document.getElementById('report').textContent")

    def run(self, button):
        self.d.execute_script("document.getElementById('report').textContent = ''")
        self.el("#" + button).click()
        self.wait(lambda: self.report() != "" or self.message() is not None)


def native(zan_report, mode, path):
    p = subprocess.run([zan_report, mode, path], capture_output=True)
    return p.stdout.decode("latin-1").replace("\r\n", "\n"), p.returncode


def download(page, button, folder, name):
    target = os.path.join(folder, name)
    if os.path.exists(target):
        os.remove(target)
    page.el("#" + button).click()
    page.wait(lambda: os.path.exists(target) and os.path.getsize(target) > 0)
    time.sleep(0.05)
    with open(target, "rb") as f:
        return f.read()


def compare_reports(page, zan_report, files, folder, downloads):
    """Each file in each command: the report, and for the examples the three downloads."""
    for path in files:
        for mode, button in COMMANDS:
            page.load()
            loaded = page.open(path).endswith("  Loaded!")
            page.dismiss_all()
            expected, status = native(zan_report, mode, path)
            check(loaded == (status not in (3, 4)), "%s: the page and zan-report differ on reading it"
                  % path)
            if not loaded:
                break
            page.run(button)
            page.dismiss_all()
            if status == 0:
                check(page.report() == expected, "%s %s: report differs" % (path, mode))
            if downloads and status == 0:
                base = os.path.splitext(os.path.basename(path))[0]
                prn = download(page, "download-report", folder, base + ".PRN")
                check(prn.decode("latin-1").replace("\r\n", "\n") == expected and b"\n" not in
                      prn.replace(b"\r\n", b""), "%s %s: .PRN differs" % (path, mode))
                if mode == "--both":
                    csv = subprocess.run([zan_report, "--details", path], capture_output=True)
                    check(download(page, "download-details", folder, base + ".csv") == csv.stdout,
                          "%s: .csv differs" % path)
                    with open(path, "rb") as f:
                        check(download(page, "download-def", folder, base + ".DEF") == f.read(),
                              "%s: .DEF differs from the file read" % path)


def check_one_session(page, zan_report):
    """Both, then Compute Design Thickness on the same page, as a user would."""
    page.load()
    heavy = os.path.join(ROOT, "examples", "heavy.DEF")
    page.open(heavy)
    page.dismiss_all()
    for mode, button in (("--both", "analyse-both"), ("--design", "design-thickness")):
        page.run(button)
        check(page.message() is None or mode == "--design", "%s shows no message" % mode)
        page.dismiss_all()
        check(page.report() == native(zan_report, mode, heavy)[0], "heavy.DEF then %s" % mode)


def check_messages(page, folder):
    page.load()
    bad = os.path.join(folder, "bad.DEF")
    with open(bad, "wb") as f:
        f.write(b"****ENG****\r\n\r\nnot a design\r\n")
    page.open(bad)
    check(page.message() == ("Incorrect Input File!", ["message-ok"]),
          "a bad file gives Incorrect Input File!, got %r" % (page.message(),))
    page.dismiss_all()
    # The unit choice is free until a pavement field is edited.
    page.load()
    page.el("#unit-metric").click()
    check(page.el("#h").get_attribute("value") == "24.1", "Metric shows the Metric initial texts")
    field = page.el("#h")
    field.send_keys(Keys.HOME, "9")  # 924.1
    check(not page.el("#unit-english").is_enabled(), "editing h locks the unit choice")
    # An out-of-range field gives the range question; No keeps it after one more message.
    field.send_keys(Keys.TAB)
    page.wait(lambda: page.message() is not None)
    text, buttons = page.message()
    check(text.startswith("h1 is not within the typical data range( 10.16,  50.8). "
                          "Accept the suggested maximum value?")
          and buttons == ["message-yes", "message-no"], "range question for h: %r" % text)
    page.answer("yes")
    check(page.el("#h").get_attribute("value") == "50.8", "Yes writes the bound")
    check(page.el("#h").get_attribute("title") ==
          "Trial slab thickness h, centimetres. Typical range 10.16 to 50.8 cm.", "tooltip of h")
    page.el("#k").send_keys(Keys.CONTROL, "a")
    page.el("#k").send_keys("5", Keys.TAB)
    page.wait(lambda: page.message() is not None)
    check(page.message()[0].endswith("Accept the suggested minimum value?"), "k below 5.42")
    page.answer("no")
    page.wait(lambda: (page.message() or ("",))[0].startswith("Keep"))
    check(page.message() == ("Keep the k input value anyway!", ["message-ok"]), "No keeps k")
    page.answer("ok")
    check(page.el("#k").get_attribute("value") == "5", "No keeps the text")
    page.el("#ADT").send_keys(Keys.CONTROL, "a")
    page.el("#ADT").send_keys("abc", Keys.TAB)
    page.wait(lambda: page.message() is not None)
    check(page.message()[0] == "ADT is an invalid number; please try again!",
          "invalid ADT: %r" % (page.message(),))
    page.answer("cancel")
    check(page.el("#ADT").get_attribute("value") == "12900", "a refused text goes back")


def check_keyboard(page):
    """Tab alone reaches every control; a radio group counts once (arrows move within it)."""
    page.load()
    key = ("const key = e => e.type === 'radio' ? 'radio:' + e.name : e.id || e.textContent.trim();")
    wanted = set(page.d.execute_script(
        key + "return [...document.querySelectorAll('input, button, [tabindex]')]"
        ".filter(e => !e.closest('dialog') && !e.disabled && e.getClientRects().length).map(key)"))
    seen = set()
    for _ in range(len(wanted) + 10):
        ActionChains(page.d).send_keys(Keys.TAB).perform()
        seen.add(page.d.execute_script(key + "return key(document.activeElement)"))
    check(wanted <= seen, "keyboard does not reach %s" % sorted(wanted - seen))


def check_axe(page, axe):
    page.load()
    page.el("#analyse-both").click()
    page.dismiss_all()
    with open(axe) as f:
        page.d.execute_script(f.read())
    result = page.d.execute_async_script(
        "const done = arguments[0]; axe.run(document).then(r => done(r.violations"
        ".filter(v => v.impact === 'serious' || v.impact === 'critical')"
        ".map(v => v.id + ': ' + v.nodes.map(n => n.target).join(' '))))")
    check(not result, "axe-core: %s" % result)


def measure(page, url):
    times = []
    for _ in range(5):
        page.load()
        times.append(page.d.execute_script("return Number(document.body.dataset.readyAt)"))
    # Opened from disk the page loads only its own folder's files (no other request is made).
    folder = os.path.dirname(url[len("file://"):])
    size = sum(os.path.getsize(os.path.join(folder, name)) for name in page.d.execute_script(
        "return [location.href, ...[...document.querySelectorAll('script[src], link[href]')]"
        ".map(e => e.src || e.href)].filter(u => u.startsWith('file:')).map(u => u.split('/').pop())"))
    print("page ready after %.0f ms (median of 5), %d bytes loaded" % (sorted(times)[2], size))
    check(sorted(times)[2] < 1000, "page ready within 1 s")
    check(size < 1_000_000, "everything the page loads is under 1 MB")


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--page", required=True)
    ap.add_argument("--zan-report", required=True)
    ap.add_argument("--count", type=int, default=50)
    ap.add_argument("--seed", type=int, default=18)
    ap.add_argument("--axe")
    ap.add_argument("--screenshots")
    args = ap.parse_args()
    folder = tempfile.mkdtemp(prefix="zan-web-")
    rng = random.Random(args.seed)
    designs = []
    for i in range(args.count):
        path = os.path.join(folder, "random-%02d.DEF" % i)
        with open(path, "wb") as f:
            f.write(random_design(rng, i))
        designs.append(path)
    url = "file://" + os.path.abspath(args.page)
    driver = browser(folder)
    try:
        page = Page(driver, url)
        measure(page, url)
        compare_reports(page, args.zan_report, sorted(glob.glob(os.path.join(ROOT, "examples", "*.DEF"))),
                        folder, True)
        compare_reports(page, args.zan_report, designs, folder, False)
        check_one_session(page, args.zan_report)
        check_messages(page, folder)
        check_keyboard(page)
        if args.axe:
            check_axe(page, args.axe)
    finally:
        driver.quit()
    print("%d failures" % len(failures))
    sys.exit(1 if failures else 0)


if __name__ == "__main__":
    main()
