#include "settings/win/SettingsWindow.h"

#include <commdlg.h>

#include <algorithm>
#include <cstdlib>
#include <cwchar>
#include <string>
#include <vector>

#include "base/OutsideNames.h"
#include "base/win/ComboBox.h"
#include "base/win/Dpi.h"
#include "base/win/SystemLibraries.h"
#include "settings/SettingsFormTexts.h"

namespace {

enum TPartKind { pkGroup, pkFirstRadio, pkRadio, pkLabel, pkSizeBox, pkColorBox, pkBracketList, pkFontBox, pkCheck };

struct TPartInfo {
    TSettingsPart Part;
    TPartKind Kind;
};

// In tab order; a radio group runs from its first radio to the next control.
constexpr TPartInfo PartInfos[] = {
    {spArabicItem, pkFirstRadio},     {spEnglishItem, pkRadio},
    {spFontSizeLabel, pkLabel},       {spFontSizeBox, pkSizeBox},
    {spFontStyleLabel, pkLabel},      {spNormal, pkFirstRadio},           {spBold, pkRadio},
    {spTextColorLabel, pkLabel},      {spTextColorBox, pkColorBox},
    {spWaqfLabel, pkLabel},           {spWaqfBox, pkColorBox},
    {spHizbLabel, pkLabel},           {spHizbBox, pkColorBox},
    {spSajdaLabel, pkLabel},          {spSajdaBox, pkColorBox},
    {spBracketsLabel, pkLabel},       {spNoBrackets, pkFirstRadio},       {spAddBrackets, pkRadio},
    {spBracketList, pkBracketList},
    {spBracketColorLabel, pkLabel},   {spBracketColorBox, pkColorBox},
    {spNoCitation, pkFirstRadio},     {spSameLine, pkRadio},              {spNewLine, pkRadio},
    {spCitationFontLabel, pkLabel},   {spCitationFontBox, pkFontBox},
    {spCitationSizeLabel, pkLabel},   {spCitationSizeBox, pkSizeBox},
    {spCitationColorLabel, pkLabel},  {spCitationColorBox, pkColorBox},
    {spIsteada, pkCheck},             {spBasmala, pkCheck},              {spQalaTaallah, pkCheck},
    {spUthmani, pkFirstRadio},        {spImlai, pkRadio},                {spHtmlAndText, pkCheck},
    // Last, so that they lie below the controls they frame.
    {spLanguageGroup, pkGroup},       {spQuranGroup, pkGroup},            {spCitationGroup, pkGroup},
    {spAdditionsGroup, pkGroup},      {spCopyGroup, pkGroup},
};

// The colour boxes, in the order of TSettingsWindow::FColorBoxes.
constexpr TSettingsPart ColorBoxParts[] = {spTextColorBox, spWaqfBox,         spHizbBox,
                                           spSajdaBox,     spBracketColorBox, spCitationColorBox};
// The ten list and colour boxes whose drop-downs the wheel closes.
constexpr TSettingsPart ListParts[] = {spFontSizeBox,      spTextColorBox,    spWaqfBox,          spHizbBox,
                                       spSajdaBox,         spBracketList,     spBracketColorBox,  spCitationFontBox,
                                       spCitationSizeBox,  spCitationColorBox};

constexpr int PartIdBase = 200;
constexpr int ScrollBarId = 299;
// The menu commands' ids: the command table's commands from here on.
constexpr int MenuIdBase = 301;
// The wait after typing in a size or font box.
constexpr UINT_PTR SaveTimerId = 1;

DWORD CreationStyle(TPartKind kind) {
    switch (kind) {
    case pkGroup: return BS_GROUPBOX | WS_CLIPSIBLINGS | WS_GROUP;
    case pkFirstRadio: return BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP;
    case pkRadio: return BS_AUTORADIOBUTTON;
    case pkLabel: return SS_NOPREFIX | WS_GROUP;
    case pkSizeBox: return CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL | WS_TABSTOP | WS_GROUP;
    case pkColorBox: return TColorBox::Style | WS_GROUP;
    case pkBracketList: return CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS | WS_VSCROLL | WS_TABSTOP | WS_GROUP;
    case pkFontBox: return CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL | WS_TABSTOP | WS_GROUP;
    case pkCheck: return BS_AUTOCHECKBOX | WS_TABSTOP | WS_GROUP;
    }
    return 0;
}

const wchar_t* ControlClass(TPartKind kind) {
    switch (kind) {
    case pkLabel: return L"STATIC";
    case pkSizeBox:
    case pkColorBox:
    case pkBracketList:
    case pkFontBox: return L"COMBOBOX";
    default: return L"BUTTON";
    }
}

void SetStyleBits(HWND h, int index, LONG_PTR mask, LONG_PTR bits) {
    const LONG_PTR old = GetWindowLongPtrW(h, index);
    const LONG_PTR now = (old & ~mask) | bits;
    if (now != old) SetWindowLongPtrW(h, index, now);
}

int CALLBACK CollectFamily(const LOGFONTW* font, const TEXTMETRICW*, DWORD, LPARAM list) {
    reinterpret_cast<std::vector<std::u16string>*>(list)->push_back(FromWide(font->lfFaceName));
    return 1;
}

}  // namespace

