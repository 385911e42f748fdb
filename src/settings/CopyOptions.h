#pragma once
// The copy's two choices that live beside the settings record, in the
// options file (the record and the profiles keep their byte layout): whether
// a copy also offers HTML and plain text, and the spelling of the Quran text.
#include <cstdint>
#include <filesystem>

class TOptionsFile;

enum class TSpelling : std::uint8_t {
    Uthmani,  // the Uthmani text, as the pages show it
    Imlai,    // the plain (imla'i) spelling with its vowel marks
};

struct TCopyOptions {
    bool HtmlAndText = false;  // "HTML Format" and CF_UNICODETEXT beside the Rich Text
    TSpelling Spelling = TSpelling::Uthmani;
    bool operator==(const TCopyOptions&) const = default;
};

// The choices an options file holds; a key that is missing or holds a value
// this build does not write reads as its default.
TCopyOptions CopyOptionsFrom(const TOptionsFile& options);
// Writes both keys; every other entry stays.
void StoreCopyOptions(const TCopyOptions& copy, TOptionsFile& options);

// The options file in the data folder.
std::filesystem::path OptionsFilePath(const std::filesystem::path& dataFolder);
// Never throws: a missing or damaged file gives the defaults.
TCopyOptions LoadCopyOptions(const std::filesystem::path& dataFolder);
// Reads the file again and rewrites it with these choices, keeping the
// entries of other parts. Throws TFileWriteError when it cannot be written.
void SaveCopyOptions(const TCopyOptions& copy, const std::filesystem::path& dataFolder);
