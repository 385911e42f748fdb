#pragma once
// The juz and sura name strip over the top of the page: a hidden child window
// of the main window holding the two decoded pictures of the page.
#include <memory>
#include <string_view>

#include "base/win/Window.h"
#include "display/Bitmap24.h"
#include "base/Picture.h"
#include "display/win/PageViewWindow.h"

class TResourceSource;

class THeaderStripWindow final : public TWindow {
public:
    static constexpr wchar_t ClassName[] = L"TJozaNameSoraNamePanel";
    bool Create(HWND parent, TPageViewWindow::THost& host);
    // Decodes both pictures; one that is missing or unreadable keeps the one shown before.
    void LoadPictures(const TResourceSource& resources, std::u16string_view juzName, std::u16string_view suraName);

private:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

    TPageViewWindow::THost* FHost = nullptr;
    std::unique_ptr<TPicture> FJozaaName, FSoraName;
    TBitmap24 FCanvas;
};
