"""Builds the aya store HAFSUNICODE: one XML document with every aya of the
Quran in five text forms, its sura and aya numbers and its Mushaf page.

Inputs (all free sources):
  --uthmani  quran-validator's data/quran-verses.json, field "text": the
             Tanzil Uthmani text, one record per aya in Mushaf order;
  --simple   qurantext-simple.def (texlive-lang-arabic): the Tanzil simple
             text, one TeX command per aya;
  --meta     quran-meta's dist/hafs.js: the page, hizb-quarter and sajda
             lists of the 604-page Madani Mushaf.

The Tanzil Uthmani text writes every waqf sign, the rub el hizb sign and the
sajda sign as a space-separated token of its own. The forms re-attach them:

  unicode        words joined by one U+0020; waqf signs U+06D6-U+06DC follow
                 their word directly; an opening U+06DE is followed by U+00A0;
                 U+06E9 follows the last word directly; then U+00A0 and the
                 aya number in Arabic-Indic digits.
  UnicodeSpace,
  unicodeex      equal to unicode.
  emlaey         the simple text reduced to the letters U+0621-U+064A and
                 single spaces.
  UnicodeSpaceex unicode re-spaced into the word objects that the pages draw:
                 a space before U+06D6, U+06D7, U+06D8, U+06DA and U+06E9, a
                 space after a word-initial waw with fatha (unless U+0670
                 follows), U+0020 after an opening U+06DE; U+06D9, U+06DB and
                 U+06DC stay joined.
  EmlaeySpaceex  the simple text with all its marks, spaced into word objects
                 by the same rules as UnicodeSpaceex, with U+00A0 and the aya
                 number at the end: the plain spelling that a copy can take
                 instead of the Uthmani text. Its signs stand where the
                 Uthmani text has them (checked).

The hizb quarters of quran-meta serve as a cross-check of the rub el hizb
signs of the text; its list has 15:50 where the text marks 15:49, which is
corrected here.
"""

import argparse
import json
import re
import sys
from xml.sax.saxutils import escape

RUB_EL_HIZB = "\u06DE"
SAJDA = "\u06E9"
NBSP = "\u00A0"
WAQF_SIGNS = set("\u06D6\u06D7\u06D8\u06D9\u06DA\u06DB\u06DC")
# Waqf signs that the pages draw as objects of their own.
SEPARATE_WAQF_SIGNS = set("\u06D6\u06D7\u06D8\u06DA")
WAW_FATHA = "\u0648\u064E"
SUPERSCRIPT_ALEF = "\u0670"
ARABIC_INDIC_ZERO = 0x0660

AYA_COUNT = 6236
SURA_COUNT = 114
PAGE_COUNT = 604
SAJDA_COUNT = 15

# (sura, aya) of the hizb quarter that quran-meta misplaces, and where the
# Tanzil texts put it.
QUARTER_FIX = ((15, 50), (15, 49))

# Terms of the Tanzil Project that travel with its text (verbatim), and what
# this file made of the text.
TANZIL_NOTICE = """\
  Tanzil Quran Text
  Copyright (C) 2007-2021 Tanzil Project
  License: Creative Commons Attribution 3.0

  This copy of the Quran text is carefully produced, highly
  verified and continuously monitored by a group of specialists
  in Tanzil Project.

  TERMS OF USE:

  - Permission is granted to copy and distribute verbatim copies
    of this text, but CHANGING IT IS NOT ALLOWED.

  - This Quran text can be used in any website or application,
    provided that its source (Tanzil Project) is clearly indicated,
    and a link is made to tanzil.net to enable users to keep
    track of changes.

  - This copyright notice shall be included in all verbatim copies
    of the text, and shall be reproduced appropriately in all files
    derived from or containing substantial portion of this text.

  Please check updates at: http://tanzil.net/updates/

  Source: Tanzil Project, https://tanzil.net
  The forms unicode, UnicodeSpace, unicodeex and UnicodeSpaceex hold the
  Tanzil Uthmani text (as published in npm quran-validator 1.3.0) with
  its letters and marks unchanged; only the spacing around the signs and
  the aya number at the end are arranged for display. The form emlaey
  holds the letters of the Tanzil simple text (from qurantext-simple.def,
  texlive-lang-arabic), and the form EmlaeySpaceex that text with its
  letters and marks unchanged, spaced as UnicodeSpaceex is. Page
  numbers: npm quran-meta 6.0.17 (MIT).
"""


