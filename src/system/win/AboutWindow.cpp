#include "system/win/AboutWindow.h"

#include <algorithm>

#include "base/PictureResource.h"
#include "base/ScrollToShow.h"
#include "base/win/Dpi.h"
#include "base/win/WindowPlacement.h"
#include "base/win/TextLabel.h"
#include "system/AboutForm.h"
#include "system/Addresses.h"
#include "system/win/OwnVersion.h"
#include "system/win/WebAddress.h"

namespace {

int CALLBACK NoteFace(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
    *reinterpret_cast<bool*>(found) = true;
    return 0;
}

bool FaceInstalled(const char16_t* face) {
    HDC dc = GetDC(nullptr);
    bool found = false;
    EnumFontFamiliesW(dc, WidePtr(face), &NoteFace, LPARAM(&found));
    ReleaseDC(nullptr, dc);
    return found;
}

// Bold Naskh of that character height: the first preferred face that is
// installed, otherwise the interface face asked for Arabic letters.
TFontHandle CreateNaskhFont(int pixels) {
    const wchar_t* face = L"Tahoma";
    for (const char16_t* f : AboutTextFaces)
        if (FaceInstalled(f)) {
            face = WidePtr(f);
            break;
        }
    return TFontHandle(CreateFontW(-pixels, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, ARABIC_CHARSET,
                                   OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY, DEFAULT_PITCH, face));
}

}  // namespace


bool TAboutWindow::Create(HWND owner, const TResourceSource& resources) {
    TCreateArgs a;
    a.ClassName = ClassName;
    a.Title = AboutCaption;
    a.Style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_VSCROLL | WS_CLIPCHILDREN;
    a.ExStyle = WS_EX_TOOLWINDOW | WS_EX_LAYOUTRTL | WS_EX_NOINHERITLAYOUT;
    a.Background = GetSysColorBrush(COLOR_WINDOW);
    RECT work{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    const TSizeI size = AboutSizes({CreationDpi(owner)}).Window;
    a.Width = size.Width;
    a.Height = size.Height;
    a.X = (work.left + work.right - a.Width) / 2;
    a.Y = std::max<int>(work.top, (work.top + work.bottom - a.Height) / 2);
    a.Parent = owner;
    PlaceRemembered(a);
    if (!CreateWindowFrom(a)) return false;

    CreateFonts();
    RECT client;
    GetClientRect(Handle(), &client);
    FClientWidth = client.right;
    FClientHeight = client.bottom;

    const auto elements = AboutElements();
    const COLORREF white = GetSysColor(COLOR_WINDOW);
    for (std::size_t i = 0; i < elements.size(); ++i) {
        const TAboutElement& e = elements[i];
        const TControlPlace place = AboutElementPlace(e, FClientWidth, 0, Scale());
        const int id = FirstElementId + int(i);
        if (e.Kind == akPicture) {
            auto picture = LoadPngResource(resources, e.Content);
            auto control = std::make_unique<TPictureControl>();
            control->Create(Handle(), picture.get(), white, place, id);
            FElements.push_back(control->Handle());
            FPictures.push_back(std::move(picture));
            FControls.push_back(std::move(control));
            continue;
        }
        TTextLabelStyle style;
        style.Align = TTextLabelStyle::laCentre;
        style.Background = white;
        HFONT font = FLinkFont;
        if (e.Kind == akText) {
            // The long texts in the Naskh face, the developer's heading and
            // name in the window's own font; all of them Arabic.
            style.RightToLeft = true;
            font = LongText(e) ? FTextFont : WindowFont();
        } else {
            style.Link = true;
        }
        const std::u16string text = i == AboutRightsElement ? AboutRightsText(GetOwnVersionText()) : e.Content;
        auto label = std::make_unique<TTextLabel>();
        label->Create(Handle(), text, place, id, font, style);
        if (e.Kind == akLink) (FMakerLink ? FDeveloperLink : FMakerLink) = label->Handle();
        FElements.push_back(label->Handle());
        FControls.push_back(std::move(label));
    }
    ScrollTo(0);
    OnSize(FClientWidth, FClientHeight);
    ShowWindow(Handle(), SW_SHOW);
    SetFocus(Handle());
    return true;
}

// The rights and credits, set in the Naskh face.
bool TAboutWindow::LongText(const TAboutElement& e) { return e.Kind == akText && e.Height > 60; }

void TAboutWindow::CreateFonts() {
    const TAboutSizes sizes = AboutSizes(Scale());
    SetWindowFont(CreateInterfaceFont(true, -sizes.SmallTextPixels));
    FTextFont = CreateNaskhFont(sizes.TextPixels);
    FLinkFont = CreateLinkFont(-sizes.LinkPixels);
}

void TAboutWindow::OnDpiChanged() {
    // The labels hold the fonts they were given: each gets its new one
    // before the old ones go.
    const TAboutSizes sizes = AboutSizes(Scale());
    TFontHandle text = CreateNaskhFont(sizes.TextPixels), link = CreateLinkFont(-sizes.LinkPixels);
    for (HWND element : FElements) {
        const HFONT font = reinterpret_cast<HFONT>(SendMessageW(element, WM_GETFONT, 0, 0));
        if (font && font == FTextFont.Get()) SendMessageW(element, WM_SETFONT, WPARAM(text.Get()), TRUE);
        if (font && font == FLinkFont.Get()) SendMessageW(element, WM_SETFONT, WPARAM(link.Get()), TRUE);
    }
    FTextFont = std::move(text);
    FLinkFont = std::move(link);
    SetWindowFont(CreateInterfaceFont(true, -sizes.SmallTextPixels));
    RECT client;
    GetClientRect(Handle(), &client);
    OnSize(client.right, client.bottom);
}

LRESULT TAboutWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_VSCROLL:
        ScrollByBar(LOWORD(wParam));
        return 0;
    case WM_MOUSEWHEEL:
        ScrollTo(FScroll - GET_WHEEL_DELTA_WPARAM(wParam) * 3 * AboutSizes(Scale()).LineStep / WHEEL_DELTA);
        return 0;
    }
    return TWindow::HandleMessage(message, wParam, lParam);
}

