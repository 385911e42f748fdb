#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "base/OptionsFile.h"
#include "base/OutsideNames.h"
#include "settings/CopyOptions.h"

namespace fs = std::filesystem;

namespace {

class OptionsFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        Dir = fs::temp_directory_path() /
              ("tiravel-options-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(Dir);
        fs::create_directories(Dir);
    }
    void TearDown() override { fs::remove_all(Dir); }
    void Write(const std::string& bytes) const {
        std::ofstream(OptionsFilePath(Dir), std::ios::binary) << bytes;
    }
    std::string Read() const {
        std::ifstream in(OptionsFilePath(Dir), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    fs::path Dir;
};

}  // namespace

TEST(OptionsFile, ReadsWhatItCanAndKeepsTheOrder) {
    const TOptionsFile o = TOptionsFile::Parse(
        "\xEF\xBB\xBF# written by hand\r\n Spelling = imlai \r\nWindowPlace.Main=1,2,3,4\n=no key\nloose line\n"
        "Spelling=uthmani\nEmpty=\n\xFF\xFE=odd bytes");
    EXPECT_EQ(o.Entries(), (std::vector<std::pair<std::string, std::string>>{
                               {"Spelling", "uthmani"},  // the last of a key given twice
                               {"WindowPlace.Main", "1,2,3,4"},
                               {"Empty", ""},
                               {"\xFF\xFE", "odd bytes"},
                           }));
    EXPECT_EQ(o.Text(), "Spelling=uthmani\nWindowPlace.Main=1,2,3,4\nEmpty=\n\xFF\xFE=odd bytes\n");
    EXPECT_EQ(TOptionsFile::Parse(o.Text()).Entries(), o.Entries());
}

TEST(OptionsFile, SetKeepsEveryLineReadableAgain) {
    TOptionsFile o;
    o.Set("Key", " two\r\nlines ");
    o.Set("", "no key");
    o.Set("a=b", "a key with an equals sign");
    o.Set(" padded", "a key with outer blanks");
    o.Set("two\nlines", "a key with a line break");
    EXPECT_EQ(o.Text(), "Key=two  lines\n");
    EXPECT_EQ(o.Get("Key"), "two  lines");
    EXPECT_FALSE(o.Get("Missing"));
}

TEST(CopyOptions, DefaultsForWhatTheFileDoesNotSay) {
    struct Case {
        const char* Text;
        TCopyOptions Expected;
    } cases[] = {
        {"", {}},
        {"CopyHtmlAndText=1\nSpelling=imlai\n", {true, TSpelling::Imlai}},
        {"CopyHtmlAndText=yes\nSpelling=IMLAI\n", {}},  // values this build never writes
        {"CopyHtmlAndText=0\nSpelling=uthmani\n", {}},
        {"Spelling=imlai", {false, TSpelling::Imlai}},
    };
    for (const Case& c : cases) EXPECT_EQ(CopyOptionsFrom(TOptionsFile::Parse(c.Text)), c.Expected) << c.Text;
}

TEST_F(OptionsFileTest, AMissingOrDamagedFileGivesTheDefaultsAndStaysAsItIs) {
    EXPECT_EQ(LoadCopyOptions(Dir), TCopyOptions());
    EXPECT_FALSE(fs::exists(OptionsFilePath(Dir)));

    const std::string tooLong = "Spelling=imlai\n" + std::string(MaxOptionsFileSize, '#');
    for (const std::string& damaged : {std::string("\0\x01\x02Spelling\0imlai", 17), tooLong}) {
        Write(damaged);
        EXPECT_EQ(LoadCopyOptions(Dir), TCopyOptions());
        EXPECT_EQ(Read(), damaged);
    }
    fs::remove(OptionsFilePath(Dir));
    fs::create_directory(OptionsFilePath(Dir));  // a folder of that name
    EXPECT_EQ(LoadCopyOptions(Dir), TCopyOptions());
}

TEST_F(OptionsFileTest, SavingTheCopyOptionsKeepsWhatOtherPartsWrote) {
    Write("WindowPlace.Main=120,80,640,944\r\nSpelling=uthmani\nFuture=x=y\n");
    SaveCopyOptions({true, TSpelling::Imlai}, Dir);
    EXPECT_EQ(Read(), "WindowPlace.Main=120,80,640,944\nSpelling=imlai\nFuture=x=y\nCopyHtmlAndText=1\n");
    EXPECT_EQ(LoadCopyOptions(Dir), (TCopyOptions{true, TSpelling::Imlai}));
    EXPECT_FALSE(fs::exists(OptionsFilePath(Dir).string() + ".new")) << "written through a temporary file";
}

TEST_F(OptionsFileTest, AFileThatCannotBeWrittenIsReported) {
    fs::create_directory(OptionsFilePath(Dir));  // a folder where the file should be
    EXPECT_ANY_THROW(SaveCopyOptions({true, TSpelling::Uthmani}, Dir));
}
