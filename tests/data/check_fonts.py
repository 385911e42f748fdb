#!/usr/bin/env python3
"""Checks the two generated faces of the Quran font "Harvik HAFS Uthmanic
Script": names and style, coverage of every character that the aya store and
copied text use, the aya digits and bracket pairs as HarfBuzz lays them out
right to left, the direction each bracket faces, the aya numbers of copied
text inside the end-of-aya ornament, the text of every aya shaped as the
source face shapes it, and a byte-identical rebuild. Writes a rendered sample
line per face into the test output folder.

Usage: check_fonts.py RESOURCES_DIR   (exit code 0 = pass)
"""

import hashlib
import json
import os
import re
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET
from pathlib import Path

from fontTools.misc import timeTools
from fontTools.pens.basePen import BasePen
from fontTools.pens.boundsPen import BoundsPen
from fontTools.pens.recordingPen import DecomposingRecordingPen, RecordingPen
from fontTools.pens.transformPen import TransformPen
from fontTools.ttLib import TTFont

REPO = Path(__file__).resolve().parents[2]
sys.path.insert(0, str(REPO / "tools" / "fontbuild"))
import build_fonts  # noqa: E402

FAMILY = "Harvik HAFS Uthmanic Script"


def font_version():
    """The faces' version as the executable installs them (OutsideNames.h)."""
    names = (REPO / "src" / "base" / "OutsideNames.h").read_text(encoding="utf-8")
    return int(re.search(r"^inline constexpr int QuranFontVersion = (\d+);", names, re.M).group(1))


VERSION = font_version()
DIGESTS = REPO / "tools" / "fontbuild" / "face-digests.txt"
AMIRI_DIR = Path("/usr/share/fonts/opentype/fonts-hosny-amiri")
FACES = {
    # resource: (source face, style, usWeightClass, bold)
    "VerizevuZivoFont18": ("AmiriQuran.ttf", "Regular", 400, False),
    "VerizevuZivoBoldFont18": ("Amiri-Bold.ttf", "Bold", 700, True),
}

AYA_DIGITS = range(0xFD50, 0xFD5A)
BRACKETS = range(0xFD5A, 0xFD7E)
PAIRS = 18
AYA_END_SIGN = 0x06DD
# Aya numbers of one, two and three digits, and how far (font units) a digit
# of copied text may stand from where the page's aya mark puts it.
AYA_NUMBERS = (7, 42, 255)
MARK_TOLERANCE = 3
CITATION_PAIR, DEFAULT_PAIR = 1, 2  # both the classic ornate parentheses

# Fixed texts that copied text sets in this font besides the ayat: opening
# formulas, the lead-in, the citation's separators, the joiner before a
# coloured waqf sign, and the marks of the voweled sura names.
COPY_TEXTS = (
    "أَعُوذُ بِٱللَّهِ مِنَ ٱلشَّيۡطَٰنِ ٱلرَّجِيمِ",
    "بِسۡمِ ٱللَّهِ ٱلرَّحۡمَٰنِ ٱلرَّحِيمِ ",
    "قال تعالى:",
    ": ", " - ", "\u200c",
    "الإِخۡلَاص المَائـِدَة",
    "\u00a0" + "".join(chr(0x0660 + d) for d in range(10)),
)
SAMPLE_WORD = "ٱللَّهُ"
# Pairs whose ink mass does not show their direction: Amiri's braces are
# S-curves bulging as far as their point, and in pair 17 the flower of the
# inner ornate parenthesis outweighs the square bracket. Their direction is
# read from the outer edge instead.
OUTLINE_LED_PAIRS = {4, 12, 17}

failures = []


def check(condition, message):
    if not condition:
        failures.append(message)
    return condition


def node_modules():
    return Path(os.environ.get("TIRAVEL_NODE_MODULES", REPO / "node_modules"))


def test_output_dir():
    path = Path(os.environ.get("TIRAVEL_TEST_OUTPUT", Path.cwd() / "test-output"))
    path.mkdir(parents=True, exist_ok=True)
    return path


