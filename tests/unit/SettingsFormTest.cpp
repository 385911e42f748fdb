#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>

#include "base/Utf.h"
#include "settings/ColorBoxItems.h"
#include "settings/SettingsForm.h"
#include "settings/SettingsFormLayout.h"
#include "settings/SettingsFormTexts.h"

namespace fs = std::filesystem;

namespace {

// Controls as plain values. Like real controls, they report a change even
// when the program sets them, so every fill runs into the ExitChange guard.
class TFakeSettingsView : public TSettingsView {
public:
    void ShowControls(const TSettingsControls& c, bool withLanguage) override {
        const int language = Controls.LanguageItem;
        Controls = c;
        if (!withLanguage) Controls.LanguageItem = language;
        if (Form) Form->OnControlsChange();
    }
    void ShowAdditions(bool isteada, bool basmala, bool qala) override {
        Controls.AdditionIsteada = isteada;
        Controls.AdditionBasmala = basmala;
        Controls.AdditionQalaTaallah = qala;
        if (Form) Form->OnControlsChange();
    }
    TSettingsControls ReadControls() const override { return Controls; }
    void ShowLanguage(TAppLanguage language) override { Language = language; }
    void ShowCaption(std::u16string_view caption) override { Caption = caption; }
    void ReportError(std::u16string_view message) override { Errors.emplace_back(message); }
    std::optional<std::u16string> ChooseProfileToOpen() override { return OpenAnswer; }
    std::optional<std::u16string> ChooseProfileToSave() override { return SaveAnswer; }
    void RequestHelp() override { ++HelpRequests; }
    void CloseForm() override { Closed = true; }
    void StartSaveTimer() override { ++SaveWaits; }

    // The user changes one control.
    void Change(const std::function<void(TSettingsControls&)>& edit) {
        edit(Controls);
        Form->OnControlsChange();
    }

