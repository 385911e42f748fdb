#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "system/FontInstallation.h"

namespace {

using S = std::u16string;
constexpr const char16_t* kRegular = RegularFontFile;
constexpr const char16_t* kBold = BoldFontFile;
// The files an earlier build installed: faces without the aya-number ornament.
constexpr char16_t kOldRegular[] = u"VerizevuZivo1 Ver18.ttf";
constexpr char16_t kOldBold[] = u"VerizevuZivo1B Ver18.ttf";

TEST(FontVersion, NumberAfterTheKnownPrefix) {
    struct Case { const char16_t* Name; bool Current; } cases[] = {
        {kRegular, true},
        {kBold, true},
        {u"verizevuzivo1b ver20.otf", true},
        {u"VerizevuZivo1 Ver19_2.ttf", true},
        {u"C:\\Windows\\Fonts\\VerizevuZivo1 Ver19.ttf", true},
        {kOldRegular, false},
        {kOldBold, false},
        {u"VerizevuZivo1 Ver18_2.ttf", false},
        {u"VerizevuZivo1 Ver17.ttf", false},
        {u"Amiri-Regular.ttf", false},
        {u"", false},
        {u"VerizevuZivo1 Ver.ttf", false},
        {u"VerizevuZivo1 Ver99999999999999999999.ttf", false},  // no number a version can be
    };
    for (const Case& c : cases)
        EXPECT_EQ(IsFontVersionCurrent(c.Name), c.Current) << std::string(c.Name, c.Name + std::char_traits<char16_t>::length(c.Name));
}

// A system with a Fonts folder, the Fonts key and a family list; it records
// every change and message.
struct TFakeFontSystem : TFontPlatform {
    bool Listed = true;
    std::set<S> Files{kRegular, kBold};
    std::map<S, S> Values{{RegularFontFace.ValueName, kRegular}, {BoldFontFace.ValueName, kBold}};
    std::set<S> UnwritableFiles;
    bool KeyWritable = true, Admin = true, Answer = true;
    int ElevatedExit = 0;
    std::vector<S> Log;