bool TSettingsWindow::Create(HWND owner, TSettings& current, const TSettings& defaults, TCopyOptions& copyOptions,
                             const std::filesystem::path& dataFolder, TSettingsSaving& saving,
                             std::function<void()> requestHelp) {
    FRequestHelp = std::move(requestHelp);
    FMirrored = current.Language == appArabic;
    const std::u16string title = SettingsOpeningCaption(current);
    // No WS_CLIPCHILDREN: the window paints the inside of its group boxes. The
    // scroll bar is a control of its own: the frame's bar is not drawn in a
    // mirrored window, and this one can change sides with the language.
    TCreateArgs a = ToolWindowArgs(ClassName, title, owner, 0, 0, FMirrored, WS_THICKFRAME);
    const TSizeI size = SettingsSizes({CreationDpi(owner)}).Window;
    a.Width = size.Width;
    a.Height = size.Height;
    PlaceWindowArgs(a, TPlacement::OnScreen);
    if (!CreateWindowFrom(a)) return false;
    BuildMenu();
    BuildControls();
    CreateFonts();
    FForm = std::make_unique<TSettingsForm>(current, defaults, copyOptions, dataFolder,
                                            static_cast<TSettingsView&>(*this), saving);
    FForm->Create();
    UpdateScrollBar();
    ShowWindow(Handle(), SW_SHOW);
    SetFocus(Part(Checked(spArabicItem) ? spArabicItem : spEnglishItem));
    return true;
}

void TSettingsWindow::CreateFonts() {
    const TSettingsSizes sizes = SettingsSizes(Scale());
    // Arabic captions appear in both languages (the language item, "قال تعالى").
    SetWindowFont(CreateInterfaceFont(true, sizes.FontHeight));
    FQuranFont = CreateQuranFont(sizes.QuranFontHeight);
    // The owner-drawn lists' items and boxes take their heights for the DPI.
    for (const TColorBox& box : FColorBoxes) {
        SendMessageW(box.Handle(), CB_SETITEMHEIGHT, WPARAM(-1), sizes.ColorItemHeight);
        SendMessageW(box.Handle(), CB_SETITEMHEIGHT, 0, sizes.ColorItemHeight);
    }
    SendMessageW(Part(spBracketList), CB_SETITEMHEIGHT, WPARAM(-1), sizes.BracketItemHeight);
    SendMessageW(Part(spBracketList), CB_SETITEMHEIGHT, 0, sizes.BracketItemHeight);
}