void TAboutWindow::ScrollByBar(int request) {
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_ALL;
    GetScrollInfo(Handle(), SB_VERT, &info);
    switch (request) {
    case SB_LINEUP: ScrollTo(FScroll - AboutSizes(Scale()).LineStep); break;
    case SB_LINEDOWN: ScrollTo(FScroll + AboutSizes(Scale()).LineStep); break;
    case SB_PAGEUP: ScrollTo(FScroll - FClientHeight); break;
    case SB_PAGEDOWN: ScrollTo(FScroll + FClientHeight); break;
    case SB_TOP: ScrollTo(0); break;
    case SB_BOTTOM: ScrollTo(AboutSizes(Scale()).ContentHeight); break;
    case SB_THUMBTRACK:  // the column follows the thumb while it is dragged
    case SB_THUMBPOSITION: ScrollTo(info.nTrackPos); break;
    }
}

void TAboutWindow::OnSize(int width, int height) {
    if (FPlacing || FElements.empty()) return;
    FClientWidth = width;
    FClientHeight = height;
    FPlacing = true;
    // Setting the bar may show or hide it, which resizes the client area
    // again; the guard lets the outer call finish with the final size.
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    info.nMax = AboutSizes(Scale()).ContentHeight - 1;
    info.nPage = UINT(std::max(0, height));
    info.nPos = ClampAboutScroll(FScroll, height, Scale());
    SetScrollInfo(Handle(), SB_VERT, &info, TRUE);
    RECT client;
    GetClientRect(Handle(), &client);
    FClientWidth = client.right;
    FClientHeight = client.bottom;
    FScroll = ClampAboutScroll(FScroll, FClientHeight, Scale());
    FPlacing = false;
    PlaceElements();
}

void TAboutWindow::ScrollTo(int position) {
    position = ClampAboutScroll(position, FClientHeight, Scale());
    SetScrollPos(Handle(), SB_VERT, position, TRUE);
    if (position == FScroll) return;
    FScroll = position;
    PlaceElements();
}

void TAboutWindow::PlaceElements() {
    const auto elements = AboutElements();
    HDWP moves = BeginDeferWindowPos(int(FElements.size()));
    for (std::size_t i = 0; i < FElements.size() && moves; ++i) {
        if (!FElements[i]) continue;
        const TControlPlace p = AboutElementPlace(elements[i], FClientWidth, FScroll, Scale());
        moves = DeferWindowPos(moves, FElements[i], nullptr, p.Left, p.Top, p.Width, p.Height,
                               SWP_NOZORDER | SWP_NOACTIVATE);
    }
    if (moves) EndDeferWindowPos(moves);
}

bool TAboutWindow::OnKeyDown(int key) {
    switch (key) {
    case VK_ESCAPE: OnClose(); return true;
    case VK_UP: ScrollTo(FScroll - AboutSizes(Scale()).LineStep); return true;
    case VK_DOWN: ScrollTo(FScroll + AboutSizes(Scale()).LineStep); return true;
    case VK_PRIOR: ScrollTo(FScroll - FClientHeight); return true;
    case VK_NEXT: ScrollTo(FScroll + FClientHeight); return true;
    case VK_HOME: ScrollTo(0); return true;
    case VK_END: ScrollTo(AboutSizes(Scale()).ContentHeight); return true;
    }
    return false;
}

bool TAboutWindow::PreviewMessage(MSG& msg) {
    // The scrolling keys scroll wherever the focus is; the dialog keys would
    // move it between the links instead.
    if (msg.message != WM_KEYDOWN || msg.wParam == VK_ESCAPE) return false;
    return OnKeyDown(int(msg.wParam));
}

void TAboutWindow::DialogKeyHandled() {
    const HWND focus = GetFocus();
    const auto elements = AboutElements();
    for (std::size_t i = 0; i < FElements.size() && i < elements.size(); ++i) {
        if (!focus || FElements[i] != focus) continue;
        const TControlPlace p = AboutElementPlace(elements[i], FClientWidth, 0, Scale());
        ScrollTo(ScrollToShow(FScroll, FClientHeight, p.Top, p.Top + p.Height));
        return;
    }
}

bool TAboutWindow::OnCommand(int, int code, HWND control) {
    if (code != STN_CLICKED || !control) return false;
    if (control == FMakerLink) OpenWebAddress(Handle(), MakerSite);
    else if (control == FDeveloperLink) OpenWebAddress(Handle(), DeveloperSite);
    else return false;
    return true;
}


