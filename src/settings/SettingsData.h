#pragma once
// The copy settings record: how copied Quran text is formatted, the interface
// language, the profile last used and the page shown last. The same binary
// layout serves the per-user "setting.dat" and the user's profile files.
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "settings/AppLanguage.h"

class TStettingsData {
public:
    TStettingsData() { SetDefaultValues(); }

    void SetDefaultValues();

    // The file image in the on-disk layout (56 + 2 × (N1 + N2) bytes).
    std::vector<std::uint8_t> Serialize() const;
    // Reads the layout field by field into this record; fields read before a
    // failure keep their new values. True only when every field was read.
    bool Deserialize(const std::uint8_t* data, std::size_t size);

    // Writes the whole image with one write to a temporary file in the same
    // folder, then replaces `fname` with it, so a crash or a full disk never
    // destroys the previous file. Throws TSettingsWriteError on failure.
    void SaveToFile(const std::filesystem::path& fname) const;
    // False when the file is missing (record untouched), unreadable or short.
    bool LoadFromFile(const std::filesystem::path& fname);

    // The settings file "setting.dat" inside the data folder.
    static std::filesystem::path SettingsFile(const std::filesystem::path& dataFolder);
    void SaveSettings(const std::filesystem::path& dataFolder) const;
    void LoadSetting(const std::filesystem::path& dataFolder);

    // Copies the copy-format fields only; language, profile name and page stay.
    void Assign(const TStettingsData& s);

    bool operator==(const TStettingsData&) const = default;

    TAppLanguge Languge;
    std::u16string CurrentProfileFullFileName;
    std::int32_t QuranFontSize;
    bool QuranFontBold;
    std::uint32_t QuranTextColor;  // colours are 0x00BBGGRR
    std::uint32_t WaqfSignColor;
    std::uint32_t JozzaSignColor;
    std::uint32_t SajdaSignColor;
    bool UseBrackets;
    char16_t BracketA;
    char16_t BracketB;
    std::uint32_t BracketColor;
    bool UseTakreej;
    bool TakreejInNewLine;
    std::u16string TakreejFontName;
    std::int32_t TakreejFontSize;
    std::uint32_t TakreejFontColor;
    bool AdditionIsteada;
    bool AddtionBasmalla;
    bool AdditionQalaTaallah;
    std::int32_t PageNumber;
};

class TSettingsWriteError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};
