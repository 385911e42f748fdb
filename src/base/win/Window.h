#pragma once
// One base for every window of the shell: top-level windows, tool windows and
// our own controls. A static window procedure finds the object from the
// pointer passed as lpCreateParams at WM_NCCREATE, keeps it in GWLP_USERDATA
// and forwards every message to the virtual HandleMessage, whose default
// calls the On… handlers below. The base registers each window class the
// first time a window of it is created; nothing else registers classes.
#include <windows.h>

#include <string_view>

#include "base/ControlPlace.h"
#include "base/DisplayScale.h"
#include "base/win/FontHandle.h"
#include "base/win/WideText.h"

class TWindow {
public:
    struct TCreateArgs {
        const char16_t* ClassName = nullptr;
        std::u16string_view Title;
        DWORD Style = WS_OVERLAPPEDWINDOW;
        DWORD ExStyle = 0;
        int X = CW_USEDEFAULT, Y = CW_USEDEFAULT, Width = CW_USEDEFAULT, Height = CW_USEDEFAULT;
        HWND Parent = nullptr;
        // The class, registered with the first window of that name.
        UINT ClassStyle = 0;
        HCURSOR Cursor = nullptr;      // null: the standard arrow
        HBRUSH Background = nullptr;   // null: the window paints every pixel
    };

    TWindow() = default;
    TWindow(const TWindow&) = delete;
    TWindow& operator=(const TWindow&) = delete;
    // Destroys the window if it still exists, then frees the window's font.
    virtual ~TWindow();

    HWND Handle() const { return FHandle; }
    // The DPI of the monitor the window is on, and the scale of its layout:
    // every size the window uses comes from these.
    int Dpi() const { return FDpi; }
    TScale Scale() const { return {FDpi}; }
    // The object of a window made by this base, or null.
    static TWindow* FromHandle(HWND hwnd);

    // Shows the window, restores it when minimised and brings it to the front.
    virtual void BringToFront();
    // Tool windows answer Tab, Enter and Escape as dialogs do (IsDialogMessage)
    // and give the focus back to the control that had it when reactivated.
    virtual bool WantsDialogKeys() const { return false; }
    // A message for this window or one of its controls, before the message
    // loop dispatches it (a form that sees keys and the wheel before its
    // controls); true when consumed.
    virtual bool PreviewMessage(MSG& /*msg*/) { return false; }
    // A key went through the dialog keys (the focus may have moved): a
    // window that scrolls over its controls shows the one with the focus.
    virtual void DialogKeyHandled() {}

protected:
    bool CreateWindowFrom(const TCreateArgs& args);

    // Every message. The default calls the handlers below and hands the rest
    // to DefWindowProcW; a window with messages of its own overrides this and
    // calls the base for the others.
    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // WM_CREATE; false fails the creation.
    virtual bool OnCreate() { return true; }
    virtual void OnSize(int /*width*/, int /*height*/) {}
    // WM_PAINT between BeginPaint and EndPaint.
    virtual void OnPaint(HDC /*dc*/, const RECT& /*dirty*/) {}
    // WM_KEYDOWN reaching this window; true when handled.
    virtual bool OnKeyDown(int /*key*/) { return false; }
    // WM_COMMAND from a control (or IDOK / IDCANCEL from the dialog keys);
    // true when handled. Unhandled IDCANCEL (Escape) closes the window.
    virtual bool OnCommand(int /*id*/, int /*code*/, HWND /*control*/) { return false; }
    // WM_CLOSE; the default destroys the window.
    virtual void OnClose();
    // A tool window's control to focus when the window is next activated.
    void RememberFocus(HWND control) { FLastFocus = control; }
    // The window moved to a monitor of another DPI and took the rectangle
    // the system suggested: re-create the fonts and lay the controls out
    // again (the base repaints everything afterwards).
    virtual void OnDpiChanged() {}
    // WM_DESTROY, while the children still exist.
    virtual void OnDestroy() {}
    // The window is gone (after WM_NCDESTROY); Handle() is null again.
    virtual void Destroyed() {}

    // The font the window's controls get; the window keeps it. A new font
    // replaces the old one in every child control that shows it (or that
    // has no font yet), so a window may add its controls first.
    void SetWindowFont(TFontHandle font);
    HFONT WindowFont() const { return FFont; }
    // A child control of `className` at `place`, with the window's font
    // unless `font` names another one. -1: no id. In a mirrored (Arabic)
    // window, or with WS_EX_RTLREADING, a left- or right-aligned label is set
    // right to left, flush with its right edge, by the base itself.
    HWND AddControl(const wchar_t* className, std::u16string_view text, DWORD style, const TControlPlace& place,
                    int id = -1, HFONT font = nullptr, DWORD exStyle = 0);

private:
    // Draws an owner-drawn label of a mirrored window: right-to-left reading
    // order, so that neutral marks such as a closing colon stand on the left.
    static void DrawRightToLeftLabel(const DRAWITEMSTRUCT& item);
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    HWND FHandle = nullptr;
    int FDpi = DesignDpi;
    TFontHandle FFont;
    HWND FLastFocus = nullptr;  // a tool window's control to focus when it is active again
};

// Where a tool window opens: centred on its owner (on the screen when it has
// none), or centred on the screen whatever its owner.
enum class TPlacement { OnOwner, OnScreen };

// A captioned tool window of that client size (device pixels at
// CreationDpi(owner)), placed as asked, mirrored in Arabic with children that
// do not inherit the mirroring.
TWindow::TCreateArgs ToolWindowArgs(const char16_t* className, std::u16string_view title, HWND owner,
                                    int clientWidth, int clientHeight, bool arabic, DWORD extraStyle = 0,
                                    TPlacement placement = TPlacement::OnOwner);
// Places a.Width × a.Height as asked (after a change of size); a window
// whose place is remembered opens there instead (WindowPlacement.h).
void PlaceWindowArgs(TWindow::TCreateArgs& a, TPlacement placement);

// Moves a child control to `place` (client pixels of its parent).
void PlaceControl(HWND control, const TControlPlace& place);

// Sets a control's text and has it drawn again: a label the base draws
// itself (right to left) is not repainted by a new text alone.
void SetControlText(HWND control, std::u16string_view text);