class StoreBuildError(Exception):
    pass


def arabic_indic(n):
    return "".join(chr(ARABIC_INDIC_ZERO + int(d)) for d in str(n))


# --- inputs -------------------------------------------------------------------


def read_uthmani(path):
    """[(sura, aya, text)] in Mushaf order."""
    with open(path, encoding="utf-8") as f:
        records = json.load(f)
    verses = [(int(r["surah"]), int(r["ayah"]), r["text"]) for r in records]
    if len(verses) != AYA_COUNT:
        raise StoreBuildError(f"{path}: {len(verses)} ayat, expected {AYA_COUNT}")
    return verses


_SIMPLE_LINE = re.compile(
    r"\\qt@newcmd\\qurantext@([ivxlcdm]+)\{(.*)\\qt@no\{\uFD3F([\u0660-\u0669]+)\uFD3E\}\}$")
_ROMAN = {"i": 1, "v": 5, "x": 10, "l": 50, "c": 100, "d": 500, "m": 1000}


def roman_value(s):
    total = 0
    for i, ch in enumerate(s):
        v = _ROMAN[ch]
        total += -v if i + 1 < len(s) and _ROMAN[s[i + 1]] > v else v
    return total


def read_simple(path):
    """[(aya number, text)] in Mushaf order, TeX markup removed."""
    ayat = []
    with open(path, encoding="utf-8") as f:
        for line in f:
            line = line.rstrip("\n")
            if not line.startswith("\\qt@newcmd"):
                continue
            m = _SIMPLE_LINE.match(line)
            if not m:
                raise StoreBuildError(f"{path}: unexpected line {line[:60]!r}")
            if roman_value(m.group(1)) != len(ayat) + 1:
                raise StoreBuildError(f"{path}: aya {m.group(1)} out of order")
            # \basmalah stands before the first aya of a sura; it is not part of it.
            text = m.group(2).replace("\\basmalah", "").strip(" ")
            if "\\" in text or "{" in text or "}" in text:
                raise StoreBuildError(f"{path}: markup left in aya {len(ayat) + 1}")
            number = int("".join(str(ord(c) - ARABIC_INDIC_ZERO) for c in m.group(3)))
            ayat.append((number, text))
    if len(ayat) != AYA_COUNT:
        raise StoreBuildError(f"{path}: {len(ayat)} ayat, expected {AYA_COUNT}")
    return ayat


def read_js_list(source, name):
    """The integers of the array `const <name>$1 = [...]` in a quran-meta bundle."""
    m = re.search(r"const " + re.escape(name) + r"\$1 = \[(.*?)\n\];", source, re.S)
    if not m:
        raise StoreBuildError(f"quran-meta: list {name} not found")
    return [int(x) for x in re.findall(r"-?\d+", m.group(1))]


def read_meta(path):
    with open(path, encoding="utf-8") as f:
        source = f.read()
    pages = read_js_list(source, "PageList")
    quarters = read_js_list(source, "HizbQuarterList")
    sajdas = read_js_list(source, "SajdaList")
    # Both lists have a 0 in front and the sentinel 6237 at the end.
    if len(pages) != PAGE_COUNT + 2 or pages[0] != 0 or pages[-1] != AYA_COUNT + 1:
        raise StoreBuildError(f"quran-meta: page list of {len(pages)} items")
    if pages[1:-1] != sorted(pages[1:-1]):
        raise StoreBuildError("quran-meta: page list out of order")
    return {"pages": pages[1:-1], "quarters": quarters[1:-1], "sajdas": sajdas}


# --- forms --------------------------------------------------------------------


