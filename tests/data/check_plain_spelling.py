"""The copy in the plain spelling is the Tanzil simple text: sura 2 ayat 255
to 257, copied as the copy range dialog copies them with the plain spelling
chosen, as plain text. Read with the data build's own reader of
qurantext-simple.def, each aya of the Tanzil text and the copied one hold the
same letters and marks in the same order and the same words; only the waqf
signs stand against their word, as in the Uthmani copy. After each aya comes
its number, and the citation is the Uthmani copy's."""
import os
import pathlib
import subprocess
import sys

root = pathlib.Path(__file__).resolve().parents[2]
sys.path.insert(0, str(root / "tools" / "storebuild"))
from build_store import read_simple  # noqa: E402

SURA, FIRST_AYA, LAST_AYA = 2, 255, 257
AYAT_BEFORE_SURA = {2: 7}  # the simple text numbers its ayat from the start of the Quran
SIGNS = set("\u06D6\u06D7\u06D8\u06D9\u06DA\u06DB\u06DC\u06DE\u06E9")

resources = pathlib.Path(sys.argv[1])
tool = pathlib.Path(os.environ["TIRAVEL_BIN"]) / "tiravel-copytext"
simple = pathlib.Path(os.environ["TIRAVEL_INPUTS"]) / "qurantext-simple.def"


def copy(*options):
    args = [str(tool), "--range", str(SURA), str(FIRST_AYA), str(LAST_AYA), "--text", "--data", str(resources)]
    return subprocess.run(args + list(options), check=True, capture_output=True).stdout.decode("utf-8")


def words(text):
    """The words without the signs that stand between or after them."""
    return [w for w in ("".join(c for c in t if c not in SIGNS) for t in text.split()) if w]


def arabic_indic(n):
    return "".join(chr(0x0660 + int(d)) for d in str(n))


failures = []
tanzil = read_simple(simple)
imlai, uthmani = copy("--imlai"), copy()
print(imlai)
# ﴿ ayat ﴾ ﴿ citation ﴾: the ayat, each " " + text + U+00A0 + number.
text, citation = imlai[1:imlai.index("\uFD3E")], imlai[imlai.index("\uFD3E"):]
if citation != uthmani[uthmani.index("\uFD3E"):]:
    failures.append(f"the citation differs from the Uthmani copy's: {citation!r}")
rest = text
for aya in range(FIRST_AYA, LAST_AYA + 1):
    number, expected = tanzil[AYAT_BEFORE_SURA[SURA] + aya - 1]
    marker = "\u00A0" + arabic_indic(aya)
    if number != aya or not rest.startswith(" ") or marker not in rest:
        failures.append(f"{SURA}:{aya} is not where it belongs in {rest[:40]!r}")
        break
    copied, rest = rest[1:rest.index(marker)], rest[rest.index(marker) + len(marker):]
    if copied.replace(" ", "") != expected.replace(" ", ""):
        failures.append(f"{SURA}:{aya}: the letters and marks differ from the Tanzil simple text")
    if words(copied) != words(expected):
        failures.append(f"{SURA}:{aya}: the words differ from the Tanzil simple text")
if rest:
    failures.append(f"left after the last aya: {rest!r}")
if failures:
    sys.exit("\n".join(failures))
print(f"{SURA}:{FIRST_AYA}-{LAST_AYA} in the plain spelling is the Tanzil simple text")
