#include "text/win/CopyRangeWindow.h"

#include "base/OutsideNames.h"
#include "base/win/ComboBox.h"
#include "base/win/Dpi.h"
#include "text/SuraTables.h"

namespace {

enum : int { idSura = 10, idAya1, idAya2 };

void FillAyaList(HWND list, int suraItem) {
    SendMessageW(list, CB_RESETCONTENT, 0, 0);
    for (const std::u16string& item : CopyRangeAyaItems(suraItem))
        SendMessageW(list, CB_ADDSTRING, 0, LPARAM(ToWide(item).c_str()));
    SendMessageW(list, CB_SETCURSEL, 0, 0);
}

}  // namespace

bool TCopyRangeWindow::Create(HWND owner, TAppLanguage language, std::function<void(TCopyRangeChoice)> onCopy) {
    FOnCopy = std::move(onCopy);
    const TCopyRangeTexts texts = CopyRangeTexts(language);
    const bool arabic = language == appArabic;
    FArabic = arabic;
    const TSizeI client = CopyRangePlaces({CreationDpi(owner)}).Client;
    if (!CreateWindowFrom(ToolWindowArgs(ClassName, texts.Caption, owner, client.Width, client.Height, arabic)))
        return false;
    const DWORD list = CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP;
    FSuraLabel = AddControl(L"STATIC", texts.SuraLabel, 0, {});
    // Drawn by the window: the Quran font's lines are far taller than its
    // letters, and the box would take that whole height.
    FSura = AddControl(L"COMBOBOX", u"", list | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS, {}, idSura);
    FFromLabel = AddControl(L"STATIC", texts.FromLabel, 0, {});
    FAya1 = AddControl(L"COMBOBOX", u"", list, {}, idAya1);
    FToLabel = AddControl(L"STATIC", texts.ToLabel, 0, {});
    FAya2 = AddControl(L"COMBOBOX", u"", list, {}, idAya2);
    FCopy = AddControl(L"BUTTON", texts.Copy, BS_DEFPUSHBUTTON | WS_TABSTOP, {}, IDOK);
    FCancel = AddControl(L"BUTTON", texts.Cancel, BS_PUSHBUTTON | WS_TABSTOP, {}, IDCANCEL);
    OnDpiChanged();
    for (int s = 1; s <= 114; ++s)
        SendMessageW(FSura, CB_ADDSTRING, 0, LPARAM(ToWide(SuraNamesTashkeel[std::size_t(s)]).c_str()));
    return true;
}

void TCopyRangeWindow::OnDpiChanged() {
    const TCopyRangePlaces p = CopyRangePlaces(Scale());
    SetWindowFont(CreateInterfaceFont(FArabic, p.FontHeight));
    FQuranFont = CreateQuranFont(p.QuranFontHeight);
    SendMessageW(FSura, WM_SETFONT, WPARAM(FQuranFont.Get()), FALSE);
    FSuraItemHeight = p.SuraItemHeight;
    SendMessageW(FSura, CB_SETITEMHEIGHT, WPARAM(-1), FSuraItemHeight);  // the box itself
    SendMessageW(FSura, CB_SETITEMHEIGHT, 0, FSuraItemHeight);
    PlaceControl(FSuraLabel, p.SuraLabel);
    PlaceControl(FSura, p.Sura);
    PlaceControl(FFromLabel, p.FromLabel);
    PlaceControl(FAya1, p.Aya1);
    PlaceControl(FToLabel, p.ToLabel);
    PlaceControl(FAya2, p.Aya2);
    PlaceControl(FCopy, p.Copy);
    PlaceControl(FCancel, p.Cancel);
}

void TCopyRangeWindow::Preset(int suraItem) {
    SendMessageW(FSura, CB_SETCURSEL, WPARAM(suraItem < 0 ? 0 : suraItem), 0);
    SuraChanged();
    BringToFront();
    SetFocus(FSura);
}

void TCopyRangeWindow::SuraChanged() {
    const int item = int(SendMessageW(FSura, CB_GETCURSEL, 0, 0));
    FillAyaList(FAya1, item);
    FillAyaList(FAya2, item);
}

std::u16string TCopyRangeWindow::ListText(HWND list) const {
    return ComboSelectedText(list);
}

bool TCopyRangeWindow::OnCommand(int id, int code, HWND) {
    if (id == idSura && code == CBN_SELCHANGE) {
        SuraChanged();
        return true;
    }
    if (id != IDOK) return false;
    const int suraItem = int(SendMessageW(FSura, CB_GETCURSEL, 0, 0));
    if (suraItem >= 0 && FOnCopy) FOnCopy(DecideCopyRange(suraItem, ListText(FAya1), ListText(FAya2)));
    DestroyWindow(Handle());
    return true;
}

LRESULT TCopyRangeWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_MEASUREITEM:
        if (wParam == idSura) {
            reinterpret_cast<MEASUREITEMSTRUCT*>(lParam)->itemHeight = UINT(FSuraItemHeight);
            return TRUE;
        }
        break;
    case WM_DRAWITEM:
        if (wParam == idSura) {
            DrawSuraItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
            return TRUE;
        }
        break;
    }
    return TWindow::HandleMessage(message, wParam, lParam);
}

void TCopyRangeWindow::DrawSuraItem(const DRAWITEMSTRUCT& item) {
    const bool selected = item.itemState & ODS_SELECTED;
    FillRect(item.hDC, &item.rcItem, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    if (item.itemID == UINT(-1)) return;
    const std::wstring text = ToWide(ComboItemText(item.hwndItem, int(item.itemID)));
    HGDIOBJ old = SelectObject(item.hDC, FQuranFont);
    SetBkMode(item.hDC, TRANSPARENT);
    SetTextColor(item.hDC, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    // The letters sit around the baseline; the marks above and below need
    // less room than the font's line reserves, so the baseline is placed
    // by the item's height rather than by the line's.
    const UINT oldAlign = SetTextAlign(item.hDC, TA_LEFT | TA_BASELINE);
    const int baseline = item.rcItem.top + (item.rcItem.bottom - item.rcItem.top) * 2 / 3;
    ExtTextOutW(item.hDC, item.rcItem.left + Scale()(4), baseline, ETO_CLIPPED | ETO_RTLREADING, &item.rcItem, text.c_str(),
                UINT(text.size()), nullptr);
    SetTextAlign(item.hDC, oldAlign);
    SelectObject(item.hDC, old);
}