def bracket_a(k):
    return chr(0xFD5A + 2 * k)


def bracket_b(k):
    return chr(0xFD5B + 2 * k)


def aya_number_glyphs(n):
    """The citation's digits: last digit first, as U+FD50 + digit."""
    return "".join(chr(0xFD50 + int(d)) for d in reversed(str(n)))


# --- inputs ----------------------------------------------------------------------

def uthmani_verses():
    path = node_modules() / "quran-validator" / "data" / "quran-verses.json"
    with open(path, encoding="utf-8") as f:
        return {(v["surah"], v["ayah"]): v["text"] for v in json.load(f)}


def store_characters(resources):
    """Every character of the aya store's text forms, or None without a store."""
    path = resources / "HAFSUNICODE"
    if not path.exists():
        return None
    chars = set()
    for entry in ET.parse(path).getroot().iter("entry"):
        for form in entry:
            chars.update(form.text or "")
    return chars


# --- HarfBuzz ----------------------------------------------------------------------

def hb_shape(font_path, text, *options):
    out = subprocess.run(["hb-shape", "--font-file", str(font_path), "-O", "json", *options,
                          "--text", text], check=True, capture_output=True, text=True)
    return json.loads(out.stdout)


def hb_shape_number(font_path, text):
    """A number as a word processor shapes it inside Arabic text: a run of its
    own, left to right (the bidirectional algorithm's order for digits)."""
    return hb_shape(font_path, text, "--direction=ltr", "--script=arab", "--language=ar")


def hb_shape_lines(font_path, lines):
    with tempfile.NamedTemporaryFile("w", encoding="utf-8", suffix=".txt", delete=False) as f:
        f.write("\n".join(lines) + "\n")
    try:
        out = subprocess.run(["hb-shape", "--font-file", str(font_path), "-O", "json",
                              "--text-file", f.name],
                             check=True, capture_output=True, text=True)
    finally:
        os.unlink(f.name)
    return [json.loads(line) for line in out.stdout.splitlines() if line.strip()]


def broken(glyphs):
    return [g["g"] for g in glyphs if g["g"] in (".notdef", "uni25CC")]


# --- outlines ----------------------------------------------------------------------

class _PolygonPen(BasePen):
    """Flattens an outline into closed polygons."""

    def __init__(self, glyph_set):
        super().__init__(glyph_set)
        self.polygons, self._current = [], []

    def _moveTo(self, pt):
        self._current = [pt]

    def _lineTo(self, pt):
        self._current.append(pt)

    def _curveToOne(self, p1, p2, p3):
        p0 = self._current[-1]
        for i in range(1, 9):
            t = i / 8
            self._current.append(tuple(
                (1 - t) ** 3 * a + 3 * (1 - t) ** 2 * t * b + 3 * (1 - t) * t ** 2 * c + t ** 3 * d
                for a, b, c, d in zip(p0, p1, p2, p3)))

    def _qCurveToOne(self, p1, p2):
        p0 = self._current[-1]
        for i in range(1, 9):
            t = i / 8
            self._current.append(tuple(
                (1 - t) ** 2 * a + 2 * (1 - t) * t * b + t ** 2 * c for a, b, c in zip(p0, p1, p2)))

    def _closePath(self):
        if len(self._current) > 2:
            self.polygons.append(self._current)
        self._current = []

    _endPath = _closePath


def ink_spans(polygons, y):
    """Filled x intervals of a row under the non-zero rule."""
    crossings = []
    for poly in polygons:
        for (x0, y0), (x1, y1) in zip(poly, poly[1:] + poly[:1]):
            if (y0 <= y < y1) or (y1 <= y < y0):
                x = x0 + (y - y0) * (x1 - x0) / (y1 - y0)
                crossings.append((x, 1 if y1 > y0 else -1))
    crossings.sort()
    spans, winding = [], 0
    for (x, d), nxt in zip(crossings, crossings[1:] + [(None, 0)]):
        winding += d
        if winding and nxt[0] is not None:
            spans.append((x, nxt[0]))
    return spans


