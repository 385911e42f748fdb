#pragma once
// The search tool window: a strip with the label, the search box (an
// editable right-to-left combo box whose list is the history) and the counts
// line, over the results grid. Every change of the text searches at once;
// a double click on a result turns the Mushaf to it, Ctrl+C copies it,
// Escape closes. A new window for every use of the command; the history is
// shared through "shistory.ini".
#include <string>

#include "base/OutsideNames.h"
#include "base/win/Window.h"
#include "search/SearchForm.h"
#include "search/win/GridControl.h"

class TMushafNavigator;

class TSearchWindow final : public TWindow, private TGridControl::THost {
public:
    static constexpr const char16_t* ClassName = SearchClassName;

    // Centred on the desktop, owned by `owner`. `historyFile` is the full
    // name of "shistory.ini" in the data folder.
    bool Create(HWND owner, TAppLanguage language, TMushafNavigator& main, std::u16string historyFile);
    bool WantsDialogKeys() const override { return true; }

private:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnSize(int width, int height) override;
    void OnDpiChanged() override;
    // The interface, box and Quran fonts for the window's DPI.
    void CreateFonts();
    bool OnCommand(int id, int code, HWND control) override;

    // TGridControl::THost
    void PaintCell(TGridControl& grid, HDC dc, TGridCell cell, const RECT& rect, bool selected) override;
    void CellDoubleClicked(TGridControl& grid, TGridCell cell) override;
    void GridScrolled(TGridControl& grid) override;
    bool GridKeyDown(TGridControl& grid, int key) override;

    void TextChanged(const std::u16string& text);
    void UpdateRowHeights();
    // The search text was used (a jump or a copy): into the shared history.
    void AddSearchTextToHistory();
    void LoadHistory();
    void FillHistoryList();

    std::unique_ptr<TSearchForm> FForm;
    TMushafNavigator* FMain = nullptr;
    std::u16string FHistoryFile;
    TGridControl FGrid;
    HWND FCombo = nullptr, FLabel = nullptr, FCounts = nullptr;
    bool FRefilling = false;  // the history list is being refilled: no search
    TFontHandle FQuranFont, FArabicFont;
};
