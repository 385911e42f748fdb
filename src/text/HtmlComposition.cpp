#include "text/HtmlComposition.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>

#include "base/OutsideNames.h"
#include "base/Utf.h"
#include "text/AyaText.h"
#include "text/CopiedText.h"
#include "text/RtfComposition.h"

namespace {

constexpr std::string_view FragmentStartComment = "<!--StartFragment-->";
constexpr std::string_view FragmentEndComment = "<!--EndFragment-->";
constexpr std::string_view OffsetNames[] = {"StartHTML:", "EndHTML:", "StartFragment:", "EndFragment:"};
constexpr std::size_t OffsetDigits = 10;

// Text as HTML character data or attribute text: UTF-8 (a lone surrogate
// becomes U+FFFD), the markup characters as references.
void AppendText(std::string& out, std::u16string_view text) {
    for (char c : Utf16ToUtf8(text)) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        default: out.push_back(c);
        }
    }
}

void AppendText(std::string& out, char16_t c) { AppendText(out, std::u16string_view(&c, 1)); }

// A font family as a quoted CSS string inside a style attribute. The name
// may come from someone else's profile: every character that could end the
// string, the declaration or the attribute is written as a CSS escape.
void AppendFontFamily(std::string& out, std::u16string_view name) {
    out += "font-family:'";
    for (char16_t c : name) {
        if (c < 0x20 || c == 0x7F || std::u16string_view(u"\\'\"<>&;{}").find(c) != std::u16string_view::npos) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\%X ", unsigned(c));
            out += escape;
        } else {
            AppendText(out, c);
        }
    }
    out += "'";
}

void AppendColour(std::string& out, std::uint32_t c) {
    char hex[8];
    std::snprintf(hex, sizeof hex, "#%02x%02x%02x", unsigned(c & 0xFF), unsigned((c >> 8) & 0xFF),
                  unsigned((c >> 16) & 0xFF));
    out += "color:";
    out += hex;
}

// The sizes the Rich Text asks for, in points.
void AppendFontSize(std::string& out, std::int32_t points) {
    out += "font-size:" + std::to_string(std::clamp(points, MinCopiedFontSize, MaxCopiedFontSize)) + "pt";
}

void AppendColouredSpan(std::string& out, std::uint32_t colour, std::u16string_view text) {
    out += "<span style=\"";
    AppendColour(out, colour);
    out += "\">";
    AppendText(out, text);
    out += "</span>";
}

void AppendCitationFontSpan(std::string& out, const TCopiedText& c, std::u16string_view text) {
    out += "<span style=\"";
    AppendFontFamily(out, c.CitationFontName);
    out += "\">";
    AppendText(out, text);
    out += "</span>";
}

std::u16string AyaDigits(std::int64_t n) {
    return n >= INT32_MIN && n <= INT32_MAX ? AyaNumberGlyphs(int(n)) : std::u16string();
}

std::string TenDigits(std::size_t n) {
    std::string digits = std::to_string(n);
    return std::string(OffsetDigits - std::min(OffsetDigits, digits.size()), '0') + digits;
}

}  // namespace

std::string CopiedHtmlFragment(const TCopiedText& c) {
    std::string h = "<div dir=\"rtl\" lang=\"ar\" style=\"text-align:right;";
    AppendFontFamily(h, QuranFontFamily);
    h += ';';
    AppendFontSize(h, c.QuranFontSize);
    // The marks of the Quran font stack high above and below their letters,
    // beyond the line the font asks for: lines twice the size keep them apart.
    h += ";line-height:2\">";

    for (std::u16string_view line : c.OpeningLines) {
        AppendText(h, line);
        h += "<br>";
    }
    if (!c.LeadIn.empty()) {
        AppendText(h, c.LeadIn);
        h += ' ';
    }

    if (c.HasBrackets) AppendColouredSpan(h, c.Colours[ccBracket], std::u16string_view(&c.OpenBracket, 1));
    h += "<span style=\"";
    AppendColour(h, c.Colours[ccText]);
    if (c.Bold) h += ";font-weight:bold";
    h += "\">";
    for (const TTextRun& run : c.Runs) {
        switch (run.Kind) {
        case TRunKind::rkText: AppendText(h, run.Text); break;
        case TRunKind::rkSajda: AppendColouredSpan(h, c.Colours[ccSajda], run.Text); break;
        case TRunKind::rkHizb: AppendColouredSpan(h, c.Colours[ccHizb], run.Text); break;
        case TRunKind::rkWaqf:
            AppendColouredSpan(h, c.Colours[ccWaqf], std::u16string(1, ColouredWaqfJoiner) + run.Text);
            break;
        }
    }
    h += "</span>";
    if (c.HasBrackets) AppendColouredSpan(h, c.Colours[ccBracket], std::u16string_view(&c.CloseBracket, 1));

    if (c.HasCitation) {
        h += "<span style=\"";
        AppendFontSize(h, c.CitationFontSize);
        h += ';';
        AppendColour(h, c.Colours[ccCitation]);
        h += "\">";
        h += c.CitationOnNewLine ? "<br>" : " ";
        AppendText(h, CitationOpenBracket);
        AppendCitationFontSpan(h, c, std::u16string(c.SuraName) + u" : ");
        AppendText(h, AyaDigits(c.FirstAya));
        if (c.SeveralAyat) {
            AppendCitationFontSpan(h, c, u" - ");
            AppendText(h, AyaDigits(c.LastAya));
        }
        AppendText(h, CitationCloseBracket);
        h += "</span>";
    }
    h += "</div>";
    return h;
}

std::string CopiedHtml(const TCopiedText& c) {
    const std::string page = "<html><head><meta charset=\"utf-8\"></head><body>\r\n";
    const std::string fragment = CopiedHtmlFragment(c);
    const std::string end = "\r\n</body></html>\r\n";

    std::size_t headerSize = std::string_view("Version:0.9\r\n").size();
    for (std::string_view name : OffsetNames) headerSize += name.size() + OffsetDigits + 2;
    const std::size_t startFragment = headerSize + page.size() + FragmentStartComment.size();
    const std::size_t endFragment = startFragment + fragment.size();
    const std::size_t endHtml = endFragment + FragmentEndComment.size() + end.size();
    const std::size_t offsets[] = {headerSize, endHtml, startFragment, endFragment};

    std::string d = "Version:0.9\r\n";
    for (std::size_t i = 0; i < 4; ++i) d += std::string(OffsetNames[i]) + TenDigits(offsets[i]) + "\r\n";
    d += page;
    d += FragmentStartComment;
    d += fragment;
    d += FragmentEndComment;
    d += end;
    return d;
}
