#pragma once
// The index tool window: a strip with the picture button that switches the
// view, over the short or the detailed index grid. A double click, or Enter,
// turns the main window to the sura's first page; typing a sura's number or
// the first letters of its name selects it; Ctrl+Tab, or Space or Enter on
// the button, switches the view; Escape closes. One at a time.
#include "base/OutsideNames.h"
#include "base/win/Window.h"
#include "search/SuraIndexForm.h"
#include "search/win/GridControl.h"

class TMushafNavigator;
class TResourceSource;

class TSuraIndexWindow final : public TWindow, private TGridControl::THost {
public:
    static constexpr const char16_t* ClassName = SuraIndexClassName;

    // Centred on the desktop, owned by `owner`, the main window that `main`
    // reaches; the view `form` holds, which it keeps for later windows.
    // `form` and `resources` outlive the window.
    bool Create(HWND owner, TAppLanguage language, TSuraIndexForm& form, TMushafNavigator& main,
                const TResourceSource& resources);
    bool WantsDialogKeys() const override { return true; }
    bool PreviewMessage(MSG& msg) override;

private:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnPaint(HDC dc, const RECT& dirty) override;
    bool OnCommand(int id, int code, HWND control) override;
    // Fonts, row heights, column widths, the grids' and button's places for the DPI.
    void OnDpiChanged() override;
    void CreateFonts();
    void LayOut();

    // TGridControl::THost
    void PaintCell(TGridControl& grid, HDC dc, TGridCell cell, const RECT& rect, bool selected) override;
    void CellDoubleClicked(TGridControl& grid, TGridCell cell) override;
    bool GridKeyDown(TGridControl& grid, int key) override;

    // Shows the grid and the button of the form's view; the focus goes to
    // the grid shown unless the button has it.
    void ShowMode();
    void ToggleMode();
    TGridControl& ShownGrid() { return FForm->Detailed() ? FDetailed : FShort; }
    // The selected sura's first page, as a double click on it.
    void OpenSelected();
    void DrawButton(const DRAWITEMSTRUCT& item) const;

    TSuraIndexForm* FForm = nullptr;
    TMushafNavigator* FMain = nullptr;
    const TResourceSource* FResources = nullptr;
    TAppLanguage FLanguage = appArabic;
    TGridModel FShortModel = ShortIndexGrid(0, 0);
    TGridModel FDetailedModel = DetailedIndexGrid(0, 0);
    TGridControl FShort, FDetailed;
    HWND FButton = nullptr, FTip = nullptr;
    TSuraTypeAhead FTyping;
    TFontHandle FGridFont, FHeaderFont, FDigitFont, FHintFont;
};
