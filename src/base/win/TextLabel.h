#pragma once
// A label of our own: word-wrapped text on a plain background, drawn right
// to left when it is Arabic, whatever the layout of the window that holds
// it. As a link it is blue and underlined, shows a hand, is a tab stop that
// shows a focus mark, and a click on it, or Enter or Space while it has the
// focus, reaches the parent as WM_COMMAND (its id, STN_CLICKED) like a
// static control's click. Its text is the window text, so WM_GETTEXT reads it.
#include "base/OutsideNames.h"
#include "base/win/Window.h"

struct TTextLabelStyle {
    enum TAlign { laLeading, laCentre };
    TAlign Align = laLeading;  // leading: the right edge when RightToLeft
    bool RightToLeft = false;
    bool Link = false;
    COLORREF Background = RGB(255, 255, 255);
};

class TTextLabel final : public TWindow {
public:
    static constexpr const char16_t* ClassName = TextLabelClassName;

    // `font` is not owned and must outlive the label, or be replaced with
    // WM_SETFONT before it goes.
    bool Create(HWND parent, std::u16string_view text, const TControlPlace& place, int id, HFONT font,
                const TTextLabelStyle& style);

private:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void Paint(HDC dc);
    void Activate();

    HFONT FFontUsed = nullptr;
    TTextLabelStyle FStyle;
    bool FPressed = false;
};

