#include <gtest/gtest.h>

#include <atomic>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

#include "base/ResourceMap.h"
#include "base/Utf.h"
#include "app/MainForm.h"
#include "pagemodel/PageDataWriter.h"
#include "pagemodel/PageResource.h"
#include "app/MainNavigator.h"
#include "search/SuraIndexForm.h"
#include "search/SearchForm.h"
#include "settings/Settings.h"
#include "settings/CopyOptions.h"
#include "settings/SettingsSaving.h"
#include "text/ClipboardTexts.h"
#include "text/RtfComposition.h"
#include "CountingResources.h"
#include "ViewerFixtures.h"

namespace {

namespace fs = std::filesystem;
using V = std::vector<int>;

struct TRecordingMainEvents : TMainView {
    std::vector<std::u16string> Errors;
    std::vector<TCommandId> Commands;
    std::vector<std::u16string> StripPictures;
    std::vector<bool> StripShown;
    int Closes = 0, EndRuns = 0, Fronts = 0, Moves = 0, TimerStops = 0, UpdateChecks = 0, PageSaveWaits = 0;
    std::vector<std::pair<int, int>> Notices;
    std::function<void()> OnPump;  // input that arrives while a page opens
    std::function<void(TPage&)> OnAttach;
    std::vector<std::u16string> Clipboard;  // every document put there
    std::vector<TClipboardDocument> Documents;  // with their other formats
    void InvalidateWindow() override {}
    void PlaceView(const TRectI&) override {}
    void PlaceHeaderStrip(const TRectI&) override {}
    void RepaintHeaderStrip() override {}
    void ReportError(std::u16string_view m) override { Errors.emplace_back(m); }
    bool ClipboardBusy = false;  // another program holds the clipboard
    bool PutOnClipboard(const TClipboardDocument& d) override {
        if (ClipboardBusy) return false;
        Clipboard.push_back(d.Rtf);
        Documents.push_back(d);
        return true;
    }
    void RunCommand(TCommandId c) override { Commands.push_back(c); }
    void LoadHeaderStripPictures(std::u16string_view j, std::u16string_view s) override {
        StripPictures.emplace_back(j);
        StripPictures.emplace_back(s);
    }
    void ShowHeaderStrip(bool v) override { StripShown.push_back(v); }
    void ProcessPendingMessages() override { if (OnPump) OnPump(); }
    void AttachPagePictures(TPage& p) override { if (OnAttach) OnAttach(p); }
    void CloseWindow() override { ++Closes; }
    void EndRun() override { ++EndRuns; }
    void BringToFront() override { ++Fronts; }
    void BeginWindowMove() override { ++Moves; }
    void StopStartupTimer() override { ++TimerStops; }
    void StartUpdateCheck() override { ++UpdateChecks; }
    void ShowUpdateNotice(int a, int b) override { Notices.emplace_back(a, b); }
    void StartPageSaveTimer() override { ++PageSaveWaits; }
};

// The ayat of the two-sura page: two words and a mark, two words and a mark, one word and a mark.
const char kStore[] = R"(<?xml version="1.0" encoding="utf-8"?>
<ayat version="t">
  <entry sura="1" aya="7" page="1"><unicodeex>a17 b17 ٧</unicodeex><UnicodeSpaceex>a17 b17 ٧</UnicodeSpaceex><EmlaeySpaceex>i17 j17 ٧</EmlaeySpaceex></entry>
  <entry sura="2" aya="1" page="2"><unicodeex>a21 b21 ١</unicodeex><UnicodeSpaceex>a21 b21 ١</UnicodeSpaceex><EmlaeySpaceex>i21 j21 ١</EmlaeySpaceex></entry>
  <entry sura="2" aya="2" page="2"><unicodeex>c22 ٢</unicodeex><UnicodeSpaceex>c22 ٢</UnicodeSpaceex><EmlaeySpaceex>k22 ٢</EmlaeySpaceex></entry>
</ayat>
)";

bool Holds(std::u16string_view document, std::u16string_view text) {
    return document.find(EscapeRtfUnicode(text)) != std::u16string_view::npos;
}

std::u16string PageResource(int n) {
    std::u16string s = u"svg_";  // stored in another case than the loader asks
    for (char c : std::to_string(n)) s.push_back(char16_t(c));
    return s;
}

std::vector<std::uint8_t> PageBytes(int n) {
    TPage page;
    BuildTwoSuraPage(page, n);
    return WritePageData(page);
}

class MainFormTest : public ::testing::Test {
protected:
    void SetUp() override {
        static std::atomic<int> counter{0};
        folder = fs::temp_directory_path() / ("tiravel-mainform-" + std::to_string(counter++) + "-" +
                                              ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder);
        fs::create_directories(folder);
        for (int n : {1, 2, 3, 41, 42, 43, 603, 604}) resources.Add(PageResource(n), PageBytes(n));
        resources.Add(u"HafsUnicode", std::vector<std::uint8_t>(std::begin(kStore), std::end(kStore) - 1));
        core = std::make_unique<TMainForm>(events, &view, resources, settings, folder, 1080);
        core->FormCreated();
    }
    void TearDown() override {
        core.reset();
        fs::remove_all(folder);
    }
    // Ends the splash the way the start-up timer does, on page `page`.
    void StartOn(int page) {
        TSettings saved;
        saved.PageNumber = page;
        saved.SaveSettings(folder);
        core->StartupTimerFired();
        ASSERT_EQ(core->Viewer().Page().PageNumber, page);
    }
    int Shown() const { return core->Viewer().Page().PageNumber; }
    // The page in the settings file once the page-save wait has ended.
    int StoredPage() const {
        core->PageSaveTimerFired();
        TSettings s;
        s.LoadSetting(folder);
        return s.PageNumber;
    }

