#!/usr/bin/env python3
"""The web page in headless Chromium against the native zan-report.

    python3 page_test.py --page build-wasm/web/index.html --zan-report build/bin/zan-report
                         [--one-file build-wasm/web/zan-design.html] [--zan-design PATH]
                         [--count 50] [--seed 18] [--axe node_modules/axe-core/axe.min.js]
                         [--memo-json build/bin/zan_memo_json --engine build-wasm/web/engine.js]

For every example and COUNT random designs (tests/reference's generator), in each command,
the page's report equals zan-report's and the downloads equal the program's files, on the
page and on its one-file form; then the messages, the range question, the unit lock, the
project fields, the printed memo beside zan-design's (each example's charts alike on both),
hostile texts on the printed page, the inputs kept over a reload (in two tabs, from earlier
formats, refused when bad, said when the storage is full), file names in any script and
refused files, the page's policy, keyboard use, axe-core and the load time. With --memo-json
and --engine, first the memo document of every file in every command, the same natively and
in the WebAssembly engine under node.
"""

import argparse
import base64
import glob
import json
import os
import random
import re
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
PAPERS = {"A4": (8.27, 11.69), "Letter": (8.5, 11.0)}
# Every breach of the page's policy, from the document's start.
RECORD_VIOLATIONS = ("window.zanViolations = []; document.addEventListener('securitypolicyviolation',"
                     " (e) => window.zanViolations.push(e.effectiveDirective + ' ' + e.blockedURI));")


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
    options.set_capability("goog:loggingPrefs", {"performance": "ALL"})
    driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"),
                              options=options)
    driver.execute_cdp_cmd("Page.setDownloadBehavior",
                           {"behavior": "allow", "downloadPath": download_dir})
    driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source": RECORD_VIOLATIONS})
    return driver


class Page:
    def __init__(self, driver, url):
        self.d = driver
        self.url = url

    def load(self, keep=False):
        """Opens the page, then reloads it as the user would: with `keep`, with the inputs the
        browser kept from before, else with none (forgotten before the reload)."""
        if not keep:
            self.d.get(self.url)
            self.wait(lambda: self.d.execute_script("return document.body.dataset.ready") == "true")
            self.d.execute_script("localStorage.clear()")
        self.d.execute_script("window.zanOld = true; location.reload()")
        self.wait(lambda: self.d.execute_script(
            "return !window.zanOld && document.body.dataset.ready") == "true")

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

    def value(self, selector):
        return self.el(selector).get_attribute("value")

    def type(self, selector, text):
        self.el(selector).send_keys(Keys.CONTROL, "a")
        self.el(selector).send_keys(text)

    def drop(self, names, contents):
        """Drops files made of these names and bytes on the page, as a file manager would."""
        self.d.execute_script(
            "const dt = new DataTransfer(); arguments[0].forEach((n, i) => dt.items.add(new File("
            "[Uint8Array.from(atob(arguments[1][i]), (c) => c.charCodeAt(0))], n)));"
            "document.body.dispatchEvent(new DragEvent('drop', {dataTransfer: dt, bubbles: true,"
            " cancelable: true}))", names, [base64.b64encode(c).decode() for c in contents])

    def messages(self):
        """Answers each message with its first button until none is left; returns their texts."""
        texts = []
        for _ in range(10):
            try:
                self.wait(lambda: self.message() is not None, 2)
            except TimeoutError:
                break
            texts.append(self.message()[0])
            self.answer(self.message()[1][0].replace("message-", ""))
            time.sleep(0.05)
        return texts

    def leave_asks(self):
        """Whether leaving the page now brings the browser's leave-page question."""
        return self.d.execute_script("const e = new Event('beforeunload', {cancelable: true});"
                                     "window.dispatchEvent(e); return e.defaultPrevented")

    def printed(self, paper, path):
        """The page printed to PDF as the print dialog's Save as PDF does; the text of each page."""
        width, height = PAPERS[paper]
        pdf = self.d.execute_cdp_cmd("Page.printToPDF", {"paperWidth": width, "paperHeight": height,
                                                         "preferCSSPageSize": True})
        with open(path, "wb") as f:
            f.write(base64.b64decode(pdf["data"]))
        return pdf_pages(path)

    def report(self):
        return self.d.execute_script("return document.getElementById('report').textContent")

    def run(self, button):
        self.d.execute_script("document.getElementById('report').textContent = ''")
        self.el("#" + button).click()
        self.wait(lambda: self.report() != "" or self.message() is not None)


def pdf_pages(path):
    text = subprocess.run(["pdftotext", path, "-"], capture_output=True, check=True).stdout
    return [" ".join(p.decode("utf-8").split()) for p in text.split(b"\f")[:-1]]


def design_file(folder, name, replaced=None):
    """examples/heavy.DEF (with its project information), some lines replaced (1 = first)."""
    with open(os.path.join(ROOT, "examples", "heavy.DEF"), "rb") as f:
        lines = f.read().split(b"\r\n")
    for number, text in (replaced or {}).items():
        lines[number - 1] = text
    path = os.path.join(folder, name)
    with open(path, "wb") as f:
        f.write(b"\r\n".join(lines))
    return path


def native(zan_report, mode, path):
    p = subprocess.run([zan_report, mode, path], capture_output=True)
    return p.stdout.decode("latin-1").replace("\r\n", "\n"), p.returncode


def download(page, button, folder, name):
    target = os.path.join(folder, name)
    if os.path.exists(target):
        os.remove(target)
    page.el("#" + button).click()
    page.wait(lambda: os.path.exists(target) and os.path.getsize(target) > 0)
    with open(target, "rb") as f:
        return f.read()


