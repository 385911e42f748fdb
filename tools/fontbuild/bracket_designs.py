"""The 18 ornamental bracket pairs of the Quran font, as compositions of
glyphs that both Amiri faces already carry.

Pair k has two code points: BracketA = U+FD5A + 2k, typed after the text,
and BracketB = BracketA + 1, typed before it. Both are right-to-left
letters that are never mirrored, so in an Arabic line BracketA stands at the
left end of the text and BracketB at the right end. BracketA is therefore
drawn like an opening "(" (its hollow faces right, towards the text) and
BracketB like a closing ")".

A design lists the parts of its BracketA from the outside (left) inwards
(right); BracketB is the same list from the inside out with every part
replaced by its mirror counterpart, so the two sides always match.
"""

from dataclasses import dataclass

BRACKET_FIRST_CODE_POINT = 0xFD5A
PAIR_COUNT = 18

# Left-facing source glyph -> its right-facing counterpart. Parts that are
# not listed (stars, dots) are symmetric and serve both sides.
COUNTERPART = {
    "parenleft": "parenright",
    "bracketleft": "bracketright",
    "braceleft": "braceright",
    "guillemotleft": "guillemotright",
    "uniFD3E": "uniFD3F",  # ornate parentheses, drawn "(" and ")"
}


@dataclass(frozen=True)
class Part:
    glyph: str
    scale_x: float = 1.0
    scale_y: float = 1.0


@dataclass(frozen=True)
class Design:
    name: str
    parts: tuple  # of Part, BracketA side, outside first


def _design(name, *parts):
    return Design(name, tuple(p if isinstance(p, Part) else Part(p) for p in parts))


# Index k is the pair number; pairs 1 (citation) and 2 (the default) are the
# classic ornate parentheses.
DESIGNS = (
    _design("round parentheses", "parenleft"),
    _design("ornate parentheses (citation)", "uniFD3E"),
    _design("ornate parentheses", "uniFD3E"),
    _design("square brackets", "bracketleft"),
    _design("curly brackets", "braceleft"),
    _design("guillemets", "guillemotleft"),
    _design("double square brackets", "bracketleft", "bracketleft"),
    _design("double round parentheses", "parenleft", "parenleft"),
    _design("double ornate parentheses", Part("uniFD3E", 0.85, 0.85), Part("uniFD3E", 0.85, 0.85)),
    _design("ornate around round", "uniFD3E", Part("parenleft", 0.75, 0.75)),
    _design("diamond and round", Part("Dot.a", 1.3, 1.3), "parenleft"),
    _design("star and square", Part("uni06DE", 0.5, 0.5), "bracketleft"),
    _design("curly around round", "braceleft", Part("parenleft", 0.75, 0.75)),
    _design("star and ornate", Part("uni06DE", 0.5, 0.5), "uniFD3E"),
    _design("guillemet and square", "guillemotleft", Part("bracketleft", 0.8, 0.8)),
    _design("tall slender parentheses", Part("parenleft", 0.7, 1.3)),
    _design("diamond and curly", Part("Dot.a", 1.3, 1.3), "braceleft"),
    _design("square around ornate", "bracketleft", Part("uniFD3E", 0.8, 0.8)),
)
assert len(DESIGNS) == PAIR_COUNT


def bracket_a_code_point(k):
    return BRACKET_FIRST_CODE_POINT + 2 * k


def bracket_b_code_point(k):
    return bracket_a_code_point(k) + 1


def mirrored_parts(parts):
    """The BracketB side of a design: inside first, each part mirrored."""
    return tuple(Part(COUNTERPART.get(p.glyph, p.glyph), p.scale_x, p.scale_y)
                 for p in reversed(parts))


def source_glyphs():
    """Every glyph a face must have for the designs."""
    names = set()
    for design in DESIGNS:
        for part in design.parts + mirrored_parts(design.parts):
            names.add(part.glyph)
    return names
