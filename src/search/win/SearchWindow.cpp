#include "search/win/SearchWindow.h"

#include <vector>

#include "base/OutsideNames.h"
#include "base/win/ComboBox.h"
#include "base/win/Dpi.h"
#include "search/MushafNavigator.h"

namespace {

enum : int { idCombo = 10, idLabel, idCounts };

}  // namespace

bool TSearchWindow::Create(HWND owner, TAppLanguage language, TMushafNavigator& main, std::u16string historyFile) {
    FMain = &main;
    FHistoryFile = std::move(historyFile);
    FForm = std::make_unique<TSearchForm>(main.AyaStore(), language, TScale{CreationDpi(owner)});
    const TSearchFormTexts texts = SearchFormTexts(language);
    const bool arabic = language == appArabic;
    const TSizeI size = SearchClientSize(FForm->Scale());
    TCreateArgs a = ToolWindowArgs(ClassName, texts.Caption, owner, size.Width, size.Height, arabic,
                                   WS_THICKFRAME | WS_CLIPCHILDREN, TPlacement::OnScreen);
    if (!CreateWindowFrom(a)) return false;
    FForm->SetScale(Scale());
    CreateFonts();

    RECT client{};
    GetClientRect(Handle(), &client);
    const TSearchFormPlaces places = SearchFormPlaces(client.right, client.bottom, Scale());
    // In the mirrored Arabic window the base sets both labels right to left.
    FLabel = AddControl(L"STATIC", texts.Label, SS_LEFT, places.Label, idLabel);
    FCombo = AddControl(L"COMBOBOX", u"", CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL | WS_TABSTOP, places.Combo,
                        idCombo, FArabicFont, WS_EX_LAYOUTRTL);
    FCounts = AddControl(L"STATIC", FForm->CountsLine(), SS_LEFT, places.Counts, idCounts);
    if (!FGrid.Create(Handle(), places.Grid, FForm->Grid(), *this, true)) return false;
    FForm->SetColumnFullWidth(FForm->Grid().ClientWidth());
    FGrid.Refresh();
    LoadHistory();
    ShowWindow(Handle(), SW_SHOW);
    SetForegroundWindow(Handle());
    RememberFocus(FCombo);
    SetFocus(FCombo);
    return true;
}

void TSearchWindow::CreateFonts() {
    const TSearchFonts heights = SearchFontHeights(Scale());
    SetWindowFont(CreateInterfaceFont(FForm->Language() == appArabic, heights.Interface));
    FArabicFont = CreateInterfaceFont(true, heights.Box);
    if (FCombo) SendMessageW(FCombo, WM_SETFONT, WPARAM(FArabicFont.Get()), TRUE);
    FQuranFont = CreateQuranFont(PointsToPixels(SearchQuranFontPoints, Dpi()));
}

void TSearchWindow::OnDpiChanged() {
    FForm->SetScale(Scale());
    CreateFonts();
    RECT client{};
    GetClientRect(Handle(), &client);
    OnSize(client.right, client.bottom);
}

LRESULT TSearchWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_GETMINMAXINFO) {
        auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
        const TSizeI least = SearchMinWindowSize(Scale());
        info->ptMinTrackSize = POINT{least.Width, least.Height};
        return 0;
    }
    return TWindow::HandleMessage(message, wParam, lParam);
}

void TSearchWindow::OnSize(int width, int height) {
    if (!FCombo) return;  // sized during creation, before the controls exist
    const TSearchFormPlaces p = SearchFormPlaces(width, height, Scale());
    PlaceControl(FLabel, p.Label);
    PlaceControl(FCombo, p.Combo);
    PlaceControl(FCounts, p.Counts);
    FGrid.Place(p.Grid);  // the grid's own WM_SIZE updates its model
    FForm->SetColumnFullWidth(FForm->Grid().ClientWidth());
    UpdateRowHeights();
}

bool TSearchWindow::OnCommand(int id, int code, HWND) {
    if (id != idCombo) return false;
    if (FRefilling) return true;
    if (code == CBN_EDITCHANGE) {
        TextChanged(WindowText(FCombo));
        return true;
    }
    if (code == CBN_SELCHANGE) {
        // The box shows the picked text only after this notification.
        const int item = int(SendMessageW(FCombo, CB_GETCURSEL, 0, 0));
        if (item >= 0) TextChanged(ComboItemText(FCombo, item));
        return true;
    }
    return false;
}

void TSearchWindow::TextChanged(const std::u16string& text) {
    FForm->TextChanged(text);
    SetControlText(FCounts, FForm->CountsLine());
    UpdateRowHeights();
}