    fs::path folder;
    TResourceMap resources;
    TSettings settings;
    TRecordingMainEvents events;
    TRecordingViewEvents view;
    std::unique_ptr<TMainForm> core;
    TPageScaleGuard scaleGuard;  // the page opened sets the scale
};

TEST_F(MainFormTest, ConstructionLaysOutTheSplash) {
    EXPECT_EQ(core->InitialSize(), (TSizeI{585, 864}));
    EXPECT_EQ(core->MushafRect(), MushafRect(585, 864));
    EXPECT_NEAR(core->HeaderAspectRatio(), 13.525, 1e-9);
    EXPECT_TRUE(core->DrawSplash());
    EXPECT_FALSE(core->PageOpening());
    EXPECT_EQ(core->PageNumber, 1);
    EXPECT_FALSE(core->HeaderStrip().Visible());
    core->Resize(677, 1000);
    EXPECT_NEAR(core->HeaderAspectRatio(), 13.525, 1e-9);  // fixed at creation
}

TEST_F(MainFormTest, NoInputDuringTheSplashOpensAPageOrWritesTheSettings) {
    TSettings saved;
    saved.PageNumber = 300;
    saved.Language = appEnglish;
    saved.SaveSettings(folder);
    const auto before = fs::last_write_time(TSettings::SettingsFile(folder));

    EXPECT_FALSE(core->OpenPage(0, 0));
    EXPECT_TRUE(core->KeyDown(vkLeft, 0));
    EXPECT_TRUE(core->MouseWheel(120));
    core->HandlePrivateMessage(MsgOpenPage, 0, 0);
    EXPECT_EQ(core->ConfirmGoToPage(u"42").Kind, TGoToPageDecision::gpOpen);
    EXPECT_FALSE(core->PopupMenuOpening());
    core->MouseEnteredWindow();

    EXPECT_EQ(core->PageNumber, 1);
    EXPECT_EQ(Shown(), 0);
    EXPECT_EQ(StoredPage(), 300);
    EXPECT_EQ(fs::last_write_time(TSettings::SettingsFile(folder)), before);
    EXPECT_TRUE(events.StripShown.empty());
    EXPECT_TRUE(events.Errors.empty());
}

TEST_F(MainFormTest, StartupTimerOpensTheRememberedPageOnce) {
    resources.Add(u"SVG_300", PageBytes(300));
    TSettings saved;
    saved.PageNumber = 300;
    saved.SaveSettings(folder);
    core->StartupTimerFired();
    EXPECT_FALSE(core->DrawSplash());
    EXPECT_EQ(core->PageNumber, 300);
    EXPECT_EQ(Shown(), 300);
    EXPECT_EQ(events.TimerStops, 1);
    EXPECT_EQ(events.UpdateChecks, 1);
    core->PageNumber = 42;
    core->StartupTimerFired();  // a late second tick does nothing
    EXPECT_EQ(Shown(), 300);
    EXPECT_EQ(events.UpdateChecks, 1);
    EXPECT_TRUE(core->PopupMenuOpening());
}

// The page that the settings file names is read while the splash shows; the
// settings taken at its end decide the page, which is read once.
TEST_F(MainFormTest, ThePageReadDuringTheSplashIsOpenedWhenTheSettingsStillNameIt) {
    struct TCase {
        int AtStart, AtEnd;  // the page the settings name at each end of the splash
    };
    for (const TCase& c : {TCase{42, 42}, TCase{42, 43}}) {
        SCOPED_TRACE(std::to_string(c.AtStart) + " then " + std::to_string(c.AtEnd));
        const TCountingResources counting(resources);
        TRecordingMainEvents ownEvents;
        TMainForm form(ownEvents, &view, counting, settings, folder, 1080);
        form.FormCreated();
        TSettings saved;
        saved.PageNumber = c.AtStart;
        saved.SaveSettings(folder);
        form.StartReadingFirstPage();
        saved.PageNumber = c.AtEnd;
        saved.SaveSettings(folder);
        form.StartupTimerFired();
        EXPECT_EQ(form.Viewer().Page().PageNumber, c.AtEnd);
        EXPECT_EQ(counting.Asked(PageResourceName(c.AtStart)), 1);
        EXPECT_EQ(counting.Asked(PageResourceName(c.AtEnd)), 1);
        EXPECT_TRUE(ownEvents.Errors.empty());
        TPage direct;
        ReadPageResource(direct, c.AtEnd, resources);
        EXPECT_EQ(form.Viewer().Page().WordList.size(), direct.WordList.size());
    }
}