def compare_reports(page, zan_report, files, folder, downloads):
    """Each file in each command: the report, and for the examples the three downloads. One
    page serves them all, started afresh for each file."""
    page.load()
    if not downloads:
        call = lambda function, *args: page.d.execute_async_script(
            "const done = arguments[arguments.length - 1];"
            "(%s)(...[...arguments].slice(0, -1)).then(done);" % function, *args)
        return compare_in_page(call, zan_report, files, "Chromium")
    for path in files:
        # A fresh workspace, as zan-report's: a file without its units reads in those in force.
        page.d.execute_script(
            "document.getElementById('start-afresh').click()")
        loaded = page.open(path).endswith("  Loaded!")
        page.dismiss_all()
        for mode, button in COMMANDS:
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
    # The alternatives: each combination of the options, the entered one (heavy's) marked.
    rows = page.d.execute_script("return [...document.querySelectorAll('#alternatives tbody tr')]"
                                 ".map((r) => [...r.cells].map((c) => c.textContent))")
    check(sorted(r[:2] for r in rows) == [["No", "No"], ["No", "Yes"], ["Yes", "No"], ["Yes", "Yes"]]
          and [r[:2] for r in rows if r[3] == "as entered"] == [["No", "Yes"]],
          "the design alternatives: %r" % rows)
    # The desktop's palette: fatigue blue, erosion orange-red, in every chart.
    fills = page.d.execute_script("return ['fatigue', 'erosion'].map((p) => [...document."
                                  "querySelectorAll('#charts rect.' + p)].map((r) =>"
                                  " getComputedStyle(r).fill))")
    check([set(f) for f in fills] == [{"rgb(31, 95, 191)"}, {"rgb(208, 74, 16)"}],
          "the charts' colours are the desktop's: %r" % [set(f) for f in fills])


def check_stale(page, zan_report, folder):
    """Documents come from the last run. While the inputs differ from its own (h typed, Sc
    typed, another file opened) the page says so; a document then asks first: No gives the
    last run as it was, Yes analyses again with the last command, Cancel gives nothing."""
    page.load()
    heavy = design_file(folder, "stale.DEF")
    thin = design_file(folder, "stale-h7.DEF", {5: b"7"})
    weak = design_file(folder, "stale-sc550.DEF", {5: b"7", 7: b"550"})
    notice = lambda: page.el("#stale-notice").is_displayed()
    check(not page.el("#download-report").is_enabled() and not page.el("#download-details")
          .is_enabled(), "no run yet: no report or details to save")
    page.open(heavy)
    page.dismiss_all()
    page.run("analyse-both")
    verdict = page.el("#verdict").text
    check(not notice(), "a fresh run: no notice")

    def asked(button, answer):
        page.el("#" + button).click()
        page.wait(lambda: page.message() is not None)
        check(page.message() == ("The inputs have changed since the last analysis, so the tables"
                                 " do not belong to them. Analyse again first?",
                                 ["message-yes", "message-no", "message-cancel"]),
              "%s while stale asks first: %r" % (button, page.message()))
        page.answer(answer)

    def saved(answer, name, button="download-report"):
        target = os.path.join(folder, name)
        if os.path.exists(target):
            os.remove(target)
        asked(button, answer)
        # Yes analyses first: its messages (the damage over the limit) come before the file.
        page.wait(lambda: page.dismiss_all() or os.path.exists(target) and
                  os.path.getsize(target) > 0)
        with open(target, "rb") as f:
            return f.read().decode("latin-1").replace("\r\n", "\n")

    page.type("#h", "7")
    page.el("#h").send_keys(Keys.TAB)
    check(notice() and page.el("#verdict").text == verdict and "stale" in
          page.el("#memo").get_attribute("class"), "h typed: the notice, the verdict kept, marked")
    check(all("Inputs changed after this analysis" in p
              for p in page.printed("A4", os.path.join(folder, "stale.pdf"))),
          "every printed page of a stale memo is marked")
    asked("print", "cancel")
    asked("download-report", "cancel")
    check(notice() and not os.path.exists(os.path.join(folder, "stale.PRN")), "Cancel stops")
    check(saved("no", "stale.PRN") == native(zan_report, "--both", heavy)[0],
          "No saves the earlier run's report, its inputs included")
    check(saved("yes", "stale.PRN") == native(zan_report, "--both", thin)[0] and not notice(),
          "Yes saves the report of the current inputs")
    page.type("#Sc", "550")
    page.el("#Sc").send_keys(Keys.TAB)
    check(notice(), "Sc typed: the notice")
    csv = subprocess.run([zan_report, "--details", thin], capture_output=True).stdout
    check(saved("no", "stale.csv", "download-details") == csv.decode("latin-1").replace(
        "\r\n", "\n"), "No saves the earlier run's details")
    page.open(os.path.join(ROOT, "examples", "light.DEF"))
    page.dismiss_all()
    check(notice(), "another file opened: the notice")
    page.open(weak)
    page.dismiss_all()
    page.run("design-thickness")
    page.dismiss_all()
    page.type("#h", "8")
    page.el("#h").send_keys(Keys.TAB)
    page.run("analyse-again")
    page.dismiss_all()
    check(page.report() == native(zan_report, "--design", design_file(
        folder, "stale-h8.DEF", {5: b"8", 7: b"550"}))[0] and not notice(),
          "Analyse Again after Compute Design Thickness searches again")


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


