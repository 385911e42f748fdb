#pragma once
// The main window's logic: which page is shown and how it is opened, the
// layout of the page view and the header strip, the key map, the wheel, the
// private messages, the splash phase and the start-up timer. The main window
// (TMainWindow) turns the messages that carry these into one call each, and
// answers what the form asks of it through TMainView.
//
// Rectangles are client pixels of the borderless window.
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "app/PageViewer.h"
#include "app/GoToPageForm.h"
#include "app/HeaderStrip.h"
#include "app/MainWindowGeometry.h"
#include "commands/Commands.h"
#include "commands/PopupMenu.h"
#include "pagemodel/PageReadAhead.h"
#include "settings/CopyOptions.h"
#include "text/ClipboardDocument.h"
#include "settings/SettingsSaving.h"
#include "text/CopyRangeForm.h"

class TAyaStore;
class TResourceSource;
class TSettings;

// What the main window asks of the shell.
class TMainView {
public:
    virtual ~TMainView() = default;
    // Frame, page number or splash need painting (invalidate, no erase).
    virtual void InvalidateWindow() = 0;
    // Bounds of the page view child window (MushafRect) and of the header strip.
    virtual void PlaceView(const TRectI& bounds) = 0;
    virtual void PlaceHeaderStrip(const TRectI& bounds) = 0;
    virtual void ShowHeaderStrip(bool visible) = 0;
    // Decode these two pictures into the strip (missing ones leave it as it was).
    virtual void LoadHeaderStripPictures(std::u16string_view juzName, std::u16string_view suraName) = 0;
    virtual void RepaintHeaderStrip() = 0;
    // Page opening lets pending input run once, before it builds the new page.
    virtual void ProcessPendingMessages() = 0;
    // Attach the sura header frames and basmalah pictures to a freshly
    // initialised page; raising an exception fails the opening.
    virtual void AttachPagePictures(TPage& page) = 0;
    // A message box for the user (a page that cannot be opened, a settings
    // file that cannot be written, a number that is not one).
    virtual void ReportError(std::u16string_view message) = 0;
    // Replace the clipboard's content with the formats of this document (the
    // shell writes the Rich Text as 8-bit text). Only called with a document.
    // False when the clipboard could not be had (another program held it).
    virtual bool PutOnClipboard(const TClipboardDocument& document) = 0;
    // Commands whose windows live in the shell: index, go to page, search,
    // copy range, settings, help, website, about.
    virtual void RunCommand(TCommandId command) = 0;
    virtual void CloseWindow() = 0;  // the exit item: closing the window ends the run
    virtual void EndRun() = 0;       // Escape: end the message loop at once
    virtual void BringToFront() = 0;
    virtual void BeginWindowMove() = 0;  // move by caption (system command 0xF012)
    virtual void StopStartupTimer() = 0;
    virtual void StartUpdateCheck() = 0;
    virtual void ShowUpdateNotice(int major, int minor) = 0;
    // (Re)starts the one-shot wait after which the shell calls
    // PageSaveTimerFired (PageSaveMilliseconds).
    virtual void StartPageSaveTimer() = 0;
};

// Private window messages of the main window (WM_USER + n).
inline constexpr unsigned MsgZoomIn = 0x0403;
inline constexpr unsigned MsgZoomOut = 0x0404;
inline constexpr unsigned MsgNoEffect0406 = 0x0406;
inline constexpr unsigned MsgSelectPointMode = 0x0407;
inline constexpr unsigned MsgZoom100 = 0x0408;
inline constexpr unsigned MsgDragZoomMode = 0x0417;
inline constexpr unsigned MsgNoEffect0424 = 0x0424;
inline constexpr unsigned MsgOpenPage = 0x0425;      // index of suras: open PageNumber
inline constexpr unsigned MsgUpdateVersion = 0x0426;  // update thread: major, minor
inline constexpr unsigned MsgHelp = 0x0427;          // settings dialog: help

inline constexpr unsigned StartupTimerMilliseconds = 2000;
// How long page turning must pause before the page is written to the
// settings file: a held key turns many pages and writes once.
inline constexpr unsigned PageSaveMilliseconds = 1000;
inline constexpr int FirstPage = 1;
inline constexpr int LastPage = 604;

class TMainForm {
public:
    // Builds the window's state as construction does: the aya store parsed
    // from resource HAFSUNICODE (a missing one raises TMissingResource), the size
    // from the screen height, a first page view that is never shown, page
    // number 0, the splash up, the header strip hidden with its ratio fixed
    // now, one layout. None of the references is owned; all outlive the core.
    TMainForm(TMainView& events, TPageViewEvents* viewEvents, const TResourceSource& resources,
                  TSettings& settings, std::filesystem::path dataFolder, int screenHeight);
    ~TMainForm();