// A page whose resource is missing fails on the worker without a word; the
// opening then meets the error itself and reports it once.
TEST_F(MainFormTest, APageThatCannotBeReadAheadIsReportedOnceWhenOpened) {
    TSettings saved;
    saved.PageNumber = 300;
    saved.SaveSettings(folder);
    core->StartReadingFirstPage();
    core->StartupTimerFired();
    ASSERT_EQ(events.Errors.size(), 1u);
    EXPECT_NE(events.Errors[0].find(u"SVG_300"), std::u16string::npos);
}

TEST_F(MainFormTest, FirstRunOpensPageOneAndWritesADefaultSettingsFile) {
    core->StartupTimerFired();
    EXPECT_EQ(Shown(), 1);
    core->PageSaveTimerFired();
    EXPECT_EQ(fs::file_size(TSettings::SettingsFile(folder)), 110u);
    EXPECT_EQ(settings.PageNumber, 1);
}

TEST_F(MainFormTest, RememberedProfileIsReadAgainButNotItsPage) {
    const fs::path profile = folder / "mine.cvprofile";
    TSettings p;
    p.QuranFontSize = 40;
    p.PageNumber = 3;
    p.SaveToFile(profile);
    TSettings saved;
    saved.PageNumber = 42;
    saved.CurrentProfileFullFileName = profile.u16string();
    saved.SaveSettings(folder);

    core->StartupTimerFired();
    EXPECT_EQ(Shown(), 42);  // the page comes from the settings file, taken before the profile
    EXPECT_EQ(settings.QuranFontSize, 40);
    EXPECT_EQ(settings.CurrentProfileFullFileName, profile.u16string());
    EXPECT_EQ(StoredPage(), 42);
}

TEST_F(MainFormTest, MissingProfileKeepsTheSettingsAndItsName) {
    TSettings saved;
    saved.PageNumber = 43;
    saved.QuranFontSize = 33;
    saved.CurrentProfileFullFileName = (folder / "gone.cvprofile").u16string();
    saved.SaveSettings(folder);
    core->StartupTimerFired();
    EXPECT_EQ(Shown(), 43);
    EXPECT_EQ(settings.QuranFontSize, 33);
    EXPECT_EQ(settings.CurrentProfileFullFileName, saved.CurrentProfileFullFileName);
}

// A settings file that cannot be used: its bytes, and the size it is then
// grown to (sparse) when not 0.
struct TBadSettingsFile {
    const char* What;
    std::vector<std::uint8_t> Bytes;
    std::uintmax_t Size = 0;
};

void PrintTo(const TBadSettingsFile& c, std::ostream* out) { *out << c.What; }

class BadSettingsFileTest : public MainFormTest, public ::testing::WithParamInterface<TBadSettingsFile> {};

TEST_P(BadSettingsFileTest, DefaultsRunAndTheFileStaysUntilAPageIsTurned) {
    const TBadSettingsFile& c = GetParam();
    const fs::path file = TSettings::SettingsFile(folder);
    std::ofstream(file, std::ios::binary).write(reinterpret_cast<const char*>(c.Bytes.data()), c.Bytes.size());
    if (c.Size) fs::resize_file(file, c.Size);
    const auto written = fs::last_write_time(file);

    core->StartupTimerFired();
    EXPECT_FALSE(core->DrawSplash());
    EXPECT_EQ(Shown(), 1);
    EXPECT_EQ(settings, TSettings()) << "the defaults are in effect";
    EXPECT_EQ(fs::last_write_time(file), written) << "the file is left for the user";
    EXPECT_EQ(fs::file_size(file), c.Size ? c.Size : c.Bytes.size());
    EXPECT_TRUE(events.Errors.empty());

    EXPECT_TRUE(core->KeyDown(vkLeft, 0));  // turning a page stores it, as always
    EXPECT_EQ(Shown(), 2);
    EXPECT_EQ(StoredPage(), 2);
}

// The user's settings, less their last `cut` bytes.
std::vector<std::uint8_t> MySettings(std::size_t cut = 0) {
    TSettings mine;
    mine.PageNumber = 42;
    mine.QuranFontSize = 30;
    std::vector<std::uint8_t> image = mine.Serialize();
    image.resize(image.size() - cut);
    return image;
}

INSTANTIATE_TEST_SUITE_P(
    MainForm, BadSettingsFileTest,
    ::testing::Values(TBadSettingsFile{"cut short", MySettings(3)},
                      TBadSettingsFile{"a whole record followed by 64 MB", MySettings(), std::uintmax_t(1) << 26},
                      TBadSettingsFile{"no settings record", {'G', 'I', 'F', '8', '9', 'a'}}),
    [](const ::testing::TestParamInfo<TBadSettingsFile>& info) {
        std::string name;
        for (const char* p = info.param.What; *p; ++p)
            if (std::isalnum(static_cast<unsigned char>(*p))) name += *p;
        return name;
    });

TEST_F(MainFormTest, ARememberedProfileThatCannotBeUsedKeepsTheSettingsFile) {
    const fs::path profile = folder / "damaged.cvprofile";
    TSettings p;
    p.QuranFontSize = 40;
    std::vector<std::uint8_t> cut = p.Serialize();
    cut.resize(cut.size() / 2);  // the font size read, the rest missing
    std::ofstream(profile, std::ios::binary).write(reinterpret_cast<const char*>(cut.data()), cut.size());
    TSettings saved;
    saved.PageNumber = 43;
    saved.QuranFontSize = 33;
    saved.CurrentProfileFullFileName = profile.u16string();
    saved.SaveSettings(folder);

    core->StartupTimerFired();
    EXPECT_EQ(Shown(), 43);
    EXPECT_EQ(settings, saved);
    EXPECT_EQ(fs::file_size(profile), cut.size());
}

