#include "app/MainForm.h"

#include <algorithm>
#include <exception>
#include <string>

#include "base/Decimal.h"
#include "base/ResourceSource.h"
#include "base/Utf.h"
#include "pagemodel/PageResource.h"
#include "settings/Settings.h"
#include "text/AyaStore.h"
#include "text/ClipboardTexts.h"
#include "text/CopyRangeText.h"
#include "text/SelectionText.h"

namespace {

// Holds PageOpening for exactly one opening, whichever way it ends.
class TOpeningGuard {
public:
    explicit TOpeningGuard(bool& flag) : FFlag(flag) { FFlag = true; }
    ~TOpeningGuard() { FFlag = false; }

private:
    bool& FFlag;
};

}  // namespace

TMainForm::TMainForm(TMainView& events, TPageViewEvents* viewEvents,
                             const TResourceSource& resources, TSettings& settings,
                             std::filesystem::path dataFolder, int screenHeight)
    : FView(events),
      FViewEvents(viewEvents),
      FResources(resources),
      FSettings(settings),
      FDataFolder(std::move(dataFolder)),
      FAyaStore(LoadAyaStoreResource(resources)),
      FInitialSize(InitialWindowSize(screenHeight)),
      FViewer(std::make_unique<TPageViewer>(viewEvents)) {
    PageNumber = 0;
    FHeaderAspect = HeaderPanelAspectRatio(FInitialSize.Width, FInitialSize.Height);
    Resize(FInitialSize.Width, FInitialSize.Height);
}

TMainForm::~TMainForm() = default;

void TMainForm::FormCreated() { PageNumber = FirstPage; }

void TMainForm::StartReadingFirstPage() {
    TSettings remembered;
    remembered.LoadSetting(FDataFolder);  // a file that cannot be used names the defaults' page
    FFirstPage.Start(std::clamp(remembered.PageNumber, FirstPage, LastPage), FResources);
}

void TMainForm::StartupTimerFired() {
    if (FStartupTimerDone) return;
    FStartupTimerDone = true;
    FView.StopStartupTimer();
    // A settings file that is there but cannot be used leaves the defaults in
    // effect, and the file stays as it is until the user changes a setting or
    // turns a page: the first opening does not store its page.
    const bool keepSettingsFile = FSettings.LoadSetting(FDataFolder) == TSettingsFileRead::Refused;
    CopyOptions = LoadCopyOptions(FDataFolder);
    PageNumber = std::clamp(FSettings.PageNumber, FirstPage, LastPage);
    if (!FSettings.CurrentProfileFullFileName.empty()) {
        // The profile last opened or saved is read again from its own file;
        // the name survives even when the file is gone or cannot be used.
        const std::u16string remembered = FSettings.CurrentProfileFullFileName;
        try {
            FSettings.ReadFromFile(std::filesystem::path(remembered));
        } catch (const std::exception&) {
            // A name that is no usable path reads as a missing profile.
        }
        FSettings.CurrentProfileFullFileName = remembered;
    }
    FDrawSplash = false;
    FView.InvalidateWindow();
    FStorePage = !keepSettingsFile;
    OpenPage(0, 0);
    FStorePage = true;
    if (!FUpdateCheckStarted) {
        FUpdateCheckStarted = true;
        FView.StartUpdateCheck();
    }
}

void TMainForm::Resize(int width, int height) {
    FSize = {width, height};
    FView.InvalidateWindow();
    FMushafRect = ::MushafRect(width, height);
    FView.PlaceView(FMushafRect);
    FViewer->Resize(FMushafRect.Width(), FMushafRect.Height(), FLargestPageScale);
    FView.PlaceHeaderStrip(HeaderPanelRect(width, height, FHeaderAspect));
}

void TMainForm::SetDisplayScale(TScale scale) {
    FLargestPageScale = float(scale.Factor());
    Resize(FSize.Width, FSize.Height);
}