void TSearchWindow::UpdateRowHeights() {
    HDC dc = GetDC(FGrid.Handle());
    HGDIOBJ old = SelectObject(dc, FQuranFont);
    FForm->UpdateRowHeights([dc](std::u16string_view text, int width) {
        return DrawWrappedRightToLeft(dc, text, RECT{0, 0, width, 0}, false);
    });
    SelectObject(dc, old);
    ReleaseDC(FGrid.Handle(), dc);
    FGrid.Refresh();
}

void TSearchWindow::PaintCell(TGridControl&, HDC dc, TGridCell cell, const RECT& rect, bool selected) {
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    RECT r = rect;
    if (cell.Row < FForm->Grid().FixedRows()) {
        // The header row, as a grid draws its fixed cells.
        SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
        ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
        SelectObject(dc, WindowFont());
        DrawCellLine(dc, FForm->HeaderText(cell.Col), rect, TCellTextAlign::Right, Scale()(4));
        return;
    }
    SetBkColor(dc, selected && FForm->HasResults() ? COLORREF(SearchSelectedColour) : COLORREF(SearchCellColour));
    ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
    const TSearchCell content = FForm->Cell(cell.Col, cell.Row);
    if (content.Text.empty()) return;
    SelectObject(dc, FQuranFont);
    if (cell.Col != 2) {
        // Numbers and sura names stand on one line.
        DrawCellLine(dc, content.Text, rect, content.Align == caCentre ? TCellTextAlign::Centre : TCellTextAlign::Right,
                     FForm->CellPadding(), false);
        return;
    }
    // The aya, wrapped as it was measured, inside the padding.
    r.right -= FForm->CellPadding();
    r.left += FForm->CellPadding();
    DrawWrappedRightToLeft(dc, content.Text, r);
}

void TSearchWindow::CellDoubleClicked(TGridControl&, TGridCell) {
    const TSearchResult* r = FForm->SelectedResult();
    if (!r) return;
    const TSearchResult jump = *r;  // the history and the page opening may run other input
    AddSearchTextToHistory();
    JumpToResult(*FMain, jump);
}

void TSearchWindow::GridScrolled(TGridControl&) { UpdateRowHeights(); }

bool TSearchWindow::GridKeyDown(TGridControl&, int key) {
    if (key != 'C' || GetKeyState(VK_CONTROL) >= 0) return false;
    if (const TSearchResult* r = FForm->SelectedResult()) {
        const TSearchResult copy = *r;
        AddSearchTextToHistory();
        FMain->CopyRange(copy.Sura, copy.Aya, copy.Aya);
    }
    return true;
}

void TSearchWindow::LoadHistory() {
    const std::wstring file = ToWide(FHistoryFile);
    const std::wstring section = ToWide(SearchHistorySection);
    std::vector<wchar_t> buffer(32768);
    FForm->History().Load([&](std::u16string_view key) {
        const std::wstring k = ToWide(key);
        const DWORD n = GetPrivateProfileStringW(section.c_str(), k.c_str(), L"", buffer.data(), DWORD(buffer.size()),
                                                 file.c_str());
        return FromWide(std::wstring_view(buffer.data(), n));
    });
    FillHistoryList();
}

void TSearchWindow::FillHistoryList() {
    // Emptying the list empties the box too: the text is put back as it was,
    // without a search, since the results still describe it.
    const std::u16string text = WindowText(FCombo);
    FRefilling = true;
    SendMessageW(FCombo, CB_RESETCONTENT, 0, 0);
    for (const std::u16string& entry : FForm->History().Entries())
        SendMessageW(FCombo, CB_ADDSTRING, 0, LPARAM(WidePtr(entry.c_str())));
    SetWindowTextW(FCombo, WidePtr(text.c_str()));
    FRefilling = false;
}

void TSearchWindow::AddSearchTextToHistory() {
    // Another search window may have added texts since: start from the file.
    const std::u16string text = WindowText(FCombo);
    LoadHistory();
    if (!FForm->History().Add(text)) return;
    const std::wstring file = ToWide(FHistoryFile);
    const std::wstring section = ToWide(SearchHistorySection);
    // A file that cannot be written leaves the list as it is in this window only.
    for (const auto& [key, value] : FForm->History().Values())
        WritePrivateProfileStringW(section.c_str(), ToWide(key).c_str(),
                                   value.empty() ? nullptr : ToWide(value).c_str(), file.c_str());
    WritePrivateProfileStringW(nullptr, nullptr, nullptr, file.c_str());  // flush
    FillHistoryList();
}
