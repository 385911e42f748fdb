#include "display/win/MainForm.h"

#include <windowsx.h>

#include <algorithm>
#include <exception>

#include "base/ResourceSource.h"
#include "base/PictureResource.h"
#include "base/win/ReadingOrder.h"
#include "display/SizeGrip.h"
#include "display/WindowPainting.h"
#include "display/win/GdiBlit.h"
#include "display/win/InputWin.h"
#include "pagemodel/PagePictures.h"
#include "settings/win/SettingsWindow.h"
#include "search/FahrasForm.h"
#include "search/SearchHistory.h"
#include "search/win/FahrasWindow.h"
#include "search/win/SearchWindow.h"
#include "shell/EntrySequence.h"
#include "shell/win/Cursors.h"
#include "shell/win/MainWindowRun.h"
#include "shell/win/PopupMenuWin.h"
#include "system/Addresses.h"
#include "system/win/AboutWindow.h"
#include "system/win/ChkVersionThread.h"
#include "system/win/OwnVersion.h"
#include "system/win/UpdateNoticeWindow.h"
#include "system/win/WebAddress.h"
#include "text/CopyRangeForm.h"
#include "text/win/CopyRangeWindow.h"
#include "text/win/RtfClipboard.h"
#include "text/win/RtfDrag.h"

namespace {

constexpr UINT_PTR StartupTimerId = 1;

TRectI ToRectI(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

}  // namespace

TMainForm::TMainForm(const TResourceSource& resources, TRunValues& run) : FResources(resources), FRun(run) {}

TMainForm::~TMainForm() {
    FWindows.Clear();
    if (Handle()) KillTimer(Handle(), StartupTimerId);
}

bool TMainForm::Create(int showCommand) {
    SuraIndexMode = SuraIndexShort;  // each run starts with the short index
    FFrame = LoadPngResource(FResources, u"PngImage_fream_standard");
    FSplash = LoadPngResource(FResources, u"PngImage_1");
    FPageNumbers = LoadPngResource(FResources, u"PageNumbersPNG");
    FCore = std::make_unique<TMainFormCore>(static_cast<TMainFormEvents&>(*this), &FView, FResources, FRun.CurrentSettings,
                                            std::filesystem::path(FRun.DataFolder), GetSystemMetrics(SM_CYSCREEN));
    FView.SetCore(FCore.get());
    FNavigator = std::make_unique<TMainFormNavigator>(*FCore, [this] { PostMessageW(Handle(), MsgOpenPage, 0, 0); });

    const TSizeI size = FCore->InitialSize();
    const TRectI screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    const TRectI place = CentredRect(screen, size.Width, size.Height);
    TCreateArgs a;
    a.ClassName = ClassName;
    a.Title = Caption;
    a.Style = WS_POPUP | WS_CLIPCHILDREN | WS_MINIMIZEBOX | WS_SYSMENU;
    a.ExStyle = WS_EX_LAYERED | WS_EX_APPWINDOW;
    a.X = place.Left;
    a.Y = place.Top;
    a.Width = place.Width();
    a.Height = place.Height();
    if (!CreateWindowFrom(a)) return false;
    SetLayeredWindowAttributes(Handle(), WindowKeyColour, 0, LWA_COLORKEY);
    ShowWindow(Handle(), showCommand);
    UpdateWindow(Handle());
    SetForegroundWindow(Handle());
    return true;
}

bool TMainForm::IsOwnWindow(HWND hwnd) const { return hwnd && (hwnd == Handle() || IsChild(Handle(), hwnd)); }

bool TMainForm::PreTranslate(MSG& msg) {
    if (FWindows.PreTranslate(msg)) return true;
    if (!FCore || !IsOwnWindow(msg.hwnd)) return false;
    switch (msg.message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        // Key preview: the main window's key map holds wherever the focus is inside it.
        return FCore->KeyDown(int(msg.wParam), KeyShiftState());
    case WM_MOUSEWHEEL:
        return FCore->MouseWheel(GET_WHEEL_DELTA_WPARAM(msg.wParam));
    }
    return false;
}

void TMainForm::Dispatch(MSG& msg) {
    if (PreTranslate(msg)) return;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
}

int TMainForm::RunMessageLoop() {
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        Dispatch(msg);
        // Only here, outside every handler, may closed windows be freed.
        FWindows.ReapClosed();
    }
    return int(msg.wParam);
}