bool TMainForm::OpenPage(std::int32_t sura, std::int32_t aya) {
    if (!CanOpenPage()) return false;
    TOpeningGuard guard(FPageOpening);
    // Input that arrives meanwhile finds PageOpening set and opens nothing;
    // the page on screen is still whole while it runs.
    FView.ProcessPendingMessages();

    const std::int32_t page = PageNumber;
    std::unique_ptr<TPage> readAhead = FFirstPage.Take(page);
    const bool read = bool(readAhead);
    auto fresh = std::make_unique<TPageViewer>(FViewEvents, read ? std::move(readAhead) : std::make_unique<TPage>());
    fresh->Page().PageNumber = page;
    fresh->Resize(FMushafRect.Width(), FMushafRect.Height(), FLargestPageScale);
    try {
        if (!read) ReadPageResource(fresh->Page(), page, FResources);
        FView.AttachPagePictures(fresh->Page());
    } catch (const std::exception& e) {
        // The page on screen stays, with its scale and its number.
        fresh.reset();
        FViewer->Resize(FMushafRect.Width(), FMushafRect.Height(), FLargestPageScale);
        if (FShownPage != 0) PageNumber = FShownPage;
        std::u16string message = u"Page " + Decimal(page) + u" cannot be shown: ";
        if (auto* missing = dynamic_cast<const TMissingResource*>(&e))
            message += u"the resource " + missing->Name() + u" is missing.";
        else
            message += Utf8ToUtf16(e.what());
        FView.ReportError(message);
        return false;
    }
    if (sura != 0 && aya != 0) fresh->Page().SelectAya(sura, aya);

    FViewer = std::move(fresh);  // the previous control goes, with its page and selection
    FShownPage = page;
    FView.PlaceView(FMushafRect);
    FViewer->Resize(FMushafRect.Width(), FMushafRect.Height(), FLargestPageScale);
    if (FViewEvents) {
        FViewEvents->CursorChanged(FViewer->Cursor());
        FViewEvents->InvalidateView();
    }
    FView.InvalidateWindow();  // the page number below the page

    FSettings.PageNumber = page;
    if (FStorePage) {
        // Written once the turning pauses, not at every page of a held key.
        FPageSavePending = true;
        FView.StartPageSaveTimer();
    }

    if (FHeaderStrip.ShowPage(page))
        FView.LoadHeaderStripPictures(JuzNamePictureName(page), SuraNamePictureName(page));
    // Pages 1 and 2 have no names: a strip left up from page 3 would name the wrong page.
    if (!HasHeaderPictures(page) && FHeaderStrip.MouseLeft(false)) FView.ShowHeaderStrip(false);
    FView.RepaintHeaderStrip();
    return true;
}

void TMainForm::SavePendingPage() {
    if (!FPageSavePending) return;
    // A failure keeps it pending: the end of the run tries again.
    FPageSavePending = !FSaving.Save(FSettings, FDataFolder);
    if (auto report = FSaving.TakeReport()) FView.ReportError(*report);
}

void TMainForm::RepaintView() {
    if (FViewEvents) FViewEvents->PaintNow();
}

bool TMainForm::SelectAya(std::int32_t sura, std::int32_t aya) {
    if (FPageOpening) return false;
    TPage& page = FViewer->Page();
    page.ClearSelect();
    const bool found = page.SelectAya(sura, aya);
    RepaintView();
    return found;
}

void TMainForm::TurnPage(int delta) {
    // Ignored while a page opens, so the page loaded, its number and
    // PageNumber always agree; and during the splash, before the settings are read.
    if (!CanOpenPage()) return;
    PageNumber = std::clamp(PageNumber + delta, FirstPage, LastPage);
    OpenPage(0, 0);
}

bool TMainForm::KeyDown(int key, TShiftState shift) {
    const TCommandId command = TranslateMainKey(key, shift);
    if (command == cmNone) return false;
    ExecuteCommand(command);
    return true;
}

bool TMainForm::MouseWheel(int distance) {
    if (distance > 0)
        TurnPage(+1);  // turned away from the user: the next page
    else if (distance < 0)
        TurnPage(-1);
    return true;
}

