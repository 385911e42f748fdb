#include "display/MainFormCore.h"

#include <algorithm>
#include <exception>
#include <string>

#include "base/ResourceSource.h"
#include "base/Utf.h"
#include "pagemodel/PageResource.h"
#include "settings/SettingsData.h"
#include "text/AyaStore.h"
#include "text/ClipboardTexts.h"
#include "text/CopyRangeText.h"
#include "text/SelectionText.h"

namespace {

std::u16string Decimal(int n) {
    std::u16string s;
    for (char c : std::to_string(n)) s.push_back(char16_t(c));
    return s;
}

// Holds OpenningFlag for exactly one opening, whichever way it ends.
class TOpeningGuard {
public:
    explicit TOpeningGuard(bool& flag) : FFlag(flag) { FFlag = true; }
    ~TOpeningGuard() { FFlag = false; }

private:
    bool& FFlag;
};

}  // namespace

TMainFormCore::TMainFormCore(TMainFormEvents& events, TPageViewEvents* viewEvents,
                             const TResourceSource& resources, TStettingsData& settings,
                             std::filesystem::path dataFolder, int screenHeight)
    : FEvents(events),
      FViewEvents(viewEvents),
      FResources(resources),
      FSettings(settings),
      FDataFolder(std::move(dataFolder)),
      FAyaStore(LoadAyaStoreResource(resources)),
      FInitialSize(InitialWindowSize(screenHeight)),
      FView(std::make_unique<TDXFGraphPanel>(viewEvents)) {
    PageNumber = 0;
    FHeaderAspect = HeaderPanelAspectRatio(FInitialSize.Width, FInitialSize.Height);
    Resize(FInitialSize.Width, FInitialSize.Height);
}

TMainFormCore::~TMainFormCore() = default;

void TMainFormCore::FormCreated() { PageNumber = FirstPage; }

void TMainFormCore::StartupTimerFired() {
    if (FStartupTimerDone) return;
    FStartupTimerDone = true;
    FEvents.StopStartupTimer();
    // A settings file that is there but cannot be used leaves the defaults in
    // effect, and the file stays as it is until the user changes a setting or
    // turns a page: the first opening does not store its page.
    const bool keepSettingsFile = FSettings.LoadSetting(FDataFolder) == TSettingsFileRead::Refused;
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
    FEvents.InvalidateWindow();
    FStorePage = !keepSettingsFile;
    OpenPage(0, 0);
    FStorePage = true;
    if (!FUpdateCheckStarted) {
        FUpdateCheckStarted = true;
        FEvents.StartUpdateCheck();
    }
}

void TMainFormCore::Resize(int width, int height) {
    FSize = {width, height};
    FEvents.InvalidateWindow();
    FMushafRect = ::MushafRect(width, height);
    FEvents.PlaceView(FMushafRect);
    FView->Resize(FMushafRect.Width(), FMushafRect.Height());
    FEvents.PlaceHeaderStrip(HeaderPanelRect(width, height, FHeaderAspect));
}

bool TMainFormCore::OpenPage(std::int32_t sora, std::int32_t aya) {
    if (!CanOpenPage()) return false;
    TOpeningGuard guard(FOpenningFlag);
    // Input that arrives meanwhile finds OpenningFlag set and opens nothing;
    // the page on screen is still whole while it runs.
    FEvents.ProcessPendingMessages();

    const std::int32_t page = PageNumber;
    auto fresh = std::make_unique<TDXFGraphPanel>(FViewEvents);
    fresh->PageView().PageNumber = page;
    fresh->Resize(FMushafRect.Width(), FMushafRect.Height());
    try {
        ReadPageResource(fresh->PageView(), page, FResources);
        FEvents.AttachPagePictures(fresh->PageView());
    } catch (const std::exception& e) {
        // The page on screen stays, with its scale and its number.
        fresh.reset();
        FView->Resize(FMushafRect.Width(), FMushafRect.Height());
        if (FShownPage != 0) PageNumber = FShownPage;
        std::u16string message = u"Page " + Decimal(page) + u" cannot be shown: ";
        if (auto* missing = dynamic_cast<const TMissingResource*>(&e))
            message += u"the resource " + missing->Name() + u" is missing.";
        else
            message += Utf8ToUtf16(e.what());
        FEvents.ReportError(message);
        return false;
    }
    if (sora != 0 && aya != 0) fresh->PageView().SelectAya(sora, aya);

    FView = std::move(fresh);  // the previous control goes, with its page and selection
    FShownPage = page;
    FEvents.PlaceView(FMushafRect);
    FView->Resize(FMushafRect.Width(), FMushafRect.Height());
    if (FViewEvents) {
        FViewEvents->CursorChanged(FView->Cursor());
        FViewEvents->InvalidateView();
    }
    FEvents.InvalidateWindow();  // the page number below the page

    FSettings.PageNumber = page;
    if (FStorePage) {
        try {
            FSettings.SaveSettings(FDataFolder);
        } catch (const std::exception& e) {
            FEvents.ReportError(u"The settings file cannot be written: " + Utf8ToUtf16(e.what()));
        }
    }

    if (FHeaderStrip.LoadJozaNameSoraNameImages(page))
        FEvents.LoadHeaderStripPictures(JozaaNamePictureName(page), SoraNamePictureName(page));
    // Pages 1 and 2 have no names: a strip left up from page 3 would name the wrong page.
    if (!HasHeaderPictures(page) && FHeaderStrip.MouseLeft(false)) FEvents.ShowHeaderStrip(false);
    FEvents.RepaintHeaderStrip();
    return true;
}

