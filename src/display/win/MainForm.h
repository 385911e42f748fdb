#pragma once
// The borderless main window of class "TMainForm" titled "Tiravel": a layered
// window whose key-coloured pixels are see-through, so the frame picture gives
// it its page-shaped outline. It hosts the page view and the header strip,
// draws the splash, the frame and the size grip, and forwards every message
// to TMainFormCore; the core's events are answered here with Win32 calls.
#include <memory>

#include "base/win/OwnedWindows.h"
#include "base/win/Window.h"
#include "display/Bitmap24.h"
#include "display/MainFormCore.h"
#include "display/MainFormNavigator.h"
#include "base/Picture.h"
#include "display/win/GoToPageDialog.h"
#include "display/win/HeaderStripWindow.h"
#include "display/win/PageViewWindow.h"

class TChkVersion;
class TResourceSource;
struct TRunValues;

class TMainForm final : public TWindow,
                        private TMainFormEvents,
                        private TPageViewWindow::THost,
                        private TGoToPageDialog::THost {
public:
    static constexpr wchar_t ClassName[] = L"TMainForm";
    static constexpr char16_t Caption[] = u"Tiravel";

    // Neither reference is owned; both outlive the window.
    TMainForm(const TResourceSource& resources, TRunValues& run);
    ~TMainForm() override;

    // Creates the window centred on the screen and shows it with the splash.
    bool Create(int showCommand);
    // The message loop; answers the exit code.
    int RunMessageLoop();

private:
    // The dialog keys of the tool windows, key preview and the wheel; true when handled.
    bool PreTranslate(MSG& msg);
    void Dispatch(MSG& msg);
    bool IsOwnWindow(HWND hwnd) const;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void Paint();
    void DrawSizeGrip(HDC dc);
    void ShowPopupMenu(int screenX, int screenY);
    void InvalidateGrip();
    TRectI Grip() const;

    // TMainFormEvents
    void InvalidateWindow() override;
    void PlaceView(const TRectI& bounds) override;
    void PlaceHeaderStrip(const TRectI& bounds) override;
    void ShowHeaderStrip(bool visible) override;
    void LoadHeaderStripPictures(std::u16string_view juzName, std::u16string_view suraName) override;
    void RepaintHeaderStrip() override;
    void ProcessPendingMessages() override;
    void AttachPagePictures(TPageView& page) override;
    void ReportError(std::u16string_view message) override;
    bool PutOnClipboard(std::u16string_view document) override;
    void RunCommand(TCommandId command) override;
    void CloseWindow() override;
    void EndRun() override;
    void BringToFront() override;
    void BeginWindowMove() override;
    void StopStartupTimer() override;
    void StartUpdateCheck() override;
    void ShowUpdateNotice(int major, int minor) override;

    // TPageViewWindow::THost
    void PointerMovedOver(HWND window) override;
    void PointerLeft() override;
    void DragFromSelection() override;
    // TGoToPageDialog::THost
    void ShowError(std::u16string_view message) override;

    const TResourceSource& FResources;
    TRunValues& FRun;
    TPageViewWindow FView;
    THeaderStripWindow FStrip;
    std::unique_ptr<TMainFormCore> FCore;
    std::unique_ptr<TMainFormNavigator> FNavigator;  // for the search and index windows
    TOwnedWindows FWindows;  // go to page, copy range and the other tool windows
    // The update check of this run, made once. It frees itself when it
    // ends, so this is only ever compared with null, never followed.
    TChkVersion* FCollector = nullptr;
    std::unique_ptr<TPicture> FFrame, FSplash, FPageNumbers;
    // The last composite blitted, kept while size, phase and page stay.
    TBitmap24 FPainted;
    int FPaintedPage = -1;
    bool FPaintedSplash = false;
    TRectI FGrip;
};