void TMainForm::ExecuteCommand(TCommandId command) {
    TPage& page = FViewer->Page();
    switch (command) {
    case cmNone:
        break;
    case cmEndRun:
        FView.EndRun();
        break;
    case cmNextPage:
        TurnPage(+1);
        break;
    case cmPreviousPage:
        TurnPage(-1);
        break;
    case cmSelectPageSura:
        page.ClearSelect();
        page.SelectWholeSura();
        RepaintView();
        break;
    case cmClearSelection:
        page.ClearSelect();
        RepaintView();
        break;
    case cmExtendToNextWord:
        FViewer->ExtendSelection(stNextWord);
        break;
    case cmExtendToPreviousWord:
        FViewer->ExtendSelection(stPreviousWord);
        break;
    case cmExtendToNextLine:
        FViewer->ExtendSelection(stNextLine);
        break;
    case cmExtendToPreviousLine:
        FViewer->ExtendSelection(stPreviousLine);
        break;
    case cmCopy:
        if (const auto copy = SelectionCopy(FViewer->Page(), *FAyaStore, FSettings, CopyOptions.Spelling))
            PutOnClipboard(*copy);
        break;
    case cmExit:
        FView.CloseWindow();
        break;
    default:
        FView.RunCommand(command);
        break;
    }
}

bool TMainForm::HandlePrivateMessage(unsigned message, std::uintptr_t wParam, std::intptr_t lParam) {
    switch (message) {
    case MsgZoomIn: FViewer->ZoomIn(); return true;
    case MsgZoomOut: FViewer->ZoomOut(); return true;
    case MsgNoEffect0406: return true;
    case MsgSelectPointMode: FViewer->SelectPointMode(); return true;
    case MsgZoom100: FViewer->Zoom100(); return true;
    case MsgDragZoomMode: FViewer->DragZoomMode(); return true;
    case MsgNoEffect0424: return true;
    case MsgOpenPage:
        if (!FPageOpening) {
            OpenPage(0, 0);
            FView.BringToFront();
        }
        return true;
    case MsgUpdateVersion:
        FView.ShowUpdateNotice(static_cast<int>(wParam), static_cast<int>(lParam));
        return true;
    case MsgHelp:
        FView.RunCommand(cmHelp);
        return true;
    default:
        return false;
    }
}

void TMainForm::FrameMouseDown(TMouseButton button) {
    if (button == mbLeft) FView.BeginWindowMove();
}

void TMainForm::MouseEnteredWindow() {
    if (FHeaderStrip.MouseEnteredWindow(FPageOpening, FDrawSplash, PageNumber)) FView.ShowHeaderStrip(true);
}

void TMainForm::MouseLeft(bool pointerInsideHeaderStrip) {
    if (FHeaderStrip.MouseLeft(pointerInsideHeaderStrip)) FView.ShowHeaderStrip(false);
}

TGoToPageDecision TMainForm::ConfirmGoToPage(std::u16string_view boxText) {
    TGoToPageDecision d = DecideGoToPage(boxText, PageNumber);
    if (d.Kind == TGoToPageDecision::gpOpen && CanOpenPage()) {
        PageNumber = d.Page;
        OpenPage(0, 0);
    }
    return d;
}

std::optional<TClipboardDocument> TMainForm::SelectionDocument() const {
    const auto copy = SelectionCopy(FViewer->Page(), *FAyaStore, FSettings, CopyOptions.Spelling);
    if (!copy) return std::nullopt;
    return ClipboardDocument(*copy, CopyOptions);
}

void TMainForm::CopyRange(const TCopyRangeChoice& c) {
    PutOnClipboard(CopyRangeCopy(*FAyaStore, FSettings, c.Sura, c.Aya1, c.Aya2, CopyOptions.Spelling));
}

void TMainForm::PutOnClipboard(const TCopiedText& copy) {
    if (!FView.PutOnClipboard(ClipboardDocument(copy, CopyOptions)))
        FView.ReportError(ClipboardBusyMessage(FSettings.Language));
}

bool TMainForm::PopupMenuOpening() {
    return FPopupMenu.Popup(FDrawSplash, FSettings.Language, FViewer->Page().Selected());
}

TFramePaintPlan TMainForm::FramePlan(int frameWidth, int frameHeight) const {
    return FramePaintPlan(frameWidth, frameHeight, std::clamp(PageNumber, FirstPage, LastPage));
}