    TSettingsForm* Form = nullptr;
    TSettingsControls Controls;
    TAppLanguage Language = TAppLanguage(255);
    std::u16string Caption;
    std::vector<std::u16string> Errors;
    std::optional<std::u16string> OpenAnswer, SaveAnswer;
    int HelpRequests = 0, SaveWaits = 0;
    bool Closed = false;
};

class SettingsForm : public ::testing::Test {
protected:
    void SetUp() override {
        Dir = fs::temp_directory_path() /
              ("tiravel-form-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(Dir);
        fs::create_directories(Dir);
    }
    void TearDown() override { fs::remove_all(Dir); }

    // Opens the dialog over the current record.
    void Open() {
        Form = std::make_unique<TSettingsForm>(Current, Defaults, Copy, Dir, View, Saving);
        View.Form = Form.get();
        Form->Create();
    }
    // What the next start would read from the settings file.
    TSettings Saved() const {
        TSettings s;
        EXPECT_TRUE(s.LoadFromFile(TSettings::SettingsFile(Dir)));
        return s;
    }
    std::u16string PathText(const char* name) const {
        const std::u16string p = (Dir / name).u16string();
        return p;
    }

    fs::path Dir;
    TSettings Current, Defaults;
    TCopyOptions Copy;
    TFakeSettingsView View;
    TSettingsSaving Saving;
    std::unique_ptr<TSettingsForm> Form;
};

}  // namespace

TEST_F(SettingsForm, OpeningShowsTheRecordAndWritesNothing) {
    Current.Language = appEnglish;
    Current.UseCitation = false;
    Current.CitationOnNewLine = true;
    Current.BracketA = u'\uFD6A';
    Current.BracketB = u'\uFD6B';
    Current.QuranFontSize = 26;
    Current.CurrentProfileFullFileName = u"C:\\Profiles\\درس الجمعة.cvprofile";
    const TSettings before = Current;
    Open();
    EXPECT_EQ(View.Controls.LanguageItem, 1);
    EXPECT_EQ(View.Controls.Citation, ccNoInfo);
    EXPECT_EQ(View.Controls.Brackets, u"\uFD6B\uFD6A");
    EXPECT_EQ(View.Controls.QuranFontSize, u"26");
    EXPECT_EQ(View.Language, appEnglish);
    EXPECT_EQ(View.Caption, u"الإعدادات - درس الجمعة");
    // The fill's own control events were ignored: nothing changed or saved.
    EXPECT_EQ(Current, before);
    EXPECT_FALSE(fs::exists(TSettings::SettingsFile(Dir)));
}

TEST_F(SettingsForm, EveryChangeRewritesTheWholeRecordAndSaves) {
    Current.UseCitation = false;
    Current.CurrentProfileFullFileName = u"C:\\p.cvprofile";
    Current.PageNumber = 77;
    Open();
    View.Change([](TSettingsControls& c) { c.WaqfSignColor = 0x000080; });
    EXPECT_EQ(Current.WaqfSignColor, 0x000080u);
    EXPECT_FALSE(Current.UseCitation) << "citation off stays off through an unrelated change";
    EXPECT_TRUE(Current.CurrentProfileFullFileName.empty()) << "the next start must not reload the profile";
    EXPECT_EQ(Current.PageNumber, 77);
    EXPECT_EQ(View.Caption, u"الإعدادات");
    EXPECT_EQ(Saved(), Current);

    View.Change([](TSettingsControls& c) { c.LanguageItem = 1; });
    EXPECT_EQ(Current.Language, appEnglish);
    EXPECT_EQ(View.Language, appEnglish);
    EXPECT_EQ(View.Caption, u"Settings");
    EXPECT_EQ(Saved().Language, appEnglish);

    View.Change([](TSettingsControls& c) { c.Citation = ccNewLine; });
    EXPECT_TRUE(Current.UseCitation);
    EXPECT_TRUE(Current.CitationOnNewLine);
    View.Change([](TSettingsControls& c) { c.Citation = ccSameLine; });
    EXPECT_TRUE(Current.UseCitation);
    EXPECT_FALSE(Current.CitationOnNewLine);
}

TEST_F(SettingsForm, AdditionsRuleInItsThreeSteps) {
    Open();
    View.Change([](TSettingsControls& c) { c.AdditionIsteada = c.AdditionBasmala = true; });
    ASSERT_TRUE(Current.AdditionIsteada && Current.AdditionBasmala);

    // 1. Checking "قال تعالى" clears both formulas.
    View.Change([](TSettingsControls& c) { c.AdditionQalaTaallah = true; });
    EXPECT_TRUE(Current.AdditionQalaTaallah);
    EXPECT_FALSE(Current.AdditionIsteada);
    EXPECT_FALSE(Current.AdditionBasmala);
    EXPECT_FALSE(View.Controls.AdditionIsteada || View.Controls.AdditionBasmala) << "the boxes are cleared too";

    // 2. While it is checked, checking the isti'adha box is undone at once.
    View.Change([](TSettingsControls& c) { c.AdditionIsteada = true; });
    EXPECT_FALSE(View.Controls.AdditionIsteada);
    EXPECT_FALSE(Current.AdditionIsteada);

    // 3. Once it is cleared, both formulas can be checked together.
    View.Change([](TSettingsControls& c) { c.AdditionQalaTaallah = false; });
    View.Change([](TSettingsControls& c) { c.AdditionIsteada = c.AdditionBasmala = true; });
    EXPECT_TRUE(Current.AdditionIsteada && Current.AdditionBasmala);
    EXPECT_FALSE(Current.AdditionQalaTaallah);
    EXPECT_EQ(Saved(), Current);
}

TEST_F(SettingsForm, SizeBoxesStoreTheirNumberOrTheDefault) {
    Current.QuranFontSize = 30;
    Current.CitationFontSize = 14;
    Open();
    const struct {
        const char16_t* Text;
        int Quran, Citation;
    } cases[] = {
        {u"", 18, 10},
        {u"9", 9, 9},
        {u"28", 28, 28},
        {u"0", 0, 0},          // no range is enforced
        {u"1a", 18, 10},       // letters pasted in
        {u"-4", 18, 10},
        {u"99999999999", 18, 10},  // does not fit
    };
    for (const auto& c : cases) {
        View.Change([&](TSettingsControls& ctl) { ctl.QuranFontSize = ctl.CitationFontSize = c.Text; });
        EXPECT_EQ(Current.QuranFontSize, c.Quran) << "case " << &c - cases;
        EXPECT_EQ(Current.CitationFontSize, c.Citation) << "case " << &c - cases;
    }
}

TEST(SettingsFormRules, SizeBoxesTakeDigitsAndBackspaceOnly) {
    for (char16_t c : u"0123456789\b") EXPECT_TRUE(c == 0 || SizeBoxAcceptsChar(c)) << int(c);
    for (char16_t c : {u'a', u'-', u'+', u' ', u'.', u'\u0663', u'\x16', u'\r'}) EXPECT_FALSE(SizeBoxAcceptsChar(c)) << int(c);
}

TEST_F(SettingsForm, BracketListAndItsLookup) {
    const auto& items = BracketItems();
    ASSERT_EQ(items.size(), 18u);
    EXPECT_EQ(items.front(), u"\uFD5B\uFD5A");
    EXPECT_EQ(items.back(), u"\uFD7D\uFD7C");
    EXPECT_EQ(BracketItemIndex(Defaults.BracketA, Defaults.BracketB), 2);
    EXPECT_EQ(BracketItemIndex(u'\uFD5B', u'\uFD5A'), -1) << "a pair written the wrong way round is not offered";

    // A pair that is not offered selects nothing; reading back then takes the default pair.
    Current.BracketA = u'(';
    Current.BracketB = u')';
    Open();
    EXPECT_TRUE(View.Controls.Brackets.empty());
    View.Change([](TSettingsControls& c) { c.UseBrackets = false; });
    EXPECT_EQ(Current.BracketA, Defaults.BracketA);
    EXPECT_EQ(Current.BracketB, Defaults.BracketB);
    // Choosing item 17: its second character is BracketA, its first BracketB.
    View.Change([&](TSettingsControls& c) { c.Brackets = items[17]; });
    EXPECT_EQ(Current.BracketA, u'\uFD7C');
    EXPECT_EQ(Current.BracketB, u'\uFD7D');
}

TEST_F(SettingsForm, SaveAsThenOpenReproducesTheRecord) {
    Open();
    View.Change([](TSettingsControls& c) {
        c.QuranFontSize = u"24";
        c.QuranFontBold = true;
        c.QuranTextColor = 0x112233;
        c.HizbSignColor = 0x00FF00;
        c.SajdaSignColor = 0xFF0000;
        c.UseBrackets = false;
        c.Brackets = BracketItems()[9];
        c.BracketColor = 0x808080;
        c.Citation = ccNewLine;
        c.CitationFontName = u"Font Not Installed Anywhere";
        c.CitationFontSize = u"12";
        c.CitationFontColor = 0xABCDEF;
        c.AdditionIsteada = true;
    });
    ASSERT_EQ(Current.CitationFontName, u"Font Not Installed Anywhere") << "a typed name is stored as typed";
    const TSettings saved = Current;

    View.SaveAnswer = PathText("lesson.cvprofile");
    Form->SaveProfileAs();
    EXPECT_EQ(Current.CurrentProfileFullFileName, *View.SaveAnswer);
    EXPECT_EQ(View.Caption, u"الإعدادات - lesson");
    EXPECT_EQ(Saved().CurrentProfileFullFileName, *View.SaveAnswer);

    Form->RestoreDefaults();
    View.Change([](TSettingsControls& c) { c.WaqfSignColor = 0x0000FF; });
    View.OpenAnswer = View.SaveAnswer;
    Form->OpenProfile();
    TSettings expected = saved;
    expected.CurrentProfileFullFileName = *View.OpenAnswer;
    EXPECT_EQ(Current, expected);
    EXPECT_EQ(View.Controls, ControlsFromSettings(saved));
    EXPECT_EQ(View.Caption, u"الإعدادات - lesson");
    EXPECT_EQ(Saved(), Current);

    // Any change afterwards forgets the profile.
    View.Change([](TSettingsControls& c) { c.QuranFontBold = false; });
    EXPECT_TRUE(Saved().CurrentProfileFullFileName.empty());
    EXPECT_EQ(View.Caption, u"الإعدادات");
}

TEST_F(SettingsForm, OpenShowsTheProfilesLanguageAndKeepsThePageShown) {
    TSettings profile;
    profile.Language = appEnglish;
    profile.PageNumber = 300;
    profile.WaqfSignColor = 0x0000FF;
    profile.SaveToFile(Dir / "english.cvprofile");
    Current.PageNumber = 42;
    Open();
    ASSERT_EQ(View.Language, appArabic);

    View.OpenAnswer = PathText("english.cvprofile");
    Form->OpenProfile();
    EXPECT_EQ(Current.Language, appEnglish);
    EXPECT_EQ(View.Controls.LanguageItem, 1);
    EXPECT_EQ(View.Language, appEnglish);
    EXPECT_EQ(Current.PageNumber, 42) << "the page on screen is the page to remember";
    // The next change keeps the profile's language.
    View.Change([](TSettingsControls& c) { c.QuranFontBold = true; });
    EXPECT_EQ(Saved().Language, appEnglish);
    EXPECT_EQ(Saved().WaqfSignColor, 0x0000FFu);
}

TEST_F(SettingsForm, AProfileThatCannotBeReadWholeIsReportedAndChangesNothing) {
    TSettings profile;
    profile.QuranFontSize = 22;
    profile.BracketColor = 0x0000FF;
    std::vector<std::uint8_t> image = profile.Serialize();
    const std::vector<std::uint8_t> cut(image.begin(), image.begin() + 35);  // right after BracketColor
    image.insert(image.end(), {'P', 'K', 3, 4});
    struct Case {
        const char* What;
        const char* Name;
        std::optional<std::vector<std::uint8_t>> Bytes;  // nothing: no such file
    } cases[] = {
        {"cut short", "short.cvprofile", cut},
        {"followed by other bytes", "long.cvprofile", image},
        {"missing", "gone.cvprofile", std::nullopt},
    };
    for (const Case& c : cases) {
        Current.QuranFontSize = 26;
        Current.CurrentProfileFullFileName = PathText("mine.cvprofile");
        Current.SaveSettings(Dir);
        const TSettings before = Current;
        Open();
        const std::u16string caption = View.Caption;
        View.Errors.clear();
        if (c.Bytes)
            std::ofstream(Dir / c.Name, std::ios::binary)
                .write(reinterpret_cast<const char*>(c.Bytes->data()), std::streamsize(c.Bytes->size()));
        View.OpenAnswer = PathText(c.Name);
        Form->OpenProfile();
        EXPECT_EQ(Current, before) << c.What;
        EXPECT_EQ(Saved(), before) << c.What;
        EXPECT_EQ(View.Controls.QuranFontSize, u"26") << c.What;
        EXPECT_EQ(View.Caption, caption) << c.What;
        EXPECT_EQ(View.Errors.size(), 1u) << c.What;
    }
}

TEST_F(SettingsForm, CancelledDialogsChangeNothing) {
    Current.CurrentProfileFullFileName = u"C:\\p.cvprofile";
    Open();
    const TSettings before = Current;
    const std::u16string caption = View.Caption;
    Form->OpenProfile();
    Form->SaveProfileAs();
    EXPECT_EQ(Current, before);
    EXPECT_EQ(View.Caption, caption);
    EXPECT_FALSE(fs::exists(TSettings::SettingsFile(Dir)));
}

TEST_F(SettingsForm, AProfileThatCannotBeWrittenIsReportedAndTheOldFileStays) {
    Open();
    TSettings old;
    old.QuranFontSize = 20;
    const fs::path target = Dir / "kept.cvprofile";
    old.SaveToFile(target);
    // The new profile cannot take the place of a folder.
    const fs::path blocked = Dir / "blocked.cvprofile";
    fs::create_directories(blocked);
    View.Change([](TSettingsControls& c) { c.QuranFontSize = u"26"; });
    View.SaveAnswer = blocked.u16string();
    Form->SaveProfileAs();
    ASSERT_EQ(View.Errors.size(), 1u);
    EXPECT_EQ(View.Errors[0].rfind(ProfileNotSavedMessage(appArabic, ""), 0), 0u);
    EXPECT_TRUE(fs::is_directory(blocked));
    EXPECT_TRUE(Current.CurrentProfileFullFileName.empty()) << "a profile that was not written is not current";
    EXPECT_EQ(View.Caption, u"الإعدادات");
    TSettings reread;
    EXPECT_TRUE(reread.LoadFromFile(target));
    EXPECT_EQ(reread, old);
}

TEST_F(SettingsForm, DefaultSettingsKeepLanguageAndPageAndStayAfterARestart) {
    Current.Language = appEnglish;
    Current.PageNumber = 250;
    Current.QuranFontSize = 28;
    Current.CitationFontColor = 0x00FF00;
    Current.CurrentProfileFullFileName = PathText("mine.cvprofile");
    Current.SaveToFile(Dir / "mine.cvprofile");
    Open();
    Form->RestoreDefaults();
    EXPECT_EQ(Current.Language, appEnglish);
    EXPECT_EQ(Current.PageNumber, 250);
    EXPECT_EQ(Current.QuranFontSize, 18);
    EXPECT_EQ(Current.CitationFontColor, 0u);
    EXPECT_EQ(View.Controls.LanguageItem, 1);
    EXPECT_EQ(View.Controls.QuranFontSize, u"18");
    EXPECT_EQ(View.Caption, u"الإعدادات - الوضع الافتراضي");
    // Saved, and no longer tied to the profile that the next start would reload.
    const TSettings next = Saved();
    EXPECT_TRUE(next.CurrentProfileFullFileName.empty());
    EXPECT_EQ(next.QuranFontSize, 18);
    EXPECT_EQ(next.Language, appEnglish);
}

TEST_F(SettingsForm, HelpAndExitGoToTheWindow) {
    Open();
    Form->ShowHelp();
    Form->CloseDialog();
    EXPECT_EQ(View.HelpRequests, 1);
    EXPECT_TRUE(View.Closed);
    EXPECT_FALSE(fs::exists(TSettings::SettingsFile(Dir)));
}

// A settings file that cannot be written is reported once a run, however
// many changes follow; each change is still in effect.
TEST_F(SettingsForm, SettingsFileThatCannotBeWrittenIsReportedOnce) {
    Open();
    fs::create_directories(TSettings::SettingsFile(Dir));  // a folder in the file's place
    View.Change([](TSettingsControls& c) { c.QuranFontBold = true; });
    EXPECT_TRUE(Current.QuranFontBold) << "the change is in effect for the next copy";
    View.Change([](TSettingsControls& c) { c.UseBrackets = false; });
    Form->RestoreDefaults();
    EXPECT_FALSE(Current.QuranFontBold);
    ASSERT_EQ(View.Errors.size(), 1u);
    EXPECT_EQ(View.Errors[0].rfind(SettingsWriteErrorMessage(appArabic, ""), 0), 0u);
}

// Typing in a size box takes effect at once and writes the file when the
// typing pauses, or when the window closes before that; a click writes at once.
TEST_F(SettingsForm, TypingIsWrittenWhenItPauses) {
    Open();
    const fs::path file = TSettings::SettingsFile(Dir);
    for (const char16_t* text : {u"2", u"24"}) {
        View.Controls.QuranFontSize = text;
        Form->OnControlsChange(true);
    }
    EXPECT_EQ(Current.QuranFontSize, 24);
    EXPECT_EQ(View.SaveWaits, 2);
    EXPECT_FALSE(fs::exists(file));
    Form->SavePending();
    EXPECT_EQ(Saved().QuranFontSize, 24);
    fs::remove(file);
    Form->SavePending();  // nothing waits any more
    EXPECT_FALSE(fs::exists(file));

    View.Controls.CitationFontSize = u"30";
    Form->OnControlsChange(true);
    View.Change([](TSettingsControls& c) { c.QuranFontBold = true; });  // a click writes all
    EXPECT_EQ(Saved().CitationFontSize, 30);
    fs::remove(file);
    Form->SavePending();
    EXPECT_FALSE(fs::exists(file)) << "the click's save covered the typing";
}

// Every message of the dialog is in the interface language.
TEST_F(SettingsForm, MessagesAreInTheInterfaceLanguage) {
    for (TAppLanguage language : {appArabic, appEnglish}) {
        const bool arabic = language == appArabic;
        Current = TSettings();
        Current.Language = language;
        Saving = TSettingsSaving();
        Open();
        View.Errors.clear();
        View.OpenAnswer = PathText("gone.cvprofile");
        Form->OpenProfile();
        std::ofstream(Dir / "bad.cvprofile") << "GIF89a";
        View.OpenAnswer = PathText("bad.cvprofile");
        Form->OpenProfile();
        fs::create_directories(Dir / "folder.cvprofile");
        View.SaveAnswer = PathText("folder.cvprofile");
        Form->SaveProfileAs();
        fs::create_directories(TSettings::SettingsFile(Dir));
        View.Change([](TSettingsControls& c) { c.QuranFontBold = !c.QuranFontBold; });
        fs::remove_all(TSettings::SettingsFile(Dir));
        ASSERT_EQ(View.Errors.size(), 4u) << arabic;
        EXPECT_EQ(View.Errors[0], ProfileMissingMessage(language));
        EXPECT_EQ(View.Errors[1], ProfileDamagedMessage(language));
        EXPECT_EQ(View.Errors[2].rfind(ProfileNotSavedMessage(language, ""), 0), 0u);
        EXPECT_EQ(View.Errors[3].rfind(SettingsWriteErrorMessage(language, ""), 0), 0u);
        for (const std::u16string& e : View.Errors) {
            const bool hasArabic = std::any_of(e.begin(), e.end(), [](char16_t c) { return c >= 0x0600 && c <= 0x06FF; });
            EXPECT_EQ(hasArabic, arabic) << Utf16ToUtf8(e);
        }
    }
}

TEST(SettingsFormRules, Captions) {
    EXPECT_EQ(SettingsProfileCaption(u"C:\\Users\\me\\Profiles\\Friday.cvprofile"), u"الإعدادات - Friday");
    EXPECT_EQ(SettingsProfileCaption(u"/home/me/a.b.cvprofile"), u"الإعدادات - a.b");
    EXPECT_EQ(SettingsProfileCaption(u"C:\\x\\noext"), u"الإعدادات - noext");
    EXPECT_EQ(SettingsPlainTitle(appEnglish), u"Settings");
    EXPECT_EQ(std::u16string(SettingsFormTexts(appArabic).Parts[spSameLine]), u"في  السطر");
    EXPECT_EQ(std::u16string(SettingsFormTexts(appEnglish).Parts[spQalaTaallah]), u"قَالَ تَعالَى (Allah the Exalted says)");
    EXPECT_EQ(std::u16string(SettingsFormTexts(TAppLanguage(7)).Menus[smFile]), u"File");
}

TEST(SettingsFormRules, ColourBoxesOfferPlainColours) {
    ASSERT_EQ(StandardColors().size(), 16u);
    EXPECT_EQ(ColorBoxItemOf(0x000080), 2);                   // maroon, after the custom item
    EXPECT_EQ(ColorBoxItemOf(0x123456), CustomColorItem);
    EXPECT_EQ(PlainRgb(0x80000005), 0x000005u);                // a system-colour constant becomes plain RGB
    EXPECT_EQ(std::u16string(ColorItemName(10, appEnglish)), u"Red");
    EXPECT_EQ(std::u16string(ColorItemName(CustomColorItem, appArabic)), u"مخصص...");
}

TEST(SettingsFormLayout, LabelsStandAtTheLanguagesEdgeOfTheirGroup) {
    const int width = 530;
    const TSettingsPlaces en = SettingsFormLayout(appEnglish, width);
    const TSettingsPlaces ar = SettingsFormLayout(appArabic, width);
    const TControlPlace group = en[spQuranGroup];
    EXPECT_EQ(group.Width, SettingsSizes({}).GroupWidth);
    EXPECT_EQ(en[spWaqfLabel].Left - group.Left, 15);
    EXPECT_GT(en[spWaqfBox].Left, en[spWaqfLabel].Left + en[spWaqfLabel].Width - 1);
    const TControlPlace arGroup = ar[spQuranGroup];
    EXPECT_EQ(arGroup.Left + arGroup.Width - (ar[spWaqfLabel].Left + ar[spWaqfLabel].Width), 15);
    EXPECT_LT(ar[spWaqfBox].Left + ar[spWaqfBox].Width, ar[spWaqfLabel].Left + 1);
    // A window created mirrored shows the Arabic arrangement with the design's own places.
    for (int part = 0; part < spPartCount; ++part) {
        const TControlPlace inWindow = PlaceInWindow(ar[std::size_t(part)], true, width);
        EXPECT_NEAR(inWindow.Left, en[std::size_t(part)].Left, 1) << part;
    }
}

TEST(SettingsFormLayout, EverythingFitsTheScrolledContentAtEveryScale) {
    for (const int dpi : {96, 120, 144, 192})
    for (TAppLanguage language : {appArabic, appEnglish}) {
        SCOPED_TRACE(dpi);
        const TScale scale{dpi};
        const TSettingsSizes sizes = SettingsSizes(scale);
        const int width = scale(530);
        const TSettingsPlaces p = SettingsFormLayout(language, width, scale);
        // Beside the scroll bar, at the language's far edge.
        const TControlPlace bar = SettingsScrollBarPlace(language, width, scale(400), scale);
        EXPECT_EQ(bar.Left == 0, language == appArabic);
        for (const TSettingsPart group :
             {spLanguageGroup, spQuranGroup, spCitationGroup, spAdditionsGroup, spCopyGroup}) {
            EXPECT_GE(p[group].Left, 0);
            EXPECT_LE(p[group].Left + p[group].Width, width);
            EXPECT_TRUE(p[group].Left >= bar.Left + bar.Width || p[group].Left + p[group].Width <= bar.Left);
        }
        EXPECT_LE(p[spCopyGroup].Top + p[spCopyGroup].Height, sizes.ContentHeight);
        EXPECT_GT(p[spCopyGroup].Top + p[spCopyGroup].Height, sizes.ContentHeight - scale(60))
            << "the content fills the scrolled range";
        // Groups follow each other without overlapping.
        EXPECT_LE(p[spLanguageGroup].Top + p[spLanguageGroup].Height, p[spQuranGroup].Top);
        EXPECT_LE(p[spQuranGroup].Top + p[spQuranGroup].Height, p[spCitationGroup].Top);
        EXPECT_LE(p[spCitationGroup].Top + p[spCitationGroup].Height, p[spAdditionsGroup].Top);
        EXPECT_LE(p[spAdditionsGroup].Top + p[spAdditionsGroup].Height, p[spCopyGroup].Top);
        for (const TSettingsPart part : {spUthmani, spImlai, spHtmlAndText}) {
            EXPECT_GE(p[part].Top, p[spCopyGroup].Top);
            EXPECT_LE(p[part].Top + p[part].Height, p[spCopyGroup].Top + p[spCopyGroup].Height);
        }
    }
}

TEST(SettingsFormLayout, TheFocusedPartIsScrolledIntoViewWithItsGroupWhenItFits) {
    // Content rows: Quran group 62-440 (waqf box row 200, bracket list row 352),
    // citation group 448-624 (font box row 510), additions group 632-694,
    // the copy formats' group below it to the content's end at 820.
    struct Case { TSettingsPart Part; int From, Client, To; } cases[] = {
        {spIsteada, 0, 400, 294},           // the additions group's bottom at the client's bottom
        {spHtmlAndText, 0, 400, 402},       // the copy formats' group (to 802) at the client's bottom, not the additions
        {spCitationFontBox, 0, 400, 224},   // the whole citation group
        {spCitationFontBox, 224, 400, 224}, // already in view: no move
        {spArabicItem, 294, 400, 6},        // back up to the language group's top
        {spFontSizeBox, 294, 400, 62},      // the Quran group fits 400 rows: its top
        {spWaqfBox, 0, 200, 50},            // a group taller than the client: the box alone, closed
        {spBracketList, 0, 200, 202},       // the bracket list's closed box, not its list
        {spWaqfBox, 300, 200, 200},         // upwards: the box at the top
        {spIsteada, 500, 400, 420},         // in view, but past the content's end (820): clamped
        {spQuranGroup, 500, 400, 62},
    };
    for (TAppLanguage language : {appArabic, appEnglish}) {
        const TSettingsPlaces p = SettingsFormLayout(language, 530);
        for (const Case& c : cases)
            EXPECT_EQ(ScrollToShowPart(c.Part, p, c.From, c.Client), c.To)
                << "part " << c.Part << " from " << c.From << " in " << c.Client << ", language " << int(language);
    }
    // At 192 DPI every row is twice as far down, the closed box twice as tall.
    const TScale twice{192};
    const TSettingsPlaces large = SettingsFormLayout(appArabic, 1060, twice);
    for (const Case& c : cases)
        EXPECT_EQ(ScrollToShowPart(c.Part, large, 2 * c.From, 2 * c.Client, twice), 2 * c.To)
            << "part " << c.Part << " at 192 DPI";
    EXPECT_EQ(SettingsGroupOf(spEnglishItem), spLanguageGroup);
    EXPECT_EQ(SettingsGroupOf(spBracketColorBox), spQuranGroup);
    EXPECT_EQ(SettingsGroupOf(spNoCitation), spCitationGroup);
    EXPECT_EQ(SettingsGroupOf(spQalaTaallah), spAdditionsGroup);
    EXPECT_EQ(SettingsGroupOf(spUthmani), spCopyGroup);
    EXPECT_EQ(SettingsGroupOf(spHtmlAndText), spCopyGroup);
}

TEST(SettingsFormRules, FontListAndScrollRange) {
    EXPECT_EQ(FontFamilyItems({u"Tahoma", u"@MS Gothic", u"Arial", u"Tahoma", u""}),
              (std::vector<std::u16string>{u"Arial", u"Tahoma"}));
    EXPECT_EQ(ClampScrollPosition(500, 400), SettingsSizes({}).ContentHeight - 400);
    EXPECT_EQ(ClampScrollPosition(2000, 800, {192}), 2 * 820 - 800) << "the content is as tall as the scale";
    EXPECT_EQ(ClampScrollPosition(-20, 400), 0);
    EXPECT_EQ(ClampScrollPosition(100, 900), 0) << "a window taller than its content does not scroll";
}

TEST_F(SettingsForm, TheCopyChoicesLiveInTheOptionsFileNotInTheRecordOrProfiles) {
    SaveCopyOptions({false, TSpelling::Imlai}, Dir);
    Copy = LoadCopyOptions(Dir);  // as the start-up timer reads it
    Open();
    EXPECT_EQ(View.Controls.Spelling, TSpelling::Imlai) << "shown as read";
    EXPECT_FALSE(View.Controls.HtmlAndText);

    View.Change([](TSettingsControls& c) { c.HtmlAndText = true; });
    EXPECT_EQ(Copy, (TCopyOptions{true, TSpelling::Imlai})) << "in effect for the next copy";
    EXPECT_EQ(LoadCopyOptions(Dir), Copy) << "and saved at once";
    EXPECT_EQ(fs::file_size(TSettings::SettingsFile(Dir)), 110u) << "the record keeps its layout";

    // A profile neither carries the choices nor changes them.
    View.SaveAnswer = PathText("choices.cvprofile");
    Form->SaveProfileAs();
    EXPECT_EQ(fs::file_size(*View.SaveAnswer), 110u) << "a profile keeps its layout";
    View.Change([](TSettingsControls& c) { c.Spelling = TSpelling::Uthmani; });
    View.OpenAnswer = View.SaveAnswer;
    Form->OpenProfile();
    EXPECT_EQ(Copy, (TCopyOptions{true, TSpelling::Uthmani}));
    EXPECT_EQ(View.Controls.Spelling, TSpelling::Uthmani);

    // Default settings restore them too, and save that at once.
    Form->RestoreDefaults();
    EXPECT_EQ(Copy, TCopyOptions());
    EXPECT_EQ(LoadCopyOptions(Dir), TCopyOptions());
    EXPECT_EQ(View.Controls.Spelling, TSpelling::Uthmani);
    EXPECT_FALSE(View.Controls.HtmlAndText);
}

TEST_F(SettingsForm, AnOptionsFileThatCannotBeWrittenIsReportedAndTheChoiceStillHolds) {
    fs::create_directory(OptionsFilePath(Dir));  // a folder where the file should be
    Open();
    View.Change([](TSettingsControls& c) { c.Spelling = TSpelling::Imlai; });
    EXPECT_EQ(Copy.Spelling, TSpelling::Imlai);
    ASSERT_EQ(View.Errors.size(), 1u);
    EXPECT_EQ(View.Errors[0].rfind(u"The options file cannot be written", 0), 0u);
    View.Change([](TSettingsControls& c) { c.QuranFontBold = true; });
    EXPECT_EQ(View.Errors.size(), 1u) << "an unrelated change does not write the options again";
}