TEST_F(MainFormTest, PageTurningClampsAndStores) {
    StartOn(42);
    EXPECT_TRUE(core->KeyDown(vkLeft, 0));
    EXPECT_EQ(Shown(), 43);
    EXPECT_EQ(StoredPage(), 43);
    EXPECT_TRUE(core->KeyDown(vkRight, ssShift | ssCtrl));
    EXPECT_EQ(Shown(), 42);
    EXPECT_TRUE(core->KeyDown(vkLeft, ssCtrl));
    EXPECT_EQ(Shown(), 43);
    EXPECT_TRUE(core->MouseWheel(-120));
    EXPECT_EQ(Shown(), 42);
    EXPECT_TRUE(core->MouseWheel(1));
    EXPECT_EQ(Shown(), 43);
    EXPECT_TRUE(core->MouseWheel(0));
    EXPECT_EQ(Shown(), 43);

    core->PageNumber = 604;
    ASSERT_TRUE(core->OpenPage(0, 0));
    core->Viewer().Page().SelectWholeSura();
    EXPECT_TRUE(core->KeyDown(vkLeft, 0));  // reopens 604, the selection goes
    EXPECT_EQ(core->PageNumber, 604);
    EXPECT_EQ(Shown(), 604);
    EXPECT_FALSE(core->Viewer().Page().Selected());
    core->PageNumber = 1;
    ASSERT_TRUE(core->OpenPage(0, 0));
    core->KeyDown(vkRight, 0);
    EXPECT_EQ(core->PageNumber, 1);
    core->MouseWheel(-5);
    EXPECT_EQ(core->PageNumber, 1);
}

TEST_F(MainFormTest, KeyMapRunsCommands) {
    StartOn(42);
    struct Case { int Key; TShiftState Shift; TCommandId Command; } cases[] = {
        {'G', ssCtrl | ssShift, cmGoToPage}, {'F', ssCtrl | ssAlt, cmSearch},
    };
    for (const Case& c : cases) {
        events.Commands.clear();
        EXPECT_TRUE(core->KeyDown(c.Key, c.Shift));
        EXPECT_EQ(events.Commands, std::vector<TCommandId>{c.Command}) << char(c.Key);
    }
    events.Commands.clear();
    for (int key : {int('C'), int('G'), int('F'), int('A'), int('D'), 38, 40, 33, 34, 36, 35, int('X')}) EXPECT_FALSE(core->KeyDown(key, 0)) << key;
    EXPECT_TRUE(events.Commands.empty());
    EXPECT_EQ(Shown(), 42);

    EXPECT_TRUE(core->KeyDown(vkEscape, 0));
    EXPECT_TRUE(core->KeyDown(vkEscape, ssCtrl));
    EXPECT_EQ(events.EndRuns, 2);
}

TEST_F(MainFormTest, ShiftArrowsSelectWordsThatCopyAsAMouseSelectionDoes) {
    StartOn(42);
    for (int i = 0; i < 3; ++i) EXPECT_TRUE(core->KeyDown(vkLeft, ssShift));
    EXPECT_EQ(Shown(), 42);  // no page turned
    EXPECT_EQ(SelectedIndices(core->Viewer().Page()), (V{0, 1, 2}));
    EXPECT_TRUE(core->KeyDown('C', ssCtrl));
    ASSERT_EQ(events.Clipboard.size(), 1u);
    EXPECT_TRUE(Holds(events.Clipboard[0], u"a17 b17"));

    // The same words clicked and dragged over: the same document.
    core->KeyDown('D', ssCtrl);
    TPage& page = core->Viewer().Page();
    auto centre = [&](int i) {
        const TExtents e = page.WordList[std::size_t(i)]->Extents();
        return std::pair<int, int>{int((e.MinX + e.MaxX) / 2 * PageScale), int((e.MinY + e.MaxY) / 2 * PageScale)};
    };
    const auto [x0, y0] = centre(0);
    const auto [x1, y1] = centre(2);
    core->Viewer().MouseDown(mbLeft, 0, x0, y0);
    core->Viewer().MouseMove(ssLeft, x0, y0);
    core->Viewer().MouseMove(ssLeft, x1, y1);
    core->Viewer().MouseUp(mbLeft, 0, x1, y1);
    ASSERT_EQ(SelectedIndices(page), (V{0, 1, 2}));
    EXPECT_TRUE(core->KeyDown('C', ssCtrl));
    ASSERT_EQ(events.Clipboard.size(), 2u);
    EXPECT_EQ(events.Clipboard[1], events.Clipboard[0]);

    // Down a line, then past the page's end: the page stays.
    EXPECT_TRUE(core->KeyDown(vkDown, ssShift));
    for (int i = 0; i < 10; ++i) core->KeyDown(vkLeft, ssShift);
    EXPECT_EQ(Shown(), 42);
}

