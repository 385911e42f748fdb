#pragma once
// The about window: a mirrored tool window that scrolls over the column of
// pictures, texts and links the core lays out. Tab moves through the links,
// scrolling each into view; the arrows and page keys scroll. One at a time,
// owned by the main window; Escape closes it.
#include <memory>
#include <vector>

#include "base/OutsideNames.h"
#include "base/Picture.h"
#include "render/win/PictureControl.h"
#include "base/win/TextLabel.h"
#include "base/win/Window.h"
#include "system/AboutForm.h"

class TResourceSource;

class TAboutWindow final : public TWindow {
public:
    static constexpr const char16_t* ClassName = AboutClassName;
    // Child control ids: the first element of the column, and so on down.
    static constexpr int FirstElementId = 200;

    TAboutWindow() = default;

    // Centred on the desktop, shown at once, scrolled to the top.
    bool Create(HWND owner, const TResourceSource& resources);
    bool WantsDialogKeys() const override { return true; }
    bool PreviewMessage(MSG& msg) override;
    void DialogKeyHandled() override;

private:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnSize(int width, int height) override;
    bool OnKeyDown(int key) override;
    bool OnCommand(int id, int code, HWND control) override;
    void ScrollTo(int position);
    void PlaceElements();
    void ScrollByBar(int request);
    void OnDpiChanged() override;
    void CreateFonts();
    static bool LongText(const TAboutElement& element);

    std::vector<std::unique_ptr<TPicture>> FPictures;
    std::vector<std::unique_ptr<TWindow>> FControls;  // pictures and labels
    std::vector<HWND> FElements;  // one per element of the column, in its order
    HWND FMakerLink = nullptr, FDeveloperLink = nullptr;
    TFontHandle FTextFont, FLinkFont;
    int FClientWidth = 0, FClientHeight = 0, FScroll = 0;
    bool FPlacing = false;
};
