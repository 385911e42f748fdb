#include "pagemodel/PageData.h"

#include <string>

#include "base/ByteReader.h"
#include "pagemodel/Page.h"
#include "pagemodel/SuraAyaCounts.h"

namespace {

// The line number before a record plus the smallest word record.
constexpr std::size_t MinWordEntrySize = 4 + TWordObject::RecordFixedSize;

// Selection and copying look the word up by its sura, aya and place: a record
// that names no aya of the Quran, or a place no page can hold, is refused
// here, so a damaged page is reported when it opens and never reaches them.
void CheckIdentity(const TWordObject& word, std::int32_t wordCount, const std::string& record,
                   std::size_t offset) {
    const std::int32_t sura = word.SuraNumber, aya = word.AyaNumber, place = word.ObjectInayaNumber;
    if (sura < 1 || sura > SuraCount)
        throw TDataError(record, offset,
                         "sura " + std::to_string(sura) + " is outside 1 to " + std::to_string(SuraCount));
    if (!IsAyaOfQuran(sura, aya))
        throw TDataError(record, offset,
                         "aya " + std::to_string(aya) + " is outside 1 to " +
                             std::to_string(SuraAyaCounts[std::size_t(sura)]) + " of sura " +
                             std::to_string(sura));
    // Initialising the page numbers the words again; the stored place must
    // still be one a page can hold.
    if (place < 0 || place > wordCount)
        throw TDataError(record, offset,
                         "place in the aya " + std::to_string(place) + " is outside 0 to " +
                             std::to_string(wordCount) + ", the word records of the page");
}

// Reads every word record into the word object that `wordOfLine` gives for
// the line number before it: one set of rules for every reader of page data.
template <class WordOfLine>
void ReadWords(TByteReader& s, WordOfLine wordOfLine) {
    s.SetRecord("page");
    const std::int32_t n = s.ReadI32();
    if (n > MaxPageWords)
        throw TDataError("page", s.Position(),
                         "word record count " + std::to_string(n) + " is above the " +
                             std::to_string(MaxPageWords) + " a page may hold");
    s.CheckCount(n, MinWordEntrySize, "word record count");

    std::string record;
    for (std::int32_t k = 1; k <= n; ++k) {
        record = "word record " + std::to_string(k);
        s.SetRecord(record.c_str());
        const std::size_t lineAt = s.Position();
        const std::int32_t line = s.ReadI32();
        if (line < 1 || line > TPage::LineCount)
            throw TDataError(record, lineAt,
                             "line number " + std::to_string(line) + " is outside 1 to 15");
        TWordObject& word = wordOfLine(line);
        word.LoadFromStream(s);
        // Selection reaches lines through the word's own line number.
        if (word.LineNumber != line)
            throw TDataError(record, s.Position(),
                             "the word's line number " + std::to_string(word.LineNumber) +
                                 " differs from line " + std::to_string(line) + " before it");
        CheckIdentity(word, n, record, s.Position());
    }
    s.SetRecord("page");
    if (!s.AtEnd())
        throw TDataError("page", s.Position(),
                         std::to_string(s.Remaining()) + " bytes follow the last word record");
}

}  // namespace

void LoadPageData(TPage& page, std::span<const std::uint8_t> bytes) {
    page.Clear();
    TByteReader s(bytes);
    try {
        ReadWords(s, [&page](int line) -> TWordObject& {
            TLine& target = page.Line(line);
            target.LineType = ltText;
            return target.Add();
        });
    } catch (...) {
        page.Clear();  // never leave a half-built page behind
        throw;
    }
}

std::vector<TWordObject> ReadPageRecords(std::span<const std::uint8_t> bytes) {
    std::vector<TWordObject> words;
    TByteReader s(bytes);
    ReadWords(s, [&words](int) -> TWordObject& { return words.emplace_back(); });
    return words;
}

void LoadPageRecords(TPage& page, std::vector<TWordObject> words) {
    page.Clear();
    try {
        for (TWordObject& w : words) {
            TLine& line = page.Line(w.LineNumber);  // a read record's line is 1 to 15
            line.LineType = ltText;
            line.Add() = std::move(w);
        }
    } catch (...) {
        page.Clear();
        throw;
    }
}