def check_project(page, zan_report, folder):
    """The project fields go into the .DEF after its end marker as the desktop writes them, and
    come back from it; zan-report reads them."""
    page.load()
    texts = [("Project", "Ring road B12"), ("Location", "K\u00f6ln, km 3"), ("Client", "City"),
             ("Designer", "A. Engineer"), ("Checker", "B. Reviewer"), ("Revision", "C"),
             ("Notes", "shoulders \u00e0 revoir")]
    for key, text in texts:
        page.type("#info-" + key.lower(), text)
    saved = download(page, "download-def", folder, "design.DEF")
    with open(os.path.join(ROOT, "examples", "initial-english.DEF"), "rb") as f:
        expected = f.read() + b"***Project***\r\n" + b"".join(
            ("%s: %s\r\n" % kt).encode("latin-1") for kt in texts)
    check(saved == expected, "the project fields in the .DEF: %r" % saved[-200:])
    summary = subprocess.run([zan_report, "--summary", os.path.join(folder, "design.DEF")],
                             capture_output=True).stdout.decode("latin-1")
    check(",Ring road B12," in summary, "zan-report reads the page's project: %r" % summary)
    check(not page.leave_asks(), "inputs just saved leave without a question")
    page.load()
    page.open(os.path.join(folder, "design.DEF"))
    page.dismiss_all()
    check([page.value("#info-" + k.lower()) for k, _ in texts] == [t for _, t in texts],
          "the project fields read back")


def check_memo(page, zan_report, zan_design, folder):
    """The printed memo, on A4 and Letter: its first page holds the project, the verdict and
    the warnings as zan-design's memo does, each report table stands on one page, and the
    details are in the memo's units; the page lists zan-report's warnings under its verdict,
    keeps its policy and that refuses every request."""
    path = design_file(folder, "warned.DEF", {6: b"1500"})  # k = 1500 psi/in
    page.load()
    page.open(path)
    page.dismiss_all()
    page.run("design-thickness")
    page.dismiss_all()
    verdict = page.el("#verdict").text
    warnings = [li.text for li in page.d.find_elements(By.CSS_SELECTOR, "#warnings li")]
    stderr = subprocess.run([zan_report, "--design", path], capture_output=True).stderr
    said = [line.split(": ", 3)[3] for line in stderr.decode("latin-1").splitlines()
            if ": warning: " in line]
    check(warnings == said and warnings, "the page's warnings are zan-report's: %r" % warnings)
    version = subprocess.run([zan_report, "--version"], capture_output=True, text=True).stdout
    wanted = [verdict, *warnings, "County Road 12 reconstruction", "Designed by: A. Engineer",
              "Checked by: B. Reviewer", "Computed with ZAN Thickness Design %s." % version.split()[-1]]
    check(verdict.startswith("Recommended thickness 7.00 in: "), "the search's verdict: " + verdict)
    if zan_design:
        desktop = os.path.join(folder, "desktop.pdf")
        subprocess.run([zan_design, "--export-pdf", desktop, "--design", path], check=True,
                       env=dict(os.environ, QT_QPA_PLATFORM="offscreen"), capture_output=True)
        first = pdf_pages(desktop)[0]
        check(verdict in first, "zan-design's memo has the page's verdict: %r" % first[:600])
    for paper in PAPERS:
        pages = page.printed(paper, os.path.join(folder, "memo-%s.pdf" % paper))
        for text in wanted:
            check(text in pages[0], "%s page 1 lacks %r: %r" % (paper, text, pages[0][:600]))
        for title in ("Fatigue Analysis Solutions", "Erosion Analysis Solutions"):
            on = [p.split(title, 1)[1] for p in pages if title in p]
            check(len(on) == 1 and "Sum =" in on[0], "%s: the %s on one page" % (paper, title))
        check(any("Unlimited" in p and "Model units" in p for p in pages), "%s: details" % paper)
    check(page.d.execute_script("return window.zanViolations") == [], "the page keeps its policy")
    blocked = page.d.execute_async_script(
        "const done = arguments[0]; document.addEventListener('securitypolicyviolation', (e) =>"
        " done(e.effectiveDirective)); fetch('http://127.0.0.1:9/').catch(() => {})")
    check(blocked == "connect-src", "the policy refuses a request: %r" % blocked)


# Every control character and every CSS and HTML metacharacter, in a name and two typed texts.
CONTROLS = "".join(chr(c) for c in range(32)) + "\x7f"
METACHARACTERS = "\\ \" ' ; { } < > @"
# A name that, put into the printed page's style as CSS code, once ended its string and
# printed a passing verdict over a failing design.
FORGING_NAME = ("road\r}} #verdict { font-size: 0 } #verdict::after { font-size: 16px; content: "
                "'Trial thickness 9.50 in: fatigue 44.9 %, erosion 28.7 % (both at most 100 %)' } "
                "@page { .DEF")


def check_hostile_texts(page, folder):
    """A file name, a project field and an axle text holding control characters and CSS and
    HTML metacharacters: the printed memo shows them as text, and the core's verdict."""
    with open(os.path.join(ROOT, "examples", "very-heavy.DEF"), "rb") as f:
        lines = f.read().split(b"\r\n")
    # Tandem row 10's load: a number the analysis reads, then the texts (no quote or line end,
    # which the file's fields cannot hold).
    axle = "24 " + CONTROLS.replace("\r", "").replace("\n", "") + METACHARACTERS.replace('"', "")
    lines[28] = ('"16","57.07","%s","71.16"' % axle).encode("latin-1")
    contents = b"\r\n".join(lines)
    project = "P" + CONTROLS + METACHARACTERS
    for name in (FORGING_NAME, "n" + CONTROLS + METACHARACTERS + ".DEF"):
        page.load()
        page.drop([name], [contents])
        page.dismiss_all()
        page.d.execute_script("const e = document.getElementById('info-project'); e.value ="
                              " arguments[0]; e.dispatchEvent(new Event('input'));"
                              " e.dispatchEvent(new Event('change'))", project)
        page.run("analyse-both")
        page.dismiss_all()
        verdict = page.el("#verdict").text
        printed = page.printed("A4", os.path.join(folder, "hostile.pdf"))
        shown = lambda text: " ".join(text.split())
        check(verdict.startswith("Trial thickness 9.50 in: fatigue 212") and verdict in printed[0]
              and "fatigue 44.9 %" not in printed[0], "%r: the core's verdict is printed: %r"
              % (name[:20], printed[0][:300]))
        # A control character shows as its picture on the header's one line.
        pictured = "".join("\u2421" if c == "\x7f" else chr(0x2400 + ord(c)) if c < " " else c
                           for c in name)
        check(all(shown(pictured[-40:]) in p for p in printed),
              "%r: every page's header names the file as text" % name[:20])
        check(shown(METACHARACTERS) in printed[0] and shown(METACHARACTERS.replace('"', ""))
              in " ".join(printed), "the project and the axle text printed as typed")
        check(page.d.execute_script("return window.zanViolations") == [], "the page keeps its policy")