def split_words(sura, aya, text):
    """Opening rub el hizb, words with their waqf signs attached, sajda
    (the Uthmani and the simple text write the signs alike)."""
    tokens = text.split(" ")
    if any(t == "" for t in tokens):
        raise StoreBuildError(f"{sura}:{aya}: doubled or outer space")
    rub = tokens[0] == RUB_EL_HIZB
    if rub:
        tokens = tokens[1:]
    sajda = tokens[-1] == SAJDA
    if sajda:
        tokens = tokens[:-1]
    words = []
    for t in tokens:
        if RUB_EL_HIZB in t or SAJDA in t:
            raise StoreBuildError(f"{sura}:{aya}: sign inside the aya: {t!r}")
        if set(t) <= WAQF_SIGNS:
            if not words:
                raise StoreBuildError(f"{sura}:{aya}: waqf sign before the first word")
            words[-1] += t
        else:
            words.append(t)
    return rub, words, sajda


def unicode_form(aya, rub, words, sajda):
    return ((RUB_EL_HIZB + NBSP if rub else "") + " ".join(words) + (SAJDA if sajda else "")
            + NBSP + arabic_indic(aya))


def word_objects(sura, aya, word):
    """A word with attached signs as the tokens the page draws."""
    # Waqf signs that stand alone in the text sit at the word's end.
    body = word.rstrip("".join(WAQF_SIGNS))
    signs = word[len(body):]
    parts = []
    if body.startswith(WAW_FATHA) and len(body) > 2 and body[2] != SUPERSCRIPT_ALEF:
        rest = body[2:]
        if not ("\u0621" <= rest[0] <= "\u064A" or rest[0] == "\u0671"):
            raise StoreBuildError(f"{sura}:{aya}: waw split leaves {rest!r}")
        parts += [WAW_FATHA, rest]
    else:
        parts.append(body)
    for s in signs:
        if s in SEPARATE_WAQF_SIGNS:
            parts.append(s)
        else:
            parts[-1] += s
    return parts


def unicode_space_ex_form(sura, aya, rub, words, sajda):
    tokens = [RUB_EL_HIZB] if rub else []
    for w in words:
        tokens += word_objects(sura, aya, w)
    if sajda:
        tokens.append(SAJDA)
    tokens[-1] += NBSP + arabic_indic(aya)
    return " ".join(tokens)


def imlai_form(text):
    # Marks and signs go; a sign that stood alone leaves a doubled space.
    # Tatweel lies in the letter range but is no letter.
    letters = "".join(c for c in text
                      if ("\u0621" <= c <= "\u064A" and c != "\u0640") or c == " ")
    return " ".join(letters.split())


# --- the document -------------------------------------------------------------


def page_of(aya_id, page_starts):
    """The page whose first aya is the last one at or before aya_id (1-based)."""
    lo, hi = 0, len(page_starts) - 1
    while lo < hi:
        mid = (lo + hi + 1) // 2
        if page_starts[mid] <= aya_id:
            lo = mid
        else:
            hi = mid - 1
    return lo + 1


def build(uthmani, simple, meta):
    """The entries and the statistics; raises StoreBuildError on a mismatch."""
    entries = []
    aya_ids = {}
    for index, ((sura, aya, text), (simple_aya, simple_text)) in enumerate(zip(uthmani, simple)):
        aya_id = index + 1
        if simple_aya != aya:
            raise StoreBuildError(f"aya {aya_id}: simple text numbers it {simple_aya}, not {aya}")
        rub, words, sajda = split_words(sura, aya, text)
        u = unicode_form(aya, rub, words, sajda)
        simple_rub, simple_words, simple_sajda = split_words(sura, aya, simple_text)
        if (simple_rub, simple_sajda) != (rub, sajda):
            raise StoreBuildError(f"{sura}:{aya}: the simple text has other signs")
        entries.append({
            "sura": sura, "aya": aya, "page": page_of(aya_id, meta["pages"]),
            "unicode": u, "emlaey": imlai_form(simple_text), "UnicodeSpace": u,
            "unicodeex": u, "UnicodeSpaceex": unicode_space_ex_form(sura, aya, rub, words, sajda),
            "EmlaeySpaceex": unicode_space_ex_form(sura, aya, rub, simple_words, sajda),
            "rub": rub, "sajda": sajda,
        })
        aya_ids[(sura, aya)] = aya_id

    check_order(entries)
    check_quarters(entries, meta["quarters"], aya_ids)
    sajda_ids = [aya_ids[(e["sura"], e["aya"])] for e in entries if e["sajda"]]
    if sajda_ids != meta["sajdas"] or len(sajda_ids) != SAJDA_COUNT:
        raise StoreBuildError(f"sajda signs of the text {sajda_ids} differ from quran-meta")
    return entries


