#!/usr/bin/env python3
"""Builds one face of the Quran font "Harvik HAFS Uthmanic Script" from an
Amiri face (Debian's fonts-hosny-amiri, SIL Open Font License 1.1).

The face keeps every glyph, feature and licence entry of its source and adds:
  - U+FD50..U+FD59: the digits 0..9 of aya numbers, drawn as the face's own
    Arabic-Indic digits. The code points are right-to-left letters, so a
    number is typed last digit first (286 is U+FD56 U+FD58 U+FD52) and the
    right-to-left layout shows it as ٢٨٦;
  - U+FD5A..U+FD7D: the 18 ornamental bracket pairs of bracket_designs.py;
  - ":" and "-" where the source face lacks them (AmiriQuran does);
  - rules that set a run of one to three Arabic-Indic digits, the aya
    numbers of copied text, inside the end-of-aya ornament as the pages
    show them (aya_number_marks.py). The aya digits at U+FD50..U+FD59 stay
    plain digits.
It is renamed, restyled and versioned from one metadata table.

The steps follow the order of fontTools' FontBuilder: glyph order, glyphs,
cmap, metrics, names, OS/2 and head, then saving. Every timestamp comes from
SOURCE_DATE_EPOCH (or, without it, from the source face), so the same inputs
always give the same bytes.

    SOURCE_DATE_EPOCH=1735689600 build_fonts.py --input AmiriQuran.ttf \
        --output VerizevuZivoFont18 --style Regular --version 18
"""

import argparse
import io
import os
import sys

from fontTools.misc import timeTools
from fontTools.pens.boundsPen import BoundsPen
from fontTools.pens.transformPen import TransformPen
from fontTools.pens.ttGlyphPen import TTGlyphPen
from fontTools.ttLib import TTFont

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import aya_number_marks  # noqa: E402
import bracket_designs  # noqa: E402

METADATA = {
    "familyName": "Harvik HAFS Uthmanic Script",
    "psFamilyName": "HarvikHAFSUthmanicScript",
    "vendorId": "TRVL",
    "copyrightAddition": "Harvik HAFS Uthmanic Script modifications \u00a9 Tiravel developers.",
    "description": (
        "Harvik HAFS Uthmanic Script {style} is the {source} face of the Amiri Project "
        "with aya-number digits at U+FD50-U+FD59, 18 ornamental bracket pairs at "
        "U+FD5A-U+FD7D and aya numbers inside the end-of-aya ornament, built for the "
        "Tiravel Mushaf viewer."),
}

STYLES = {
    "Regular": {"weightClass": 400, "bold": False},
    "Bold": {"weightClass": 700, "bold": True},
}

AYA_DIGIT_FIRST_CODE_POINT = 0xFD50
ARABIC_INDIC_ZERO = 0x0660

# Composed brackets: ink-to-ink gap between parts, and the side bearing used
# for parts that have no advance of their own (mark-like dots).
PART_GAP = 40
MARK_PART_BEARING = 60
MIN_BEARING = 30

# Copied text sets ":" and " - " in this font (the citation and the lead-in
# "قال تعالى:"), but AmiriQuran has neither. They are made as Amiri's text
# faces draw them: the colon is two of the face's full stops, the hyphen a
# bar at the height of the Arabic letters' middle.
COLON_DOT_RISE = 324
COLON_ADVANCE, COLON_LSB = 220, 57
HYPHEN_BOX = (57, 194, 312, 267)
HYPHEN_ADVANCE = 368

FS_ITALIC, FS_BOLD, FS_REGULAR = 1 << 0, 1 << 5, 1 << 6
MAC_BOLD, MAC_ITALIC = 1 << 0, 1 << 1
UNICODE_RANGE_ARABIC_PRESENTATION_FORMS_A = 63
REWRITTEN_NAME_IDS = (0, 1, 2, 3, 4, 5, 6, 10, 16, 17)


def aya_digit_glyph_name(d):
    return "ayaDigit%d" % d


def bracket_glyph_name(side, k):
    return "bracket%s%02d" % (side, k)


def new_code_points():
    """Code point -> glyph name of everything this build adds to the cmap."""
    mapping = {AYA_DIGIT_FIRST_CODE_POINT + d: aya_digit_glyph_name(d) for d in range(10)}
    for k in range(bracket_designs.PAIR_COUNT):
        mapping[bracket_designs.bracket_a_code_point(k)] = bracket_glyph_name("A", k)
        mapping[bracket_designs.bracket_b_code_point(k)] = bracket_glyph_name("B", k)
    return mapping


# --- glyphs --------------------------------------------------------------------

def _bounds(glyph_set, name):
    pen = BoundsPen(glyph_set)
    glyph_set[name].draw(pen)
    return pen.bounds


