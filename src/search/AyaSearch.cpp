#include "search/AyaSearch.h"

#include <algorithm>
#include <limits>

#include "text/AyaStore.h"

namespace {

bool IsAsciiDigit(char16_t c) { return c >= u'0' && c <= u'9'; }
bool IsSpace(char16_t c) { return c <= u' '; }
bool IsPlainLetter(char16_t c) { return c >= u'\u0621' && c <= u'\u064A'; }

// Keeps what `keep` maps to a letter (0: dropped) and the spaces, made one
// and trimmed.
template <class Keep>
std::u16string LettersAndSpaces(std::u16string_view text, Keep keep) {
    std::u16string out;
    out.reserve(text.size());
    bool space = false;
    for (char16_t c : text) {
        if (IsSpace(c)) {
            space = !out.empty();
            continue;
        }
        const char16_t letter = keep(c);
        if (!letter) continue;
        if (space) out.push_back(u' ');
        space = false;
        out.push_back(letter);
    }
    return out;
}

template <class Match>
TSearchOutcome Collect(const TSearchIndex& index, std::int32_t sura, Match match) {
    TSearchOutcome out;
    std::int32_t lastSura = 0;
    for (std::size_t i = 0; i < index.Size(); ++i) {
        const TSearchResult r = index.Entry(i);
        if (sura != AllSuras && r.Sura != sura) continue;
        if (!match(i, r)) continue;
        if (out.Results.empty() || r.Sura != lastSura) ++out.SuraCount;
        lastSura = r.Sura;
        out.Results.push_back(r);
    }
    return out;
}

bool WordBoundAt(std::u16string_view text, std::size_t start, std::size_t end) {
    return (start == 0 || text[start - 1] == u' ') && (end == text.size() || text[end] == u' ');
}

bool Contains(std::u16string_view text, std::u16string_view query, bool wholeWords) {
    for (std::size_t at = text.find(query); at != text.npos; at = text.find(query, at + 1))
        if (!wholeWords || WordBoundAt(text, at, at + query.size())) return true;
    return false;
}

// The words of a text between single spaces (the Uthmani text may hold runs
// of them: empty words are no words).
std::vector<std::u16string_view> Words(std::u16string_view text) {
    std::vector<std::u16string_view> words;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find(u' ', start);
        if (end == text.npos) end = text.size();
        if (end > start) words.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return words;
}

}  // namespace

char16_t FoldLetter(char16_t c) {
    switch (c) {
    case u'\u0622':  // alif with madda
    case u'\u0623':  // alif with hamza above
    case u'\u0625':  // alif with hamza below
        return u'\u0627';
    case u'\u0649':  // alif maqsura
    case u'\u0626':  // ya with hamza
        return u'\u064A';
    case u'\u0629':  // ta marbuta
        return u'\u0647';
    case u'\u0624':  // waw with hamza
        return u'\u0648';
    default:
        return c;
    }
}

std::u16string FoldLetters(std::u16string_view text) {
    std::u16string out(text);
    std::transform(out.begin(), out.end(), out.begin(), FoldLetter);
    return out;
}

std::u16string PlainSpelling(std::u16string_view imlai) {
    return LettersAndSpaces(imlai, [](char16_t c) { return IsPlainLetter(c) ? c : char16_t(0); });
}

std::u16string SearchQuery(std::u16string_view text) {
    return LettersAndSpaces(text, [](char16_t c) -> char16_t {
        if (c == u'\u0671') return u'\u0627';
        if (c == u'\u0640') return 0;  // tatweel only stretches a joint
        return IsPlainLetter(c) ? c : char16_t(0);
    });
}

TSearchIndex::TSearchIndex(const TAyaStore& store) {
    FEntries.reserve(store.EntryCount());
    for (std::size_t i = 0; i < store.EntryCount(); ++i) {
        const TAyaEntry& e = store.Entry(i);
        const std::u16string plain = PlainSpelling(store.EntryText(i, TAyaForm::afImlai));
        const std::uint32_t unicode = std::uint32_t(FTexts.size());
        FTexts += store.EntryText(i, TAyaForm::afUnicode);
        const std::uint32_t imlai = std::uint32_t(FTexts.size());
        FTexts += plain;
        FTexts += FoldLetters(plain);
        FEntries.push_back({e.Sura, e.Aya, e.Page, unicode, imlai, std::uint32_t(plain.size())});
    }
    FTexts.shrink_to_fit();
}