TEST_F(MainFormTest, CopyPutsTheSelectionOnTheClipboardAndNothingWithoutOne) {
    StartOn(42);
    EXPECT_TRUE(core->KeyDown('C', ssCtrl));
    core->ExecuteCommand(cmCopy);
    EXPECT_TRUE(events.Clipboard.empty());  // nothing selected: the clipboard keeps what it had
    EXPECT_FALSE(core->SelectionDocument());

    core->Viewer().MouseDown(mbLeft, 0, int(435 * PageScale), int(170 * PageScale));  // the second word of 2:1
    EXPECT_TRUE(core->KeyDown('C', ssCtrl));
    ASSERT_EQ(events.Clipboard.size(), 1u);
    const std::u16string& copied = events.Clipboard[0];
    EXPECT_EQ(copied.rfind(u"{\\rtf", 0), 0u);
    EXPECT_TRUE(Holds(copied, u"b21"));
    EXPECT_FALSE(Holds(copied, u"a21"));
    ASSERT_TRUE(core->SelectionDocument());
    EXPECT_EQ(core->SelectionDocument()->Rtf, copied);  // what a drag offers
    EXPECT_FALSE(events.Documents[0].Html || events.Documents[0].Text) << "the Rich Text alone by default";
    EXPECT_TRUE(events.Commands.empty());
}

TEST_F(MainFormTest, TheOptionsFileChoosesTheSpellingAndTheFormatsOfEveryCopy) {
    SaveCopyOptions({true, TSpelling::Imlai}, folder);
    StartOn(42);
    EXPECT_EQ(core->CopyOptions, (TCopyOptions{true, TSpelling::Imlai}));
    core->Viewer().MouseDown(mbLeft, 0, int(435 * PageScale), int(170 * PageScale));  // the second word of 2:1
    EXPECT_TRUE(core->KeyDown('C', ssCtrl));
    core->CopyRange({2, 1, 2});
    ASSERT_EQ(events.Documents.size(), 2u);
    for (const TClipboardDocument& d : events.Documents) {
        EXPECT_TRUE(d.Html && d.Text);
        EXPECT_FALSE(Holds(d.Rtf, u"b21") || Holds(d.Rtf, u"a21")) << "no Uthmani word";
    }
    EXPECT_EQ(*events.Documents[0].Text, u"\uFD3Fj21\uFD3E \uFD3Fالبَقَرَةِ : ١\uFD3E");
    EXPECT_TRUE(Holds(events.Documents[1].Rtf, u" i21 j21 ١ k22 ٢"));
    EXPECT_NE(events.Documents[1].Html->find("i21 j21"), std::string::npos);
    EXPECT_EQ(core->SelectionDocument()->Text, events.Documents[0].Text) << "what a drag offers";

    // Changed while running: the next copy follows.
    core->CopyOptions = TCopyOptions();
    EXPECT_TRUE(core->KeyDown('C', ssCtrl));
    EXPECT_FALSE(events.Documents.back().Html || events.Documents.back().Text);
    EXPECT_TRUE(Holds(events.Documents.back().Rtf, u"b21"));
}

TEST_F(MainFormTest, CopyRangeCopiesWholeAyatOfOneSura) {
    StartOn(42);
    core->CopyRange({2, 2, 1});  // bounds given the wrong way round
    ASSERT_EQ(events.Clipboard.size(), 1u);
    EXPECT_TRUE(Holds(events.Clipboard[0], u"a21 b21"));
    EXPECT_TRUE(Holds(events.Clipboard[0], u"c22"));
    EXPECT_FALSE(Holds(events.Clipboard[0], u"a17"));
}

TEST_F(MainFormTest, ACopyTheClipboardRefusesIsReportedInTheInterfaceLanguage) {
    StartOn(42);
    events.ClipboardBusy = true;
    core->Viewer().MouseDown(mbLeft, 0, int(435 * PageScale), int(170 * PageScale));
    EXPECT_TRUE(core->KeyDown('C', ssCtrl));
    core->CopyRange({2, 1, 2});
    ASSERT_EQ(events.Errors.size(), 2u);
    EXPECT_EQ(events.Errors[0], ClipboardBusyMessage(appArabic));
    EXPECT_EQ(events.Errors[1], ClipboardBusyMessage(appArabic));

    settings.Language = appEnglish;
    events.ClipboardBusy = false;
    EXPECT_TRUE(core->KeyDown('C', ssCtrl));  // a copy that lands says nothing
    EXPECT_EQ(events.Errors.size(), 2u);
    events.ClipboardBusy = true;
    EXPECT_TRUE(core->KeyDown('C', ssCtrl));
    ASSERT_EQ(events.Errors.size(), 3u);
    EXPECT_EQ(events.Errors[2], ClipboardBusyMessage(appEnglish));
}

TEST_F(MainFormTest, CtrlAPicksThePageFirstSuraAndCtrlDClears) {
    StartOn(42);
    const int paints = view.Paints;
    core->KeyDown('A', ssCtrl);
    EXPECT_EQ(SelectedIndices(core->Viewer().Page()), (V{0, 1, 2}));
    core->KeyDown('D', ssCtrl | ssShift);
    EXPECT_FALSE(core->Viewer().Page().Selected());
    EXPECT_EQ(view.Paints, paints + 2);
}