void TMainForm::ProcessPendingMessages() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            PostQuitMessage(int(msg.wParam));  // the outer loop ends the run
            return;
        }
        Dispatch(msg);
    }
}

LRESULT TMainForm::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        SetClassLongPtrW(Handle(), GCLP_HCURSOR, LONG_PTR(TableCursor(10)));
        FView.Create(Handle(), *this);
        FStrip.Create(Handle(), *this);
        SetWindowPos(FStrip.Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        FCore->FormCreated();
        SetTimer(Handle(), StartupTimerId, StartupTimerMilliseconds, nullptr);
        return 0;
    case WM_SIZE:
        InvalidateGrip();
        FCore->Resize(LOWORD(lParam), HIWORD(lParam));
        FGrip = Grip();
        InvalidateGrip();
        return 0;
    case WM_PAINT:
        Paint();
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_SIZING:
        if (RECT* r = reinterpret_cast<RECT*>(lParam)) {
            TRectI proposed = ToRectI(*r);
            KeepWindowAspect(int(wParam), proposed);
            *r = RECT{proposed.Left, proposed.Top, proposed.Right, proposed.Bottom};
        }
        return TRUE;
    case WM_GETMINMAXINFO: {
        auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
        info->ptMinTrackSize = POINT{MainWindowMinWidth, MainWindowMinHeight};
        return 0;
    }
    case WM_NCHITTEST: {
        POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        ScreenToClient(Handle(), &p);
        if (const int hit = SizeGripHitTest(Grip(), p.x, p.y, false)) return hit;
        break;
    }
    case WM_SETCURSOR:
        if (HWND(wParam) == Handle() && LOWORD(lParam) == HTCLIENT) {
            SetCursor(TableCursor(10));
            return TRUE;
        }
        break;
    case WM_LBUTTONDOWN:
        FCore->FrameMouseDown(mbLeft);
        return 0;
    case WM_RBUTTONDOWN:
        FCore->FrameMouseDown(mbRight);
        break;
    case WM_MOUSEMOVE:
        PointerMovedOver(Handle());
        return 0;
    case WM_MOUSELEAVE:
        PointerLeft();
        return 0;
    case WM_CONTEXTMENU: {
        int x = GET_X_LPARAM(lParam), y = GET_Y_LPARAM(lParam);
        if (lParam == -1) {  // from the keyboard: at the pointer
            POINT p;
            GetCursorPos(&p);
            x = p.x, y = p.y;
        }
        ShowPopupMenu(x, y);
        return 0;
    }
    case WM_COMMAND:
        if (lParam == 0 && HIWORD(wParam) == 0) {  // a menu item
            FCore->ExecuteCommand(TCommandId(LOWORD(wParam)));
            return 0;
        }
        break;
    case WM_TIMER:
        if (wParam == StartupTimerId) {
            FCore->StartupTimerFired();
            return 0;
        }
        break;
    case WM_DESTROY:
        KillTimer(Handle(), StartupTimerId);
        FWindows.Clear();
        PostQuitMessage(0);
        return 0;
    }
    if (message >= WM_USER && message < WM_APP && FCore->HandlePrivateMessage(message, wParam, lParam)) return 0;
    return TWindow::HandleMessage(message, wParam, lParam);
}

void TMainForm::Paint() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(Handle(), &ps);
    RECT client;
    GetClientRect(Handle(), &client);
    const bool splash = FCore->DrawSplash();
    const int page = std::clamp(FCore->PageNumber, FirstPage, LastPage);
    if (FPainted.Width() != client.right || FPainted.Height() != client.bottom || FPaintedSplash != splash ||
        (!splash && FPaintedPage != page)) {
        FPainted = splash ? PaintSplash(FSplash.get(), client.right, client.bottom)
                          : PaintFrame(FFrame.get(), FPageNumbers.get(), page, client.right, client.bottom);
        FPaintedSplash = splash;
        FPaintedPage = page;
    }
    BlitBitmap(dc, FPainted, 0, 0);
    DrawSizeGrip(dc);
    EndPaint(Handle(), &ps);
}

TRectI TMainForm::Grip() const {
    RECT client{};
    GetClientRect(Handle(), &client);
    return SizeGripRect(client.right, client.bottom, false);
}

void TMainForm::InvalidateGrip() {
    const RECT r{FGrip.Left, FGrip.Top, FGrip.Right, FGrip.Bottom};
    InvalidateRect(Handle(), &r, FALSE);
}

