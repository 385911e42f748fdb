#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "app/EntrySequence.h"

namespace {

struct TFakePlatform : TEntryPlatform {
    bool NewWindows = true;
    int FontCheck = 1;
    bool OtherInstance = false;
    std::uint16_t Format = 49321;
    bool FolderFails = false;
    std::vector<std::u16string> Log;
    bool WindowsVersionAtLeast(int major, int minor) override { return NewWindows && major == 6 && minor == 1; }
    void ShowMessage(std::u16string_view t) override { Log.push_back(u"message " + std::u16string(t)); }
    void LoadTableCursor(int n, std::u16string_view name) override {
        Log.push_back(u"cursor " + std::u16string(1, char16_t(u'0' + n - 10)) + u" " + std::u16string(name));
    }
    std::u16string RoamingAppDataFolder() override { return u"C:\\Users\\u\\AppData\\Roaming"; }
    void CreateFolders(std::u16string_view p) override {
        Log.push_back(u"folder " + std::u16string(p));
        if (FolderFails) throw std::runtime_error("denied");
    }
    int InstallFonts() override { Log.push_back(u"install"); return 3; }
    int CheckFonts() override { Log.push_back(u"check"); return FontCheck; }
    bool ActivateExistingInstance(std::u16string_view c, std::u16string_view t) override {
        Log.push_back(u"find " + std::u16string(c) + u" " + std::u16string(t));
        return OtherInstance;
    }
    std::uint16_t RegisterClipboardFormatName(std::u16string_view n) override {
        Log.push_back(u"format " + std::u16string(n));
        return Format;
    }
    void SetApplicationTitle(std::u16string_view t) override { Log.push_back(u"title " + std::u16string(t)); }
    int RunMainWindow() override { Log.push_back(u"main window"); return 0; }
    bool Ran(std::u16string_view entry) const {
        for (const auto& l : Log) if (l == entry) return true;
        return false;
    }
};

TEST(EntrySequence, DataFolderAndSwitch) {
    EXPECT_EQ(FormDataFolder(u"C:\\Users\\u\\AppData\\Roaming"), u"C:\\Users\\u\\AppData\\Roaming\\CorvaneSchool");
    EXPECT_EQ(FormDataFolder(u"C:\\Data\\"), u"C:\\Data\\CorvaneSchool");
    EXPECT_EQ(FormDataFolder(u""), u"\\CorvaneSchool");
    using A = std::vector<std::u16string>;
    EXPECT_TRUE(IsInstallFontsRun(A{u"\\InstallFonts"}));
    EXPECT_TRUE(IsInstallFontsRun(A{u"\\INSTALLFONTS", u"x"}));
    EXPECT_FALSE(IsInstallFontsRun(A{u"x", u"\\installfonts"}));
    EXPECT_FALSE(IsInstallFontsRun(A{u"/installfonts"}));
    EXPECT_FALSE(IsInstallFontsRun(A{}));
}

TEST(EntrySequence, NormalStartInOrder) {
    TFakePlatform p;
    p.FolderFails = true;  // ignored
    TRunValues v;
    EXPECT_EQ(RunEntrySequence(p, {}, v), 0);
    EXPECT_EQ(p.Log.front(), u"cursor 0 HANDFULL");
    EXPECT_EQ(p.Log[7], u"cursor 7 DRAGZOOM");
    EXPECT_EQ(std::vector<std::u16string>(p.Log.begin() + 8, p.Log.end()),
              (std::vector<std::u16string>{u"folder C:\\Users\\u\\AppData\\Roaming\\CorvaneSchool", u"check",
                                           u"find TMainForm Tiravel", u"format Rich Text Format", u"title Tiravel",
                                           u"main window"}));
    EXPECT_EQ(v.RtfClipboardFormat, 49321);
    EXPECT_FALSE(v.InstallFontsMode);
}

TEST(EntrySequence, RunsThatEndEarly) {
    {
        TFakePlatform p;
        TRunValues v;
        const std::vector<std::u16string> args{u"\\InstallFONTS"};
        EXPECT_EQ(RunEntrySequence(p, args, v), 3);
        EXPECT_TRUE(v.InstallFontsMode);
        EXPECT_TRUE(p.Ran(u"install"));
        EXPECT_FALSE(p.Ran(u"check"));
        EXPECT_FALSE(p.Ran(u"main window"));
    }
    for (int check : {0, 3}) {
        TFakePlatform p;
        p.FontCheck = check;
        p.OtherInstance = true;
        TRunValues v;
        RunEntrySequence(p, {}, v);
        EXPECT_FALSE(p.Ran(u"find TMainForm Tiravel")) << check;  // fonts are asked about first
        EXPECT_FALSE(p.Ran(u"main window"));
    }
    {
        TFakePlatform p;
        p.OtherInstance = true;
        TRunValues v;
        RunEntrySequence(p, {}, v);
        EXPECT_FALSE(p.Ran(u"format Rich Text Format"));
        EXPECT_FALSE(p.Ran(u"main window"));
    }
    {
        TFakePlatform p;
        p.Format = 0;
        p.NewWindows = false;
        TRunValues v;
        RunEntrySequence(p, {}, v);
        EXPECT_EQ(p.Log.front(), std::u16string(u"message ") + OldWindowsWarning);
        EXPECT_TRUE(p.Ran(std::u16string(u"message ") + RichTextFormatFailed));
        EXPECT_FALSE(p.Ran(u"main window"));
    }
}

}  // namespace