TEST_F(MainFormTest, OpenPageSelectsTheAskedAya) {
    StartOn(41);
    core->PageNumber = 42;
    ASSERT_TRUE(core->OpenPage(2, 1));
    EXPECT_EQ(SelectedIndices(core->Viewer().Page()), (V{3, 4, 5}));
    core->PageNumber = 43;
    ASSERT_TRUE(core->OpenPage(0, 1));  // both must be non-zero
    EXPECT_FALSE(core->Viewer().Page().Selected());
}

TEST_F(MainFormTest, SelectAyaOnThePageShown) {
    StartOn(42);
    core->Viewer().Page().SelectWholeSura();
    EXPECT_TRUE(core->SelectAya(2, 2));
    EXPECT_EQ(SelectedIndices(core->Viewer().Page()), (V{6, 7}));
    EXPECT_FALSE(core->SelectAya(9, 9));
    EXPECT_FALSE(core->Viewer().Page().Selected());
}

TEST_F(MainFormTest, RequestsDuringAnOpeningAreRefused) {
    StartOn(42);
    bool nestedOpen = true, nestedSelect = true;
    int pageDuringPump = 0;
    bool pumped = false;
    events.OnPump = [&] {
        if (pumped) return;
        pumped = true;
        EXPECT_TRUE(core->PageOpening());
        nestedOpen = core->OpenPage(0, 0);
        nestedSelect = core->SelectAya(2, 1);
        core->KeyDown(vkLeft, 0);  // auto-repeat while the page opens
        core->MouseWheel(120);
        core->HandlePrivateMessage(MsgOpenPage, 0, 0);
        core->MouseEnteredWindow();
        EXPECT_EQ(core->ConfirmGoToPage(u"3").Kind, TGoToPageDecision::gpOpen);
        pageDuringPump = core->PageNumber;
    };
    core->KeyDown(vkLeft, 0);
    EXPECT_FALSE(nestedOpen);
    EXPECT_FALSE(nestedSelect);
    EXPECT_EQ(pageDuringPump, 43);
    EXPECT_EQ(core->PageNumber, 43);
    EXPECT_EQ(Shown(), 43);
    EXPECT_EQ(StoredPage(), 43);
    EXPECT_EQ(events.Fronts, 0);
    EXPECT_TRUE(events.StripShown.empty());
    EXPECT_FALSE(core->PageOpening());
}

TEST_F(MainFormTest, AWordOfNoAyaFailsTheOpeningNotTheCopy) {
    // 38 bytes: one word record without glyphs whose sura is 31753.
    std::vector<TWordObject> words(1);
    words[0].LineNumber = 5;
    words[0].PageNumber = 43;
    words[0].SuraNumber = 31753;
    words[0].AyaNumber = 1;
    words[0].ObjectInayaNumber = 1;
    words[0].ObjectType = otText;
    const std::vector<std::uint8_t> page = WritePageData(words);
    ASSERT_EQ(page.size(), 38u);
    resources.Add(u"SVG_43", page);
    StartOn(42);

    core->KeyDown(vkLeft, 0);
    ASSERT_EQ(events.Errors.size(), 1u);
    EXPECT_NE(events.Errors[0].find(u"Page 43 cannot be shown: word record 1"), std::u16string::npos)
        << Utf16ToUtf8(events.Errors[0]);
    EXPECT_NE(events.Errors[0].find(u"sura 31753"), std::u16string::npos);
    EXPECT_EQ(Shown(), 42);
    core->KeyDown('A', ssCtrl);
    core->KeyDown('C', ssCtrl);
    ASSERT_EQ(events.Clipboard.size(), 1u);
    EXPECT_TRUE(Holds(events.Clipboard[0], u"a17"));
}

TEST_F(MainFormTest, AnUnreadablePageIsReportedAndThePreviousOneStays) {
    StartOn(42);
    core->KeyDown('A', ssCtrl);
    const TPage* before = &core->Viewer().Page();
    const float scale = PageScale;
    auto broken = PageBytes(43);
    broken.resize(broken.size() - 10);
    resources.Add(u"SVG_43", broken);
    resources.Remove(u"SVG_41");

    struct Case { int Key; const char16_t* Says; } cases[] = {
        {vkLeft, u"Page 43 cannot be shown"},
        {vkRight, u"SVG_41 is missing"},
    };
    for (const Case& c : cases) {
        events.Errors.clear();
        core->KeyDown(c.Key, 0);
        ASSERT_EQ(events.Errors.size(), 1u);
        EXPECT_NE(events.Errors[0].find(c.Says), std::u16string::npos);
        EXPECT_EQ(&core->Viewer().Page(), before);
        EXPECT_EQ(Shown(), 42);
        EXPECT_EQ(core->PageNumber, 42);
        EXPECT_EQ(SelectedIndices(core->Viewer().Page()), (V{0, 1, 2}));
        EXPECT_EQ(PageScale, scale);
        EXPECT_EQ(StoredPage(), 42);
        EXPECT_FALSE(core->PageOpening());
    }
    // A picture that fails fails the opening the same way.
    events.OnAttach = [](TPage&) { throw std::runtime_error("frame AYAFRAME0031 is missing"); };
    core->PageNumber = 3;
    EXPECT_FALSE(core->OpenPage(0, 0));
    EXPECT_EQ(Shown(), 42);
    events.OnAttach = nullptr;
    // The loader still opens other pages.
    core->PageNumber = 3;
    EXPECT_TRUE(core->OpenPage(0, 0));
    EXPECT_EQ(Shown(), 3);
    EXPECT_EQ(StoredPage(), 3);
}

