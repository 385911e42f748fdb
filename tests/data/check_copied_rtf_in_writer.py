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

from ink_pieces import ornaments

SURA, FIRST_AYA, LAST_AYA = 2, 255, 257
# The copy's default Quran text size, and the resolution the page is read at.
TEXT_POINTS, DPI = 18, 220

resources = pathlib.Path(sys.argv[1])
out = pathlib.Path(os.environ.get("TIRAVEL_TEST_OUTPUT", tempfile.gettempdir())) / "copied-rtf"
tool = pathlib.Path(os.environ["TIRAVEL_BIN"]) / "tiravel-copytext"

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
found = ornaments(out / f"{name}.pgm", TEXT_POINTS / 72 * DPI)
print("aya numbers in their ornament at (x, y) pixels:", [box[:2] for box in found])
ayat = LAST_AYA - FIRST_AYA + 1
if len(found) != ayat:
    sys.exit(f"the page shows {len(found)} aya numbers inside an ornament, expected one for each of the {ayat} ayat")
print("copied RTF set in Harvik HAFS Uthmanic Script with its aya numbers in ornaments; picture in", out)