def _bearings(font, name):
    advance, lsb = font["hmtx"][name]
    x_min, _, x_max, _ = _bounds(font.getGlyphSet(), name)
    if advance == 0:
        return MARK_PART_BEARING, MARK_PART_BEARING
    return max(lsb, MIN_BEARING), max(advance - x_max, MIN_BEARING)


def _copy_glyph(font, name):
    """An exact copy of a glyph's outline and metrics."""
    pen = TTGlyphPen(font.getGlyphSet())
    font.getGlyphSet()[name].draw(pen)
    return pen.glyph(), font["hmtx"][name][0]


def _compose(font, parts, axis_y):
    """Lays parts out left to right, each centred on axis_y, as one outline.

    A single unscaled part is copied as it stands, metrics included, so the
    plain brackets keep the source design exactly."""
    if len(parts) == 1 and parts[0].scale_x == 1 and parts[0].scale_y == 1:
        return _copy_glyph(font, parts[0].glyph)
    glyph_set = font.getGlyphSet()
    pen = TTGlyphPen(glyph_set)
    x = _bearings(font, parts[0].glyph)[0] * parts[0].scale_x
    for part in parts:
        x_min, y_min, x_max, y_max = _bounds(glyph_set, part.glyph)
        dx = x - x_min * part.scale_x
        dy = axis_y - (y_min + y_max) / 2 * part.scale_y
        transform = (part.scale_x, 0, 0, part.scale_y, dx, dy)
        glyph_set[part.glyph].draw(TransformPen(pen, transform))
        x += (x_max - x_min) * part.scale_x + PART_GAP
    advance = x - PART_GAP + _bearings(font, parts[-1].glyph)[1] * parts[-1].scale_x
    return pen.glyph(), round(advance)


def make_new_glyphs(font):
    """Glyph name -> (glyph, advance) for the aya digits and the brackets."""
    missing = bracket_designs.source_glyphs() - set(font.getGlyphOrder())
    if missing:
        raise SystemExit("source face lacks the bracket parts %s" % sorted(missing))
    cmap = font.getBestCmap()
    glyphs = {}
    for d in range(10):
        glyphs[aya_digit_glyph_name(d)] = _copy_glyph(font, cmap[ARABIC_INDIC_ZERO + d])
    # Composed brackets share the vertical centre of the face's parentheses.
    _, y_min, _, y_max = _bounds(font.getGlyphSet(), "parenleft")
    axis_y = (y_min + y_max) / 2
    for k, design in enumerate(bracket_designs.DESIGNS):
        glyphs[bracket_glyph_name("A", k)] = _compose(font, design.parts, axis_y)
        glyphs[bracket_glyph_name("B", k)] = _compose(
            font, bracket_designs.mirrored_parts(design.parts), axis_y)
    return glyphs


def make_missing_punctuation(font):
    """Glyphs for ":" and "-" when the face lacks them, and their code points."""
    cmap = font.getBestCmap()
    glyphs, mapping = {}, {}
    if 0x3A not in cmap:
        glyph_set = font.getGlyphSet()
        period = cmap[0x2E]
        x_min = _bounds(glyph_set, period)[0]
        pen = TTGlyphPen(glyph_set)
        for rise in (0, COLON_DOT_RISE):
            glyph_set[period].draw(TransformPen(pen, (1, 0, 0, 1, COLON_LSB - x_min, rise)))
        glyphs["colon"] = (pen.glyph(), COLON_ADVANCE)
        mapping[0x3A] = "colon"
    if 0x2D not in cmap:
        pen = TTGlyphPen(None)
        x0, y0, x1, y1 = HYPHEN_BOX
        pen.moveTo((x0, y0))
        pen.lineTo((x0, y1))
        pen.lineTo((x1, y1))
        pen.lineTo((x1, y0))
        pen.closePath()
        glyphs["hyphen"] = (pen.glyph(), HYPHEN_ADVANCE)
        mapping[0x2D] = "hyphen"
    return glyphs, mapping


def add_glyphs(font, glyphs):
    glyf = font["glyf"]
    order = list(font.getGlyphOrder())
    clash = set(glyphs) & set(order)
    if clash:
        raise SystemExit("glyph names already taken: %s" % sorted(clash))
    order += list(glyphs)
    font.setGlyphOrder(order)
    glyf.glyphOrder = order
    hmtx = font["hmtx"]
    # The new glyphs are plain base glyphs for the shaping engines.
    class_defs = font["GDEF"].table.GlyphClassDef.classDefs
    for name, (glyph, advance) in glyphs.items():
        glyf[name] = glyph
        glyph.recalcBounds(glyf)
        hmtx[name] = (advance, glyph.xMin if glyph.numberOfContours else 0)
        class_defs[name] = 1