def _rows(font, glyph_name, rows=120):
    """(height fraction, ink spans) of evenly spaced rows, and the ink's x range."""
    glyph_set = font.getGlyphSet()
    pen = _PolygonPen(glyph_set)
    glyph_set[glyph_name].draw(pen)
    ys = [p[1] for poly in pen.polygons for p in poly]
    xs = [p[0] for poly in pen.polygons for p in poly]
    y_min, y_max = min(ys), max(ys)
    result = []
    for i in range(rows):
        t = (i + 0.5) / rows
        result.append((t, ink_spans(pen.polygons, y_min + t * (y_max - y_min))))
    return result, min(xs), max(xs)


def _middle(t):
    return 1 / 3 <= t < 2 / 3


def opens_by_ink_mass(font, glyph_name):
    """'right' when the ink of the middle third of the height lies further left
    than the ink of the top and bottom thirds, as in "(", "[" or "«" (the
    hollow faces the enclosed text), 'left' for the mirror image."""
    rows, x_min, x_max = _rows(font, glyph_name)
    moments = {True: [0.0, 0.0], False: [0.0, 0.0]}
    for t, spans in rows:
        for x0, x1 in spans:
            moments[_middle(t)][0] += (x1 - x0) * (x0 + x1) / 2
            moments[_middle(t)][1] += x1 - x0
    middle = moments[True][0] / moments[True][1]
    outer = moments[False][0] / moments[False][1]
    margin = 0.02 * (x_max - x_min)
    return "right" if middle < outer - margin else "left" if middle > outer + margin else "neither"


def opens_by_outer_edge(font, glyph_name, side):
    """Whether the ink reaches its outermost point on that side within the
    middle third of the height, as the point of "{" or the bar of "[" do,
    while the tips of ")" and "]" reach the left edge only at top and bottom."""
    rows, x_min, x_max = _rows(font, glyph_name)
    tolerance = 0.015 * (x_max - x_min)
    for t, spans in rows:
        if spans and _middle(t):
            edge = spans[0][0] - x_min if side == "left" else x_max - spans[-1][1]
            if edge <= tolerance:
                return True
    return False


def outline(font, glyph_name):
    pen = RecordingPen()
    font.getGlyphSet()[glyph_name].draw(pen)
    return tuple((op, tuple(args)) for op, args in pen.value)


def placed_ink(font, glyphs):
    """(glyph name, ink box, outline drawn from its box's corner) of each
    shaped glyph at its place on the line; the pen starts at 0."""
    glyph_set = font.getGlyphSet()
    placed, pen_x = [], 0
    for g in glyphs:
        bounds = BoundsPen(glyph_set)
        glyph_set[g["g"]].draw(bounds)
        if bounds.bounds:
            x0, y0, x1, y1 = bounds.bounds
            dx, dy = pen_x + g["dx"], g["dy"]
            shape = DecomposingRecordingPen(glyph_set)
            glyph_set[g["g"]].draw(TransformPen(shape, (1, 0, 0, 1, -x0, -y0)))
            points = tuple((op, tuple((round(x, 3), round(y, 3)) for x, y in args)) for op, args in shape.value)
            placed.append((g["g"], (x0 + dx, y0 + dy, x1 + dx, y1 + dy), points))
        pen_x += g["ax"]
    return placed


def arabic_indic(n):
    return "".join(chr(0x0660 + int(d)) for d in str(n))


# --- the checks of one face ---------------------------------------------------------

