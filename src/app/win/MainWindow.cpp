#include "app/win/MainWindow.h"

#include <windowsx.h>

#include <algorithm>
#include <exception>

#include "base/DataError.h"
#include "base/OutsideNames.h"
#include "base/ResourceSource.h"
#include "base/win/Dpi.h"
#include "base/win/ReadingOrder.h"
#include "base/win/WindowPlacement.h"
#include "app/SizeGrip.h"
#include "render/win/GdiBlit.h"
#include "app/win/InputWin.h"
#include "pagemodel/PagePictures.h"
#include "settings/win/SettingsWindow.h"
#include "search/SuraIndexForm.h"
#include "search/SearchHistory.h"
#include "search/win/SuraIndexWindow.h"
#include "search/win/SearchWindow.h"
#include "app/EntrySequence.h"
#include "commands/win/Cursors.h"
#include "commands/win/PopupMenuWin.h"
#include "system/Addresses.h"
#include "system/win/AboutWindow.h"
#include "system/win/UpdateCheckThread.h"
#include "system/win/OwnVersion.h"
#include "system/win/UpdateNoticeWindow.h"
#include "system/win/WebAddress.h"
#include "text/CopyRangeForm.h"
#include "text/win/CopyRangeWindow.h"
#include "text/win/RtfClipboard.h"
#include "text/win/RtfDrag.h"

namespace {

constexpr UINT_PTR StartupTimerId = 1;
constexpr UINT_PTR PageSaveTimerId = 2;

TRectI ToRectI(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

}  // namespace

TMainWindow::TMainWindow(const TResourceSource& resources, TRunValues& run) : FResources(resources), FRun(run) {}

TMainWindow::~TMainWindow() {
    FWindows.Clear();
    if (Handle()) KillTimer(Handle(), StartupTimerId);
}

bool TMainWindow::Create(int showCommand) {
    FPictures.emplace(LoadWindowPictures(FResources));
    // Device pixels of the primary monitor's work area: the window opens there.
    MONITORINFO monitor{sizeof monitor};
    RECT work{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    if (GetMonitorInfoW(MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY), &monitor)) work = monitor.rcWork;
    FForm = std::make_unique<TMainForm>(static_cast<TMainView&>(*this), &FView, FResources, FRun.CurrentSettings,
                                            std::filesystem::path(FRun.DataFolder), work.bottom - work.top);
    FView.SetForm(FForm.get());
    FNavigator = std::make_unique<TMainNavigator>(*FForm, [this] { PostMessageW(Handle(), MsgOpenPage, 0, 0); });

    const TSizeI size = FForm->InitialSize();
    const TRectI place = RememberedMainPlace().value_or(CentredRect(ToRectI(work), size.Width, size.Height));
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

std::optional<TRectI> TMainWindow::RememberedMainPlace() const {
    const TWindowPlaces* places = RememberedPlaces();
    const auto remembered = places ? places->Find(MainWindowPlaceKey) : std::nullopt;
    if (!remembered) return std::nullopt;
    const std::vector<TMonitorArea> monitors = MonitorAreas();
    const auto monitor = MonitorOf(*remembered, monitors);
    if (!monitor) return std::nullopt;  // its monitor is gone: centred on the screen
    const TSizeI size =
        RememberedWindowSize(remembered->Height, {monitor->Work.Width, monitor->Work.Height}, CreationDpi(nullptr));
    const TWindowPlace p = ClampToArea({remembered->Left, remembered->Top, size.Width, size.Height}, monitor->Work);
    return TRectI{p.Left, p.Top, p.Right(), p.Bottom()};
}

bool TMainWindow::IsOwnWindow(HWND hwnd) const { return hwnd && (hwnd == Handle() || IsChild(Handle(), hwnd)); }

bool TMainWindow::PreTranslate(MSG& msg) {
    if (FWindows.PreTranslate(msg)) return true;
    if (!FForm || !IsOwnWindow(msg.hwnd)) return false;
    switch (msg.message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        // Key preview: the main window's key map holds wherever the focus is inside it.
        return FForm->KeyDown(int(msg.wParam), KeyShiftState());
    case WM_MOUSEWHEEL:
        return FForm->MouseWheel(GET_WHEEL_DELTA_WPARAM(msg.wParam));
    }
    return false;
}

void TMainWindow::Dispatch(MSG& msg) {
    if (PreTranslate(msg)) return;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
}

int TMainWindow::RunMessageLoop() {
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        Dispatch(msg);
        // Only here, outside every handler, may closed windows be freed.
        FWindows.ReapClosed();
    }
    if (FForm) FForm->RunEnding();
    return int(msg.wParam);
}

void TMainWindow::ProcessPendingMessages() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            PostQuitMessage(int(msg.wParam));  // the outer loop ends the run
            return;
        }
        Dispatch(msg);
    }
}

