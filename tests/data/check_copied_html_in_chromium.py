"""The copied HTML in a real browser: headless Chromium opens the "HTML
Format" document of sura 2 ayat 255 to 257 (as the copy range dialog copies
it, with the HTML chosen) with our two font faces known to fontconfig, as a
browser editor or web mail receives it on paste. On the rendered picture each
of the three aya numbers between and after the ayat must stand inside its
end-of-aya ornament, as on the Mushaf page and in the Writer check (which
only the Quran font does), and the lines must stand against the right edge
of the page. The picture is kept for a person to look at."""
import os
import pathlib
import re
import shutil
import subprocess
import sys
import tempfile

from ink_pieces import INK_BELOW, ornaments, read_pgm

SURA, FIRST_AYA, LAST_AYA = 2, 255, 257
# The copy's default Quran text size, and the device pixels per CSS pixel.
TEXT_POINTS, SCALE = 18, 3

resources = pathlib.Path(sys.argv[1])
out = pathlib.Path(os.environ.get("TIRAVEL_TEST_OUTPUT", tempfile.gettempdir())) / "copied-html"
tool = pathlib.Path(os.environ["TIRAVEL_BIN"]) / "tiravel-copytext"


def html_of(document):
    """What a program that pastes the clipboard document reads: the bytes from
    StartHTML to EndHTML, found through the header."""
    offsets = dict(re.findall(rb"^(StartHTML|EndHTML|StartFragment|EndFragment):(\d+)\r$", document, re.M))
    start, end = int(offsets[b"StartHTML"]), int(offsets[b"EndHTML"])
    if end != len(document):
        sys.exit(f"EndHTML is {end}, the document has {len(document)} bytes")
    return document[start:end]


shutil.rmtree(out, ignore_errors=True)
fonts = out / "fonts"
fonts.mkdir(parents=True)
shutil.copy(resources / "VerizevuZivoFont18", fonts / "VerizevuZivo1 Ver18.ttf")
shutil.copy(resources / "VerizevuZivoBoldFont18", fonts / "VerizevuZivo1B Ver18.ttf")
conf = out / "fonts.conf"
conf.write_text(f"""<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "fonts.dtd">
<fontconfig>
  <include ignore_missing="yes">/etc/fonts/fonts.conf</include>
  <dir>{fonts}</dir>
  <cachedir>{out / "fontcache"}</cachedir>
</fontconfig>
""")

name = f"sura{SURA}-{FIRST_AYA}-{LAST_AYA}"
document = subprocess.run([str(tool), "--range", str(SURA), str(FIRST_AYA), str(LAST_AYA), "--html",
                           "--data", str(resources)], check=True, capture_output=True).stdout
page = out / f"{name}.html"
page.write_bytes(html_of(document))
shot = out / f"{name}.png"
browser = shutil.which("chromium") or sys.exit("chromium is not installed (scripts/setup.sh installs it)")
env = dict(os.environ, FONTCONFIG_FILE=str(conf), HOME=str(out))
subprocess.run([browser, "--headless", "--no-sandbox", "--disable-gpu", "--hide-scrollbars",
                f"--user-data-dir={out / 'profile'}", f"--force-device-scale-factor={SCALE}",
                "--window-size=900,700", f"--screenshot={shot}", page.as_uri()],
               check=True, env=env, capture_output=True, timeout=240)
if not shot.exists():
    sys.exit("Chromium wrote no picture")
subprocess.run(["convert", str(shot), "-colorspace", "gray", str(out / f"{name}.pgm")], check=True)
found = ornaments(out / f"{name}.pgm", TEXT_POINTS / 72 * 96 * SCALE)
print("aya numbers in their ornament at (x, y) pixels:", [box[:2] for box in found])
ayat = LAST_AYA - FIRST_AYA + 1
if len(found) != ayat:
    sys.exit(f"the picture shows {len(found)} aya numbers inside an ornament, expected one for each of the {ayat} ayat")
# Right to left and aligned right: ink reaches the body's right margin (8 CSS
# pixels) within 24 CSS pixels.
width, height, pixels = read_pgm(out / f"{name}.pgm")
ink_columns = [x for x in range(width) if any(pixels[y * width + x] < INK_BELOW for y in range(0, height, 2))]
if not ink_columns or width - 1 - ink_columns[-1] > 24 * SCALE:
    sys.exit("the text does not stand against the right edge")
print("copied HTML set in Harvik HAFS Uthmanic Script with its aya numbers in ornaments; picture", shot)
