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
#include "base/win/WideText.h"

class TWindow {
public:
    struct TCreateArgs {
        const wchar_t* ClassName = nullptr;
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
    // The object of a window made by this base, or null.
    static TWindow* FromHandle(HWND hwnd);

    // Shows the window, restores it when minimised and brings it to the front.
    virtual void BringToFront();
    // Tool windows answer Tab, Enter and Escape as dialogs do (IsDialogMessage).
    virtual bool WantsDialogKeys() const { return false; }
    // A message for this window or one of its controls, before the message
    // loop dispatches it (a form that sees keys and the wheel before its
    // controls); true when consumed.
    virtual bool PreviewMessage(MSG& /*msg*/) { return false; }

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
    // WM_DESTROY, while the children still exist.
    virtual void OnDestroy() {}
    // The window is gone (after WM_NCDESTROY); Handle() is null again.
    virtual void Destroyed() {}

    // The font the window's controls get; the window owns it from now on.
    void SetWindowFont(HFONT font);
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
    HFONT FFont = nullptr;
};

// A captioned tool window of that client size centred on its owner, mirrored
// in Arabic with children that do not inherit the mirroring.
TWindow::TCreateArgs ToolWindowArgs(const wchar_t* className, std::u16string_view title, HWND owner,
                                    int clientWidth, int clientHeight, bool arabic, DWORD extraStyle = 0);

// Sets a control's text and has it drawn again: a label the base draws
// itself (right to left) is not repainted by a new text alone.
void SetControlText(HWND control, std::u16string_view text);

// The interface font of a window in that language: in Arabic the font mapper
// is asked for a face with Arabic letters. The caller owns it.
HFONT CreateInterfaceFont(bool arabic, int height = -12);