LRESULT TMainWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        SetClassLongPtrW(Handle(), GCLP_HCURSOR, LONG_PTR(TableCursor(10)));
        FView.Create(Handle(), *this);
        FStrip.Create(Handle(), *this);
        FForm->SetDisplayScale(Scale());
        SetWindowPos(FStrip.Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        FForm->FormCreated();
        FForm->StartReadingFirstPage();
        SetTimer(Handle(), StartupTimerId, StartupTimerMilliseconds, nullptr);
        return 0;
    case WM_SIZE:
        InvalidateGrip();
        FForm->Resize(LOWORD(lParam), HIWORD(lParam));
        FGrip = Grip();
        InvalidateGrip();
        return 0;
    case WM_PAINT:
        Paint();
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_DPICHANGED: {
        // The frame, strip and page follow the new size; the grip and the
        // page's largest scale follow the new DPI.
        InvalidateGrip();
        const LRESULT result = TWindow::HandleMessage(message, wParam, lParam);
        FForm->SetDisplayScale(Scale());
        return result;
    }
    case WM_SIZING:
        if (RECT* r = reinterpret_cast<RECT*>(lParam)) {
            TRectI proposed = ToRectI(*r);
            KeepWindowAspect(int(wParam), proposed);
            *r = RECT{proposed.Left, proposed.Top, proposed.Right, proposed.Bottom};
        }
        return TRUE;
    case WM_GETMINMAXINFO: {
        auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
        const TSizeI least = MainWindowMinSize(Dpi());
        info->ptMinTrackSize = POINT{least.Width, least.Height};
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
        FForm->FrameMouseDown(mbLeft);
        return 0;
    case WM_RBUTTONDOWN:
        FForm->FrameMouseDown(mbRight);
        break;
    case WM_MOUSEMOVE:
        PointerMovedOver(Handle());
        return 0;
    case WM_MOUSELEAVE:
        PointerLeft();
        return 0;
    case WM_CONTEXTMENU: {
        int x = GET_X_LPARAM(lParam), y = GET_Y_LPARAM(lParam);
        if (lParam == -1) {  // from the keyboard (the menu key, Shift+F10): over the middle of the page
            RECT r{};
            GetWindowRect(Handle(), &r);
            x = (r.left + r.right) / 2, y = (r.top + r.bottom) / 2;
        }
        ShowPopupMenu(x, y);
        return 0;
    }
    case WM_COMMAND:
        if (lParam == 0 && HIWORD(wParam) == 0) {  // a menu item
            FForm->ExecuteCommand(TCommandId(LOWORD(wParam)));
            return 0;
        }
        break;
    case WM_TIMER:
        if (wParam == StartupTimerId) {
            FForm->StartupTimerFired();
            return 0;
        }
        if (wParam == PageSaveTimerId) {
            KillTimer(Handle(), PageSaveTimerId);
            FForm->PageSaveTimerFired();
            return 0;
        }
        break;
    case WM_ENDSESSION:
        if (wParam) FForm->RunEnding();  // the process may end without the loop's end
        return 0;
    case WM_DESTROY:
        // The owned tool windows are gone already, but one of them may still
        // be inside a modal loop of its own (a colour or file dialog): their
        // objects are freed by the outer loop alone, once every handler has returned.
        KillTimer(Handle(), StartupTimerId);
        KillTimer(Handle(), PageSaveTimerId);
        PostQuitMessage(0);
        return 0;
    }
    if (message >= WM_USER && message < WM_APP && FForm->HandlePrivateMessage(message, wParam, lParam)) return 0;
    return TWindow::HandleMessage(message, wParam, lParam);
}

void TMainWindow::Paint() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(Handle(), &ps);
    RECT client;
    GetClientRect(Handle(), &client);
    const bool splash = FForm->DrawSplash();
    const int page = std::clamp(FForm->PageNumber, FirstPage, LastPage);
    BlitBitmap(dc, splash ? FPictures->Splash(client.right, client.bottom)
                          : FPictures->Frame(page, client.right, client.bottom), 0, 0);
    DrawSizeGrip(dc);
    EndPaint(Handle(), &ps);
}