def chart_texts(svg):
    """A chart drawing's texts in the drawing's order, blanks left out."""
    import html
    return re.sub(r"\s+", "", "".join(html.unescape(t) for t in re.findall(r"<text[^>]*>([^<]*)</text>", svg)))


def raw_text(path, layout=False):
    return subprocess.run(["pdftotext", "-layout" if layout else "-raw", path, "-"],
                          capture_output=True, check=True).stdout.decode("utf-8")


def check_printed_charts(page, zan_design, memo_json, folder):
    """Each example's memo after Compute Design Thickness, printed from the page and exported by
    zan-design: each chart's texts, in the drawing's order, on both (the decades, the trial and
    recommended thicknesses, the rows named by load with their values, the tornado's inputs by
    effect), as the core's memo document has them."""
    for path in sorted(glob.glob(os.path.join(ROOT, "examples", "*.DEF"))):
        name = os.path.basename(path)
        doc = json.loads(subprocess.run([memo_json, "0", path], capture_output=True, check=True)
                         .stdout.decode("utf-8").splitlines()[3])
        charts = doc["charts"]
        page.load()
        page.open(path)
        page.dismiss_all()
        page.run("design-thickness")
        page.dismiss_all()
        web = os.path.join(folder, "web-" + name + ".pdf")
        page.printed("A4", web)
        desktop = os.path.join(folder, "desktop-" + name + ".pdf")
        subprocess.run([zan_design, "--export-pdf", desktop, "--design", path], check=True,
                       env=dict(os.environ, QT_QPA_PLATFORM="offscreen"), capture_output=True)
        for pdf in (web, desktop):
            raw = re.sub(r"\s+", "", raw_text(pdf))
            layout = raw_text(pdf, True)
            for chart in ("curve", "rows", "tornado"):
                check(chart_texts(charts[chart]["svg"]) in raw, "%s: %s: the %s's texts" % (
                    name, os.path.basename(pdf), chart))
            labels = [charts["curve"]["recommendedLabel"], charts["curve"]["trialLabel"]]
            labels += [r["label"] for r in charts["rows"]["bars"]]
            check(all(label in layout for label in labels), "%s: %s: the labels" % (name, pdf))
            at = [layout.find(b["name"], layout.find(charts["tornado"]["title"]))
                  for b in charts["tornado"]["bars"]]
            check(-1 not in at and at == sorted(at), "%s: %s: the tornado's order" % (name, pdf))


def check_memo_documents(memo_json, engine, files):
    """The memo document of every file after every command: the same JSON from the native core
    and from the WebAssembly engine."""
    made = str(int(time.time() * 1000))
    native = subprocess.run([memo_json, made, *files], capture_output=True, check=True).stdout
    wasm = subprocess.run(["node", os.path.join(HERE, "memo_json.js"), engine, made, *files],
                          capture_output=True, check=True).stdout
    lines = native.splitlines()
    check(lines == wasm.splitlines() and len(lines) >= len(files),
          "the memo documents differ between the native core and the engine")
    print("%d memo documents the same natively and in WebAssembly" % len(lines))


def check_restore(page):
    """Every change is kept: a reload brings the inputs back with a notice naming their file and
    time; Start afresh asks before it forgets inputs never saved; leaving with inputs not saved
    asks first."""
    page.load()
    check(not page.el("#restored").is_displayed() and not page.leave_asks(), "a first visit")
    page.type("#h", "8.5")
    page.type("#info-designer", "A. Engineer")
    check(page.leave_asks(), "unsaved inputs: leaving asks first")
    page.load(keep=True)
    check((page.value("#h"), page.value("#info-designer")) == ("8.5", "A. Engineer"),
          "a reload brings the inputs back")
    notice = page.el("#restored-text").text
    check(page.el("#restored").is_displayed() and re.fullmatch(
        r"Your inputs kept on \d{4}-\d\d-\d\d at \d\d:\d\d were restored", notice),
          "the notice: %r" % notice)
    check(page.leave_asks(), "restored inputs are still not saved")
    page.el("#start-afresh").click()
    check(page.message() == ("Start afresh with the initial design? Your inputs hold changes not "
                             "saved to a .DEF file, which will be lost.", ["message-yes", "message-no"]),
          "Start afresh asks first: %r" % (page.message(),))
    page.answer("no")
    check(page.value("#h") == "8.5" and page.el("#restored").is_displayed(), "No keeps them")
    page.el("#start-afresh").click()
    page.answer("yes")
    check((page.value("#h"), page.value("#info-designer")) == ("9.5", "") and not
          page.el("#restored").is_displayed(), "Start afresh gives the initial design")
    page.load(keep=True)
    check(page.value("#h") == "9.5" and not page.el("#restored").is_displayed(), "forgotten")
    page.open(os.path.join(ROOT, "examples", "heavy.DEF"))
    page.dismiss_all()
    page.type("#k", "222")
    page.load(keep=True)
    notice = page.el("#restored-text").text
    check(re.fullmatch(r"Your inputs from heavy.DEF, kept on \d{4}-\d\d-\d\d at \d\d:\d\d, "
                       r"were restored", notice) and page.value("#k") == "222", "the notice names"
          " the file: %r" % notice)


