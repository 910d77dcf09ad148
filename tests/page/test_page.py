#!/usr/bin/python3
"""The medium's start page in a real browser: the check writes it for a medium of Danish names,
and headless Chromium opens it from file:// (from a folder whose name has a space and a Danish
letter, and from the medium's disc image mounted with fuseiso), follows its links and reads it as
a reader does; the running program, read through AT-SPI, lists the page's entries.

Usage: test_page.py CHECK_PROGRAM PROGRAM SHOTS_FOLDER
With SP_BUNDLE set (the bundle laid for the tests), the demo's bundled page is opened too.
Exit status: 0 passed, 1 failed, 77 when Chromium, its driver, Selenium or html5lib is missing.
"""
import atexit
import os
import pathlib
import shutil
import subprocess
import sys
import tempfile
import urllib.parse

CHROMIUM = "/usr/bin/chromium"
DRIVER = "/usr/bin/chromedriver"
try:
    import html5lib
    from selenium import webdriver
    from selenium.webdriver.chrome.service import Service
    from selenium.webdriver.common.by import By
    from selenium.webdriver.common.keys import Keys
except ImportError as missing:
    print(f"SKIP [page]: {missing}", file=sys.stderr)
    sys.exit(77)
if not (os.access(CHROMIUM, os.X_OK) and os.access(DRIVER, os.X_OK)):
    print("SKIP [page]: Debian's chromium and chromium-driver are not installed", file=sys.stderr)
    sys.exit(77)

check, program, shots = sys.argv[1], sys.argv[2], pathlib.Path(sys.argv[3])
tests = pathlib.Path(__file__).resolve().parent.parent
failures = []


def expect(condition, what):
    print(("ok   " if condition else "FAIL ") + what)
    if not condition:
        failures.append(what)


HOSTILE = "<script>document.title='ran'</script><img src=x onerror=window.ran=1>"
PDF = (b"%PDF-1.1\n1 0 obj<</Type/Catalog/Pages 2 0 R>>endobj\n2 0 obj<</Type/Pages/Kids[3 0 R]/Count 1>>endobj\n"
       b"3 0 obj<</Type/Page/Parent 2 0 R/MediaBox[0 0 200 200]>>endobj\ntrailer<</Root 1 0 R>>\n%%EOF\n")

work = pathlib.Path(tempfile.mkdtemp())
atexit.register(shutil.rmtree, work, ignore_errors=True)
# The medium lies in a folder whose name has a space and a Danish letter.
medium = work / "Kopi på disk"
files = {
    "index.htm": b"<!DOCTYPE html><html lang=\"en\"><title>Velkommen</title><p>Velkommen</p></html>",
    "Presumptions.htm": b"<!DOCTYPE html><html lang=\"en\"><title>Usage</title><p>Usage</p></html>",
    "Dokumenter med mellemrum/Brugervejledning æøå.pdf": PDF,
    "noter/#1 100% klar.txt": b"noter\n",
    "Sider/Ærø side.htm": b"<!DOCTYPE html><html lang=\"en\"><title>Aero</title><p>side</p></html>",
    "Billeder/hav.png": b"\x89PNG\r\n",
    "rapport 2024.docx": b"PK\x03\x04",
    "setup.exe": b"MZ",
}
for name, data in files.items():
    (medium / name).parent.mkdir(parents=True, exist_ok=True)
    (medium / name).write_bytes(data)
# (field, description): the entries in their order.
entries = [
    ("index.htm", "Velkommen"),
    ("Dokumenter med mellemrum\\Brugervejledning æøå.pdf", "Brugervejledning (PDF)"),
    ("NOTER\\#1 100% KLAR.TXT", "Noter #1 & 100%"),
    ("Sider/Ærø side.htm", "Ærø-siden"),
    ("Billeder", "Billeder"),
    ("rapport 2024.docx", "Rapport 2024"),
    ("setup.exe", "Installer"),
    ("https://www.varnholt.example/dk?a=1&b=2", "Varnholt på nettet"),
    ("mangler.pdf", "Mangler"),
    ("javascript:window.ran=1", "Skript"),
    ("httpx://www.varnholt.example/", "Forkert adresse"),
    ("index.htm", HOSTILE),
]
info = f"{len(entries)}\r\n" + "".join(f'"{f}","{d}"\r\n' for f, d in entries)
(medium / "info.txt").write_bytes(b"\xef\xbb\xbf" + info.encode("utf-8"))

run = subprocess.run([check, "--make-start-page", str(medium)], capture_output=True, text=True)
page = medium / "Start here.htm"
# Two entries' files are missing (errors the check still reports): the page shows them unlinked.
expect(run.returncode == 2 and page.is_file() and "2 entries' files are missing" in run.stderr,
       f"the check wrote the page (status {run.returncode}: {run.stderr})")
written = page.read_bytes()
subprocess.run([check, "--make-start-page", str(medium)], capture_output=True)
expect(page.read_bytes() == written, "a page made twice is the same, byte for byte")