TRectI TMainWindow::Grip() const {
    RECT client{};
    GetClientRect(Handle(), &client);
    return SizeGripRect(client.right, client.bottom, false, Scale());
}

void TMainWindow::InvalidateGrip() {
    const RECT r{FGrip.Left, FGrip.Top, FGrip.Right, FGrip.Bottom};
    InvalidateRect(Handle(), &r, FALSE);
}

void TMainWindow::DrawSizeGrip(HDC dc) {
    const COLORREF c1 = GetSysColor(COLOR_BTNHIGHLIGHT), c2 = GetSysColor(COLOR_BTNSHADOW);
    const COLORREF c3 = GripMidColour(GetSysColor(COLOR_BTNFACE), c2);
    for (const TGripLine& line : ClassicGripLines(Grip(), Scale())) {
        const COLORREF colour = line.Colour == gcHighlight ? c1 : line.Colour == gcShadow ? c2 : c3;
        HPEN pen = CreatePen(PS_SOLID, Scale()(1), colour);
        HGDIOBJ old = SelectObject(dc, pen);
        MoveToEx(dc, line.X0, line.Y0, nullptr);
        LineTo(dc, line.X1, line.Y1);
        SelectObject(dc, old);
        DeleteObject(pen);
    }
}

void TMainWindow::ShowPopupMenu(int screenX, int screenY) {
    if (!FForm->PopupMenuOpening()) return;  // the splash: no menu
    const TPopupMenuModel& model = FForm->PopupMenu();
    const UINT command = TrackPopupMenuModel(Handle(), model, screenX, screenY);
    if (command != 0) FForm->ExecuteCommand(TCommandId(command));
}

void TMainWindow::InvalidateWindow() {
    if (Handle()) InvalidateRect(Handle(), nullptr, FALSE);
}