def map_code_points(font, mapping):
    for table in font["cmap"].tables:
        if table.isUnicode():
            table.cmap.update(mapping)


# --- names and style -----------------------------------------------------------

def set_names(font, style, version):
    name = font["name"]
    source_family = name.getDebugName(1)
    source_style = name.getDebugName(2)
    copyright_notice = name.getDebugName(0)
    family = METADATA["familyName"]
    ps_name = "%s-%s" % (METADATA["psFamilyName"], style)
    version_text = "Version %d.000" % version
    full_name = family if style == "Regular" else "%s %s" % (family, style)
    # Amiri ships Windows English records only; ours replace them.
    for rec in list(name.names):
        if rec.nameID in REWRITTEN_NAME_IDS:
            name.removeNames(nameID=rec.nameID, platformID=rec.platformID,
                             platEncID=rec.platEncID, langID=rec.langID)
    entries = {
        0: "%s %s" % (copyright_notice, METADATA["copyrightAddition"]),
        1: family,
        2: style,
        3: "%d.000;%s;%s" % (version, METADATA["vendorId"], ps_name),
        4: full_name,
        5: version_text,
        6: ps_name,
        10: METADATA["description"].format(
            style=style, source="%s %s" % (source_family, source_style)),
        16: family,
        17: style,
    }
    for name_id, text in entries.items():
        name.setName(text, name_id, 3, 1, 0x409)


def set_style(font, style, version, timestamp):
    style_info = STYLES[style]
    os2 = font["OS/2"]
    os2.usWeightClass = style_info["weightClass"]
    os2.fsSelection &= ~(FS_ITALIC | FS_BOLD | FS_REGULAR)
    os2.fsSelection |= FS_BOLD if style_info["bold"] else FS_REGULAR
    os2.achVendID = METADATA["vendorId"]
    os2.setUnicodeRanges(os2.getUnicodeRanges() | {UNICODE_RANGE_ARABIC_PRESENTATION_FORMS_A})
    os2.updateFirstAndLastCharIndex(font)
    os2.recalcAvgCharWidth(font)
    head = font["head"]
    head.macStyle &= ~(MAC_BOLD | MAC_ITALIC)
    if style_info["bold"]:
        head.macStyle |= MAC_BOLD
    head.fontRevision = float(version)
    head.created = head.modified = timestamp


# --- the build -----------------------------------------------------------------

def build(source_bytes, style, version, epoch):
    """Returns the bytes of the face built from the source face's bytes.

    epoch is the build time in seconds since 1970 (SOURCE_DATE_EPOCH), or
    None to reuse the source face's own modification time."""
    if style not in STYLES:
        raise SystemExit("unknown style %r, expected one of %s" % (style, sorted(STYLES)))
    font = TTFont(io.BytesIO(source_bytes), recalcTimestamp=False)
    if "DSIG" in font:
        del font["DSIG"]  # a signature of the source no longer matches
    timestamp = (font["head"].modified if epoch is None
                 else timeTools.timestampSinceEpoch(epoch))
    for tag in ("post", "glyf", "hmtx", "cmap", "GDEF", "GSUB", "name", "OS/2", "head", "maxp"):
        font[tag]  # decompile before the glyph order grows
    punctuation, punctuation_code_points = make_missing_punctuation(font)
    add_glyphs(font, {**make_new_glyphs(font), **punctuation, **aya_number_marks.make_glyphs(font)})
    map_code_points(font, {**new_code_points(), **punctuation_code_points})
    aya_number_marks.add_rules(font)
    set_names(font, style, version)
    set_style(font, style, version, timestamp)
    out = io.BytesIO()
    font.save(out, reorderTables=True)
    return out.getvalue()


def source_date_epoch():
    value = os.environ.get("SOURCE_DATE_EPOCH")
    if value is None:
        return None
    try:
        return int(value)
    except ValueError:
        raise SystemExit("SOURCE_DATE_EPOCH must be a whole number of seconds, not %r" % value)


def main(argv=None):
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--input", required=True, help="source Amiri face (.ttf)")
    parser.add_argument("--output", required=True, help="file to write (TrueType bytes)")
    parser.add_argument("--style", required=True, choices=sorted(STYLES))
    parser.add_argument("--version", required=True, type=int, help="font version, e.g. 18")
    args = parser.parse_args(argv)
    with open(args.input, "rb") as f:
        source = f.read()
    data = build(source, args.style, args.version, source_date_epoch())
    tmp = args.output + ".tmp"
    with open(tmp, "wb") as f:
        f.write(data)
    os.replace(tmp, args.output)


if __name__ == "__main__":
    main()