    bool FamilyListed(std::u16string_view f) override { return Listed && f == QuranFontFamily; }
    std::optional<S> RegistryValue(std::u16string_view n) override {
        auto it = Values.find(S(n));
        if (it == Values.end()) return std::nullopt;
        return it->second;
    }
    bool FontFileExists(std::u16string_view f) override { return Files.count(S(f)) != 0; }
    bool CopyFontFile(std::u16string_view r, std::u16string_view f) override {
        Log.push_back(u"copy " + S(r) + u" " + S(f));
        if (UnwritableFiles.count(S(f))) return false;
        Files.insert(S(f));
        return true;
    }
    bool AddFontToRegistry(std::u16string_view n, std::u16string_view d) override {
        Log.push_back(u"value " + S(n) + u"=" + S(d));
        if (!KeyWritable) return false;
        Values[S(n)] = S(d);
        return true;
    }
    bool IsUserAdmin() override { return Admin; }
    int RunElevatedInstallation() override { Log.push_back(u"elevated"); return ElevatedExit; }
    void LoadFontsNow() override { Log.push_back(u"load"); }
    void NotifyFontChange() override { Log.push_back(u"notify"); }
    void ShowMessage(std::u16string_view t, std::u16string_view c) override {
        Log.push_back(u"message " + S(t) + u" | " + S(c));
    }
    bool AskYesNo(std::u16string_view t, std::u16string_view c) override {
        Log.push_back(u"ask " + S(t) + u" | " + S(c));
        return Answer;
    }
    void ShowInstallationError() override { Log.push_back(u"error dialog"); }
    void RequestTermination() override { Log.push_back(u"terminate"); }
};

TEST(FontCheck, EachConditionMakesTheFontsMissing) {
    struct Case { const char* What; void (*Break)(TFakeFontSystem&); } cases[] = {
        {"family not listed", [](TFakeFontSystem& s) { s.Listed = false; }},
        {"regular value absent", [](TFakeFontSystem& s) { s.Values.erase(RegularFontFace.ValueName); }},
        {"bold value absent", [](TFakeFontSystem& s) { s.Values.erase(BoldFontFace.ValueName); }},
        {"regular file absent", [](TFakeFontSystem& s) { s.Files.erase(kRegular); }},
        {"bold file absent", [](TFakeFontSystem& s) { s.Files.erase(kBold); }},
        {"regular value names an old file that is there",
         [](TFakeFontSystem& s) {
             s.Values[RegularFontFace.ValueName] = u"VerizevuZivo1 Ver17.ttf";
             s.Files.insert(u"VerizevuZivo1 Ver17.ttf");
         }},
        {"bold value names a file that is gone",
         [](TFakeFontSystem& s) { s.Values[BoldFontFace.ValueName] = u"VerizevuZivo1B Ver20.ttf"; }},
        {"bold value names an old file",
         [](TFakeFontSystem& s) {
             s.Values[BoldFontFace.ValueName] = u"VerizevuZivo1B Ver17.ttf";
             s.Files.insert(u"VerizevuZivo1B Ver17.ttf");
         }},
    };
    TFakeFontSystem installed;
    EXPECT_FALSE(FontsMissing(installed));
    for (const Case& c : cases) {
        TFakeFontSystem s;
        c.Break(s);
        EXPECT_TRUE(FontsMissing(s)) << c.What;
    }
    // A regular value naming a file that is gone does not count.
    TFakeFontSystem gone;
    gone.Values[RegularFontFace.ValueName] = u"VerizevuZivo1 Ver17.ttf";
    EXPECT_FALSE(FontsMissing(gone));
}

// The faces' version is the one number in both file names.
TEST(FontVersion, FileNamesCarryTheFacesVersion) {
    const S version = u"Ver" + S(1, char16_t(u'0' + QuranFontVersion / 10)) + char16_t(u'0' + QuranFontVersion % 10) + u".ttf";
    EXPECT_NE(S(RegularFontFile).find(version), S::npos);
    EXPECT_NE(S(BoldFontFile).find(version), S::npos);
    EXPECT_GT(QuranFontVersion, 18);  // above the faces without the ornament
}

// A machine that ran an earlier build: its faces are asked about and then
// installed beside the old files, which stay (the system may hold them open).
TEST(FontInstall, AnEarlierBuildsFacesAreReplaced) {
    TFakeFontSystem s;
    s.Files = {kOldRegular, kOldBold};
    s.Values = {{RegularFontFace.ValueName, kOldRegular}, {BoldFontFace.ValueName, kOldBold}};
    EXPECT_TRUE(FontsMissing(s));
    EXPECT_EQ(InstallFonts(s), FontsRunDone);
    EXPECT_EQ(s.Log, (std::vector<S>{u"copy " + S(RegularFontResource) + u" " + kRegular,
                                     u"value " + S(RegularFontFace.ValueName) + u"=" + kRegular,
                                     u"copy " + S(BoldFontResource) + u" " + kBold,
                                     u"value " + S(BoldFontFace.ValueName) + u"=" + kBold, u"notify"}));
    EXPECT_FALSE(FontsMissing(s));
    EXPECT_EQ(CheckFonts(s, false), 1);  // the next start asks nothing
}

// Another installer registered our files by their full path: present, and
// the installation finds nothing to change; a full path of an old file or of
// a file that is not there still counts as missing.
TEST(FontCheck, AValueNamingOurFileByFullPathCountsAsPresent) {
    const S folder = u"C:\\Windows\\Fonts\\";
    for (const TFontFace* face : {&RegularFontFace, &BoldFontFace}) {
        TFakeFontSystem s;
        s.Values[face->ValueName] = folder + face->FileName;
        EXPECT_FALSE(FontsMissing(s)) << "full path";
        EXPECT_EQ(InstallFonts(s), FontsRunDone);
        EXPECT_EQ(s.Log, std::vector<S>{u"notify"});
        EXPECT_EQ(CheckFonts(s, false), 1);
    }
    TFakeFontSystem old;
    old.Files.insert(kOldBold);
    old.Values[BoldFontFace.ValueName] = folder + kOldBold;
    EXPECT_TRUE(FontsMissing(old));
    TFakeFontSystem gone;
    gone.Values[BoldFontFace.ValueName] = folder + u"VerizevuZivo1B Ver20.ttf";
    EXPECT_TRUE(FontsMissing(gone));
    TFakeFontSystem folderOnly;
    folderOnly.Values[BoldFontFace.ValueName] = folder;
    EXPECT_TRUE(FontsMissing(folderOnly));
}

TEST(FontCheck, InstalledFontsPassWithoutAWord) {
    TFakeFontSystem s;
    EXPECT_EQ(CheckFonts(s, false), 1);
    EXPECT_TRUE(s.Log.empty());
    EXPECT_EQ(CheckFonts(s, true), 0);  // the installation run never checks
}

TEST(FontCheck, TheAnswersAndTheElevatedRun) {
    const S ask = u"ask " + S(FontsQuestion) + u" | " + S(FontsQuestionCaption);
    struct Case { bool Answer; int Exit; int Result; std::vector<S> Log; } cases[] = {
        {false, 0, 0, {ask, u"terminate"}},
        {true, 0, 1, {ask, u"elevated", u"load", u"notify"}},  // also a refused elevation prompt
        {true, 3, 0, {ask, u"elevated", u"message " + S(FontsInstallFailed) + u" | " + S(FontsQuestionCaption)}},
    };
    for (const Case& c : cases) {
        TFakeFontSystem s;
        s.Listed = false;
        s.Answer = c.Answer;
        s.ElevatedExit = c.Exit;
        EXPECT_EQ(CheckFonts(s, false), c.Result) << c.Exit;
        EXPECT_EQ(s.Log, c.Log) << c.Exit;
    }
}

TEST(FontInstall, WritesOnlyWhatIsMissingOrOld) {
    {  // both files there, a value missing: only the value is written
        TFakeFontSystem s;
        s.Values.erase(BoldFontFace.ValueName);
        EXPECT_EQ(InstallFonts(s), FontsRunDone);
        EXPECT_EQ(s.Log, (std::vector<S>{u"value " + S(BoldFontFace.ValueName) + u"=" + kBold, u"notify"}));
    }
    {  // a value naming a version-17 file is rewritten; the file is there already
        TFakeFontSystem s;
        s.Values[RegularFontFace.ValueName] = u"VerizevuZivo1 Ver17.ttf";
        EXPECT_EQ(InstallFont(s, RegularFontFace), 1);
        EXPECT_EQ(s.Log, (std::vector<S>{u"value " + S(RegularFontFace.ValueName) + u"=" + kRegular}));
    }
    {  // a fresh system: both copied and registered, then installed in every sense
        TFakeFontSystem s;
        s.Files.clear();
        s.Values.clear();
        EXPECT_EQ(InstallFonts(s), FontsRunDone);
        EXPECT_EQ(s.Log.size(), 5u);
        EXPECT_EQ(s.Log[0], u"copy VerizevuZivoFont18 " + S(kRegular));
        EXPECT_EQ(s.Log[2], u"copy VerizevuZivoBoldFont18 " + S(kBold));
        EXPECT_FALSE(FontsMissing(s));
    }
    {  // nothing to do
        TFakeFontSystem s;
        EXPECT_EQ(InstallFonts(s), FontsRunDone);
        EXPECT_EQ(s.Log, std::vector<S>{u"notify"});
    }
}

TEST(FontInstall, FailuresAndTheirExitCodes) {
    {  // the regular face cannot be written: the bold one is still tried, the run ends with 3
        TFakeFontSystem s;
        s.Files.clear();
        s.Values.clear();
        s.UnwritableFiles = {kRegular};
        EXPECT_EQ(InstallFonts(s), FontsRunFailed);
        EXPECT_EQ(s.Log, (std::vector<S>{u"copy VerizevuZivoFont18 " + S(kRegular),
                                          u"message " + S(CantCopyFontFile) + kRegular + u" | ",
                                          u"copy VerizevuZivoBoldFont18 " + S(kBold),
                                          u"value " + S(BoldFontFace.ValueName) + u"=" + kBold, u"error dialog"}));
        EXPECT_FALSE(s.Values.count(RegularFontFace.ValueName));  // nothing registered for it
    }
    {  // a refused registry write is reported for each face and fails the run:
       // counted as done, every later start would ask for the fonts again
        TFakeFontSystem s;
        s.Values.clear();
        s.KeyWritable = false;
        EXPECT_EQ(InstallFonts(s), FontsRunFailed);
        EXPECT_EQ(s.Log, (std::vector<S>{u"value " + S(RegularFontFace.ValueName) + u"=" + kRegular,
                                          u"message " + S(CantOpenFontsKey) + u" | ",
                                          u"value " + S(BoldFontFace.ValueName) + u"=" + kBold,
                                          u"message " + S(CantOpenFontsKey) + u" | ", u"error dialog"}));
    }
    {  // only the bold value refused: still a failure
        TFakeFontSystem s;
        s.Values.erase(BoldFontFace.ValueName);
        s.KeyWritable = false;
        EXPECT_EQ(InstallFonts(s), FontsRunFailed);
        EXPECT_EQ(s.Log.back(), u"error dialog");
    }
    {  // not an administrator: told so, nothing changed, exit code 0
        TFakeFontSystem s;
        s.Files.clear();
        s.Admin = false;
        EXPECT_EQ(InstallFonts(s), FontsRunDone);
        EXPECT_EQ(s.Log, (std::vector<S>{u"message Need Admin rights | "}));
    }
}

}  // namespace