void TMainFormCore::RepaintView() {
    if (FViewEvents) FViewEvents->PaintNow();
}

bool TMainFormCore::SelectAya(std::int32_t sora, std::int32_t aya) {
    if (FOpenningFlag) return false;
    TPageView& page = FView->PageView();
    page.ClearSelect();
    const bool found = page.SelectAya(sora, aya);
    RepaintView();
    return found;
}

void TMainFormCore::TurnPage(int delta) {
    // Ignored while a page opens, so the page loaded, its number and
    // PageNumber always agree; and during the splash, before the settings are read.
    if (!CanOpenPage()) return;
    PageNumber = std::clamp(PageNumber + delta, FirstPage, LastPage);
    OpenPage(0, 0);
}

bool TMainFormCore::KeyDown(int key, TShiftState shift) {
    const TCommandId command = TranslateMainKey(key, shift);
    if (command == cmNone) return false;
    ExecuteCommand(command);
    return true;
}

bool TMainFormCore::MouseWheel(int distance) {
    if (distance > 0)
        TurnPage(+1);  // turned away from the user: the next page
    else if (distance < 0)
        TurnPage(-1);
    return true;
}

void TMainFormCore::ExecuteCommand(TCommandId command) {
    TPageView& page = FView->PageView();
    switch (command) {
    case cmNone:
        break;
    case cmEndRun:
        FEvents.EndRun();
        break;
    case cmNextPage:
        TurnPage(+1);
        break;
    case cmPreviousPage:
        TurnPage(-1);
        break;
    case cmSelectPageSora:
        page.ClearSelect();
        page.SelectAllSingleSora();
        RepaintView();
        break;
    case cmClearSelection:
        page.ClearSelect();
        RepaintView();
        break;
    case cmCopy:
        if (const auto document = SelectionDocument()) PutOnClipboard(*document);
        break;
    case cmExit:
        FEvents.CloseWindow();
        break;
    default:
        FEvents.RunCommand(command);
        break;
    }
}

bool TMainFormCore::HandlePrivateMessage(unsigned message, std::uintptr_t wParam, std::intptr_t lParam) {
    switch (message) {
    case MsgZoomIn: FView->ZoomIn(); return true;
    case MsgZoomOut: FView->ZoomOut(); return true;
    case MsgNoEffect0406: return true;
    case MsgSelectPointMode: FView->SelectPointMode(); return true;
    case MsgZoom100: FView->Zoom100(); return true;
    case MsgDragZoomMode: FView->DragZoomMode(); return true;
    case MsgNoEffect0424: return true;
    case MsgOpenPage:
        if (!FOpenningFlag) {
            OpenPage(0, 0);
            FEvents.BringToFront();
        }
        return true;
    case MsgUpdateVersion:
        FEvents.ShowUpdateNotice(static_cast<int>(wParam), static_cast<int>(lParam));
        return true;
    case MsgHelp:
        FEvents.RunCommand(cmHelp);
        return true;
    default:
        return false;
    }
}

void TMainFormCore::FrameMouseDown(TMouseButton button) {
    if (button == mbLeft) FEvents.BeginWindowMove();
}

void TMainFormCore::MouseEnteredWindow() {
    if (FHeaderStrip.MouseEnteredWindow(FOpenningFlag, FDrawSplash, PageNumber)) FEvents.ShowHeaderStrip(true);
}

void TMainFormCore::MouseLeft(bool pointerInsideHeaderStrip) {
    if (FHeaderStrip.MouseLeft(pointerInsideHeaderStrip)) FEvents.ShowHeaderStrip(false);
}

TGoToPageDecision TMainFormCore::ConfirmGoToPage(std::u16string_view boxText) {
    TGoToPageDecision d = DecideGoToPage(boxText, PageNumber);
    if (d.Kind == TGoToPageDecision::gpOpen && CanOpenPage()) {
        PageNumber = d.Page;
        OpenPage(0, 0);
    }
    return d;
}

std::optional<std::u16string> TMainFormCore::SelectionDocument() const {
    std::u16string document = GetSelectionRTF(FView->PageView(), *FAyaStore, FSettings);
    if (document.empty()) return std::nullopt;
    return document;
}

void TMainFormCore::CopyRange(const TCopyRangeChoice& c) {
    PutOnClipboard(ComposeCopyRange(*FAyaStore, FSettings, c.Sura, c.Aya1, c.Aya2));
}

void TMainFormCore::PutOnClipboard(std::u16string_view document) {
    if (!FEvents.PutOnClipboard(document)) FEvents.ReportError(ClipboardBusyMessage(FSettings.Languge));
}

bool TMainFormCore::PopupMenuOpening() {
    return FPopupMenu.Popup(FDrawSplash, FSettings.Languge, FView->PageView().Selected());
}

TFramePaintPlan TMainFormCore::FramePlan(int frameWidth, int frameHeight) const {
    return FramePaintPlan(frameWidth, frameHeight, std::clamp(PageNumber, FirstPage, LastPage));
}
