#include <gtest/gtest.h>

#include <set>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "base/AtomicFileWrite.h"
#include "settings/Settings.h"

namespace fs = std::filesystem;

namespace {

class SettingsFiles : public ::testing::Test {
protected:
    void SetUp() override {
        FDir = fs::temp_directory_path() /
               ("tiravel-settings-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(FDir);
        fs::create_directories(FDir);
    }
    void TearDown() override { fs::remove_all(FDir); }

    fs::path File(const char* name) const { return FDir / name; }
    void Write(const fs::path& p, const std::vector<std::uint8_t>& bytes) const {
        std::ofstream(p, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    }
    std::vector<std::uint8_t> Read(const fs::path& p) const {
        std::ifstream in(p, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    fs::path FDir;
};

// A record whose every field differs from the defaults.
TSettings Unusual() {
    TSettings s;
    s.Language = appEnglish;
    s.CurrentProfileFullFileName = u"C:\\ملفات\\درس.cvprofile";
    s.QuranFontSize = 24;
    s.QuranFontBold = true;
    s.QuranTextColor = 0x00112233;
    s.WaqfSignColor = 0x000000FF;
    s.HizbSignColor = 0x0000FF00;
    s.SajdaSignColor = 0x00FF0000;
    s.UseBrackets = false;
    s.BracketA = u'\uFD6A';
    s.BracketB = u'\uFD6B';
    s.BracketColor = 0x00808080;
    s.UseCitation = false;
    s.CitationOnNewLine = true;
    s.CitationFontName = u"";
    s.CitationFontSize = 12;
    s.CitationFontColor = 0x00ABCDEF;
    s.AdditionIsteada = true;
    s.AdditionBasmala = true;
    s.AdditionQalaTaallah = true;
    s.PageNumber = 604;
    return s;
}

}  // namespace

TEST(SettingsRecord, DefaultImageIs110BytesInFieldOrder) {
    std::vector<std::uint8_t> image = TSettings().Serialize();
    ASSERT_EQ(image.size(), 110u);
    std::vector<std::uint8_t> head = {0, 0, 0, 0, 0, 18, 0, 0, 0, 0};
    EXPECT_EQ(std::vector<std::uint8_t>(image.begin(), image.begin() + 10), head);
    // UseBrackets, then BracketA U+FD5E and BracketB U+FD5F little-endian.
    EXPECT_EQ(image[26], 1);
    EXPECT_EQ(image[27], 0x5E);
    EXPECT_EQ(image[28], 0xFD);
    EXPECT_EQ(image[29], 0x5F);
    EXPECT_EQ(image[30], 0xFD);
    // UseCitation, CitationOnNewLine, then the 27-unit font name.
    EXPECT_EQ(image[35], 1);
    EXPECT_EQ(image[36], 0);
    EXPECT_EQ(image[37], 27);
    EXPECT_EQ(image[41], 'H');
    EXPECT_EQ(image[42], 0);
    // CitationFontSize 10, colour, three formulas off, PageNumber 1.
    std::vector<std::uint8_t> tail = {10, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0};
    EXPECT_EQ(std::vector<std::uint8_t>(image.end() - 15, image.end()), tail);
}

TEST_F(SettingsFiles, RoundTripKeepsEveryField) {
    for (const TSettings& original : {TSettings(), Unusual()}) {
        original.SaveToFile(File("p.cvprofile"));
        EXPECT_EQ(fs::file_size(File("p.cvprofile")),
                  56 + 2 * (original.CurrentProfileFullFileName.size() + original.CitationFontName.size()));
        TSettings loaded = original == TSettings() ? Unusual() : TSettings();
        EXPECT_TRUE(loaded.LoadFromFile(File("p.cvprofile")));
        EXPECT_EQ(loaded, original);
    }
}

TEST_F(SettingsFiles, PageOutsideTheMushafBecomesPageOne) {
    for (std::int32_t page : {0, 605, -3}) {
        TSettings s;
        s.PageNumber = page;
        s.SaveToFile(File("s.dat"));
        TSettings loaded;
        loaded.PageNumber = 77;
        EXPECT_TRUE(loaded.LoadFromFile(File("s.dat"))) << page;
        EXPECT_EQ(loaded.PageNumber, 1) << page;
    }
}

TEST_F(SettingsFiles, AFileThatIsNotOneWholeRecordChangesNothing) {
    using Bytes = std::vector<std::uint8_t>;
    const Bytes image = TSettings().Serialize();
    // Where the fields begin in the default image (N1 = 0, N2 = 27).
    constexpr std::size_t BracketColorEnd = 35, FontName = 41, PageNumberEnd = 110;
    auto withName = [](std::u16string name) {
        TSettings s;
        s.CitationFontName = std::move(name);
        return s.Serialize();
    };
    struct Case {
        const char* What;
        Bytes File;
    };
    const Case cases[] = {
        {"cut right after BracketColor", Bytes(image.begin(), image.begin() + BracketColorEnd)},
        {"cut one byte short", Bytes(image.begin(), image.begin() + PageNumberEnd - 1)},
        {"one byte after the page number", [&] { Bytes b = image; b.push_back(0); return b; }()},
        {"a language that is neither 0 nor 1", [&] { Bytes b = image; b[0] = 2; return b; }()},
        {"a line feed in the font name", withName(u"Naskh\n")},
        {"an escape character in the font name", withName(u"\x1B[31mNaskh")},
        {"a C1 control character in the font name", withName(u"Nas\u0085kh")},
        {"a font name longer than any string of a record",
         withName(std::u16string(MaxSettingsStringLength + 1, u'x'))},
        {"a picture", {0x89, 'P', 'N', 'G', 13, 10, 26, 10, 0, 0, 0, 13, 'I', 'H', 'D', 'R'}},
        {"text", [] { const std::string t = "[settings]\nsize=18\n"; return Bytes(t.begin(), t.end()); }()},
    };
    ASSERT_EQ(image[FontName], 'H');
    ASSERT_EQ(image.size(), PageNumberEnd);
    for (const Case& c : cases) {
        Write(File("bad.cvprofile"), c.File);
        TSettings loaded = Unusual();
        EXPECT_EQ(loaded.ReadFromFile(File("bad.cvprofile")), TSettingsFileRead::Refused) << c.What;
        EXPECT_EQ(loaded, Unusual()) << c.What;
    }
}

TEST_F(SettingsFiles, AFileLongerThanAnyRecordIsRefusedUnread) {
    // A whole record, then far more than any record holds (sparse where the
    // file system allows): a file picked by mistake is not read whole.
    Write(File("huge.cvprofile"), TSettings().Serialize());
    fs::resize_file(File("huge.cvprofile"), std::uintmax_t(1) << 24);
    TSettings loaded = Unusual();
    EXPECT_EQ(loaded.ReadFromFile(File("huge.cvprofile")), TSettingsFileRead::Refused);
    EXPECT_EQ(loaded, Unusual());

    // The longest record there can be still loads.
    TSettings longest = Unusual();
    longest.CurrentProfileFullFileName.assign(MaxSettingsStringLength, u'p');
    longest.CitationFontName.assign(MaxSettingsStringLength, u'\u062E');
    longest.SaveToFile(File("longest.cvprofile"));
    ASSERT_EQ(fs::file_size(File("longest.cvprofile")), MaxSettingsFileSize);
    EXPECT_TRUE(loaded.LoadFromFile(File("longest.cvprofile")));
    EXPECT_EQ(loaded, longest);
}

TEST_F(SettingsFiles, WhatIsNoReadableFileChangesNothing) {
    fs::create_directory(File("folder.cvprofile"));
    TSettings s = Unusual();
    EXPECT_EQ(s.ReadFromFile(File("folder.cvprofile")), TSettingsFileRead::Refused);
    EXPECT_EQ(s.ReadFromFile(File("nothing-here.dat")), TSettingsFileRead::Missing);
    EXPECT_EQ(s, Unusual());
    Write(File("setting.dat"), {});
    EXPECT_EQ(s.LoadSetting(FDir), TSettingsFileRead::Refused);
    EXPECT_EQ(s, Unusual());
}

TEST_F(SettingsFiles, AnyFontNameWithoutControlCharactersLoads) {
    for (const char16_t* name : {u"", u"خط المصحف", u"My}{\\par Font;", u"\u00A0Naskh\uFFFF"}) {
        TSettings original;
        original.CitationFontName = name;
        original.SaveToFile(File("p.cvprofile"));
        TSettings loaded = Unusual();
        EXPECT_TRUE(loaded.LoadFromFile(File("p.cvprofile")));
        EXPECT_EQ(loaded, original);
    }
}

TEST_F(SettingsFiles, BadStringLengthsFail) {
    struct Case {
        const char* name;
        std::int32_t length;
    };
    for (Case c : {Case{"negative", -1}, Case{"beyond the end", 1000}, Case{"huge", 0x7FFFFFFF}}) {
        std::vector<std::uint8_t> image = TSettings().Serialize();
        for (int i = 0; i < 4; ++i) image[1 + i] = std::uint8_t(std::uint32_t(c.length) >> (8 * i));
        Write(File("bad.dat"), image);
        TSettings loaded;
        EXPECT_FALSE(loaded.LoadFromFile(File("bad.dat"))) << c.name;
        EXPECT_EQ(loaded.QuranFontSize, 18) << c.name;
    }
    Write(File("empty.dat"), {});
    TSettings loaded = Unusual();
    EXPECT_FALSE(loaded.LoadFromFile(File("empty.dat")));
    EXPECT_EQ(loaded, Unusual());
}

TEST_F(SettingsFiles, MissingFileLeavesRecordUntouched) {
    TSettings s = Unusual();
    EXPECT_FALSE(s.LoadFromFile(File("nothing-here.dat")));
    EXPECT_EQ(s, Unusual());
    s.LoadSetting(FDir);
    EXPECT_EQ(s, Unusual());
}

TEST_F(SettingsFiles, SaveSettingsWritesSettingDatInTheDataFolder) {
    TSettings s;
    s.PageNumber = 42;
    s.SaveSettings(FDir);
    EXPECT_EQ(fs::file_size(FDir / "setting.dat"), 110u);
    TSettings loaded;
    loaded.LoadSetting(FDir);
    EXPECT_EQ(loaded.PageNumber, 42);
}

TEST_F(SettingsFiles, SavingReplacesTheOldFile) {
    Unusual().SaveToFile(File("s.dat"));
    TSettings().SaveToFile(File("s.dat"));
    EXPECT_EQ(Read(File("s.dat")), TSettings().Serialize());
    EXPECT_FALSE(fs::exists(File("s.dat.new")));
}

// The temporary file gets a name no file has: the user's own files beside
// the target, whatever their names, are neither overwritten nor removed, and
// a save leaves nothing else behind, done or failed.
TEST_F(SettingsFiles, SavingNeverTouchesOtherFilesBesideTheTarget) {
    const std::vector<std::uint8_t> mine{'m', 'i', 'n', 'e'};
    for (const char* name : {"x.cvprofile.new", "x.cvprofile.tmp", "x.cvprofile~"}) Write(File(name), mine);
    Unusual().SaveToFile(File("x.cvprofile"));
    TSettings().SaveToFile(File("x.cvprofile"));
    EXPECT_EQ(Read(File("x.cvprofile")), TSettings().Serialize());
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(FDir)) names.insert(entry.path().filename().string());
    EXPECT_EQ(names, (std::set<std::string>{"x.cvprofile", "x.cvprofile.new", "x.cvprofile.tmp", "x.cvprofile~"}));
    for (const char* name : {"x.cvprofile.new", "x.cvprofile.tmp", "x.cvprofile~"}) EXPECT_EQ(Read(File(name)), mine) << name;

    fs::create_directory(File("taken"));  // the new file cannot replace a folder
    EXPECT_THROW(TSettings().SaveToFile(File("taken")), TFileWriteError);
    std::size_t count = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(FDir)) ++count;
    EXPECT_EQ(count, names.size() + 1) << "a failed save leaves its temporary file";
}

TEST_F(SettingsFiles, FailedSaveRaisesAndKeepsThePreviousFile) {
    // A folder in the target's place: the new file cannot replace it.
    fs::create_directory(File("taken"));
    Write(File("taken") / "inside", {1, 2, 3});
    EXPECT_THROW(TSettings().SaveToFile(File("taken")), TFileWriteError);
    EXPECT_TRUE(fs::is_directory(File("taken")));
    EXPECT_FALSE(fs::exists(File("taken.new")));
    // No folder at all.
    EXPECT_THROW(TSettings().SaveToFile(FDir / "missing" / "s.dat"), TFileWriteError);
}

TEST(SettingsRecord, AssignCopiesTheCopyFormatOnly) {
    TSettings s = Unusual();
    s.Assign(TSettings());
    TSettings expected;
    expected.Language = appEnglish;
    expected.CurrentProfileFullFileName = Unusual().CurrentProfileFullFileName;
    expected.PageNumber = 604;
    EXPECT_EQ(s, expected);
}