    TSizeI InitialSize() const { return FInitialSize; }
    // The window's creation handler: page number 1; the shell then starts
    // the one-shot start-up timer (StartupTimerMilliseconds).
    void FormCreated();
    // With the splash up: the page that the settings file names is read on a
    // worker, for the end of the splash to find it read. The settings are
    // still taken when the splash ends; a page they then name otherwise is
    // read there. The resources must allow two threads at once.
    void StartReadingFirstPage();
    // The start-up timer fired: runs once, whatever happens later. Reads the
    // settings file and the remembered profile (neither can raise: a file that
    // cannot be used leaves the record as it was) and opens the first page.
    void StartupTimerFired();

    // The page-save wait ended: the settings file gets the page shown.
    void PageSaveTimerFired() { SavePendingPage(); }
    // The run ends (or the session does): a page not yet written is written now.
    void RunEnding() { SavePendingPage(); }
    // The run's one writer of the settings file, shared with the settings dialog.
    TSettingsSaving& SettingsSaving() { return FSaving; }

    // The layout step, for every size change.
    void Resize(int width, int height);
    // The window's display scale (at creation and when it moves to a monitor
    // of another DPI): the page may grow as large as the scale, then the
    // layout step runs again.
    void SetDisplayScale(TScale scale);
    const TRectI& MushafRect() const { return FMushafRect; }
    double HeaderAspectRatio() const { return FHeaderAspect; }

    // Opens page PageNumber, selecting (sura, aya) when both are non-zero.
    // Refused (false, nothing changes) while a page is opening and during
    // the splash, so nothing can overwrite the saved settings before the
    // start-up timer has read them. A page that cannot be read is reported,
    // the page on screen stays, and the loader can open another page.
    bool OpenPage(std::int32_t sura, std::int32_t aya);
    // Selects one aya of the page shown; false while a page is opening.
    bool SelectAya(std::int32_t sura, std::int32_t aya);

    // Input forwarded by the shell. True when handled.
    bool KeyDown(int key, TShiftState shift);
    bool MouseWheel(int distance);  // always handled
    bool HandlePrivateMessage(unsigned message, std::uintptr_t wParam, std::intptr_t lParam);
    void ExecuteCommand(TCommandId command);  // WM_COMMAND of the menu, the key map
    void FrameMouseDown(TMouseButton button);  // a press on the frame, outside the child windows
    void MouseEnteredWindow();
    void MouseLeft(bool pointerInsideHeaderStrip);

    // The go-to-page dialog's OK or Enter; the shell closes the dialog on
    // gpClose and gpOpen and reports the error of gpInvalid.
    TGoToPageDecision ConfirmGoToPage(std::u16string_view boxText);

    // The copied document of the page's selection under the current
    // settings and copy options, or nothing when nothing is selected.
    std::optional<TClipboardDocument> SelectionDocument() const;
    // The copy range window's Copy: whole ayat of one sura onto the clipboard.
    void CopyRange(const TCopyRangeChoice& choice);
    const TAyaStore& AyaStore() const { return *FAyaStore; }

    // The popup menu is about to open: false shows nothing (splash);
    // otherwise PopupMenu() holds the captions and the enabled states.
    bool PopupMenuOpening();
    const TPopupMenuModel& PopupMenu() const { return FPopupMenu; }

    // Painting: the splash while DrawSplash, otherwise the frame plan.
    bool DrawSplash() const { return FDrawSplash; }
    TFramePaintPlan FramePlan(int frameWidth, int frameHeight) const;

    bool PageOpening() const { return FPageOpening; }
    TPageViewer& Viewer() { return *FViewer; }
    const TPageViewer& Viewer() const { return *FViewer; }
    const THeaderStrip& HeaderStrip() const { return FHeaderStrip; }

    // The page shown, or to be opened next; callers keep it within 1 to 604.
    std::int32_t PageNumber = 0;
    // The copy's formats and spelling: the defaults until the start-up timer
    // reads the options file; the settings dialog changes them.
    TCopyOptions CopyOptions;

private:
    // Onto the clipboard, or a message that nothing was copied.
    void PutOnClipboard(const TCopiedText& copy);
    void TurnPage(int delta);
    bool CanOpenPage() const { return !FPageOpening && !FDrawSplash; }
    void RepaintView();
    void SavePendingPage();

    TMainView& FView;
    TPageViewEvents* FViewEvents;
    const TResourceSource& FResources;
    TSettings& FSettings;
    std::filesystem::path FDataFolder;
    std::unique_ptr<TAyaStore> FAyaStore;  // parsed once, kept for the whole run
    TSizeI FInitialSize;
    TSizeI FSize;
    float FLargestPageScale = 1.0f;  // pixels per page unit at most
    TRectI FMushafRect;
    double FHeaderAspect = 1;
    std::unique_ptr<TPageViewer> FViewer;
    TPageReadAhead FFirstPage;
    THeaderStrip FHeaderStrip;
    TPopupMenuModel FPopupMenu;
    bool FPageOpening = false;
    bool FDrawSplash = true;
    bool FStartupTimerDone = false;
    bool FUpdateCheckStarted = false;
    bool FStorePage = true;  // an opening saves the settings file with its page
    bool FPageSavePending = false;  // a page opened since the settings file was last written
    TSettingsSaving FSaving;
    std::int32_t FShownPage = 0;  // the page on screen, 0 before the first opening
};
