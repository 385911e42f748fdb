#include "settings/SettingsData.h"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <system_error>

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
        if (n < 0 || std::size_t(n) > (FSize - FPos) / 2) return false;
        s.resize(std::size_t(n));
        for (char16_t& c : s) U16(c);
        return true;
    }

private:
    const std::uint8_t* FData;
    std::size_t FSize;
    std::size_t FPos = 0;
};

}  // namespace

void TStettingsData::SetDefaultValues() {
    Languge = appArabic;
    CurrentProfileFullFileName.clear();
    QuranFontSize = 18;
    QuranFontBold = false;
    QuranTextColor = 0;
    WaqfSignColor = 0;
    JozzaSignColor = 0;
    SajdaSignColor = 0;
    UseBrackets = true;
    BracketA = u'\uFD5E';
    BracketB = u'\uFD5F';
    BracketColor = 0;
    UseTakreej = true;
    TakreejInNewLine = false;
    TakreejFontName = u"Harvik HAFS Uthmanic Script";
    TakreejFontSize = 10;
    TakreejFontColor = 0;
    AdditionIsteada = false;
    AddtionBasmalla = false;
    AdditionQalaTaallah = false;
    PageNumber = 1;
}

std::vector<std::uint8_t> TStettingsData::Serialize() const {
    std::vector<std::uint8_t> image;
    image.reserve(56 + 2 * (CurrentProfileFullFileName.size() + TakreejFontName.size()));
    TImageWriter w(image);
    w.U8(Languge);
    w.String(CurrentProfileFullFileName);
    w.I32(QuranFontSize);
    w.Bool(QuranFontBold);
    w.U32(QuranTextColor);
    w.U32(WaqfSignColor);
    w.U32(JozzaSignColor);
    w.U32(SajdaSignColor);
    w.Bool(UseBrackets);
    w.U16(BracketA);
    w.U16(BracketB);
    w.U32(BracketColor);
    w.Bool(UseTakreej);
    w.Bool(TakreejInNewLine);
    w.String(TakreejFontName);
    w.I32(TakreejFontSize);
    w.U32(TakreejFontColor);
    w.Bool(AdditionIsteada);
    w.Bool(AddtionBasmalla);
    w.Bool(AdditionQalaTaallah);
    w.I32(PageNumber);
    return image;
}

bool TStettingsData::Deserialize(const std::uint8_t* data, std::size_t size) {
    TImageReader r(data, size);
    std::uint8_t language;
    if (!r.U8(language)) return false;
    Languge = TAppLanguge(language);
    bool ok = r.String(CurrentProfileFullFileName) && r.I32(QuranFontSize) &&
              r.Bool(QuranFontBold) && r.U32(QuranTextColor) && r.U32(WaqfSignColor) &&
              r.U32(JozzaSignColor) && r.U32(SajdaSignColor) && r.Bool(UseBrackets) &&
              r.U16(BracketA) && r.U16(BracketB) && r.U32(BracketColor) && r.Bool(UseTakreej) &&
              r.Bool(TakreejInNewLine) && r.String(TakreejFontName) && r.I32(TakreejFontSize) &&
              r.U32(TakreejFontColor) && r.Bool(AdditionIsteada) && r.Bool(AddtionBasmalla) &&
              r.Bool(AdditionQalaTaallah) && r.I32(PageNumber);
    if (!ok) return false;
    if (PageNumber < 1 || PageNumber > 604) PageNumber = 1;
    return true;
}

void TStettingsData::SaveToFile(const std::filesystem::path& fname) const {
    WriteFileAtomically(fname, Serialize());
}

bool TStettingsData::LoadFromFile(const std::filesystem::path& fname) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(fname, ec)) return false;
    std::ifstream in(fname, std::ios::binary);
    if (!in) return false;
    std::vector<std::uint8_t> image((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) return false;
    return Deserialize(image.data(), image.size());
}

std::filesystem::path TStettingsData::SettingsFile(const std::filesystem::path& dataFolder) {
    return dataFolder / "setting.dat";
}

void TStettingsData::SaveSettings(const std::filesystem::path& dataFolder) const {
    SaveToFile(SettingsFile(dataFolder));
}

void TStettingsData::LoadSetting(const std::filesystem::path& dataFolder) {
    LoadFromFile(SettingsFile(dataFolder));
}

void TStettingsData::Assign(const TStettingsData& s) {
    QuranFontSize = s.QuranFontSize;
    QuranFontBold = s.QuranFontBold;
    QuranTextColor = s.QuranTextColor;
    WaqfSignColor = s.WaqfSignColor;
    JozzaSignColor = s.JozzaSignColor;
    SajdaSignColor = s.SajdaSignColor;
    UseBrackets = s.UseBrackets;
    BracketA = s.BracketA;
    BracketB = s.BracketB;
    BracketColor = s.BracketColor;
    UseTakreej = s.UseTakreej;
    TakreejInNewLine = s.TakreejInNewLine;
    TakreejFontName = s.TakreejFontName;
    TakreejFontSize = s.TakreejFontSize;
    TakreejFontColor = s.TakreejFontColor;
    AdditionIsteada = s.AdditionIsteada;
    AddtionBasmalla = s.AddtionBasmalla;
    AdditionQalaTaallah = s.AdditionQalaTaallah;
}