void TMainWindow::PlaceView(const TRectI& b) {
    if (FView.Handle())
        SetWindowPos(FView.Handle(), nullptr, b.Left, b.Top, b.Width(), b.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
    if (!FView.Handle()) return;
    // The view stays hidden under the splash; the first page opening shows it.
    ShowWindow(FView.Handle(), FForm && !FForm->DrawSplash() ? SW_SHOWNA : SW_HIDE);
    // A new size means a new PageScale: the part that stays must be drawn again too.
    InvalidateRect(FView.Handle(), nullptr, FALSE);
}

void TMainWindow::PlaceHeaderStrip(const TRectI& b) {
    if (FStrip.Handle())
        SetWindowPos(FStrip.Handle(), nullptr, b.Left, b.Top, b.Width(), b.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
    if (FStrip.Handle()) InvalidateRect(FStrip.Handle(), nullptr, FALSE);
}

void TMainWindow::ShowHeaderStrip(bool visible) {
    if (FStrip.Handle()) ShowWindow(FStrip.Handle(), visible ? SW_SHOWNA : SW_HIDE);
}

void TMainWindow::LoadHeaderStripPictures(std::u16string_view juzName, std::u16string_view suraName) {
    FStrip.LoadPictures(FResources, juzName, suraName);
}

void TMainWindow::RepaintHeaderStrip() {
    if (FStrip.Handle()) InvalidateRect(FStrip.Handle(), nullptr, FALSE);
}

void TMainWindow::AttachPagePictures(TPage& page) { ::AttachPagePictures(page, FResources); }

void TMainWindow::ReportError(std::u16string_view message) {
    const std::wstring text = ToWide(message);
    MessageBoxW(Handle(), text.c_str(), WidePtr(Caption), MB_OK | MB_ICONERROR | ReadingOrder(message));
}

void TMainWindow::ShowError(std::u16string_view message) { ReportError(message); }

bool TMainWindow::PutOnClipboard(const TClipboardDocument& document) {
    return PutBlocksOnClipboard(Handle(), ClipboardBlocks(document, FRun.RtfClipboardFormat));
}

void TMainWindow::RunCommand(TCommandId command) {
    const TAppLanguage language = FRun.CurrentSettings.Language;
    switch (command) {
    case cmGoToPage:
        FWindows.ShowOrCreate<TGoToPageWindow>(
            [&](TGoToPageWindow& w) { return w.Create(Handle(), language, *FForm, *this); });
        break;
    case cmCopyRange: {
        auto* window = FWindows.ShowOrCreate<TCopyRangeWindow>([&](TCopyRangeWindow& w) {
            return w.Create(Handle(), language, [this](TCopyRangeChoice c) { FForm->CopyRange(c); });
        });
        if (window) window->Preset(CopyRangePreselectedSura(FForm->Viewer().Page()));
        break;
    }
    case cmIndex:
        FWindows.ShowOrCreate<TSuraIndexWindow>(
            [&](TSuraIndexWindow& w) { return w.Create(Handle(), language, FSuraIndex, *FNavigator, FResources); });
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
        FWindows.ShowOrCreate<TAboutWindow>([&](TAboutWindow& w) { return w.Create(Handle(), FResources); });
        break;
    case cmSettings:
        FWindows.ShowOrCreate<TSettingsWindow>([&](TSettingsWindow& w) {
            // The dialog's Help posts the main window's help message.
            return w.Create(Handle(), FRun.CurrentSettings, FRun.DefaultSettings, FForm->CopyOptions,
                            std::filesystem::path(FRun.DataFolder), FForm->SettingsSaving(),
                            [main = Handle()] { PostMessageW(main, MsgHelp, 0, 0); });
        });
        break;
    default:
        break;  // the main window's own commands are run by its logic
    }
}

void TMainWindow::CloseWindow() { PostMessageW(Handle(), WM_CLOSE, 0, 0); }

void TMainWindow::EndRun() { PostQuitMessage(0); }

void TMainWindow::BringToFront() {
    if (IsIconic(Handle())) ShowWindow(Handle(), SW_RESTORE);
    SetForegroundWindow(Handle());
    BringWindowToTop(Handle());
}

void TMainWindow::BeginWindowMove() {
    SetFocus(Handle());
    ReleaseCapture();
    SendMessageW(Handle(), WM_SYSCOMMAND, SC_MOVE | HTCAPTION, 0);  // 0xF012: move by caption
}

void TMainWindow::StopStartupTimer() { KillTimer(Handle(), StartupTimerId); }

void TMainWindow::StartPageSaveTimer() {
    if (Handle()) SetTimer(Handle(), PageSaveTimerId, PageSaveMilliseconds, nullptr);
}

void TMainWindow::StartUpdateCheck() {
    if (FCollector) return;
    FCollector = TUpdateCheck::Create(ConfiguredUpdateAddress());
    if (!FCollector) return;
    FCollector->MainFormHandle = Handle();
    FCollector->AnswerMessage = MsgUpdateVersion;
    FCollector->Start();
}

void TMainWindow::ShowUpdateNotice(int major, int minor) {
    // A version of our own that cannot be read compares with nothing: no notice.
    const auto own = GetOwnFileVersion();
    if (!own || !UpdateNoticeWanted({major, minor}, *own)) return;
    // One notice, however many answers arrive: an open one comes to the front.
    FWindows.ShowOrCreate<TUpdateNoticeWindow>(
        [&](TUpdateNoticeWindow& w) { return w.Create(Handle(), FRun.CurrentSettings.Language); });
}

void TMainWindow::PointerMovedOver(HWND window) {
    TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, window, 0};
    TrackMouseEvent(&track);
    // Every move counts as being over the window, so a pointer that came in
    // during the splash or on pages 1 and 2 shows the strip once it may be shown.
    FForm->MouseEnteredWindow();
}

void TMainWindow::PointerLeft() {
    POINT p;
    GetCursorPos(&p);
    // Moving between the window and its children is no leaving.
    if (IsOwnWindow(WindowFromPoint(p))) return;
    RECT strip{};
    if (FStrip.Handle()) GetWindowRect(FStrip.Handle(), &strip);
    FForm->MouseLeft(PtInRect(&strip, p) != 0);
}

void TMainWindow::DragFromSelection() {
    const auto document = FForm->SelectionDocument();
    if (!document) return;
    if (DetectDrag(FView.Handle())) RunRtfDrag(*document, FRun.RtfClipboardFormat);
}

int RunMainWindow(const TResourceSource& resources, TRunValues& run, int showCommand) {
    // Made before the windows and gone after them, which give their places
    // back as they are destroyed.
    TWindowPlaces places(std::filesystem::path(run.DataFolder) / std::filesystem::path(OptionsFileName));
    places.Load();
    TRememberedPlaces attached(places);
    TMainWindow form(resources, run);
    if (!form.Create(showCommand)) {
        MessageBoxW(nullptr, L"The main window cannot be created.", WidePtr(ApplicationTitle), MB_OK | MB_ICONERROR);
        return 1;
    }
    return form.RunMessageLoop();
}
