#include "search/win/SuraIndexWindow.h"

#include <commctrl.h>

#include <cstring>
#include <span>
#include <string>

#include "base/DataError.h"
#include "base/OutsideNames.h"
#include "base/Picture.h"
#include "base/ResourceSource.h"
#include "base/win/Dpi.h"
#include "render/PictureReduction.h"
#include "render/win/GdiBlit.h"
#include "search/MushafNavigator.h"
#include "text/AyaText.h"

namespace {

constexpr int ButtonId = 20;

// Draws a BMP file (as the bitmap resources hold it) reduced into `r` with
// the renderer's filter; the button's picture is drawn at twice its size.
void DrawBmpFile(HDC dc, std::span<const std::uint8_t> bytes, const RECT& r) {
    std::unique_ptr<TPicture> picture;
    try {
        picture = TPicture::LoadBmp(bytes);
    } catch (const TDataError&) {
        return;
    }
    const TBitmap24 shown = ReducePicture(*picture, r.right - r.left, r.bottom - r.top, 0xFFFFFF);
    // A mirrored window would draw the picture mirrored too.
    const DWORD layout = GetLayout(dc);
    if (layout & LAYOUT_RTL) SetLayout(dc, layout | LAYOUT_BITMAPORIENTATIONPRESERVED);
    BlitBitmap(dc, shown, r.left, r.top);
    SetLayout(dc, layout);
}

}  // namespace

bool TSuraIndexWindow::Create(HWND owner, TAppLanguage language, TSuraIndexForm& form, TMushafNavigator& main,
                              const TResourceSource& resources) {
    FForm = &form;
    FMain = &main;
    FResources = &resources;
    FLanguage = language;
    const bool arabic = language == appArabic;
    const TSizeI size = SuraIndexPlaces({CreationDpi(owner)}).Client;
    TCreateArgs a = ToolWindowArgs(ClassName, SuraIndexTexts(language).Caption, owner, size.Width, size.Height, arabic,
                                   WS_CLIPCHILDREN, TPlacement::OnScreen);
    if (!CreateWindowFrom(a)) return false;
    CreateFonts();

    RECT client{};
    GetClientRect(Handle(), &client);
    // The button first: the tab order follows the reading order, strip then grid.
    FButton = AddControl(L"BUTTON", u"", BS_OWNERDRAW | WS_TABSTOP, SuraIndexPlaces(Scale()).Button, ButtonId);
    FShortModel = ShortIndexGrid(client.right, client.bottom, Scale());
    FDetailedModel = DetailedIndexGrid(client.right, client.bottom, Scale());
    const int strip = SuraIndexPlaces(Scale()).StripHeight;
    const TControlPlace gridPlace{0, strip, client.right, client.bottom - strip};
    if (!FShort.Create(Handle(), gridPlace, FShortModel, *this, false)) return false;
    if (!FDetailed.Create(Handle(), gridPlace, FDetailedModel, *this, true)) return false;
    LayOut();

    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    FTip = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT,
                           CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, Handle(), nullptr, GetModuleHandleW(nullptr),
                           nullptr);
    if (FTip) {
        TTTOOLINFOW tool{};
        tool.cbSize = sizeof tool;
        tool.uFlags = TTF_SUBCLASS | TTF_IDISHWND;
        tool.hwnd = Handle();
        tool.uId = UINT_PTR(FButton);
        tool.lpszText = const_cast<wchar_t*>(L"");
        SendMessageW(FTip, TTM_ADDTOOLW, 0, LPARAM(&tool));
        SendMessageW(FTip, WM_SETFONT, WPARAM(FHintFont.Get()), FALSE);
    }
    ShowMode();
    SetFocus(ShownGrid().Handle());
    RememberFocus(ShownGrid().Handle());
    ShowWindow(Handle(), SW_SHOW);
    SetForegroundWindow(Handle());
    return true;
}

void TSuraIndexWindow::CreateFonts() {
    const TSuraIndexPlaces p = SuraIndexPlaces(Scale());
    const bool arabic = FLanguage == appArabic;
    SetWindowFont(CreateInterfaceFont(arabic, p.FontHeight));  // Tahoma 8 points
    FGridFont = CreateQuranFont(p.NameFontHeight);
    // The Quran face has no Latin letters: English headers take the interface face.
    const int headerHeight = PointsToPixels(SuraIndexTexts(FLanguage).HeaderPoints, Dpi());
    FHeaderFont = arabic ? CreateQuranFont(headerHeight) : CreateInterfaceFont(false, headerHeight);
    FDigitFont = CreateQuranFont(PointsToPixels(14, Dpi()));
    FHintFont = CreateInterfaceFont(true, p.HintFontHeight);  // the hints are Arabic in both languages
    if (FTip) SendMessageW(FTip, WM_SETFONT, WPARAM(FHintFont.Get()), FALSE);
}

void TSuraIndexWindow::LayOut() {
    RECT client{};
    GetClientRect(Handle(), &client);
    const TSuraIndexPlaces p = SuraIndexPlaces(Scale());
    // Column widths follow the window's client width, as the grids fill it.
    FShortModel.SetDefaultRowHeight(p.RowHeight);
    FDetailedModel.SetDefaultRowHeight(p.RowHeight);
    for (int c = 0; c < ShortIndexColumns; ++c)
        FShortModel.SetColumnWidth(c, ShortIndexColumnWidth(client.right, FShortModel.LineWidth));
    SetColumnFullWidth(FDetailedModel, client.right, 0, Scale());
    const TControlPlace gridPlace{0, p.StripHeight, client.right, client.bottom - p.StripHeight};
    FShort.Place(gridPlace);
    FDetailed.Place(gridPlace);
    PlaceControl(FButton, p.Button);
    FShort.Refresh();
    FDetailed.Refresh();
}

