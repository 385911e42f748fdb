#include "settings/Settings.h"

#include <algorithm>
#include <fstream>
#include <string_view>
#include <system_error>

#include "base/OutsideNames.h"
#include "base/AtomicFileWrite.h"

namespace {

// Appends little-endian values to the file image.
class TImageWriter {
public:
    explicit TImageWriter(std::vector<std::uint8_t>& out) : FOut(out) {}
    void U8(std::uint8_t v) { FOut.push_back(v); }
    void Bool(bool v) { U8(v ? 1 : 0); }
    void U16(std::uint16_t v) {
        U8(std::uint8_t(v));
        U8(std::uint8_t(v >> 8));
    }
    void U32(std::uint32_t v) {
        U16(std::uint16_t(v));
        U16(std::uint16_t(v >> 16));
    }
    void I32(std::int32_t v) { U32(std::uint32_t(v)); }
    void String(const std::u16string& s) {
        I32(std::int32_t(s.size()));
        for (char16_t c : s) U16(c);
    }

private:
    std::vector<std::uint8_t>& FOut;
};

// Reads little-endian values; every read reports whether enough bytes remain,
// so a short file stops the load at the first field it cannot complete.
class TImageReader {
public:
    TImageReader(const std::uint8_t* data, std::size_t size) : FData(data), FSize(size) {}
    bool U8(std::uint8_t& v) {
        if (FSize - FPos < 1) return false;
        v = FData[FPos++];
        return true;
    }
    template <class T>
    bool Bool(T& v) {
        std::uint8_t b;
        if (!U8(b)) return false;
        v = b != 0;
        return true;
    }
    bool U16(char16_t& v) {
        if (FSize - FPos < 2) return false;
        v = char16_t(FData[FPos] | FData[FPos + 1] << 8);
        FPos += 2;
        return true;
    }
    bool U32(std::uint32_t& v) {
        if (FSize - FPos < 4) return false;
        v = std::uint32_t(FData[FPos]) | std::uint32_t(FData[FPos + 1]) << 8 |
            std::uint32_t(FData[FPos + 2]) << 16 | std::uint32_t(FData[FPos + 3]) << 24;
        FPos += 4;
        return true;
    }
    bool I32(std::int32_t& v) {
        std::uint32_t u;
        if (!U32(u)) return false;
        v = std::int32_t(u);
        return true;
    }
    bool String(std::u16string& s) {
        std::int32_t n;
        if (!I32(n)) return false;
        if (n < 0 || std::size_t(n) > MaxSettingsStringLength || std::size_t(n) > (FSize - FPos) / 2) return false;
        s.resize(std::size_t(n));
        for (char16_t& c : s) U16(c);
        return true;
    }
    bool AtEnd() const { return FPos == FSize; }

private:
    const std::uint8_t* FData;
    std::size_t FSize;
    std::size_t FPos = 0;
};

// C0 and C1 control characters and DEL: no font's name holds one, and the
// name goes into every copied document.
bool HasControlCharacter(std::u16string_view name) {
    return std::any_of(name.begin(), name.end(), [](char16_t c) { return c < 0x20 || (c >= 0x7F && c <= 0x9F); });
}

}  // namespace

void TSettings::SetDefaultValues() {
    Language = appArabic;
    CurrentProfileFullFileName.clear();
    QuranFontSize = 18;
    QuranFontBold = false;
    QuranTextColor = 0;
    WaqfSignColor = 0;
    HizbSignColor = 0;
    SajdaSignColor = 0;
    UseBrackets = true;
    BracketA = u'\uFD5E';
    BracketB = u'\uFD5F';
    BracketColor = 0;
    UseCitation = true;
    CitationOnNewLine = false;
    CitationFontName = QuranFontFamily;
    CitationFontSize = 10;
    CitationFontColor = 0;
    AdditionIsteada = false;
    AdditionBasmala = false;
    AdditionQalaTaallah = false;
    PageNumber = 1;
}

std::vector<std::uint8_t> TSettings::Serialize() const {
    std::vector<std::uint8_t> image;
    image.reserve(SettingsRecordFixedBytes + 2 * (CurrentProfileFullFileName.size() + CitationFontName.size()));
    TImageWriter w(image);
    w.U8(Language);
    w.String(CurrentProfileFullFileName);
    w.I32(QuranFontSize);
    w.Bool(QuranFontBold);
    w.U32(QuranTextColor);
    w.U32(WaqfSignColor);
    w.U32(HizbSignColor);
    w.U32(SajdaSignColor);
    w.Bool(UseBrackets);
    w.U16(BracketA);
    w.U16(BracketB);
    w.U32(BracketColor);
    w.Bool(UseCitation);
    w.Bool(CitationOnNewLine);
    w.String(CitationFontName);
    w.I32(CitationFontSize);
    w.U32(CitationFontColor);
    w.Bool(AdditionIsteada);
    w.Bool(AdditionBasmala);
    w.Bool(AdditionQalaTaallah);
    w.I32(PageNumber);
    return image;
}