try:
    html5lib.HTMLParser(strict=True, namespaceHTMLElements=False).parse(written)
    expect(True, "strict HTML5 parse")
except Exception as error:  # html5lib raises ParseError at the first error
    expect(False, f"strict HTML5 parse: {error}")


def links_below(top):
    """What the page must link, by hand: the link's name and the file (or address) it reaches."""
    def uri(name):
        return (top / name).as_uri()
    return [
        ("Velkommen", uri("index.htm")),
        ("Brugervejledning (PDF)", uri("Dokumenter med mellemrum/Brugervejledning æøå.pdf")),
        ("Noter #1 & 100%", uri("noter/#1 100% klar.txt")),
        ("Ærø-siden", uri("Sider/Ærø side.htm")),
        ("Billeder", uri("Billeder") + "/"),
        ("Rapport 2024", uri("rapport 2024.docx")),
        ("Installer", uri("setup.exe")),
        ("Varnholt på nettet", "https://www.varnholt.example/dk?a=1&b=2"),
        (HOSTILE, uri("index.htm")),
    ]


expected_links = links_below(medium)
unlinked = ["Mangler", "Skript", "Forkert adresse"]
shown_by_browser = [1, 2, 3, 4]  # page, PDF, text, page in a Danish folder: a click arrives there

profile = work / "profile"
downloads = work / "downloads"
downloads.mkdir()
options = webdriver.ChromeOptions()
options.binary_location = CHROMIUM
for flag in ("--headless=new", "--no-sandbox", "--disable-gpu", "--no-first-run", "--disable-background-networking",
             "--disable-component-update", "--disable-sync", "--force-device-scale-factor=2",
             "--window-size=1024,768", f"--user-data-dir={profile}"):
    options.add_argument(flag)
options.add_experimental_option("prefs", {"download.default_directory": str(downloads),
                                          "download.prompt_for_download": False})


def follow_links(driver, top, where):
    """The links' order, names and targets, and a click on each entry the browser shows."""
    wanted = links_below(top)
    start = (top / "Start here.htm").as_uri()
    driver.get(start)
    links = driver.execute_script(
        "return [...document.querySelectorAll('ol.entries a')].map(a => [a.textContent, a.href])")
    expect([tuple(link) for link in links] == wanted, f"{where}: the links' order, names and targets: {links}")
    for index in shown_by_browser:
        driver.get(start)
        driver.find_elements(By.CSS_SELECTOR, "ol.entries a")[index - 1].click()
        expect(driver.current_url == wanted[index - 1][1],
               f"{where}: a click on {wanted[index - 1][0]!r} arrives at {driver.current_url}")
    return [name for name, _ in links]


# The medium's disc image, mounted as the recipient's computer would read the disc.
disc = work / "disc"
image = work / "medium.iso"
mounted = False
if os.path.exists("/dev/fuse") and shutil.which("fuseiso") and shutil.which("xorriso"):
    disc.mkdir()
    made = subprocess.run(["xorriso", "-as", "mkisofs", "-quiet", "-R", "-J", "-joliet-long", "-V", "PAGE",
                           "-o", str(image), str(medium)], capture_output=True)
    mounted = made.returncode == 0 and subprocess.run(["fuseiso", str(image), str(disc)]).returncode == 0
    if mounted:  # registered after the removal of work/, so it runs first
        atexit.register(subprocess.run, ["fusermount", "-u", str(disc)])
if not mounted:
    print("skip the disc image: fuseiso or xorriso cannot run here")