void TSuraIndexWindow::OnDpiChanged() {
    CreateFonts();
    LayOut();
}

void TSuraIndexWindow::ShowMode() {
    const bool detailed = FForm->Detailed();
    const HWND focus = GetFocus();
    const bool gridHadFocus = focus == FShort.Handle() || focus == FDetailed.Handle();
    ShowWindow(FShort.Handle(), detailed ? SW_HIDE : SW_SHOW);
    ShowWindow(FDetailed.Handle(), detailed ? SW_SHOW : SW_HIDE);
    if (gridHadFocus) SetFocus(ShownGrid().Handle());
    if (FTip) {
        const std::wstring hint = ToWide(FForm->Button().Hint);
        TTTOOLINFOW tool{};
        tool.cbSize = sizeof tool;
        tool.hwnd = Handle();
        tool.uId = UINT_PTR(FButton);
        tool.lpszText = const_cast<wchar_t*>(hint.c_str());
        SendMessageW(FTip, TTM_UPDATETIPTEXTW, 0, LPARAM(&tool));
    }
    InvalidateRect(FButton, nullptr, FALSE);
}

void TSuraIndexWindow::ToggleMode() {
    FForm->ToggleMode();
    ShowMode();
}

void TSuraIndexWindow::OpenSelected() {
    TGridControl& grid = ShownGrid();
    if (!grid.Model().HasSelection()) return;
    CellDoubleClicked(grid, grid.Model().Selected());
}

bool TSuraIndexWindow::OnCommand(int id, int code, HWND) {
    if (id == ButtonId && code == BN_CLICKED) {
        ToggleMode();
        return true;
    }
    if (id == IDOK) {  // Enter, which the dialog keys send here
        if (GetFocus() == FButton)
            ToggleMode();
        else
            OpenSelected();
        return true;
    }
    return false;
}

bool TSuraIndexWindow::GridKeyDown(TGridControl&, int key) {
    if (key != VK_RETURN) return false;
    OpenSelected();
    return true;
}

bool TSuraIndexWindow::PreviewMessage(MSG& msg) {
    if (msg.message == WM_KEYDOWN) {
        TShiftState shift = 0;
        if (GetKeyState(VK_CONTROL) < 0) shift |= ssCtrl;
        if (GetKeyState(VK_SHIFT) < 0) shift |= ssShift;
        if (!FForm->KeyDown(int(msg.wParam), shift)) return false;
        ShowMode();
        return true;
    }
    if (msg.message == WM_CHAR && (msg.hwnd == FShort.Handle() || msg.hwnd == FDetailed.Handle())) {
        const int sura = FTyping.Type(char16_t(msg.wParam), msg.time);
        TGridControl& grid = ShownGrid();
        if (sura && grid.Model().Select(FForm->SuraCell(sura))) {
            grid.Model().ScrollIntoView(grid.Model().Selected().Row);
            grid.Refresh();
        }
        return true;
    }
    return false;
}

void TSuraIndexWindow::DrawButton(const DRAWITEMSTRUCT& item) const {
    FillRect(item.hDC, &item.rcItem, GetSysColorBrush(COLOR_BTNFACE));
    if (const auto bitmap = FResources->Find(FForm->Button().Bitmap)) DrawBmpFile(item.hDC, bitmap->Bytes, item.rcItem);
    if (item.itemState & ODS_FOCUS) {
        RECT mark = item.rcItem;
        InflateRect(&mark, -1, -1);
        DrawFocusRect(item.hDC, &mark);
    }
}

LRESULT TSuraIndexWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DRAWITEM && wParam == ButtonId) {
        DrawButton(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return TRUE;
    }
    return TWindow::HandleMessage(message, wParam, lParam);
}

void TSuraIndexWindow::OnPaint(HDC dc, const RECT&) {
    RECT strip{};
    GetClientRect(Handle(), &strip);
    strip.bottom = SuraIndexPlaces(Scale()).StripHeight;
    FillRect(dc, &strip, GetSysColorBrush(COLOR_BTNFACE));
}

void TSuraIndexWindow::PaintCell(TGridControl& grid, HDC dc, TGridCell cell, const RECT& rect, bool selected) {
    const bool detailed = &grid == &FDetailed;
    const bool digits = detailed && DetailedIndexDrawsDigits(cell);
    const bool header = detailed && cell.Row == 0;
    COLORREF back = GetSysColor(COLOR_WINDOW), fore = GetSysColor(COLOR_WINDOWTEXT);
    if (selected && digits) {
        back = COLORREF(SuraIndexSelectedColour);
    } else if (selected && !header) {
        back = GetSysColor(COLOR_HIGHLIGHT);
        fore = GetSysColor(COLOR_HIGHLIGHTTEXT);
    }
    SetBkColor(dc, back);
    ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, fore);
    std::u16string text = detailed ? DetailedIndexText(cell, FLanguage) : std::u16string(ShortIndexText(cell));
    if (header) {
        SelectObject(dc, FHeaderFont);
        DrawCellLine(dc, text, rect, TCellTextAlign::Centre);
    } else if (digits) {
        SelectObject(dc, FDigitFont);
        DrawCellLine(dc, AyaNumberGlyphs(std::stoi(std::string(text.begin(), text.end()))), rect,
                     TCellTextAlign::Centre);
    } else {
        SelectObject(dc, FGridFont);
        DrawCellLine(dc, text, rect, TCellTextAlign::Right);
    }
}

void TSuraIndexWindow::CellDoubleClicked(TGridControl& grid, TGridCell cell) {
    const auto page = &grid == &FDetailed ? DetailedIndexTargetPage(cell) : ShortIndexTargetPage(cell);
    if (page) GoToIndexPage(*FMain, *page);
}