# What the page kept in its first format and its second (the previous one), as they wrote it.
EARLIER = [
    '{"time":1714707840000,"fileName":"heavy.DEF","state":{"units":0,"locked":true,'
    '"unsaved":true,"pavement":{"texts":["8.5","130","777","Trial Thickness, h (in)",'
    '"Subgrade Modulus, K (psi/in)","Modulus of Rupture, Sc (psi)"],"shoulder":true,'
    '"dowels":false},"traffic":null,"axles":null,"project":["Ring road","K\u00f6ln","","","",'
    '"",""]}}',
    '{"time":1714707840000,"fileName":"heavy.DEF","state":{"version":2,"units":0,'
    '"locked":true,"unsaved":true,"texts":{"h":"8.5","k":"130","Sc":"777"},"pavement":'
    '{"captions":["Trial Thickness, h (in)","Subgrade Modulus, K (psi/in)",'
    '"Modulus of Rupture, Sc (psi)"],"shoulder":true,"dowels":false},"traffic":false,'
    '"axles":null,"project":["Ring road","K\u00f6ln","","","","",""]}}']
KEPT_KEYS = ("return Object.keys(localStorage).filter((k) => k.startsWith('zan-design-inputs'))"
             ".sort().map((k) => [k, localStorage.getItem(k)])")


def plant(page, text):
    """A kept value as an earlier page, or any page opened from disk, leaves it; then the page
    is opened in a new tab."""
    page.d.execute_script("localStorage.clear(); sessionStorage.clear();"
                          " localStorage.setItem('zan-design-inputs', arguments[0])", text)
    page.load(keep=True)


def check_kept(page):
    """Kept inputs of the earlier formats come back; a value the page cannot read is kept and
    said, and goes only at the user's word; restored texts meet the range check; a change the
    browser's storage cannot take is said."""
    page.load()
    for text in EARLIER:
        plant(page, text)
        check((page.value("#Sc"), page.value("#info-location"), page.el("#shoulder-yes")
               .is_selected()) == ("777", "K\u00f6ln", True) and page.el("#restored-text").text
              .startswith("Your inputs from heavy.DEF, kept on 2024-05-0"), "an earlier format"
              " restored: %r" % page.el("#restored-text").text)
    page.load()
    bad = EARLIER[1].replace("1714707840000", '"03:44"')
    plant(page, bad)
    said = page.el("#restored-text").text
    check(said == "Inputs kept from an earlier version could not be restored: time is not a "
          "number" and page.value("#Sc") == "650", "a bad value is said: %r" % said)
    page.type("#Sc", "700")
    check(page.d.execute_script(KEPT_KEYS)[0] == ["zan-design-inputs", bad], "and kept as it was")
    for answer in ("no", "yes"):
        page.el("#discard-kept").click()
        check(page.message()[0].startswith("Discard the inputs kept from an earlier version?"),
              "Discard asks first")
        page.answer(answer)
    check(page.d.execute_script(KEPT_KEYS)[0][0] != "zan-design-inputs" and page.value("#Sc") ==
          "700" and not page.el("#restored").is_displayed(), "Yes discards it, and it alone")
    plant(page, EARLIER[1].replace('"h":"8.5"', '"h":"3"'))
    page.wait(lambda: page.message() is not None)
    check(page.message()[0].startswith("h1 is not within the typical data range( 4,  20)"),
          "a restored value meets the range check: %r" % (page.message(),))
    page.answer("yes")
    check(page.value("#h") == "4", "Yes writes the bound")
    page.d.execute_script(
        "let n = 1 << 20, i = 0; while (n > 64) { try { localStorage.setItem('filler-' + i++,"
        " 'x'.repeat(n)); } catch (e) { n >>= 1; } }")
    page.d.execute_script("const notes = document.getElementById('info-notes');"
                          " notes.value = 'n'.repeat(500); notes.dispatchEvent(new Event('input'))")
    full = page.el("#not-kept").text
    page.d.execute_script("Object.keys(localStorage).filter((k) => k.startsWith('filler-'))"
                          ".forEach((k) => localStorage.removeItem(k))")
    page.type("#Sc", "720")
    check(full.startswith("Your last change could not be kept in this browser") and not
          page.el("#not-kept").is_displayed(), "a change the storage cannot take is said, until"
          " one can be kept: %r" % full)


def check_tabs(page):
    """Two tabs of the page: each keeps its own inputs, so neither loses a change; a tab opened
    later brings back the latest, and when both then write, each keeps its own."""
    page.load()
    tabs = [page.d.current_window_handle]
    for _ in range(2):
        page.d.switch_to.new_window("tab")
        tabs.append(page.d.current_window_handle)
        page.d.get(page.url)
        page.wait(lambda: page.d.execute_script("return document.body.dataset.ready") == "true")
        if len(tabs) == 2:
            page.type("#k", "222")  # in B
            page.d.switch_to.window(tabs[0])
            page.type("#Sc", "777")  # in A, after B
            page.d.switch_to.window(tabs[1])
    shown = lambda: (page.value("#k"), page.value("#Sc"))
    check(shown() == ("130", "777"), "a tab opened later brings back the latest: %r" % (shown(),))
    page.type("#h", "8")  # in C, on A's inputs
    page.d.switch_to.window(tabs[0])
    page.wait(lambda: len(page.d.execute_script(KEPT_KEYS)) == 3)
    wanted = [("222", "650", "9.5"), ("130", "777", "9.5"), ("130", "777", "8")]
    for tab, values in zip((tabs[1], tabs[0], tabs[2]), wanted):
        page.d.switch_to.window(tab)
        page.load(keep=True)
        check(shown() + (page.value("#h"),) == values, "each tab keeps its own: %r" % (shown(),))
    for tab in tabs[1:]:
        page.d.switch_to.window(tab)
        page.d.close()
    page.d.switch_to.window(tabs[0])