driver = webdriver.Chrome(service=Service(DRIVER), options=options)
try:
    linked = follow_links(driver, medium, "from a folder")
    if mounted:
        follow_links(driver, disc, "from the disc image")
    # The page scripts/bundle wrote for the demo medium reaches every document it links.
    laid = pathlib.Path(os.environ.get("SP_BUNDLE", "/nonexistent")) / "medium"
    if (laid / "Start here.htm").is_file():
        driver.get((laid / "Start here.htm").as_uri())
        hrefs = driver.execute_script("return [...document.querySelectorAll('a')].map(a => a.href)")
        local = [h for h in hrefs if h.startswith("file:")]
        lost = [h for h in local if not pathlib.Path(urllib.parse.unquote(urllib.parse.urlparse(h).path)).exists()]
        expect(len(local) >= 5 and not lost, f"the bundled demo's page reaches every document it links: {lost}")
    else:
        print("skip the bundled demo: no bundle laid (SP_BUNDLE)")
    driver.get(page.as_uri())
    texts = driver.execute_script(
        "return [...document.querySelectorAll('ol.entries li')].map(li => li.firstElementChild.textContent)")
    expect(texts == [d for _, d in entries], f"every entry in the list's order: {texts}")
    plain = driver.execute_script(
        "return [...document.querySelectorAll('ol.entries li')].filter(li => !li.querySelector('a'))"
        ".map(li => li.textContent)")
    expect([p.split(" (")[0] for p in plain] == unlinked and "missing from this medium" in plain[0]
           and "not a web address" in plain[2], f"no link for a missing file or a bad scheme: {plain}")
    expect(not any("javascript" in (a.get_attribute("href") or "") for a in driver.find_elements(By.TAG_NAME, "a")),
           "no href carries javascript:")
    expect("a program for Windows" in driver.find_elements(By.CSS_SELECTOR, "ol.entries li")[6].text,
           "the Windows program says which computer it needs")
    expect(driver.execute_script("return window.ran === undefined") and driver.title == "Zezuzav Quillmere",
           "no script from info.txt ran")
    expect(driver.execute_script("return document.documentElement.lang") == "en", "lang is en")
    expect(len(driver.find_elements(By.TAG_NAME, "h1")) == 1, "one h1")
    expect(not driver.find_elements(By.TAG_NAME, "script"), "the page holds no script")

    # Every link's accessible name, as a screen reader gets it from the browser.
    tree = driver.execute_cdp_cmd("Accessibility.getFullAXTree", {})["nodes"]
    named = [n.get("name", {}).get("value", "") for n in tree
             if n.get("role", {}).get("value") == "link" and not n.get("ignored")]
    expect(sorted(named) == sorted([name for name, _ in expected_links] + ["About using this program..."]),
           f"the links' accessible names: {named}")

    contrast = driver.execute_script("""
        const lum = c => { const v = c.match(/[\\d.]+/g).slice(0, 3).map(Number).map(x => x / 255)
            .map(x => x <= 0.03928 ? x / 12.92 : ((x + 0.055) / 1.055) ** 2.4);
            return 0.2126 * v[0] + 0.7152 * v[1] + 0.0722 * v[2]; };
        const background = e => { for (; e; e = e.parentElement) { const b = getComputedStyle(e).backgroundColor;
            if (!/rgba\\(.*, 0\\)$/.test(b) && b !== 'transparent') return b; } return 'rgb(255, 255, 255)'; };
        const out = [];
        for (const e of document.body.querySelectorAll('*')) {
            if (![...e.childNodes].some(n => n.nodeType === 3 && n.textContent.trim())) continue;
            const [a, b] = [lum(getComputedStyle(e).color), lum(background(e))];
            out.push([e.tagName + '.' + e.className, (Math.max(a, b) + 0.05) / (Math.min(a, b) + 0.05)]);
        }
        return out;""")
    low = [c for c in contrast if c[1] < 4.5]
    expect(contrast and not low, f"contrast of every text at least 4.5:1 (lowest {min(c[1] for c in contrast):.1f}): {low}")

    driver.find_element(By.TAG_NAME, "body").send_keys(Keys.TAB)
    focus = driver.execute_script("const e = document.activeElement, s = getComputedStyle(e);"
                                  "return [e.tagName, s.outlineStyle, parseFloat(s.outlineWidth)]")
    expect(focus[0] == "A" and focus[1] != "none" and focus[2] >= 2, f"the focused link shows its focus: {focus}")

    shots.mkdir(parents=True, exist_ok=True)
    driver.save_screenshot(str(shots / "page-200.png"))
    driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride",
                           {"width": 1024, "height": 768, "deviceScaleFactor": 1, "mobile": False})
    driver.save_screenshot(str(shots / "page-100.png"))
    driver.execute_cdp_cmd("Emulation.clearDeviceMetricsOverride", {})
    driver.set_window_size(320, 900)
    width = driver.execute_script("return [window.innerWidth, document.documentElement.scrollWidth]")
    expect(width[0] <= 320 and width[1] <= width[0], f"320 px wide without sideways scrolling: {width}")
    driver.save_screenshot(str(shots / "page-320.png"))
    driver.set_window_size(1024, 768)
finally:
    driver.quit()

# The page and the program agree: the list the program shows on this medium, read as a screen
# reader reads it, is the page's entries, and its linked ones are the page's links.
shutil.copy2(program, medium / "startprogram")
listed = subprocess.run(["bash", str(tests / "run-on-xvfb"), "bash", str(tests / "e2e" / "program-list.sh"),
                         str(medium / "startprogram")], capture_output=True, text=True)
if listed.returncode == 77:
    print(f"skip the program's list: {listed.stderr.strip()}")
else:
    shown = listed.stdout.splitlines()
    expect(listed.returncode == 0 and shown == texts, f"the program lists the page's entries: {shown} {listed.stderr}")
    expect(linked == [entry for entry in shown if entry not in unlinked], f"the page links the program's entries: {linked}")

if mounted:
    run = subprocess.run([check, str(disc)], capture_output=True, text=True)
    expect("older than info.txt" not in run.stdout, f"the page on the disc agrees with the disc: {run.stdout}")

print(f"screenshots in {shots}")
if failures:
    print(f"FAIL [page]: {len(failures)} check(s) failed", file=sys.stderr)
    sys.exit(1)
