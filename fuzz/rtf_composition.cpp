// The copied document composed under settings read from a fuzzed settings
// record (sizes, colours, bracket code points, the citation font's name): it
// is well-formed RTF whatever the record holds, so nothing from a settings
// or profile file can add groups or control words of its own; and its HTML
// holds no tag but the composition's own.
#include <climits>
#include <string>

#include "support/FuzzSupport.h"
#include "settings/Settings.h"
#include "text/CopiedText.h"
#include "text/HtmlComposition.h"
#include "text/PlainTextComposition.h"
#include "text/RtfComposition.h"

namespace {

bool IsLetter(char16_t c) { return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z'); }
bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }
bool IsHex(char16_t c) { return IsDigit(c) || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F'); }

// One group from the first character to the last; every backslash starts a
// control word (letters, an optional signed number, an optional space) or
// one of the symbols \\ \{ \} \'hh.
bool WellFormedRtf(std::u16string_view d) {
    if (d.size() < 2 || d.front() != u'{' || d.back() != u'}') return false;
    int depth = 0;
    for (std::size_t i = 0; i < d.size(); ++i) {
        const char16_t c = d[i];
        if (c == u'{') {
            ++depth;
        } else if (c == u'}') {
            if (--depth == 0 && i + 1 != d.size()) return false;
        } else if (c == u'\\') {
            if (++i == d.size()) return false;
            if (d[i] == u'\\' || d[i] == u'{' || d[i] == u'}') continue;
            if (d[i] == u'\'') {
                if (i + 2 >= d.size() || !IsHex(d[i + 1]) || !IsHex(d[i + 2])) return false;
                i += 2;
                continue;
            }
            if (!IsLetter(d[i])) return false;
            while (i + 1 < d.size() && IsLetter(d[i + 1])) ++i;
            if (i + 1 < d.size() && d[i + 1] == u'-') ++i;
            while (i + 1 < d.size() && IsDigit(d[i + 1])) ++i;
        }
    }
    return depth == 0;
}

// Every "<" opens one of the composition's tags, and no tag holds another
// "<" or a quote beyond its attributes' pairs.
bool OnlyOwnTags(std::string_view html) {
    constexpr std::string_view tags[] = {"<div ", "</div>", "<span ", "</span>", "<br>"};
    for (std::size_t i = 0; (i = html.find('<', i)) != std::string_view::npos;) {
        const std::string_view rest = html.substr(i);
        bool own = false;
        for (std::string_view t : tags) own = own || rest.starts_with(t);
        const std::size_t end = html.find('>', i);
        if (!own || end == std::string_view::npos) return false;
        const std::string_view tag = html.substr(i, end - i);
        if (tag.find('<', 1) != std::string_view::npos) return false;
        std::size_t quotes = 0;
        for (char c : tag) quotes += c == '"';
        if (quotes % 2 != 0) return false;
        i = end;
    }
    return true;
}

// Letters and every sign the composition colours apart.
constexpr std::u16string_view SampleText = u"\u0627\u0628\u062A \u06D6 \u062B\u06D7 \u062C\u06DA \u06DE \u062D \u06E9";

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TSettings settings;
    if (!settings.Deserialize(data, size)) return 0;
    for (int ayaCount : {1, 3}) {
        const std::u16string document = SelectionRtf(settings, SampleText, 2, 255, 254 + ayaCount, ayaCount, false);
        FUZZ_REQUIRE(WellFormedRtf(document));
        RtfToEightBit(document);
        const TCopiedText copy = ComposeCopiedText(settings, SampleText, 2, 255, ayaCount);
        FUZZ_REQUIRE(CopiedRtf(copy) == document);
        FUZZ_REQUIRE(OnlyOwnTags(CopiedHtmlFragment(copy)));
        FUZZ_REQUIRE(CopiedHtml(copy).find(CopiedHtmlFragment(copy)) != std::string::npos);
        CopiedPlainText(copy);
    }
    return 0;
}
