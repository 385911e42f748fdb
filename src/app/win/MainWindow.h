#pragma once
// The borderless main window (class MainWindowClassName, caption
// MainWindowCaption): a layered window whose key-coloured pixels are
// see-through, so the frame picture gives it its page-shaped outline. It hosts
// the page view and the header strip and draws the splash, the frame and the
// size grip. The messages that carry the reader's input, the window's size,
// the timer and the private messages become calls on TMainForm; painting, hit
// testing and cursors stay here, and the rest go to DefWindowProc. TMainForm's
// requests (TMainView) are answered here with Win32 calls.
#include <memory>
#include <optional>

#include "app/MainForm.h"
#include "app/MainNavigator.h"
#include "app/WindowPictures.h"
#include "app/win/GoToPageWindow.h"
#include "app/win/HeaderStripWindow.h"
#include "app/win/PageViewWindow.h"
#include "base/OutsideNames.h"
#include "base/ResourceSource.h"
#include "base/win/OwnedWindows.h"
#include "base/win/Window.h"
#include "search/SuraIndexForm.h"

class TUpdateCheck;
class TResourceSource;
struct TRunValues;

class TMainWindow final : public TWindow,
                        private TMainView,
                        private TPageViewWindow::THost,
                        private TGoToPageWindow::THost {
public:
    static constexpr const char16_t* ClassName = MainWindowClassName;
    static constexpr const char16_t* Caption = MainWindowCaption;

    // Neither reference is owned; both outlive the window.
    TMainWindow(const TResourceSource& resources, TRunValues& run);
    ~TMainWindow() override;

    // Creates the window centred on the screen and shows it with the splash.
    bool Create(int showCommand);
    // The message loop; answers the exit code.
    int RunMessageLoop();

private:
    // The dialog keys of the tool windows, key preview and the wheel; true when handled.
    bool PreTranslate(MSG& msg);
    void Dispatch(MSG& msg);
    bool IsOwnWindow(HWND hwnd) const;
    // Where the window was left in an earlier run, its size made whole and
    // put on a monitor there is now; nothing for the centred default.
    std::optional<TRectI> RememberedMainPlace() const;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void Paint();
    void DrawSizeGrip(HDC dc);
    void ShowPopupMenu(int screenX, int screenY);
    void InvalidateGrip();
    TRectI Grip() const;

    // TMainView
    void InvalidateWindow() override;
    void PlaceView(const TRectI& bounds) override;
    void PlaceHeaderStrip(const TRectI& bounds) override;
    void ShowHeaderStrip(bool visible) override;
    void LoadHeaderStripPictures(std::u16string_view juzName, std::u16string_view suraName) override;
    void RepaintHeaderStrip() override;
    void ProcessPendingMessages() override;
    void AttachPagePictures(TPage& page) override;
    void ReportError(std::u16string_view message) override;
    bool PutOnClipboard(const TClipboardDocument& document) override;
    void RunCommand(TCommandId command) override;
    void CloseWindow() override;
    void EndRun() override;
    void BringToFront() override;
    void BeginWindowMove() override;
    void StopStartupTimer() override;
    void StartUpdateCheck() override;
    void ShowUpdateNotice(int major, int minor) override;
    void StartPageSaveTimer() override;

    // TPageViewWindow::THost
    void PointerMovedOver(HWND window) override;
    void PointerLeft() override;
    void DragFromSelection() override;
    // TGoToPageWindow::THost
    void ShowError(std::u16string_view message) override;

    const TResourceSource& FResources;
    TRunValues& FRun;
    TPageViewWindow FView;
    THeaderStripWindow FStrip;
    std::unique_ptr<TMainForm> FForm;
    TSuraIndexForm FSuraIndex;  // the index's view, kept for the run
    std::unique_ptr<TMainNavigator> FNavigator;  // for the search and index windows
    TOwnedWindows FWindows;  // go to page, copy range and the other tool windows
    // The update check of this run, made once. It frees itself when it
    // ends, so this is only ever compared with null, never followed.
    TUpdateCheck* FCollector = nullptr;
    std::optional<TWindowPictures> FPictures;  // from Create on
    TRectI FGrip;
};

// Creates the main window, runs the message loop and answers the exit code.
// Neither reference is owned; both outlive the run.
int RunMainWindow(const TResourceSource& resources, TRunValues& run, int showCommand);