def check_files(page, folder):
    """A name in any script opens, and is shown as it is; several files dropped: the first is
    read, and a message says so; a file over 1 MiB is refused at once, the inputs kept."""
    names = os.path.join(folder, "names")
    os.makedirs(names, exist_ok=True)
    heavy = open(os.path.join(ROOT, "examples", "heavy.DEF"), "rb").read()
    light = open(os.path.join(ROOT, "examples", "light.DEF"), "rb").read()
    for name in ("\u0141\u00f3d\u017a.DEF", "\u9053\u8def.DEF"):
        page.load()
        check(page.open(design_file(names, name)) == name + "  Loaded!", "%s opens" % name)
        page.dismiss_all()
        check(page.el("#file-line").text.startswith(name), "%s shown as it is" % name)
        check(download(page, "download-def", folder, name) == heavy, "%s saved as read" % name)
    page.load()
    emoji = "road \U0001F6A7.DEF"
    page.drop([emoji, "light.DEF", "medium.DEF"], [heavy, light, light])
    said = page.messages()
    check(said == [emoji + "  Loaded!", "Only the first file was read:\n%s\nThese files were "
                   "ignored:\nlight.DEF\nmedium.DEF" % emoji], "three dropped: %r" % said)
    # Refused by the size alone: reading 600 MB would take far longer than the bound.
    for size in (2 << 20, 600 << 20):
        big = os.path.join(folder, "big.DEF")
        with open(big, "wb") as f:
            f.write(heavy)
            f.truncate(size)
        start = time.time()
        text = page.open(big)
        check(time.time() - start < 2 and text == "The file big.DEF could not be read: it is larger"
              " than 1 MiB, far more than an input data file holds. Nothing was loaded.",
              "%d bytes refused: %r" % (size, text))
        page.dismiss_all()
    check(page.el("#file-line").text.startswith(emoji) and page.value("#info-project") ==
          "County Road 12 reconstruction", "a refused file keeps the design before it")


# Every text the page shows, as the user reads it: text nodes (charts included) and buttons'
# and fields' visible words, with whether it runs off the side of the window.
SHOWN_TEXTS = """const shown = [];
const walker = document.createTreeWalker(document.body, NodeFilter.SHOW_TEXT);
for (let n = walker.nextNode(); n; n = walker.nextNode()) {
  const e = n.parentElement, text = n.textContent.trim();
  if (!text || e.closest('script, style, dialog:not([open]), .print-only, option:not(:checked)')) continue;
  if (!e.getClientRects().length || getComputedStyle(e).visibility === 'hidden') continue;
  // What lies in a box that scrolls sideways is reached by scrolling, not cut off.
  let scrolls = false;
  for (let a = e; a && !scrolls; a = a.parentElement) scrolls = /auto|scroll/.test(getComputedStyle(a).overflowX);
  shown.push([text, !scrolls && e.getBoundingClientRect().right > document.documentElement.clientWidth + 1]);
}
return shown;"""


def catalogue_texts(language):
    """The core's and the page's texts that the catalogue translates: English -> translation."""
    import xml.etree.ElementTree as ET
    texts = {}
    for context in ET.parse(os.path.join(ROOT, "translations", "zan_%s.ts" % language)).getroot():
        name = context.findtext("name", "")
        if name == "zan" or name.startswith("zan::"):
            continue
        for message in context.iter("message"):
            source, translation = message.findtext("source"), message.findtext("translation")
            if translation and translation != source:
                texts[source] = translation
    return texts


def catalogue_languages():
    """Each catalogue's code (zan_pt.ts: pt) and the browser's tag of the language its header
    declares (language="pt_BR": pt-BR)."""
    import glob
    import xml.etree.ElementTree as ET
    found = []
    for path in sorted(glob.glob(os.path.join(ROOT, "translations", "zan_*.ts"))):
        code = os.path.basename(path)[len("zan_"):-len(".ts")]
        declared = ET.parse(path).getroot().get("language", code)
        found.append((code, declared.replace("_", "-")))
    return found


