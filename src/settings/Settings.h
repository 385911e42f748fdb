#pragma once
// The copy settings record: how copied Quran text is formatted, the interface
// language, the profile last used and the page shown last. The same binary
// layout serves the per-user "setting.dat" and the user's profile files.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "settings/AppLanguage.h"

// What reading a settings or profile file came to. Only a whole record ever
// replaces the one in memory; in every other case the record is untouched.
enum class TSettingsFileRead : std::uint8_t {
    Loaded,   // every field read: the record holds the file's settings
    Missing,  // no file of that name
    Refused,  // there, but unreadable, longer than any record, cut short or not a settings record
};

// The longest string of a record, in UTF-16 code units: the longest path
// Windows knows. The fixed fields take 56 bytes, so no record file is longer
// than MaxSettingsFileSize; a longer one is refused without being read.
inline constexpr std::size_t MaxSettingsStringLength = 32767;
inline constexpr std::size_t MaxSettingsFileSize = 56 + 2 * 2 * MaxSettingsStringLength;

class TSettings {
public:
    TSettings() { SetDefaultValues(); }

    void SetDefaultValues();

    // The file image in the on-disk layout (SettingsRecordFixedBytes + 2 bytes a unit of the two strings).
    std::vector<std::uint8_t> Serialize() const;
    // True, and this record replaced, when `data` is exactly one record of the
    // layout: language 0 or 1, strings of at most MaxSettingsStringLength
    // units, a citation font name without control characters, nothing after
    // the page number (a page outside 1 to 604 reads as 1). Otherwise false,
    // and the record keeps every value it had.
    bool Deserialize(const std::uint8_t* data, std::size_t size);

    // Writes the whole image with one write to a temporary file in the same
    // folder, then replaces `fname` with it, so a crash or a full disk never
    // destroys the previous file. Throws TSettingsWriteError on failure.
    void SaveToFile(const std::filesystem::path& fname) const;
    // Reads the file as Deserialize does; never throws.
    TSettingsFileRead ReadFromFile(const std::filesystem::path& fname);
    // True when the file was Loaded.
    bool LoadFromFile(const std::filesystem::path& fname) { return ReadFromFile(fname) == TSettingsFileRead::Loaded; }

    // The settings file "setting.dat" inside the data folder.
    static std::filesystem::path SettingsFile(const std::filesystem::path& dataFolder);
    void SaveSettings(const std::filesystem::path& dataFolder) const;
    TSettingsFileRead LoadSetting(const std::filesystem::path& dataFolder);

    // Copies the copy-format fields only; language, profile name and page stay.
    void Assign(const TSettings& s);

    bool operator==(const TSettings&) const = default;

    TAppLanguage Language;
    std::u16string CurrentProfileFullFileName;
    std::int32_t QuranFontSize;
    bool QuranFontBold;
    std::uint32_t QuranTextColor;  // colours are 0x00BBGGRR
    std::uint32_t WaqfSignColor;
    std::uint32_t HizbSignColor;
    std::uint32_t SajdaSignColor;
    bool UseBrackets;
    char16_t BracketA;
    char16_t BracketB;
    std::uint32_t BracketColor;
    bool UseCitation;
    bool CitationOnNewLine;
    std::u16string CitationFontName;
    std::int32_t CitationFontSize;
    std::uint32_t CitationFontColor;
    bool AdditionIsteada;
    bool AdditionBasmala;
    bool AdditionQalaTaallah;
    std::int32_t PageNumber;
};

class TSettingsWriteError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};
