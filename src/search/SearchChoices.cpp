#include "search/SearchChoices.h"

#include "base/Decimal.h"
#include "base/OutsideNames.h"

namespace {

bool ReadTicked(std::u16string_view value) { return value == u"1"; }

std::int32_t ReadSura(std::u16string_view value) {
    const std::u16string trimmed = TrimSearchText(value);
    const auto number = ParseAyaNumber(trimmed);
    return number && *number >= 1 && *number <= 114 ? *number : AllSuras;
}

}  // namespace

TSearchChoices ReadSearchChoices(const std::function<std::u16string(std::u16string_view key)>& read) {
    TSearchChoices c;
    c.ExactLetters = ReadTicked(read(SearchExactLettersKey));
    c.WholeWords = ReadTicked(read(SearchWholeWordsKey));
    c.Sura = ReadSura(read(SearchSuraKey));
    return c;
}

std::vector<std::pair<std::u16string, std::u16string>> SearchChoiceValues(const TSearchChoices& c) {
    const std::int32_t sura = c.Sura >= 1 && c.Sura <= 114 ? c.Sura : AllSuras;
    return {{SearchExactLettersKey, c.ExactLetters ? u"1" : u"0"},
            {SearchWholeWordsKey, c.WholeWords ? u"1" : u"0"},
            {SearchSuraKey, Decimal(sura)}};
}