def check_order(entries):
    expected_sura, expected_aya = 1, 1
    for e in entries:
        if (e["sura"], e["aya"]) == (expected_sura + 1, 1):
            expected_sura, expected_aya = expected_sura + 1, 1
        if (e["sura"], e["aya"]) != (expected_sura, expected_aya):
            raise StoreBuildError(f"{e['sura']}:{e['aya']} out of Mushaf order")
        expected_aya += 1
    if expected_sura != SURA_COUNT:
        raise StoreBuildError(f"the text ends in sura {expected_sura}")
    pages = [e["page"] for e in entries]
    if pages != sorted(pages) or pages[0] != 1 or pages[-1] != PAGE_COUNT:
        raise StoreBuildError("page numbers do not run from 1 to 604 in order")


def check_quarters(entries, quarters, aya_ids):
    """Every aya that opens a quarter carries U+06DE, except where a sura begins."""
    wrong, right = (aya_ids[p] for p in QUARTER_FIX)
    quarters = [right if q == wrong else q for q in quarters]
    marked = {aya_ids[(e["sura"], e["aya"])] for e in entries if e["rub"]}
    expected = {q for q in quarters if entries[q - 1]["aya"] != 1}
    if marked != expected:
        raise StoreBuildError(
            f"rub el hizb signs differ from the quarters: {sorted(marked ^ expected)}")


_QUOTE = {'"': "&quot;"}
FORMS = ("unicode", "emlaey", "UnicodeSpace", "unicodeex", "UnicodeSpaceex", "EmlaeySpaceex")


def render(entries, version):
    if "--" in TANZIL_NOTICE:
        raise StoreBuildError("the notice cannot stand in an XML comment")
    lines = ['<?xml version="1.0" encoding="utf-8"?>', "<!--", TANZIL_NOTICE.rstrip("\n"), "-->",
             f'<ayat version="{escape(version, _QUOTE)}">']
    for e in entries:
        lines.append(f'  <entry sura="{e["sura"]}" aya="{e["aya"]}" page="{e["page"]}">')
        for form in FORMS:
            lines.append(f"    <{form}>{escape(e[form])}</{form}>")
        lines.append("  </entry>")
    lines.append("</ayat>")
    return "\n".join(lines) + "\n"


def statistics(entries):
    spaced = sum(1 for e in entries if e["UnicodeSpaceex"] != e["unicode"])
    # Ayat whose two spellings split into different numbers of word objects:
    # a partial copy in the plain spelling takes them whole.
    split_apart = sum(1 for e in entries
                      if len(e["UnicodeSpaceex"].split(" ")) != len(e["EmlaeySpaceex"].split(" ")))
    return (f"{len(entries)} entries, {sum(e['rub'] for e in entries)} open with U+06DE, "
            f"{sum(e['sajda'] for e in entries)} carry U+06E9, "
            f"{spaced} differ in UnicodeSpaceex, "
            f"{sum(len(e['UnicodeSpaceex'].split(' ')) for e in entries)} word objects, "
            f"{split_apart} split into other word counts in the plain spelling")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--uthmani", required=True, help="quran-verses.json")
    parser.add_argument("--simple", required=True, help="qurantext-simple.def")
    parser.add_argument("--meta", required=True, help="quran-meta dist/hafs.js")
    parser.add_argument("--version", required=True, help="data version of the store")
    parser.add_argument("--output", required=True, help="the HAFSUNICODE file to write")
    args = parser.parse_args()
    try:
        entries = build(read_uthmani(args.uthmani), read_simple(args.simple),
                        read_meta(args.meta))
    except StoreBuildError as e:
        sys.exit(f"storebuild: {e}")
    data = render(entries, args.version).encode("utf-8")
    with open(args.output, "wb") as f:
        f.write(data)
    print(f"storebuild: {args.output}: {len(data)} bytes; {statistics(entries)}")


if __name__ == "__main__":
    main()