def check_names_and_style(font, path, style, weight, bold):
    name = font["name"]
    label = path.name
    full = FAMILY if style == "Regular" else "%s %s" % (FAMILY, style)
    expected = {1: FAMILY, 16: FAMILY, 2: style, 17: style, 4: full,
                5: "Version %d.000" % VERSION,
                6: "HarvikHAFSUthmanicScript-%s" % style}
    for name_id, text in expected.items():
        check(name.getDebugName(name_id) == text,
              "%s: name %d is %r, expected %r" % (label, name_id, name.getDebugName(name_id), text))
    copyright_notice = name.getDebugName(0) or ""
    check("The Amiri Project Authors" in copyright_notice and "Tiravel developers" in copyright_notice,
          "%s: copyright keeps Amiri's entry and adds ours: %r" % (label, copyright_notice))
    check("SIL Open Font License" in (name.getDebugName(13) or "")
          and "scripts.sil.org/OFL" in (name.getDebugName(14) or ""),
          "%s: the OFL licence entries (names 13, 14) are missing" % label)
    check(font["head"].fontRevision == float(VERSION),
          "%s: head.fontRevision is %r" % (label, font["head"].fontRevision))
    os2 = font["OS/2"]
    check(os2.usWeightClass == weight, "%s: usWeightClass %d" % (label, os2.usWeightClass))
    check(bool(os2.fsSelection & (1 << 5)) == bold and bool(os2.fsSelection & (1 << 6)) != bold
          and not os2.fsSelection & 1, "%s: fsSelection 0x%x" % (label, os2.fsSelection))
    check(font["head"].macStyle & 3 == (1 if bold else 0), "%s: macStyle %d" % (label, font["head"].macStyle))
    scan = subprocess.run(["fc-scan", "--format", "%{family}|%{style}", str(path)],
                          capture_output=True, text=True)
    check(scan.returncode == 0 and scan.stdout == "%s|%s" % (FAMILY, style),
          "%s: fc-scan reads %r" % (label, scan.stdout))


def check_coverage(font, label, required):
    cmap = font.getBestCmap()
    missing = sorted(c for c in required if c not in cmap)
    check(not missing, "%s: no glyph for %s" % (label, " ".join("U+%04X" % c for c in missing)))


def check_aya_digits(font, path, label):
    """The aya digits of the citation and the windows stay plain digits."""
    cmap = font.getBestCmap()
    for d, cp in enumerate(AYA_DIGITS):
        check(outline(font, cmap[cp]) == outline(font, cmap[0x0660 + d]),
              "%s: U+%04X is not drawn as the Arabic-Indic digit %d" % (label, cp, d))
    # Typed last digit first, the right-to-left run shows 2, 8, 6 from the left.
    for n in AYA_NUMBERS + (286,):
        glyphs = [g["g"] for g in hb_shape(path, aya_number_glyphs(n))]
        expected = [cmap[0xFD50 + int(d)] for d in str(n)]
        check(glyphs == expected, "%s: %d is laid out as %s, expected %s" % (label, n, glyphs, expected))


def check_aya_number_marks(font, path, label):
    """A bare run of one to three Arabic-Indic digits, as copied text ends
    each aya, comes out as the page's aya mark: the face's own end-of-aya
    ornament with the number's digits inside it, in reading order, taking the
    ornament's room and nothing more."""
    cmap = font.getBestCmap()
    ornament = outline(font, cmap[AYA_END_SIGN])
    for n in AYA_NUMBERS:
        glyphs = hb_shape_number(path, arabic_indic(n))
        placed = placed_ink(font, glyphs)
        rings = [box for name, box, _ in placed if outline(font, name) == ornament]
        digits = [(box, shape) for name, box, shape in placed if outline(font, name) != ornament]
        if not check(len(rings) == 1 and len(digits) == len(str(n)),
                     "%s: %d shapes to %s, not one ornament holding %d digits"
                     % (label, n, [g["g"] for g in glyphs], len(str(n)))):
            continue
        ring = rings[0]
        for box, _ in digits:
            check(ring[0] < box[0] and box[2] < ring[2] and ring[1] < box[1] and box[3] < ring[3],
                  "%s: a digit of %d at %s is not inside the ornament at %s" % (label, n, box, ring))
        lefts = sorted(box[0] for box, _ in digits)
        check([box[0] for box, _ in digits] == lefts
              and all(a[2] <= b[0] for (a, _), (b, _) in zip(digits, digits[1:])),
              "%s: the digits of %d do not stand apart left to right in reading order" % (label, n))
        advance = sum(g["ax"] for g in glyphs)
        check(advance == font["hmtx"][cmap[AYA_END_SIGN]][0],
              "%s: %d takes %d units, the ornament %d" % (label, n, advance, font["hmtx"][cmap[AYA_END_SIGN]][0]))
        # The page's aya mark: the ornament typed before the number.
        page_mark = [(box, shape) for name, box, shape in placed_ink(
            font, hb_shape_number(path, chr(AYA_END_SIGN) + arabic_indic(n))) if outline(font, name) != ornament]
        same = len(page_mark) == len(digits) and all(
            a[1] == b[1] and all(abs(p - q) <= MARK_TOLERANCE for p, q in zip(a[0], b[0]))
            for a, b in zip(digits, page_mark))
        check(same, "%s: the digits of %d stand at %s, on the page's aya mark at %s"
              % (label, n, [box for box, _ in digits], [box for box, _ in page_mark]))


