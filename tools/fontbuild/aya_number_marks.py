"""Aya numbers of copied text inside the end-of-aya ornament.

Copied Quran text ends every aya with a no-break space and the aya's number
in Arabic-Indic digits (U+0660-U+0669). The pages draw that number inside
the end-of-aya ornament: the face's U+06DD glyph with its small digits
(U+06DD followed by the digits, shaped by the face's own rules). This module
gives a face rules of its own that set a bare run of one to three of those
digits the same way, so that a word processor shows what the page shows.

The bidirectional algorithm lays a run of Arabic-Indic digits out left to
right, so the shaper gets the number most significant digit first, in the
order it is seen. Two lookups of the feature 'calt', after the face's own
lookups there (which turn digits that follow a typed U+06DD into small
digits, so those are left alone):
  1. a chain rule per run length: each digit becomes a small digit without
     advance drawn at its place inside the ornament (a composite glyph);
  2. the run's last digit is followed by the ornament, the face's own U+06DD
     glyph, whose advance is the only one of the run.
Every glyph of the run therefore starts at the run's start. Substitution
alone does it, without positioning: Wine's GDI text output, which draws the
glyphs of the substitution with their own advances, shows it as HarfBuzz
does.
"""

from fontTools.otlLib import builder
from fontTools.pens.boundsPen import BoundsPen
from fontTools.pens.ttGlyphPen import TTGlyphPen
from fontTools.ttLib.tables import otTables

ARABIC_INDIC_ZERO = 0x0660
END_OF_AYA = 0x06DD
MAX_DIGITS = 3
CHAIN_CONTEXT_SUBST, FORMAT_COVERAGES = 6, 3


def digit_glyph_name(digit, count, slot):
    """The small digit at slot (0 = leftmost) of a count-digit number."""
    return "ayaNumberDigit%d.%d%d" % (digit, count, slot)


def _source_names(font):
    """(ornament, [small digit 0..9]) glyph names of the face."""
    cmap = font.getBestCmap()
    order = set(font.getGlyphOrder())
    small = [cmap[ARABIC_INDIC_ZERO + d] + ".small" for d in range(10)]
    missing = [name for name in small if name not in order]
    if END_OF_AYA not in cmap or missing:
        raise SystemExit("source face lacks the end-of-aya ornament or the small digits %s" % missing)
    return cmap[END_OF_AYA], small


def _slot_origins(font, ornament, small):
    """x of each slot's small digit, per digit count: the digits side by side
    at their own advance, the group centred on the ornament's ink."""
    pen = BoundsPen(font.getGlyphSet())
    font.getGlyphSet()[ornament].draw(pen)
    x_min, _, x_max, _ = pen.bounds
    centre = (x_min + x_max) / 2
    pitch = max(font["hmtx"][name][0] for name in small)
    return {count: [round(centre - count * pitch / 2 + slot * pitch) for slot in range(count)]
            for count in range(1, MAX_DIGITS + 1)}


def make_glyphs(font):
    """Glyph name -> (glyph, advance) of the placed small digits."""
    ornament, small = _source_names(font)
    glyphs = {}
    for count, origins in _slot_origins(font, ornament, small).items():
        for slot, x in enumerate(origins):
            for d in range(10):
                pen = TTGlyphPen(font.getGlyphSet())
                pen.addComponent(small[d], (1, 0, 0, 1, x, 0))
                glyphs[digit_glyph_name(d, count, slot)] = (pen.glyph(), 0)
    return glyphs


def _append_lookup(gsub, lookup):
    gsub.LookupList.Lookup.append(lookup)
    gsub.LookupList.LookupCount = len(gsub.LookupList.Lookup)
    return len(gsub.LookupList.Lookup) - 1


def _chain_rule(coverage, count, lookups):
    """Format 3 chain rule: `count` digits in a row, each replaced by its slot's lookup."""
    rule = otTables.ChainContextSubst()
    rule.Format = FORMAT_COVERAGES
    rule.BacktrackCoverage, rule.LookAheadCoverage = [], []
    rule.InputCoverage = [coverage] * count
    rule.SubstLookupRecord = []
    for slot in range(count):
        record = otTables.SubstLookupRecord()
        record.SequenceIndex, record.LookupListIndex = slot, lookups[(count, slot)]
        rule.SubstLookupRecord.append(record)
    return rule


def add_rules(font):
    """Adds the lookups to the face's GSUB and to every 'calt' feature."""
    ornament, _ = _source_names(font)
    cmap = font.getBestCmap()
    digits = [cmap[ARABIC_INDIC_ZERO + d] for d in range(10)]
    gsub = font["GSUB"].table
    glyph_map = font.getReverseGlyphMap()
    slot_lookups = {}
    for count in range(1, MAX_DIGITS + 1):
        for slot in range(count):
            mapping = {digits[d]: digit_glyph_name(d, count, slot) for d in range(10)}
            slot_lookups[(count, slot)] = _append_lookup(
                gsub, builder.buildLookup([builder.buildSingleSubstSubtable(mapping)]))
    # Longest runs first: a rule matches at a run's first digit.
    coverage = builder.buildCoverage(digits, glyph_map)
    rules = [_chain_rule(coverage, count, slot_lookups) for count in range(MAX_DIGITS, 0, -1)]
    chain = otTables.Lookup()
    chain.LookupType, chain.LookupFlag = CHAIN_CONTEXT_SUBST, 0
    chain.SubTable = rules
    chain.SubTableCount = len(rules)
    last = {digit_glyph_name(d, count, count - 1): [digit_glyph_name(d, count, count - 1), ornament]
            for count in range(1, MAX_DIGITS + 1) for d in range(10)}
    added = [_append_lookup(gsub, chain),
             _append_lookup(gsub, builder.buildLookup([builder.buildMultipleSubstSubtable(last)]))]
    features = {id(r.Feature): r.Feature for r in gsub.FeatureList.FeatureRecord if r.FeatureTag == "calt"}
    if not features:
        raise SystemExit("source face has no 'calt' feature to carry the aya number rules")
    for feature in features.values():
        feature.LookupListIndex.extend(added)
        feature.LookupCount = len(feature.LookupListIndex)