TSearchResult TSearchIndex::Entry(std::size_t i) const {
    const TIndexedAya& e = FEntries[i];
    const std::u16string_view texts(FTexts);
    return {e.Sura, e.Aya, e.Page, texts.substr(e.Unicode, e.Imlai - e.Unicode), texts.substr(e.Imlai, e.PlainLength)};
}

TSearchOutcome SearchImlai(const TSearchIndex& index, std::u16string_view query, const TSearchChoices& choices) {
    if (query.empty()) return {};
    const bool whole = choices.WholeWords;
    if (choices.ExactLetters)
        return Collect(index, choices.Sura,
                       [&](std::size_t, const TSearchResult& r) { return Contains(r.Imlai, query, whole); });
    const std::u16string folded = FoldLetters(query);
    return Collect(index, choices.Sura,
                   [&](std::size_t i, const TSearchResult&) { return Contains(index.Folded(i), folded, whole); });
}

TSearchOutcome SearchAyaNumber(const TSearchIndex& index, std::int32_t number, std::int32_t sura) {
    return Collect(index, sura, [number](std::size_t, const TSearchResult& r) { return r.Aya == number; });
}

std::u16string TrimSearchText(std::u16string_view text) {
    std::size_t first = 0, last = text.size();
    while (first < last && text[first] <= u' ') ++first;
    while (last > first && text[last - 1] <= u' ') --last;
    return std::u16string(text.substr(first, last - first));
}

std::optional<std::int32_t> ParseAyaNumber(std::u16string_view digits) {
    if (digits.empty()) return std::nullopt;
    std::int64_t value = 0;
    for (char16_t c : digits) {
        if (!IsAsciiDigit(c)) return std::nullopt;
        value = value * 10 + (c - u'0');
        if (value > std::numeric_limits<std::int32_t>::max()) return std::nullopt;
    }
    return std::int32_t(value);
}

namespace {

bool IsAyaNumberText(std::u16string_view trimmed) {
    return !trimmed.empty() && std::all_of(trimmed.begin(), trimmed.end(), IsAsciiDigit);
}

}  // namespace

std::u16string SpellingQuery(std::u16string_view text) {
    if (IsAyaNumberText(TrimSearchText(text))) return {};
    std::u16string query = SearchQuery(text);
    if (query.size() < 2) query.clear();
    return query;
}

TSearchOutcome SearchForText(const TSearchIndex& index, std::u16string_view text, const TSearchChoices& choices) {
    const std::u16string trimmed = TrimSearchText(text);
    if (IsAyaNumberText(trimmed)) {
        const auto number = ParseAyaNumber(trimmed);
        return number ? SearchAyaNumber(index, *number, choices.Sura) : TSearchOutcome{};
    }
    return SearchImlai(index, SpellingQuery(trimmed), choices);
}

std::vector<std::size_t> MatchStarts(std::u16string_view plain, std::u16string_view query, bool wholeWords) {
    std::vector<std::size_t> starts;
    if (query.empty()) return starts;
    for (std::size_t at = plain.find(query); at != plain.npos; at = plain.find(query, at + 1))
        if (!wholeWords || WordBoundAt(plain, at, at + query.size())) starts.push_back(at);
    return starts;
}

bool SpellingsAgree(const TSearchResult& hit) { return Words(hit.unicode).size() == Words(hit.Imlai).size(); }

std::vector<bool> MarkedWords(const TSearchResult& hit, std::u16string_view query, const TSearchChoices& choices) {
    const std::size_t count = Words(hit.unicode).size();
    std::vector<bool> marked(count, false);
    if (query.empty()) return marked;
    const std::u16string plain = choices.ExactLetters ? std::u16string(hit.Imlai) : FoldLetters(hit.Imlai);
    const std::u16string wanted = choices.ExactLetters ? std::u16string(query) : FoldLetters(query);
    const std::vector<std::size_t> starts = MatchStarts(plain, wanted, choices.WholeWords);
    if (starts.empty()) return marked;
    if (!SpellingsAgree(hit)) return std::vector<bool>(count, true);
    // The plain spelling has single spaces: a word's number is the count of
    // spaces before it.
    auto wordAt = [&](std::size_t pos) { return std::size_t(std::count(plain.begin(), plain.begin() + pos, u' ')); };
    for (std::size_t start : starts) {
        const std::size_t last = wordAt(start + wanted.size() - 1);
        for (std::size_t w = wordAt(start); w <= last && w < count; ++w) marked[w] = true;
    }
    return marked;
}