bool TSettings::Deserialize(const std::uint8_t* data, std::size_t size) {
    // Read into a record of its own: this one changes only when all is well.
    TSettings r;
    TImageReader in(data, size);
    std::uint8_t language;
    if (!in.U8(language) || (language != appArabic && language != appEnglish)) return false;
    r.Language = TAppLanguage(language);
    const bool ok = in.String(r.CurrentProfileFullFileName) && in.I32(r.QuranFontSize) && in.Bool(r.QuranFontBold) &&
                    in.U32(r.QuranTextColor) && in.U32(r.WaqfSignColor) && in.U32(r.HizbSignColor) &&
                    in.U32(r.SajdaSignColor) && in.Bool(r.UseBrackets) && in.U16(r.BracketA) &&
                    in.U16(r.BracketB) && in.U32(r.BracketColor) && in.Bool(r.UseCitation) &&
                    in.Bool(r.CitationOnNewLine) && in.String(r.CitationFontName) && in.I32(r.CitationFontSize) &&
                    in.U32(r.CitationFontColor) && in.Bool(r.AdditionIsteada) && in.Bool(r.AdditionBasmala) &&
                    in.Bool(r.AdditionQalaTaallah) && in.I32(r.PageNumber);
    if (!ok || !in.AtEnd() || HasControlCharacter(r.CitationFontName)) return false;
    if (r.PageNumber < 1 || r.PageNumber > 604) r.PageNumber = 1;
    *this = std::move(r);
    return true;
}

void TSettings::SaveToFile(const std::filesystem::path& fname) const {
    WriteFileAtomically(fname, Serialize());
}

TSettingsFileRead TSettings::ReadFromFile(const std::filesystem::path& fname) {
    try {
        std::error_code ec;
        const std::filesystem::file_status status = std::filesystem::status(fname, ec);
        if (status.type() == std::filesystem::file_type::not_found) return TSettingsFileRead::Missing;
        if (!std::filesystem::is_regular_file(status)) return TSettingsFileRead::Refused;
        std::ifstream in(fname, std::ios::binary);
        if (!in) return TSettingsFileRead::Refused;
        // One byte more than the longest record shows a file too long, without
        // reading a file of any size the user may have picked.
        std::vector<std::uint8_t> image(MaxSettingsFileSize + 1);
        in.read(reinterpret_cast<char*>(image.data()), std::streamsize(image.size()));
        if (in.bad()) return TSettingsFileRead::Refused;
        image.resize(std::size_t(in.gcount()));
        if (image.size() > MaxSettingsFileSize) return TSettingsFileRead::Refused;
        return Deserialize(image.data(), image.size()) ? TSettingsFileRead::Loaded : TSettingsFileRead::Refused;
    } catch (const std::exception&) {
        return TSettingsFileRead::Refused;  // the system refused the file, or memory ran out
    }
}

std::filesystem::path TSettings::SettingsFile(const std::filesystem::path& dataFolder) {
    return dataFolder / SettingsFileName;
}

void TSettings::SaveSettings(const std::filesystem::path& dataFolder) const {
    SaveToFile(SettingsFile(dataFolder));
}

TSettingsFileRead TSettings::LoadSetting(const std::filesystem::path& dataFolder) {
    return ReadFromFile(SettingsFile(dataFolder));
}

void TSettings::Assign(const TSettings& s) {
    QuranFontSize = s.QuranFontSize;
    QuranFontBold = s.QuranFontBold;
    QuranTextColor = s.QuranTextColor;
    WaqfSignColor = s.WaqfSignColor;
    HizbSignColor = s.HizbSignColor;
    SajdaSignColor = s.SajdaSignColor;
    UseBrackets = s.UseBrackets;
    BracketA = s.BracketA;
    BracketB = s.BracketB;
    BracketColor = s.BracketColor;
    UseCitation = s.UseCitation;
    CitationOnNewLine = s.CitationOnNewLine;
    CitationFontName = s.CitationFontName;
    CitationFontSize = s.CitationFontSize;
    CitationFontColor = s.CitationFontColor;
    AdditionIsteada = s.AdditionIsteada;
    AdditionBasmala = s.AdditionBasmala;
    AdditionQalaTaallah = s.AdditionQalaTaallah;
}