def check_translated(page, zan_report, folder, language, tag):
    """With the browser's language that of a catalogue, the page speaks it from the catalogue:
    no text it translates is shown in English, at 1280 and at 390 px, where nothing runs off
    the side, stale or not; the choice is kept; the downloads stay the same bytes."""
    page.d.execute_cdp_cmd("Network.setUserAgentOverride", {"userAgent": page.d.execute_script(
        "return navigator.userAgent"), "acceptLanguage": "%s,%s" % (tag, language)})
    page.d.execute_cdp_cmd("Emulation.setLocaleOverride", {"locale": tag})
    english = catalogue_texts(language)
    try:
        page.load()
        check(page.value("#language") == language and page.d.execute_script(
            "return document.documentElement.lang") == language,
            "a browser in %s: the page in %s" % (tag, language))
        heavy = os.path.join(ROOT, "examples", "heavy.DEF")
        page.open(heavy)
        page.dismiss_all()
        page.run("design-thickness")
        page.dismiss_all()
        report = download(page, "download-report", folder, "heavy.PRN")
        check(report == subprocess.run([zan_report, "--design", heavy],
                                       capture_output=True).stdout, "the .PRN in %s: the same" % language)
        page.type("#h", "8")
        page.el("#h").send_keys(Keys.TAB)
        page.dismiss_all()
        for width in (1280, 390):
            page.d.set_window_size(width, 900)
            shown = page.d.execute_script(SHOWN_TEXTS)
            left = sorted({text for text, _ in shown if text in english})
            check(not left, "%d px, %s: shown in English: %s" % (width, language, left))
            check(not [t for t, beyond in shown if beyond], "%d px: beyond the window: %s" % (
                width, [t for t, beyond in shown if beyond][:5]))
        cut = page.d.execute_script(
            "return [...document.querySelectorAll('#charts svg text:not([transform])')].filter(t =>"
            " { const b = t.getBBox(), v = t.ownerSVGElement.viewBox.baseVal;"
            " return b.width && (b.x < 0 || b.x + b.width > v.width); }).map(t => t.textContent)")
        check(not cut, "the charts' texts cut at their edge: %s" % cut)
        check(english["Inputs changed after this analysis"] in page.el("#memo").text,
              "the stale mark in %s" % language)
        printed = page.printed("A4", os.path.join(folder, "memo-%s.pdf" % language))
        for text in ("Design memo", "Inputs changed after this analysis", "Damage Chart",
                     "Calculation details"):
            check(any(english[text] in p for p in printed) and not any(text in p for p in printed),
                  "the printed memo in %s: %r" % (language, text))
        page.el("#download-report").click()
        page.wait(lambda: page.message() is not None)
        check(page.message()[0] == english[
            "The inputs have changed since the last analysis, so the tables do not belong to "
            "them. Analyse again first?"], "the question in %s: %r" % (language, page.message()))
        left = sorted({text for text, _ in page.d.execute_script(SHOWN_TEXTS) if text in english})
        check(not left, "the message box in %s, shown in English: %s" % (language, left))
        page.answer("cancel")
        page.d.execute_script("const s = document.getElementById('language'); s.value = 'en';"
                              "s.dispatchEvent(new Event('change'))")
        page.load(keep=True)
        check((page.value("#language"), page.el("#analyse-both").text) == ("en", "Both"),
              "the chosen language is kept over the browser's: %r %r" % (page.value("#language"),
              page.d.execute_script("return [localStorage.getItem('zan-design-language'), location.href, navigator.languages]")))
    finally:
        page.d.set_window_size(1280, 900)
        page.d.execute_cdp_cmd("Emulation.setLocaleOverride", {})
        page.d.execute_cdp_cmd("Network.setUserAgentOverride", {"userAgent": page.d.execute_script(
            "return navigator.userAgent"), "acceptLanguage": "en-US,en"})


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
    """Ready within 1 s; everything loaded is the page's own files and under 1 MB."""
    times = []
    for _ in range(5):
        page.load()
        times.append(page.d.execute_script("return Number(document.body.dataset.readyAt)"))
    page.d.get_log("performance")
    page.load()
    loaded = {json.loads(e["message"])["message"]["params"]["request"]["url"]
              for e in page.d.get_log("performance")
              if json.loads(e["message"])["message"]["method"] == "Network.requestWillBeSent"}
    folder = os.path.dirname(url) + "/"
    check(all(u.startswith(folder) for u in loaded), "requests beyond the page: %s" % loaded)
    size = sum(os.path.getsize(u[len("file://"):]) for u in loaded)
    print("%s ready after %.0f ms (median of 5), %d bytes in %d files" % (
        os.path.basename(url), sorted(times)[2], size, len(loaded)))
    check(sorted(times)[2] < 1000, "page ready within 1 s")
    check(size < 1_000_000, "everything the page loads is under 1 MB")
    return len(loaded)


class Firefox:
    """Firefox (headless, a profile of its own that reaches no network) driven through its
    WebDriver BiDi socket: Debian has no geckodriver for Selenium."""

    # Any request the browser makes of its own goes to a closed local port.
    PREFS = {"network.proxy.type": 1, "network.proxy.share_proxy_settings": True,
             "network.proxy.http": "127.0.0.1", "network.proxy.http_port": 9,
             "network.proxy.no_proxies_on": "", "network.proxy.allow_hijacking_localhost": True}

    def __init__(self, binary):
        import websocket  # python3-websocket, for this browser alone
        profile = tempfile.mkdtemp(prefix="zan-firefox-")
        with open(os.path.join(profile, "user.js"), "w") as f:
            f.writelines('user_pref("%s", %s);\n' % (k, json.dumps(v)) for k, v in self.PREFS.items())
        # Its log goes to a file, which it may fill as it likes; the socket's address is there.
        log = os.path.join(profile, "log")
        with open(log, "w") as out:
            self.process = subprocess.Popen([binary, "--headless", "--no-remote", "--profile",
                                             profile, "--remote-debugging-port", "0"],
                                            stderr=out, stdout=subprocess.DEVNULL)
        address = lambda: re.search(r"WebDriver BiDi listening on (ws://\S+)", open(log).read())
        Page(None, "").wait(lambda: address() is not None, 60)
        self.socket = websocket.create_connection(address().group(1) + "/session",
                                                  suppress_origin=True, timeout=60)
        self.count = 0
        self.send("session.new", {"capabilities": {}})
        self.context = self.send("browsingContext.getTree", {})["contexts"][0]["context"]

    def send(self, method, params):
        self.count += 1
        self.socket.send(json.dumps({"id": self.count, "method": method, "params": params}))
        while True:
            answer = json.loads(self.socket.recv())
            if answer.get("id") == self.count:
                return answer.get("result", answer)

    def call(self, function, *args):
        result = self.send("script.callFunction", {
            "functionDeclaration": function, "awaitPromise": True, "target": {"context": self.context},
            "arguments": [{"type": "string", "value": a} for a in args]})
        return result.get("result", {}).get("value", result)

    def quit(self):
        self.socket.close()
        self.process.terminate()