def check_brackets(font, path, label):
    cmap = font.getBestCmap()
    hmtx = font["hmtx"]
    for cp in list(AYA_DIGITS) + list(BRACKETS):
        glyphs = hb_shape(path, chr(cp))
        check(len(glyphs) == 1 and glyphs[0]["g"] == cmap[cp],
              "%s: U+%04X alone shapes to %s" % (label, cp, [g["g"] for g in glyphs]))
    designs = {}
    for k in range(PAIRS):
        a, b = cmap[ord(bracket_a(k))], cmap[ord(bracket_b(k))]
        # BracketB is typed first: it must stand at the right end, BracketA at the left.
        glyphs = hb_shape(path, bracket_b(k) + SAMPLE_WORD + bracket_a(k))
        check(glyphs[0]["g"] == a and glyphs[-1]["g"] == b and not broken(glyphs),
              "%s: pair %d lays out as %s" % (label, k, [g["g"] for g in glyphs]))
        for g in (glyphs[0], glyphs[-1]):
            check(g["dx"] == 0 and g["dy"] == 0 and g["ax"] == hmtx[g["g"]][0],
                  "%s: pair %d glyph %s is moved by the shaping: %s" % (label, k, g["g"], g))
        if k in OUTLINE_LED_PAIRS:
            facing = opens_by_outer_edge(font, a, "left") and opens_by_outer_edge(font, b, "right")
        else:
            facing = opens_by_ink_mass(font, a) == "right" and opens_by_ink_mass(font, b) == "left"
        check(facing, "%s: pair %d does not face the enclosed text (BracketA must open "
                      "to the right, BracketB to the left)" % (label, k))
        designs.setdefault((outline(font, a), outline(font, b)), []).append(k)
    ornate = (outline(font, cmap[0xFD3E]), outline(font, cmap[0xFD3F]))
    for k in (CITATION_PAIR, DEFAULT_PAIR):
        check(designs.get(ornate, []).count(k) == 1,
              "%s: pair %d is not the classic ornate parentheses" % (label, k))
    repeated = [ks for ks in designs.values() if len(ks) > 1 and set(ks) != {CITATION_PAIR, DEFAULT_PAIR}]
    check(not repeated, "%s: pairs %s share one design" % (label, repeated))


def check_ayat_shape(path, source, label, verses):
    """Every aya, and one between brackets with a citation, shapes without
    missing glyphs or the dotted circle of a broken cluster; the text of every
    aya, waqf signs and all, shapes exactly as in the source face."""
    lines = list(verses.values())
    lines.append(sample_lines(verses)[0])
    shaped = hb_shape_lines(path, lines)
    for text, glyphs in zip(lines, shaped):
        if not check(not broken(glyphs), "%s: %r shapes with %s" % (label, text[:40], broken(glyphs))):
            break
    for text, ours, theirs in zip(lines, shaped, hb_shape_lines(AMIRI_DIR / source, lines[:-1])):
        if not check(ours == theirs, "%s: %r shapes otherwise than in %s" % (label, text[:40], source)):
            break


