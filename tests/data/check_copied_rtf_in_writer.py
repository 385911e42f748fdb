"""The copied document in a real word processor: LibreOffice Writer opens the
RTF of sura 112 ayat 1 to 4 (as the copy range dialog copies it) with our two
font faces known to fontconfig, and sets it in "Harvik HAFS Uthmanic Script".
Every font of the PDF must be ours: a fallback font would mean that the text,
the brackets or the aya digits are shown in some other design. A page of the
PDF is kept as a picture for a person to look at."""
import os
import pathlib
import shutil
import subprocess
import sys
import tempfile

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

rtf = out / "sura112.rtf"
rtf.write_bytes(subprocess.run([str(tool), "--range", "112", "1", "4", "--data", str(resources)],
                               check=True, capture_output=True).stdout)
env = dict(os.environ, FONTCONFIG_FILE=str(conf), HOME=str(out))
subprocess.run(["libreoffice", f"-env:UserInstallation=file://{out / 'profile'}", "--headless",
                "--convert-to", "pdf", "--outdir", str(out), str(rtf)],
               check=True, env=env, capture_output=True, timeout=240)
pdf = out / "sura112.pdf"
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
subprocess.run(["pdftoppm", "-png", "-r", "110", "-f", "1", "-l", "1", str(pdf), str(out / "sura112")], check=True)
print("copied RTF set in Harvik HAFS Uthmanic Script; picture in", out)
