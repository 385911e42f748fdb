#pragma once
// The index tool window: a strip with the picture button that switches the
// view, over the short or the detailed index grid. A double click turns the
// main window to the sura's first page; Escape closes. One at a time.
#include "base/win/Window.h"
#include "search/FahrasForm.h"
#include "search/win/GridControl.h"

class TMushafNavigator;
class TResourceSource;

class TFahrasWindow final : public TWindow, private TGridControl::THost {
public:
    static constexpr wchar_t ClassName[] = L"TFahrasForm";

    // Centred on the desktop, owned by `owner`, the main window that `main`
    // reaches; the view of SuraIndexMode. `resources` outlives the window.
    bool Create(HWND owner, TAppLanguge language, TMushafNavigator& main, const TResourceSource& resources);
    bool WantsDialogKeys() const override { return true; }

private:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnPaint(HDC dc, const RECT& dirty) override;
    void Destroyed() override;

    // TGridControl::THost
    void PaintCell(TGridControl& grid, HDC dc, TGridCell cell, const RECT& rect, bool selected) override;
    void CellDoubleClicked(TGridControl& grid, TGridCell cell) override;

    // Shows the grid and the button of SuraIndexMode.
    void ShowMode();
    RECT ButtonRect() const;

    TMushafNavigator* FMain = nullptr;
    const TResourceSource* FResources = nullptr;
    TAppLanguge FLanguage = appArabic;
    TGridModel FShortModel = ShortIndexGrid(FahrasClientWidth, FahrasClientHeight);
    TGridModel FDetailedModel = DetailedIndexGrid(FahrasClientWidth, FahrasClientHeight);
    TGridControl FShort, FDetailed;
    HWND FTip = nullptr;
    HFONT FGridFont = nullptr, FHeaderFont = nullptr, FDigitFont = nullptr, FHintFont = nullptr;
};