def recorded_digests():
    """(version, resource) -> SHA-256 of the face, from face-digests.txt."""
    digests = {}
    for line in DIGESTS.read_text(encoding="utf-8").splitlines():
        if line.strip() and not line.startswith("#"):
            version, resource, digest = line.split()
            digests[(int(version), resource)] = digest
    return digests


def check_version_digest(path, resource, digests):
    """A face whose bytes changed gets a new version: an installed face is
    replaced only when its version is lower, so faces of one version must be
    the same bytes everywhere."""
    digest = hashlib.sha256(path.read_bytes()).hexdigest()
    recorded = digests.get((VERSION, resource))
    check(recorded == digest,
          "%s: the face's SHA-256 is %s, face-digests.txt records %s for version %d; faces that "
          "changed need a higher QuranFontVersion in src/base/OutsideNames.h and its line in %s"
          % (resource, digest, recorded, VERSION, DIGESTS.name))


def check_rebuild(font, path, source, style):
    """The same inputs give the same bytes: rebuild with the face's own version
    and build time and compare."""
    epoch = font["head"].modified + timeTools.epoch_diff
    rebuilt = build_fonts.build((AMIRI_DIR / source).read_bytes(), style, VERSION, int(epoch))
    check(rebuilt == path.read_bytes(), "%s: a rebuild from the same inputs differs" % path.name)


# --- the sample picture ----------------------------------------------------------------

def sample_lines(verses):
    citation = "\ufd5d" + "الإِخۡلَاص" + ": " + aya_number_glyphs(1) + "\ufd5c"
    line1 = bracket_b(DEFAULT_PAIR) + verses[(112, 1)] + bracket_a(DEFAULT_PAIR) + "  " + citation
    line2 = "\ufd5d" + "البَقَرَةِ" + ": " + aya_number_glyphs(286) + "\ufd5c"
    pairs = [bracket_b(k) + SAMPLE_WORD + bracket_a(k) for k in range(PAIRS)]
    return [line1, line2, "  ".join(pairs[:9]), "  ".join(pairs[9:])]


def render_sample(path, verses, out_dir, style):
    text_file = out_dir / ("font-sample-%s.txt" % style.lower())
    text_file.write_text("\n".join(sample_lines(verses)) + "\n", encoding="utf-8")
    picture = out_dir / ("font-sample-%s.png" % style.lower())
    done = subprocess.run(["hb-view", "--font-file", str(path), "--font-size", "48",
                           "--margin", "24", "--text-file", str(text_file), "-o", str(picture)],
                          capture_output=True, text=True)
    check(done.returncode == 0 and picture.exists(), "%s: hb-view failed: %s" % (path.name, done.stderr))
    return picture


def main():
    resources = Path(sys.argv[1])
    verses = uthmani_verses()
    required = {ord(c) for text in verses.values() for c in text}
    required |= {ord(c) for text in COPY_TEXTS for c in text}
    required |= set(AYA_DIGITS) | set(BRACKETS) | {AYA_END_SIGN}
    store = store_characters(resources)
    if store is None:
        print("no aya store in %s: coverage checked against the Uthmani source only" % resources)
    else:
        required |= {ord(c) for c in store}
    out_dir = test_output_dir()
    digests = recorded_digests()
    for resource, (source, style, weight, bold) in FACES.items():
        path = resources / resource
        if not check(path.exists(), "%s is missing" % path):
            continue
        font = TTFont(path)
        check_names_and_style(font, path, style, weight, bold)
        check_coverage(font, resource, required)
        check_aya_digits(font, path, resource)
        check_aya_number_marks(font, path, resource)
        check_brackets(font, path, resource)
        check_ayat_shape(path, source, resource, verses)
        check_rebuild(font, path, source, style)
        check_version_digest(path, resource, digests)
        print("sample:", render_sample(path, verses, out_dir, style))
    for message in failures:
        print("FAIL:", message)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