# Reads a file dropped on the page, runs each command and returns their reports, answering
# every message with its first button.
RUN_IN_PAGE = """async (name, data, buttons) => {
  const dialog = document.getElementById('message');
  const said = [];
  const settle = async () => { for (let quiet = 0; quiet < 3; await new Promise((r) => setTimeout(r, 10))) {
    if (dialog.open) {
      said.push(document.getElementById('message-text').textContent);
      dialog.querySelector('.buttons button:not([hidden])').click(); quiet = 0;
    } else quiet++; } };
  document.getElementById('start-afresh').click();  // a fresh workspace, as zan-report's
  const files = new DataTransfer();
  files.items.add(new File([Uint8Array.from(atob(data), (c) => c.charCodeAt(0))], name));
  document.body.dispatchEvent(new DragEvent('drop', {dataTransfer: files, bubbles: true, cancelable: true}));
  // Every read ends with a message, once the browser has handed over the file's bytes.
  for (let i = 0; i < 500 && !dialog.open; i++) await new Promise((r) => setTimeout(r, 10));
  await settle();
  const loaded = said.length > 0 && said[0].endsWith('  Loaded!');
  const reports = [], report = document.getElementById('report');
  for (const button of JSON.parse(buttons)) {
    report.textContent = '';
    document.getElementById(button).click();
    for (let i = 0; i < 500 && !report.textContent && !dialog.open; i++) await new Promise((r) => setTimeout(r, 10));
    await settle();
    reports.push(report.textContent);
  }
  return JSON.stringify({loaded, reports});
}"""


def compare_in_page(call, zan_report, files, browser):
    """Each file dropped on the page open now, in each command, by one call into the page
    (RUN_IN_PAGE): the reports equal zan-report's."""
    compared = 0
    for path in files:
        with open(path, "rb") as f:
            data = base64.b64encode(f.read()).decode()
        expected = [native(zan_report, mode, path) for mode, _ in COMMANDS]
        buttons = [button for (_, button), (_, status) in zip(COMMANDS, expected) if status == 0]
        got = json.loads(call(RUN_IN_PAGE, os.path.basename(path), data, json.dumps(buttons)))
        check(got["loaded"] == (expected[0][1] not in (3, 4)),
              "%s: %s: the page and zan-report differ on reading it" % (browser, path))
        check(got["reports"] == [report for report, status in expected if status == 0],
              "%s: %s: reports differ" % (browser, path))
        compared += len(buttons)
    return compared


def check_firefox(binary, url, zan_report, files):
    """The one-file page opened from disk in Firefox gives zan-report's reports."""
    firefox = Firefox(binary)
    try:
        # One page for every file, started afresh for each.
        firefox.send("browsingContext.navigate", {"context": firefox.context, "url": url,
                                                  "wait": "complete"})
        firefox.call("() => { try { localStorage.clear(); } catch (e) {} }")
        Page(None, url).wait(lambda: firefox.call("() => document.body.dataset.ready") == "true")
        compared = compare_in_page(lambda *a: firefox.call(*a), zan_report, files, "Firefox")
        print("Firefox: %d reports compared" % compared)
    finally:
        firefox.quit()


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--page", required=True)
    ap.add_argument("--zan-report", required=True)
    ap.add_argument("--count", type=int, default=50)
    ap.add_argument("--seed", type=int, default=18)
    ap.add_argument("--one-file")
    ap.add_argument("--zan-design")
    ap.add_argument("--firefox", help="firefox-esr: the one-file page in it too")
    ap.add_argument("--axe")
    ap.add_argument("--memo-json", help="zan_memo_json: the memo documents compared natively")
    ap.add_argument("--engine", help="engine.js, for the memo documents under node")
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
    examples = sorted(glob.glob(os.path.join(ROOT, "examples", "*.DEF")))
    if args.memo_json and args.engine:
        check_memo_documents(args.memo_json, args.engine, examples + designs)
    driver = browser(folder)
    try:
        page = Page(driver, url)
        measure(page, url)
        compare_reports(page, args.zan_report, examples, folder, True)
        compare_reports(page, args.zan_report, designs, folder, False)
        if args.one_file:
            # The page to hand on: one file, which loads nothing else.
            one = Page(driver, "file://" + os.path.abspath(args.one_file))
            check(measure(one, one.url) == 1, "the one-file page loads only itself")
            compare_reports(one, args.zan_report, examples, folder, True)
            compare_reports(one, args.zan_report, designs, folder, False)
            page = one
        check_one_session(page, args.zan_report)
        check_stale(page, args.zan_report, folder)
        check_messages(page, folder)
        check_project(page, args.zan_report, folder)
        check_memo(page, args.zan_report, args.zan_design, folder)
        check_hostile_texts(page, folder)
        if args.zan_design and args.memo_json:
            check_printed_charts(page, args.zan_design, args.memo_json, folder)
        check_restore(page)
        check_kept(page)
        check_tabs(page)
        check_files(page, folder)
        check_keyboard(page)
        for language, tag in catalogue_languages():
            check_translated(page, args.zan_report, folder, language, tag)
        if args.axe:
            check_axe(page, args.axe)
    finally:
        driver.quit()
    if args.firefox and args.one_file:
        check_firefox(args.firefox, "file://" + os.path.abspath(args.one_file), args.zan_report,
                      examples + designs)
    print("%d failures" % len(failures))
    sys.exit(1 if failures else 0)


if __name__ == "__main__":
    main()
