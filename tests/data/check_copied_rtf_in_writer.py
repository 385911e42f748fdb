"""The copied document in a real word processor: LibreOffice Writer opens the
RTF of sura 2 ayat 255 to 257 (as the copy range dialog copies it) with our
two font faces known to fontconfig, and sets it in "Harvik HAFS Uthmanic
Script". Every font of the PDF must be ours: a fallback font would mean that
the text, the brackets or the aya digits are shown in some other design.
On the rendered page each of the three aya numbers between and after the
ayat must stand inside its end-of-aya ornament, as on the Mushaf page, while
the citation's numbers stay plain. A page of the PDF is kept as a picture
for a person to look at."""
import os
import pathlib
import shutil
import subprocess
import sys
import tempfile

SURA, FIRST_AYA, LAST_AYA = 2, 255, 257
# The copy's default Quran text size, and the resolution the page is read at.
TEXT_POINTS, DPI = 18, 220
# Darker than this counts as ink; anti-aliased edges of thin strokes are lighter.
INK_BELOW = 200

resources = pathlib.Path(sys.argv[1])
out = pathlib.Path(os.environ.get("TIRAVEL_TEST_OUTPUT", tempfile.gettempdir())) / "copied-rtf"
tool = pathlib.Path(os.environ["TIRAVEL_BIN"]) / "tiravel-copytext"


def read_pgm(path):
    """(width, height, bytes) of a binary greyscale PGM as pdftoppm writes it."""
    data = path.read_bytes()
    fields, pos = [], 0
    while len(fields) < 4:
        while data[pos:pos + 1].isspace():
            pos += 1
        start = pos
        while not data[pos:pos + 1].isspace():
            pos += 1
        fields.append(data[start:pos])
    width, height = int(fields[1]), int(fields[2])
    return width, height, data[pos + 1:pos + 1 + width * height]


def ink_components(width, height, pixels):
    """A label per pixel (0 for paper) and the box of each 8-connected piece of ink."""
    label = [0] * (width * height)
    boxes = [None]
    for start in range(width * height):
        if pixels[start] >= INK_BELOW or label[start]:
            continue
        n = len(boxes)
        label[start] = n
        stack, box = [start], [start % width, start // width] * 2
        while stack:
            i = stack.pop()
            x, y = i % width, i // width
            box = [min(box[0], x), min(box[1], y), max(box[2], x), max(box[3], y)]
            for yy in (y - 1, y, y + 1):
                for xx in (x - 1, x, x + 1):
                    j = yy * width + xx
                    if 0 <= xx < width and 0 <= yy < height and pixels[j] < INK_BELOW and not label[j]:
                        label[j] = n
                        stack.append(j)
        boxes.append(tuple(box))
    return label, boxes


def enclosed_by(n, box, label, width):
    """The pieces of ink inside piece n's box that paper outside n cannot reach:
    what n rings round."""
    x0, y0, x1, y1 = box
    reached = set()
    stack = [(x, y) for x in range(x0, x1 + 1) for y in (y0, y1)]
    stack += [(x, y) for y in range(y0, y1 + 1) for x in (x0, x1)]
    while stack:
        x, y = stack.pop()
        if (x, y) in reached or not (x0 <= x <= x1 and y0 <= y <= y1) or label[y * width + x] == n:
            continue
        reached.add((x, y))
        stack += [(x + 1, y), (x - 1, y), (x, y + 1), (x, y - 1)]
    return {label[y * width + x] for y in range(y0, y1 + 1) for x in range(x0, x1 + 1)
            if label[y * width + x] not in (0, n) and (x, y) not in reached}


def ornaments(picture):
    """Boxes of ink about the size of the end-of-aya ornament at the text size
    that ring round one to three other pieces (the digits)."""
    width, height, pixels = read_pgm(picture)
    label, boxes = ink_components(width, height, pixels)
    em = TEXT_POINTS / 72 * DPI
    found = []
    for n, box in enumerate(boxes[1:], 1):
        w, h = box[2] - box[0] + 1, box[3] - box[1] + 1
        if 0.9 * em <= w <= 1.5 * em and 0.8 * em <= h <= 1.4 * em and 1 <= len(enclosed_by(n, box, label, width)) <= 3:
            found.append(box)
    return found


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
rtf = out / f"{name}.rtf"
rtf.write_bytes(subprocess.run([str(tool), "--range", str(SURA), str(FIRST_AYA), str(LAST_AYA), "--data", str(resources)],
                               check=True, capture_output=True).stdout)
env = dict(os.environ, FONTCONFIG_FILE=str(conf), HOME=str(out))
subprocess.run(["libreoffice", f"-env:UserInstallation=file://{out / 'profile'}", "--headless",
                "--convert-to", "pdf", "--outdir", str(out), str(rtf)],
               check=True, env=env, capture_output=True, timeout=240)
pdf = out / f"{name}.pdf"
if not pdf.exists():
    sys.exit("LibreOffice wrote no PDF")
fonts_used = subprocess.run(["pdffonts", str(pdf)], check=True, capture_output=True, text=True).stdout
print(fonts_used)
names = [line.split()[0] for line in fonts_used.splitlines()[2:] if line.strip()]
if not names:
    sys.exit("the PDF uses no font")
others = [n for n in names if "HarvikHAFSUthmanicScript" not in n]
if others:
    sys.exit("the PDF sets part of the text in other fonts: " + ", ".join(others))
subprocess.run(["pdftoppm", "-png", "-r", "110", "-f", "1", "-l", "1", str(pdf), str(out / name)], check=True)
subprocess.run(["pdftoppm", "-gray", "-r", str(DPI), "-f", "1", "-l", "1", "-singlefile", str(pdf), str(out / name)],
               check=True)
found = ornaments(out / f"{name}.pgm")
print("aya numbers in their ornament at (x, y) pixels:", [box[:2] for box in found])
ayat = LAST_AYA - FIRST_AYA + 1
if len(found) != ayat:
    sys.exit(f"the page shows {len(found)} aya numbers inside an ornament, expected one for each of the {ayat} ayat")
print("copied RTF set in Harvik HAFS Uthmanic Script with its aya numbers in ornaments; picture in", out)
