#pragma once
// The juz and sura name strip over the top of the page: a hidden child window
// of the main window holding the two decoded pictures of the page.
#include <memory>
#include <string_view>

#include "base/OutsideNames.h"
#include "base/win/Window.h"
#include "render/Bitmap24.h"
#include "base/Picture.h"
#include "app/win/PageViewWindow.h"

class TResourceSource;

class THeaderStripWindow final : public TWindow {
public:
    static constexpr const char16_t* ClassName = HeaderStripClassName;
    bool Create(HWND parent, TPageViewWindow::THost& host);
    // Decodes both pictures; one that is missing or unreadable keeps the one shown before.
    void LoadPictures(const TResourceSource& resources, std::u16string_view juzName, std::u16string_view suraName);

private:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

    TPageViewWindow::THost* FHost = nullptr;
    std::unique_ptr<TPicture> FJuzName, FSuraName;
    TBitmap24 FCanvas;
};