// Holding a key turns many pages and writes the settings file once, when
// the turning pauses; the end of the run writes a page still waiting.
TEST_F(MainFormTest, TurningWritesThePageOnceTheTurningPauses) {
    StartOn(42);
    core->PageSaveTimerFired();
    const auto stored = [&] {
        TSettings s;
        s.LoadSetting(folder);
        return s.PageNumber;
    };
    ASSERT_EQ(stored(), 42);
    const int waits = events.PageSaveWaits;
    core->KeyDown(vkLeft, 0);
    core->KeyDown(vkRight, 0);
    core->KeyDown(vkLeft, 0);
    EXPECT_EQ(Shown(), 43);
    EXPECT_EQ(events.PageSaveWaits, waits + 3) << "each opened page restarts the wait";
    EXPECT_EQ(stored(), 42) << "nothing written while turning";
    EXPECT_EQ(settings.PageNumber, 43) << "the record has the page at once";
    core->PageSaveTimerFired();
    EXPECT_EQ(stored(), 43);
    // Once written, the wait's end writes nothing more.
    fs::remove(TSettings::SettingsFile(folder));
    core->PageSaveTimerFired();
    core->RunEnding();
    EXPECT_FALSE(fs::exists(TSettings::SettingsFile(folder)));

    core->KeyDown(vkRight, 0);
    EXPECT_EQ(Shown(), 42);
    core->RunEnding();  // closed before the wait ended
    EXPECT_EQ(stored(), 42);
}

// A settings file that cannot be written is reported once in the run, in
// the interface language, however many pages turn; nothing is lost: the
// record keeps the page and the end of the run writes it once it can.
TEST_F(MainFormTest, AnUnwritableSettingsFileIsReportedOnceARun) {
    StartOn(42);
    core->PageSaveTimerFired();
    fs::remove_all(folder);
    std::ofstream(folder.string()) << "a file where the folder was";
    events.Errors.clear();
    for (int turn = 0; turn < 3; ++turn) {
        core->KeyDown(turn % 2 ? vkRight : vkLeft, 0);
        core->PageSaveTimerFired();
    }
    EXPECT_EQ(Shown(), 43);
    ASSERT_EQ(events.Errors.size(), 1u);
    EXPECT_EQ(events.Errors[0].rfind(SettingsWriteErrorMessage(appArabic, ""), 0), 0u) << Utf16ToUtf8(events.Errors[0]);
    EXPECT_FALSE(core->PageOpening());
    core->RunEnding();
    EXPECT_EQ(events.Errors.size(), 1u);
    // The folder is back: the end of the run writes the page shown.
    fs::remove(folder);
    fs::create_directories(folder);
    core->RunEnding();
    TSettings s;
    s.LoadSetting(folder);
    EXPECT_EQ(s.PageNumber, 43);
}

TEST_F(MainFormTest, GoToPageDialogDecisions) {
    StartOn(42);
    struct Case { const char16_t* Text; TGoToPageDecision::TKind Kind; int Shown; } cases[] = {
        {u"", TGoToPageDecision::gpStayOpen, 42},  {u"  \t ", TGoToPageDecision::gpStayOpen, 42},
        {u" 3 ", TGoToPageDecision::gpOpen, 3},    {u"3", TGoToPageDecision::gpClose, 3},
        {u"0", TGoToPageDecision::gpOpen, 1},      {u"999", TGoToPageDecision::gpOpen, 604},
        {u"12a", TGoToPageDecision::gpInvalid, 604},
    };
    for (const Case& c : cases) {
        const auto d = core->ConfirmGoToPage(c.Text);
        EXPECT_EQ(d.Kind, c.Kind) << std::string(c.Text, c.Text + std::char_traits<char16_t>::length(c.Text));
        EXPECT_EQ(Shown(), c.Shown);
    }
    // The page shown already keeps its selection.
    core->KeyDown('A', ssCtrl);
    EXPECT_EQ(core->ConfirmGoToPage(u"604").Kind, TGoToPageDecision::gpClose);
    EXPECT_TRUE(core->Viewer().Page().Selected());
}

TEST_F(MainFormTest, PrivateMessages) {
    StartOn(42);
    EXPECT_TRUE(core->HandlePrivateMessage(MsgSelectPointMode, 0, 0));
    EXPECT_EQ(core->Viewer().Mode(), mSelectPoint);
    EXPECT_TRUE(core->HandlePrivateMessage(MsgDragZoomMode, 0, 0));
    EXPECT_EQ(core->Viewer().Cursor(), 17);
    for (unsigned m : {MsgZoomIn, MsgZoomOut, MsgNoEffect0406, MsgZoom100, MsgNoEffect0424})
        EXPECT_TRUE(core->HandlePrivateMessage(m, 0, 0)) << m;
    EXPECT_EQ(Shown(), 42);

    core->PageNumber = 3;  // as the index of suras does before posting
    EXPECT_TRUE(core->HandlePrivateMessage(MsgOpenPage, 0, 0));
    EXPECT_EQ(Shown(), 3);
    EXPECT_EQ(core->Viewer().Mode(), mSelectRect);  // a new control starts in the normal mode
    EXPECT_EQ(events.Fronts, 1);

    EXPECT_TRUE(core->HandlePrivateMessage(MsgUpdateVersion, 2, 7));
    EXPECT_EQ(events.Notices, (std::vector<std::pair<int, int>>{{2, 7}}));
    EXPECT_TRUE(core->HandlePrivateMessage(MsgHelp, 0, 0));
    EXPECT_EQ(events.Commands, std::vector<TCommandId>{cmHelp});
    EXPECT_FALSE(core->HandlePrivateMessage(0x0405, 0, 0));
    EXPECT_FALSE(core->HandlePrivateMessage(0x0428, 0, 0));
}