void TMainForm::DrawSizeGrip(HDC dc) {
    const COLORREF c1 = GetSysColor(COLOR_BTNHIGHLIGHT), c2 = GetSysColor(COLOR_BTNSHADOW);
    const COLORREF c3 = GripMidColour(GetSysColor(COLOR_BTNFACE), c2);
    for (const TGripLine& line : ClassicGripLines(Grip())) {
        const COLORREF colour = line.Colour == gcHighlight ? c1 : line.Colour == gcShadow ? c2 : c3;
        HPEN pen = CreatePen(PS_SOLID, 1, colour);
        HGDIOBJ old = SelectObject(dc, pen);
        MoveToEx(dc, line.X0, line.Y0, nullptr);
        LineTo(dc, line.X1, line.Y1);
        SelectObject(dc, old);
        DeleteObject(pen);
    }
}

void TMainForm::ShowPopupMenu(int screenX, int screenY) {
    if (!FCore->PopupMenuOpening()) return;  // the splash: no menu
    const TPopupMenuModel& model = FCore->PopupMenu();
    const UINT command = TrackPopupMenuModel(Handle(), model, screenX, screenY);
    if (command != 0) FCore->ExecuteCommand(TCommandId(command));
}

void TMainForm::InvalidateWindow() {
    if (Handle()) InvalidateRect(Handle(), nullptr, FALSE);
}