void TSettingsWindow::OnDpiChanged() {
    CreateFonts();
    RECT client{};
    GetClientRect(Handle(), &client);
    OnSize(client.right, client.bottom);
    RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void TSettingsWindow::BuildMenu() {
    FMenu = CreateMenu();
    for (HMENU& menu : FMenus) {
        menu = CreatePopupMenu();
        AppendMenuW(FMenu, MF_POPUP | MF_STRING, UINT_PTR(menu), L"");
    }
    for (const TSettingsMenuItem& item : SettingsMenuItems) {
        if (item.SeparatorBefore) AppendMenuW(FMenus[item.Menu], MF_SEPARATOR, 0, nullptr);
        AppendMenuW(FMenus[item.Menu], MF_STRING, MenuIdBase + item.Command, L"");
    }
    SetMenu(Handle(), FMenu);  // destroyed with the window
}

void TSettingsWindow::BuildControls() {
    for (const TPartInfo& info : PartInfos) {
        FParts[std::size_t(info.Part)] =
            AddControl(ControlClass(info.Kind), u"", CreationStyle(info.Kind), {}, PartIdBase + info.Part);
    }
    FScrollBar = AddControl(L"SCROLLBAR", u"", SBS_VERT, {}, ScrollBarId);
    for (std::size_t i = 0; i < FColorBoxes.size(); ++i) FColorBoxes[i].Attach(Part(ColorBoxParts[i]));
    for (HWND box : {Part(spFontSizeBox), Part(spCitationSizeBox)})
        for (const std::u16string& item : FontSizeItems()) SendMessageW(box, CB_ADDSTRING, 0, LPARAM(ToWide(item).c_str()));
    for (const std::u16string& item : BracketItems())
        SendMessageW(Part(spBracketList), CB_ADDSTRING, 0, LPARAM(ToWide(item).c_str()));
    FillFontList();
}

void TSettingsWindow::FillFontList() {
    std::vector<std::u16string> families;
    LOGFONTW query{};
    query.lfCharSet = DEFAULT_CHARSET;
    HDC dc = GetDC(Handle());
    EnumFontFamiliesExW(dc, &query, CollectFamily, LPARAM(&families), 0);
    ReleaseDC(Handle(), dc);
    for (const std::u16string& family : FontFamilyItems(std::move(families)))
        SendMessageW(Part(spCitationFontBox), CB_ADDSTRING, 0, LPARAM(ToWide(family).c_str()));
}

bool TSettingsWindow::Checked(TSettingsPart p) const {
    return SendMessageW(Part(p), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void TSettingsWindow::Check(TSettingsPart p, bool on) {
    SendMessageW(Part(p), BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0);
}

TColorBox* TSettingsWindow::ColorBoxOf(HWND control) {
    for (TColorBox& box : FColorBoxes)
        if (control && box.Handle() == control) return &box;
    return nullptr;
}

const TColorBox* TSettingsWindow::ColorBoxById(int id) const {
    for (std::size_t i = 0; i < FColorBoxes.size(); ++i)
        if (PartIdBase + ColorBoxParts[i] == id) return &FColorBoxes[i];
    return nullptr;
}

// --- the form's view -----------------------------------------------------------

void TSettingsWindow::ShowControls(const TSettingsControls& c, bool withLanguage) {
    if (withLanguage) {
        Check(spArabicItem, c.LanguageItem == 0);
        Check(spEnglishItem, c.LanguageItem != 0);
    }
    SetWindowTextW(Part(spFontSizeBox), ToWide(c.QuranFontSize).c_str());
    Check(spNormal, !c.QuranFontBold);
    Check(spBold, c.QuranFontBold);
    const std::uint32_t colours[] = {c.QuranTextColor, c.WaqfSignColor, c.HizbSignColor,
                                     c.SajdaSignColor, c.BracketColor,  c.CitationFontColor};
    for (std::size_t i = 0; i < FColorBoxes.size(); ++i) FColorBoxes[i].Select(colours[i]);
    Check(spNoBrackets, !c.UseBrackets);
    Check(spAddBrackets, c.UseBrackets);
    int bracket = -1;
    for (std::size_t i = 0; i < BracketItems().size(); ++i)
        if (BracketItems()[i] == c.Brackets) bracket = int(i);
    SendMessageW(Part(spBracketList), CB_SETCURSEL, WPARAM(bracket), 0);
    Check(spNoCitation, c.Citation == ccNoInfo);
    Check(spSameLine, c.Citation == ccSameLine);
    Check(spNewLine, c.Citation == ccNewLine);
    SetWindowTextW(Part(spCitationFontBox), ToWide(c.CitationFontName).c_str());
    SetWindowTextW(Part(spCitationSizeBox), ToWide(c.CitationFontSize).c_str());
    ShowAdditions(c.AdditionIsteada, c.AdditionBasmala, c.AdditionQalaTaallah);
    Check(spUthmani, c.Spelling == TSpelling::Uthmani);
    Check(spImlai, c.Spelling == TSpelling::Imlai);
    Check(spHtmlAndText, c.HtmlAndText);
}

void TSettingsWindow::ShowAdditions(bool isteada, bool basmala, bool qalaTaallah) {
    Check(spIsteada, isteada);
    Check(spBasmala, basmala);
    Check(spQalaTaallah, qalaTaallah);
}

TSettingsControls TSettingsWindow::ReadControls() const {
    TSettingsControls c;
    c.LanguageItem = Checked(spArabicItem) ? 0 : 1;
    c.QuranFontSize = WindowText(Part(spFontSizeBox));
    c.QuranFontBold = Checked(spBold);
    c.QuranTextColor = FColorBoxes[0].Colour();
    c.WaqfSignColor = FColorBoxes[1].Colour();
    c.HizbSignColor = FColorBoxes[2].Colour();
    c.SajdaSignColor = FColorBoxes[3].Colour();
    c.UseBrackets = Checked(spAddBrackets);
    const int bracket = int(SendMessageW(Part(spBracketList), CB_GETCURSEL, 0, 0));
    if (bracket >= 0 && std::size_t(bracket) < BracketItems().size()) c.Brackets = BracketItems()[std::size_t(bracket)];
    c.BracketColor = FColorBoxes[4].Colour();
    c.Citation = Checked(spNoCitation) ? ccNoInfo : Checked(spNewLine) ? ccNewLine : ccSameLine;
    c.CitationFontName = WindowText(Part(spCitationFontBox));
    c.CitationFontSize = WindowText(Part(spCitationSizeBox));
    c.CitationFontColor = FColorBoxes[5].Colour();
    c.AdditionIsteada = Checked(spIsteada);
    c.AdditionBasmala = Checked(spBasmala);
    c.AdditionQalaTaallah = Checked(spQalaTaallah);
    c.Spelling = Checked(spImlai) ? TSpelling::Imlai : TSpelling::Uthmani;
    c.HtmlAndText = Checked(spHtmlAndText);
    return c;
}

void TSettingsWindow::ShowLanguage(TAppLanguage language) {
    if (language != appArabic) language = appEnglish;
    if (language == FLanguage) return;  // every change asks; only a new language moves anything
    FLanguage = language;
    SetCaptions(language);
    SetAlignment(language);
    PlaceControls();
    RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_FRAME);
}

void TSettingsWindow::SetCaptions(TAppLanguage language) {
    const TSettingsFormTexts& t = SettingsFormTexts(language);
    for (const TPartInfo& info : PartInfos)
        if (const char16_t* caption = t.Parts[info.Part]) SetControlText(Part(info.Part), caption);
    for (int m = 0; m < smMenuCount; ++m)
        ModifyMenuW(FMenu, UINT(m), MF_BYPOSITION | MF_POPUP | MF_STRING, UINT_PTR(FMenus[m]), WidePtr(t.Menus[m]));
    for (const TSettingsMenuItem& item : SettingsMenuItems) {
        const UINT id = UINT(MenuIdBase + item.Command);
        ModifyMenuW(FMenus[item.Menu], id, MF_BYCOMMAND | MF_STRING, id, WidePtr(t.Commands[item.Command]));
    }
    DrawMenuBar(Handle());
}

void TSettingsWindow::SetAlignment(TAppLanguage language) {
    const bool arabic = language == appArabic;
    for (const TPartInfo& info : PartInfos) {
        HWND h = Part(info.Part);
        switch (info.Kind) {
        case pkLabel:
            // An Arabic label is the base's own right-to-left label, whatever
            // the window's mirroring: drawn flush with its right edge.
            SetStyleBits(h, GWL_STYLE, SS_TYPEMASK, arabic ? SS_OWNERDRAW : SS_LEFT);
            SetStyleBits(h, GWL_EXSTYLE, WS_EX_LAYOUTRTL | WS_EX_RTLREADING, arabic ? WS_EX_LAYOUTRTL : 0);
            SetWindowPos(h, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
            continue;
        case pkGroup:
            SetStyleBits(h, GWL_STYLE, BS_RIGHT | BS_LEFT, arabic ? BS_RIGHT : 0);
            break;
        case pkFirstRadio:
        case pkRadio:
        case pkCheck:
            // The box stands on the reading side of its text.
            SetStyleBits(h, GWL_STYLE, BS_LEFTTEXT | BS_RIGHT | BS_LEFT, arabic ? BS_LEFTTEXT | BS_RIGHT : 0);
            break;
        default:
            continue;
        }
        SetStyleBits(h, GWL_EXSTYLE, WS_EX_RTLREADING, arabic ? WS_EX_RTLREADING : 0);
        SetWindowPos(h, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    }
    for (const TColorBox& box : FColorBoxes) InvalidateRect(box.Handle(), nullptr, TRUE);
}

void TSettingsWindow::PlaceControls() {
    if (!FScrollBar || FLanguage == TAppLanguage(255)) return;
    RECT client{};
    GetClientRect(Handle(), &client);
    const TSettingsPlaces places = SettingsFormLayout(FLanguage, client.right, Scale());
    // No copying of old pixels: in a mirrored window they land in the wrong place.
    HDWP batch = BeginDeferWindowPos(spPartCount + 1);
    auto place = [&](HWND h, const TControlPlace& visual, int scroll) {
        const TControlPlace at = PlaceInWindow(visual, FMirrored, client.right);
        if (batch)
            batch = DeferWindowPos(batch, h, nullptr, at.Left, at.Top - scroll, at.Width, at.Height,
                                   SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOCOPYBITS);
    };
    for (int p = 0; p < spPartCount; ++p) place(FParts[std::size_t(p)], places[std::size_t(p)], FScrollY);
    place(FScrollBar, SettingsScrollBarPlace(FLanguage, client.right, client.bottom, Scale()), 0);
    if (batch) EndDeferWindowPos(batch);
}

void TSettingsWindow::ShowCaption(std::u16string_view caption) { SetWindowTextW(Handle(), ToWide(caption).c_str()); }

void TSettingsWindow::ReportError(std::u16string_view message) {
    MessageBoxW(Handle(), ToWide(message).c_str(), ToWide(SettingsPlainTitle(FLanguage)).c_str(),
                MB_OK | MB_ICONERROR);
}

std::optional<std::u16string> TSettingsWindow::ChooseProfile(bool save) {
    std::wstring file(32768, L'\0');
    std::wstring filter = ToWide(ProfileFilterName);
    filter += L'\0';
    filter += ToWide(ProfileFilterPattern);
    filter += L'\0';
    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = Handle();
    ofn.lpstrFilter = filter.c_str();  // the string's own terminator ends the list
    ofn.lpstrFile = file.data();
    ofn.nMaxFile = DWORD(file.size());
    ofn.lpstrDefExt = WidePtr(ProfileDefaultExtension);
    // Saving over a profile asks first; opening needs a file that exists.
    ofn.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_PATHMUSTEXIST |
                (save ? OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST);
    const TCommonDialogCalls* dialogs = CommonDialogCalls();
    if (!dialogs || !(save ? dialogs->GetSaveFileNameW(&ofn) : dialogs->GetOpenFileNameW(&ofn))) return std::nullopt;
    file.resize(std::wcslen(file.c_str()));
    return FromWide(file);
}

std::optional<std::u16string> TSettingsWindow::ChooseProfileToOpen() { return ChooseProfile(false); }
std::optional<std::u16string> TSettingsWindow::ChooseProfileToSave() { return ChooseProfile(true); }

void TSettingsWindow::RequestHelp() {
    if (FRequestHelp) FRequestHelp();
}

void TSettingsWindow::CloseForm() { DestroyWindow(Handle()); }

void TSettingsWindow::StartSaveTimer() { SetTimer(Handle(), SaveTimerId, SettingsTypingSaveMilliseconds, nullptr); }

void TSettingsWindow::OnDestroy() {
    KillTimer(Handle(), SaveTimerId);
    if (FForm) FForm->SavePending();  // typing the wait had not yet written
}

// --- messages ------------------------------------------------------------------

bool TSettingsWindow::OnCommand(int id, int code, HWND control) {
    if (!FForm) return false;
    switch (id - MenuIdBase) {
    case scOpen: FForm->OpenProfile(); return true;
    case scDefaults: FForm->RestoreDefaults(); return true;
    case scSaveAs: FForm->SaveProfileAs(); return true;
    case scExit: FForm->CloseDialog(); return true;
    case scHelp: FForm->ShowHelp(); return true;
    }
    if (id == IDOK) return true;  // Enter: there is nothing to confirm
    const int part = id - PartIdBase;
    if (part < 0 || part >= spPartCount || control != Part(TSettingsPart(part))) return false;
    if (TColorBox* box = ColorBoxOf(control)) {
        // The colour dialog is modal: the window may have been destroyed
        // meanwhile (its owner closed), and its controls read nothing then.
        if (box->Notified(code, Handle()) && Handle()) FForm->OnControlsChange();
        return true;
    }
    for (const TPartInfo& info : PartInfos) {
        if (info.Part != part) continue;
        switch (info.Kind) {
        case pkFirstRadio:
        case pkRadio:
        case pkCheck:
            if (code == BN_CLICKED) FForm->OnControlsChange();
            break;
        case pkSizeBox:
        case pkFontBox:
            if (code == CBN_SELCHANGE) {
                // The edit field still holds the old text while the list reports its choice.
                if (SendMessageW(control, CB_GETCURSEL, 0, 0) < 0) break;
                SetControlText(control, ComboSelectedText(control));
                FForm->OnControlsChange();
            } else if (code == CBN_EDITCHANGE) {
                FForm->OnControlsChange(true);  // in effect at once, written when the typing pauses
            }
            break;
        case pkBracketList:
            if (code == CBN_SELCHANGE) FForm->OnControlsChange();
            break;
        default:
            break;
        }
        break;
    }
    return true;
}

bool TSettingsWindow::PreviewMessage(MSG& msg) {
    if (msg.message == WM_MOUSEWHEEL) {
        CloseDropDowns();
        UINT lines = 3;
        SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
        const int delta = GET_WHEEL_DELTA_WPARAM(msg.wParam);
        const bool up = delta > 0;
        // One notch is WHEEL_DELTA; one message may carry several.
        const int notches = std::max(1, std::abs(delta) / WHEEL_DELTA);
        const bool pages = lines == WHEEL_PAGESCROLL;
        const int steps = pages ? notches : notches * int(lines);
        for (int i = 0; i < steps; ++i)
            SendMessageW(Handle(), WM_VSCROLL, pages ? (up ? SB_PAGEUP : SB_PAGEDOWN) : (up ? SB_LINEUP : SB_LINEDOWN), 0);
        SendMessageW(Handle(), WM_VSCROLL, SB_ENDSCROLL, 0);
        return true;
    }
    // F10 opens the menu bar wherever the focus is; a drop-down list would
    // otherwise keep the key to itself. The menu starts at the key's release,
    // as the system's own handling does.
    if ((msg.message == WM_SYSKEYDOWN || msg.message == WM_SYSKEYUP) && msg.wParam == VK_F10 &&
        !(GetKeyState(VK_SHIFT) & 0x8000)) {
        if (msg.message == WM_SYSKEYUP) SendMessageW(Handle(), WM_SYSCOMMAND, SC_KEYMENU, 0);
        return true;
    }
    if (msg.message == WM_CHAR) {
        // Typing in a size box: its edit field is the combo box's child.
        const HWND box = GetParent(msg.hwnd);
        if ((box == Part(spFontSizeBox) || box == Part(spCitationSizeBox)) && !SizeBoxAcceptsChar(char16_t(msg.wParam)))
            return true;
    }
    return false;
}

void TSettingsWindow::DialogKeyHandled() {
    // The part is the window's own child: a size box's edit field is inside its combo box.
    HWND focus = GetFocus();
    while (focus && GetParent(focus) != Handle()) focus = GetParent(focus);
    if (!focus || FLanguage == TAppLanguage(255)) return;
    for (int p = 0; p < spPartCount; ++p) {
        if (FParts[std::size_t(p)] != focus) continue;
        RECT client{};
        GetClientRect(Handle(), &client);
        const TSettingsPlaces places = SettingsFormLayout(FLanguage, client.right, Scale());
        ScrollTo(ScrollToShowPart(TSettingsPart(p), places, FScrollY, client.bottom, Scale()), true);
        return;
    }
}

void TSettingsWindow::DrawBracketItem(const DRAWITEMSTRUCT& d) const {
    const bool selected = (d.itemState & ODS_SELECTED) != 0;
    FillRect(d.hDC, &d.rcItem, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    if (int(d.itemID) >= 0 && std::size_t(d.itemID) < BracketItems().size()) {
        // The font's line is far taller than its brackets: the pair is set on a
        // baseline low in the item, centred, left to right.
        const std::wstring pair = ToWide(BracketItems()[d.itemID]);
        HGDIOBJ old = SelectObject(d.hDC, FQuranFont);
        SetBkMode(d.hDC, TRANSPARENT);
        SetTextColor(d.hDC, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
        const UINT align = SetTextAlign(d.hDC, TA_BASELINE | TA_CENTER);
        const int height = d.rcItem.bottom - d.rcItem.top;
        ExtTextOutW(d.hDC, (d.rcItem.left + d.rcItem.right) / 2, d.rcItem.top + height * 7 / 10, ETO_CLIPPED,
                    &d.rcItem, pair.c_str(), UINT(pair.size()), nullptr);
        SetTextAlign(d.hDC, align);
        SelectObject(d.hDC, old);
    }
    if (d.itemState & ODS_FOCUS) DrawFocusRect(d.hDC, &d.rcItem);
}

void TSettingsWindow::CloseDropDowns() {
    for (TSettingsPart p : ListParts) SendMessageW(Part(p), CB_SHOWDROPDOWN, FALSE, 0);
}

void TSettingsWindow::UpdateScrollBar() {
    if (!FScrollBar) return;
    RECT client{};
    GetClientRect(Handle(), &client);
    SCROLLINFO si{};
    si.cbSize = sizeof si;
    si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL;
    si.nMin = 0;
    si.nMax = SettingsSizes(Scale()).ContentHeight - 1;
    si.nPage = UINT(client.bottom);
    si.nPos = FScrollY;
    SetScrollInfo(FScrollBar, SB_CTL, &si, TRUE);
}

void TSettingsWindow::ScrollTo(int position, bool showNow) {
    RECT client{};
    GetClientRect(Handle(), &client);
    position = ClampScrollPosition(position, client.bottom, Scale());
    if (position != FScrollY) {
        FScrollY = position;
        SetScrollPos(FScrollBar, SB_CTL, FScrollY, TRUE);
        FScrollShown = false;
    }
    if (showNow && !FScrollShown) {
        FScrollShown = true;
        // The controls are placed anew rather than scrolled as pixels, which a
        // mirrored window does not do reliably.
        PlaceControls();
        RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    }
}

void TSettingsWindow::OnVScroll(int request, bool fromScrollBar) {
    RECT client{};
    GetClientRect(Handle(), &client);
    // The scroll bar's own steps show at once; the wheel's lines show
    // together at its end-of-scroll.
    const bool now = fromScrollBar;
    switch (request) {
    case SB_LINEUP: ScrollTo(FScrollY - SettingsSizes(Scale()).ScrollLine, now); break;
    case SB_LINEDOWN: ScrollTo(FScrollY + SettingsSizes(Scale()).ScrollLine, now); break;
    case SB_PAGEUP: ScrollTo(FScrollY - client.bottom, now); break;
    case SB_PAGEDOWN: ScrollTo(FScrollY + client.bottom, now); break;
    case SB_TOP: ScrollTo(0, now); break;
    case SB_BOTTOM: ScrollTo(SettingsSizes(Scale()).ContentHeight, now); break;
    case SB_THUMBTRACK:  // the content follows the thumb while it is dragged
    case SB_THUMBPOSITION: {
        SCROLLINFO si{};
        si.cbSize = sizeof si;
        si.fMask = SIF_TRACKPOS;
        GetScrollInfo(FScrollBar, SB_CTL, &si);
        ScrollTo(si.nTrackPos, true);
        break;
    }
    case SB_ENDSCROLL: ScrollTo(FScrollY, true); break;
    default: break;
    }
}

void TSettingsWindow::OnSize(int, int height) {
    FScrollY = ClampScrollPosition(FScrollY, height, Scale());
    UpdateScrollBar();
    PlaceControls();
}

LRESULT TSettingsWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_TIMER:
        if (wParam != SaveTimerId) break;
        KillTimer(Handle(), SaveTimerId);
        if (FForm) FForm->SavePending();
        return 0;
    case WM_VSCROLL:
        OnVScroll(LOWORD(wParam), lParam != 0 && HWND(lParam) == FScrollBar);
        return 0;
    case WM_GETMINMAXINFO: {
        // The width is fixed; only the height follows the frame.
        auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
        const TSettingsSizes sizes = SettingsSizes(Scale());
        info->ptMinTrackSize.x = info->ptMaxTrackSize.x = sizes.Window.Width;
        info->ptMinTrackSize.y = sizes.MinWindowHeight;
        return 0;
    }
    case WM_MEASUREITEM: {
        auto* m = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
        if (m->CtlType != ODT_COMBOBOX) break;
        const TSettingsSizes sizes = SettingsSizes(Scale());
        m->itemHeight = UINT(int(m->CtlID) == PartIdBase + spBracketList ? sizes.BracketItemHeight
                                                                         : sizes.ColorItemHeight);
        return TRUE;
    }
    case WM_DRAWITEM: {
        const auto* d = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        if (const TColorBox* box = ColorBoxById(int(d->CtlID))) {
            box->Draw(*d, FLanguage, Scale());
            return TRUE;
        }
        if (int(d->CtlID) == PartIdBase + spBracketList) {
            DrawBracketItem(*d);
            return TRUE;
        }
        break;
    }
    }
    return TWindow::HandleMessage(message, wParam, lParam);
}