TEST_F(MainFormTest, HeaderStripFollowsThePointerAndThePage) {
    StartOn(42);
    EXPECT_EQ(events.StripPictures, (std::vector<std::u16string>{JuzNamePictureName(42), SuraNamePictureName(42)}));
    core->MouseEnteredWindow();
    EXPECT_EQ(events.StripShown, std::vector<bool>{true});
    core->MouseLeft(true);  // onto the strip
    EXPECT_TRUE(core->HeaderStrip().Visible());
    core->MouseLeft(false);
    EXPECT_FALSE(core->HeaderStrip().Visible());

    core->MouseEnteredWindow();
    core->PageNumber = 2;
    core->OpenPage(0, 0);  // no names on page 2: the strip goes and keeps page 42's pictures
    EXPECT_FALSE(core->HeaderStrip().Visible());
    EXPECT_EQ(core->HeaderStrip().PicturesPage(), 42);
    events.StripShown.clear();
    core->MouseEnteredWindow();
    EXPECT_TRUE(events.StripShown.empty());
}

TEST_F(MainFormTest, PopupMenuEnablesCopyWithASelectionAndTakesTheLanguage) {
    StartOn(42);
    ASSERT_TRUE(core->PopupMenuOpening());
    EXPECT_TRUE(core->PopupMenu().RightToLeft());
    EXPECT_EQ(core->PopupMenu().Items()[4].Id, cmCopy);
    EXPECT_FALSE(core->PopupMenu().Items()[4].Enabled);
    settings.Language = appEnglish;
    core->Viewer().MouseDown(mbLeft, 0, 435, 170);
    ASSERT_TRUE(core->PopupMenuOpening());
    EXPECT_FALSE(core->PopupMenu().RightToLeft());
    for (const TMenuItemView& item : core->PopupMenu().Items())
        if (item.Id == cmCopy) {
            EXPECT_TRUE(item.Enabled);
            EXPECT_EQ(item.Caption, u"Copy");
        }
}

TEST_F(MainFormTest, CommandsAndFrame) {
    StartOn(42);
    core->ExecuteCommand(cmExit);
    EXPECT_EQ(events.Closes, 1);
    core->ExecuteCommand(cmAbout);
    EXPECT_EQ(events.Commands, std::vector<TCommandId>{cmAbout});
    core->FrameMouseDown(mbLeft);
    core->FrameMouseDown(mbRight);
    EXPECT_EQ(events.Moves, 1);
    EXPECT_EQ(core->FramePlan(960, 1415).NumberSource.Top, 41 * 60);
}

TEST_F(MainFormTest, SearchResultOpensItsPageOrSelectsOnThePageShown) {
    StartOn(42);
    TMainNavigator navigator(*core, nullptr);
    JumpToResult(navigator, TSearchResult{2, 2, 43, {}, {}});
    EXPECT_EQ(Shown(), 43);
    EXPECT_EQ(core->PageNumber, 43);
    EXPECT_EQ(SelectedIndices(core->Viewer().Page()), (V{6, 7}));

    // The page is shown already: the same view only changes its selection.
    const TPageViewer* before = &core->Viewer();
    JumpToResult(navigator, TSearchResult{2, 1, 43, {}, {}});
    EXPECT_EQ(&core->Viewer(), before);
    EXPECT_EQ(SelectedIndices(core->Viewer().Page()), (V{3, 4, 5}));

    // Refused while another page opens: the page number stays that of the
    // page being opened.
    bool pumped = false;
    events.OnPump = [&] {
        if (pumped) return;
        pumped = true;
        JumpToResult(navigator, TSearchResult{1, 7, 603, {}, {}});
        EXPECT_EQ(core->PageNumber, 42);
    };
    core->KeyDown(vkRight, 0);
    EXPECT_TRUE(pumped);
    EXPECT_EQ(Shown(), 42);
    EXPECT_EQ(core->PageNumber, 42);
}

TEST_F(MainFormTest, IndexTurnsToAnotherPageOnly) {
    StartOn(42);
    int posts = 0;
    TMainNavigator navigator(*core, [&] { ++posts; });
    EXPECT_FALSE(GoToIndexPage(navigator, 42));  // shown already: nothing, no message
    EXPECT_EQ(core->PageNumber, 42);
    EXPECT_EQ(posts, 0);
    EXPECT_TRUE(GoToIndexPage(navigator, 604));
    EXPECT_EQ(core->PageNumber, 604);
    EXPECT_EQ(posts, 1);
    EXPECT_TRUE(core->HandlePrivateMessage(MsgOpenPage, 0, 0));
    EXPECT_EQ(Shown(), 604);
    EXPECT_EQ(events.Fronts, 1);
}

}  // namespace
