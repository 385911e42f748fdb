#include "text/CopiedText.h"

#include "settings/Settings.h"
#include "text/SuraTables.h"

namespace {

constexpr std::u16string_view IstiadhaText = u"أَعُوذُ بِٱللَّهِ مِنَ ٱلشَّيۡطَٰنِ ٱلرَّجِيمِ";
constexpr std::u16string_view BasmalaText = u"بِسۡمِ ٱللَّهِ ٱلرَّحۡمَٰنِ ٱلرَّحِيمِ ";
constexpr std::u16string_view QalaTaalaText = u"قال تعالى:";

// A sura outside the tables has no name to cite.
std::u16string_view CitedSuraName(int sura) {
    return sura >= 1 && sura <= SuraCount ? SuraNamesTashkeel[std::size_t(sura)] : std::u16string_view();
}

// The sign runs: a sign gets a run of its own only where its colour differs
// from the text's. U+06D8 and the other waqf signs are never coloured.
TRunKind KindOf(char16_t c, const TSettings& s) {
    if (c == u'\u06E9' && s.SajdaSignColor != s.QuranTextColor) return TRunKind::rkSajda;
    if (c == u'\u06DE' && s.HizbSignColor != s.QuranTextColor) return TRunKind::rkHizb;
    if ((c == u'\u06DA' || c == u'\u06D7' || c == u'\u06D6') && s.WaqfSignColor != s.QuranTextColor)
        return TRunKind::rkWaqf;
    return TRunKind::rkText;
}

}  // namespace

TCopiedText ComposeCopiedText(const TSettings& s, std::u16string_view aya, int sura, int aya1, int ayaCount) {
    TCopiedText c;
    c.QuranFontSize = s.QuranFontSize;
    c.CitationFontSize = s.CitationFontSize;
    c.Bold = s.QuranFontBold;
    c.Colours = {s.BracketColor, s.QuranTextColor, s.SajdaSignColor,
                 s.HizbSignColor, s.WaqfSignColor, s.CitationFontColor};
    c.CitationFontName = s.CitationFontName;

    if (s.AdditionIsteada) c.OpeningLines.push_back(IstiadhaText);
    if (s.AdditionBasmala) c.OpeningLines.push_back(BasmalaText);
    if (s.AdditionQalaTaallah) c.LeadIn = QalaTaalaText;
    c.HasBrackets = s.UseBrackets;
    c.OpenBracket = s.BracketB;
    c.CloseBracket = s.BracketA;

    for (char16_t ch : aya) {
        const TRunKind kind = KindOf(ch, s);
        if (kind == TRunKind::rkText && !c.Runs.empty() && c.Runs.back().Kind == TRunKind::rkText)
            c.Runs.back().Text.push_back(ch);
        else
            c.Runs.push_back({kind, std::u16string(1, ch)});
    }

    c.HasCitation = s.UseCitation;
    c.CitationOnNewLine = s.CitationOnNewLine;
    c.SuraName = CitedSuraName(sura);
    c.FirstAya = aya1;
    // Worked out wide, so that no number can overflow.
    c.LastAya = std::int64_t(aya1) + ayaCount - 1;
    c.SeveralAyat = ayaCount != 1;
    return c;
}