void TMainForm::PlaceView(const TRectI& b) {
    if (FView.Handle())
        SetWindowPos(FView.Handle(), nullptr, b.Left, b.Top, b.Width(), b.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
    if (!FView.Handle()) return;
    // The view stays hidden under the splash; the first page opening shows it.
    ShowWindow(FView.Handle(), FCore && !FCore->DrawSplash() ? SW_SHOWNA : SW_HIDE);
    // A new size means a new PageScale: the part that stays must be drawn again too.
    InvalidateRect(FView.Handle(), nullptr, FALSE);
}

void TMainForm::PlaceHeaderStrip(const TRectI& b) {
    if (FStrip.Handle())
        SetWindowPos(FStrip.Handle(), nullptr, b.Left, b.Top, b.Width(), b.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
    if (FStrip.Handle()) InvalidateRect(FStrip.Handle(), nullptr, FALSE);
}

void TMainForm::ShowHeaderStrip(bool visible) {
    if (FStrip.Handle()) ShowWindow(FStrip.Handle(), visible ? SW_SHOWNA : SW_HIDE);
}

void TMainForm::LoadHeaderStripPictures(std::u16string_view juzName, std::u16string_view suraName) {
    FStrip.LoadPictures(FResources, juzName, suraName);
}

void TMainForm::RepaintHeaderStrip() {
    if (FStrip.Handle()) InvalidateRect(FStrip.Handle(), nullptr, FALSE);
}

void TMainForm::AttachPagePictures(TPageView& page) { ::AttachPagePictures(page, FResources); }

void TMainForm::ReportError(std::u16string_view message) {
    const std::wstring text = ToWide(message);
    MessageBoxW(Handle(), text.c_str(), WidePtr(Caption), MB_OK | MB_ICONERROR | ReadingOrder(message));
}

void TMainForm::ShowError(std::u16string_view message) { ReportError(message); }

bool TMainForm::PutOnClipboard(std::u16string_view document) {
    return PutRtfOnClipboard(Handle(), FRun.RtfClipboardFormat, RtfToAnsi(std::u16string(document)));
}

void TMainForm::RunCommand(TCommandId command) {
    const TAppLanguge language = FRun.CurrentSettings.Languge;
    switch (command) {
    case cmGoToPage:
        if (auto* open = FWindows.Find<TGoToPageDialog>()) {
            open->BringToFront();
        } else {
            auto dialog = std::make_unique<TGoToPageDialog>();
            dialog->Create(Handle(), language, *FCore, *this);
            FWindows.Add(std::move(dialog));
        }
        break;
    case cmCopyRange: {
        auto* window = FWindows.Find<TCopyRangeWindow>();
        if (!window) {
            auto created = std::make_unique<TCopyRangeWindow>();
            if (created->Create(Handle(), language, [this](TCopyRangeChoice c) { FCore->CopyRange(c); }))
                window = created.get();
            FWindows.Add(std::move(created));
        }
        if (window) window->Preset(CopyRangePreselectedSura(FCore->View().PageView()));
        break;
    }
    case cmIndex:
        if (auto* open = FWindows.Find<TFahrasWindow>()) {
            open->BringToFront();
        } else {
            auto index = std::make_unique<TFahrasWindow>();
            index->Create(Handle(), language, *FNavigator, FResources);
            FWindows.Add(std::move(index));
        }
        break;
    case cmSearch: {
        // A new, independent window for every use; the history file is their one list.
        auto search = std::make_unique<TSearchWindow>();
        search->Create(Handle(), language, *FNavigator, FRun.DataFolder + u"\\" + SearchHistoryFileName);
        FWindows.Add(std::move(search));
        break;
    }
    case cmHelp:
        OpenWebAddress(Handle(), HelpAddress());
        break;
    case cmWebsite:
        OpenWebAddress(Handle(), ProductSiteAddress());
        break;
    case cmAbout:
        if (auto* open = FWindows.Find<TAboutWindow>()) {
            open->BringToFront();
        } else {
            auto about = std::make_unique<TAboutWindow>();
            about->Create(Handle(), FResources);
            FWindows.Add(std::move(about));
        }
        break;
    case cmSettings:
        if (auto* open = FWindows.Find<TSettingsWindow>()) {
            open->BringToFront();
        } else {
            auto window = std::make_unique<TSettingsWindow>();
            // The dialog's Help posts the main window's help message.
            window->Create(Handle(), FRun.CurrentSettings, FRun.DefaultSettings,
                           std::filesystem::path(FRun.DataFolder),
                           [main = Handle()] { PostMessageW(main, MsgHelp, 0, 0); });
            FWindows.Add(std::move(window));
        }
        break;
    default:
        break;  // the main window's own commands are run by its logic
    }
}

void TMainForm::CloseWindow() { PostMessageW(Handle(), WM_CLOSE, 0, 0); }

void TMainForm::EndRun() { PostQuitMessage(0); }

void TMainForm::BringToFront() {
    if (IsIconic(Handle())) ShowWindow(Handle(), SW_RESTORE);
    SetForegroundWindow(Handle());
    BringWindowToTop(Handle());
}

void TMainForm::BeginWindowMove() {
    SetFocus(Handle());
    ReleaseCapture();
    SendMessageW(Handle(), WM_SYSCOMMAND, SC_MOVE | HTCAPTION, 0);  // 0xF012: move by caption
}

void TMainForm::StopStartupTimer() { KillTimer(Handle(), StartupTimerId); }

void TMainForm::StartUpdateCheck() {
    if (FCollector) return;
    FCollector = TChkVersion::Create(ConfiguredUpdateAddress());
    if (!FCollector) return;
    FCollector->MainFormHandle = Handle();
    FCollector->AnswerMessage = MsgUpdateVersion;
    FCollector->Start();
}

void TMainForm::ShowUpdateNotice(int major, int minor) {
    // A version of our own that cannot be read compares with nothing: no notice.
    const auto own = GetOwnFileVersion();
    if (!own || !UpdateNoticeWanted({major, minor}, *own)) return;
    auto notice = std::make_unique<TUpdateNoticeWindow>();
    notice->Create(Handle(), FRun.CurrentSettings.Languge);
    FWindows.Add(std::move(notice));
}

void TMainForm::PointerMovedOver(HWND window) {
    TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, window, 0};
    TrackMouseEvent(&track);
    // Every move counts as being over the window, so a pointer that came in
    // during the splash or on pages 1 and 2 shows the strip once it may be shown.
    FCore->MouseEnteredWindow();
}

void TMainForm::PointerLeft() {
    POINT p;
    GetCursorPos(&p);
    // Moving between the window and its children is no leaving.
    if (IsOwnWindow(WindowFromPoint(p))) return;
    RECT strip{};
    if (FStrip.Handle()) GetWindowRect(FStrip.Handle(), &strip);
    FCore->MouseLeft(PtInRect(&strip, p) != 0);
}

void TMainForm::DragFromSelection() {
    const auto document = FCore->SelectionDocument();
    if (!document) return;
    if (DetectDrag(FView.Handle())) RunRtfDrag(*document, FRun.RtfClipboardFormat);
}

int RunMainWindow(const TResourceSource& resources, TRunValues& run, int showCommand) {
    TMainForm form(resources, run);
    if (!form.Create(showCommand)) {
        MessageBoxW(nullptr, L"The main window cannot be created.", L"Tiravel", MB_OK | MB_ICONERROR);
        return 1;
    }
    return form.RunMessageLoop();
}
