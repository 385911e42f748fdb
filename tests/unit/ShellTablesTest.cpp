#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/ResourceMap.h"
#include "display/GoToPageForm.h"
#include "display/JozaNameSoraNamePanel.h"
#include "shell/Commands.h"
#include "shell/EntrySequence.h"
#include "shell/PopupMenu.h"

namespace {

std::vector<std::u16string> Captions(const TPopupMenuModel& m) {
    std::vector<std::u16string> out;
    for (const TMenuItemView& i : m.Items()) out.emplace_back(i.Id == cmNone ? u"-" : std::u16string(i.Caption));
    return out;
}

TEST(PopupMenu, CaptionsInBothLanguagesWithOneSeparatorBetweenGroups) {
    TPopupMenuModel menu;
    EXPECT_TRUE(menu.RightToLeft());
    EXPECT_EQ(Captions(menu), (std::vector<std::u16string>{
                                  u"الفهرس", u"اذهب إلى صفحة", u"بحث", u"-", u"نسخ", u"تحديد نطاق النسخ", u"-",
                                  u"الإعدادات", u"-", u"المساعدة", u"موقع الإنترنت", u"حول التطبيق", u"-", u"خروج"}));
    ASSERT_TRUE(menu.Popup(false, appEnglish, false));
    EXPECT_FALSE(menu.RightToLeft());
    EXPECT_EQ(Captions(menu), (std::vector<std::u16string>{u"Index", u"Go to page", u"Search", u"-", u"Copy",
                                                           u"Copy range", u"-", u"Settings", u"-", u"Help",
                                                           u"Website", u"About", u"-", u"Close"}));
    for (const TMenuItemView& i : menu.Items()) EXPECT_EQ(i.Enabled, i.Id != cmCopy);
    // An unknown language value changes nothing; the splash shows nothing.
    menu.Languagechanged(static_cast<TAppLanguge>(7));
    EXPECT_FALSE(menu.RightToLeft());
    EXPECT_FALSE(menu.Popup(true, appArabic, true));
    EXPECT_FALSE(menu.RightToLeft());
    ASSERT_TRUE(menu.Popup(false, appArabic, true));
    EXPECT_TRUE(menu.RightToLeft());
    EXPECT_EQ(menu.Items()[4], (TMenuItemView{cmCopy, u"نسخ", true}));
}

TEST(Commands, MenuIdsAreDistinctAndNamed) {
    const auto layout = PopupMenuLayout();
    ASSERT_EQ(layout.size(), 14u);
    EXPECT_STREQ(layout[3].Name, "N5");
    EXPECT_STREQ(layout[13].Name, "MenuItemExit");
    for (const TMenuEntry& e : layout) {
        if (e.Id == cmNone) continue;
        EXPECT_STREQ(FindCommand(e.Id)->Name, e.Name);
    }
}

TEST(Commands, KeyMapNeedsCtrlOnlyForLetters) {
    struct Case { int Key; TShiftState Shift; TCommandId Command; } cases[] = {
        {27, 0, cmEndRun},          {27, ssCtrl | ssShift, cmEndRun}, {'C', ssCtrl, cmCopy},
        {'C', ssShift, cmNone},     {'G', ssCtrl | ssAlt, cmGoToPage}, {'F', ssCtrl, cmSearch},
        {'A', ssCtrl, cmSelectPageSora}, {'D', ssCtrl, cmClearSelection}, {37, 0, cmNextPage},
        {37, ssCtrl, cmNextPage},   {39, ssShift, cmPreviousPage},  {38, 0, cmNone}, {40, ssCtrl, cmNone},
        {'X', ssCtrl, cmNone},
    };
    for (const Case& c : cases) EXPECT_EQ(TranslateMainKey(c.Key, c.Shift), c.Command) << c.Key << "/" << int(c.Shift);
}

TEST(GoToPage, BoxAndTexts) {
    for (char16_t c : std::u16string(u"0123456789\b")) EXPECT_TRUE(GoToPageAcceptsChar(c)) << int(c);
    for (char16_t c : std::u16string(u"a-+ .٣")) EXPECT_FALSE(GoToPageAcceptsChar(c)) << int(c);
    EXPECT_EQ(std::u16string(GoToPageTexts(appArabic).Ok), u"اذهب");
    EXPECT_EQ(std::u16string(GoToPageTexts(appArabic).Label), u"أدخل رقم الصفحة:");
    EXPECT_EQ(std::u16string(GoToPageTexts(appEnglish).Caption), u"Go to Page");
    EXPECT_EQ(DecideGoToPage(u"-5", 10).Page, 1);
    EXPECT_EQ(DecideGoToPage(u"99999999999", 10).Kind, TGoToPageDecision::gpInvalid);
    EXPECT_EQ(DecideGoToPage(u"1 2", 10).Error, u"'1 2' is not a valid integer value");
}

TEST(HeaderStrip, PicturesAndPlan) {
    EXPECT_FALSE(HasHeaderPictures(2));
    EXPECT_TRUE(HasHeaderPictures(3));
    EXPECT_TRUE(HasHeaderPictures(604));
    EXPECT_FALSE(HasHeaderPictures(605));
    EXPECT_EQ(JozaaNamePictureName(3), u"jozaaname3");
    EXPECT_EQ(SoraNamePictureName(604), u"soraname604");
    TJozaNameSoraNamePanel strip;
    EXPECT_FALSE(strip.LoadJozaNameSoraNameImages(2));
    EXPECT_TRUE(strip.LoadJozaNameSoraNameImages(3));
    EXPECT_FALSE(strip.LoadJozaNameSoraNameImages(1));
    EXPECT_EQ(strip.PicturesPage(), 3);
    struct Case { bool Opening, Splash; int Page; bool Shown; } cases[] = {
        {false, false, 3, true}, {true, false, 3, false}, {false, true, 3, false}, {false, false, 2, false},
    };
    for (const Case& c : cases) {
        TJozaNameSoraNamePanel s;
        s.MouseEnteredWindow(c.Opening, c.Splash, c.Page);
        EXPECT_EQ(s.Visible(), c.Shown) << c.Page;
    }
    // A 40-pixel strip 497 wide; pictures 66 high, 106 and 610 wide.
    const THeaderStripPlan p = HeaderStripPlan(497, 40, 106, 66, 610, 66);
    EXPECT_EQ(p.JuzTarget, (TRectI{10, 0, 10 + 3 * 64, 120}));        // Round(40 × 106 / 66) = 64
    EXPECT_EQ(p.SuraTarget, (TRectI{3 * 497 - 3 * 370, 0, 1491, 120}));  // Round(369.7) = 370
    EXPECT_EQ(p.LineY, 39);
    EXPECT_EQ(p.LineEndX, 496);
    EXPECT_EQ(p.LineColour, 0x00008000u);
}

TEST(ResourceLookup, NamesMatchWithoutRegardToCase) {
    TResourceMap map;
    map.Add(u"SVG_42", {1, 2, 3});
    auto found = map.Find(u"svg_42");
    ASSERT_TRUE(found);
    EXPECT_EQ(found->Bytes.size(), 3u);
    EXPECT_FALSE(map.Find(u"SVG_4"));
    EXPECT_TRUE(SameResourceName(u"JozaaName3", u"JOZAANAME3"));
    EXPECT_FALSE(SameResourceName(u"a_", u"a-"));
}

struct TFakePlatform : TEntryPlatform {
    bool NewWindows = true;
    int FontCheck = 1;
    bool OtherInstance = false;
    std::uint16_t Format = 49321;
    bool FolderFails = false;
    std::vector<std::u16string> Log;
    bool WindowsVersionAtLeast(int major, int minor) override { return NewWindows && major == 6 && minor == 1; }
    void ShowMessage(std::u16string_view t) override { Log.push_back(u"message " + std::u16string(t)); }
    void LoadCursor(int n, std::u16string_view name) override {
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
    std::uint16_t RegisterClipboardFormat(std::u16string_view n) override {
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
