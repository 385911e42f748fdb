#include "FuzzSupport.h"

#include <cmath>
#include <memory>

#include "base/DataError.h"
#include "base/ResourceSource.h"
#include "app/PageViewer.h"
#include "base/ResourceFolder.h"
#include "pagemodel/PageData.h"
#include "pagemodel/PageResource.h"
#include "settings/Settings.h"
#include "text/AyaStore.h"
#include "text/SelectionText.h"

namespace {

// The one page resource of a fuzzed input.
class TFuzzedPage final : public TResourceSource {
public:
    TFuzzedPage(int number, std::span<const std::uint8_t> bytes) : FName(PageResourceName(number)), FBytes(bytes) {}
    std::optional<TResourceBytes> Find(std::u16string_view name) const override {
        if (name != FName) return std::nullopt;
        return TResourceBytes{FBytes, nullptr};
    }

private:
    std::u16string FName;
    std::span<const std::uint8_t> FBytes;
};

// An ordinary page: neither one of the two opening pages nor the page on
// which the ninth sura begins without a basmalah.
constexpr int PageNumber = 50;
// The page view of a 600 x 975 control, as the renderer tool draws by default.
constexpr int ViewWidth = 600, ViewHeight = 975;

bool PageIsEmpty(TPage& page) {
    if (!page.WordList.empty() || !page.ShapeList.empty() || page.Selected()) return false;
    for (int i = 1; i <= TPage::LineCount; ++i)
        if (page.Line(i).Count() != 0) return false;
    return true;
}

// The generated aya store, read once: what a copy of the selection reads.
const TAyaStore& Store() {
    static const std::unique_ptr<TAyaStore> store = LoadAyaStoreResource(TResourceFolder(TIRAVEL_FUZZ_RESOURCES));
    return *store;
}

// A copy of the selection, as Ctrl+C and a drag compose it: the page was
// accepted, so its words name ayat the store holds.
void Copy(const TPage& page) {
    static const TSettings settings;
    GetSelectionRTF(page, Store(), settings);
}

}  // namespace

void OpenAndSelectPage(std::span<const std::uint8_t> pageData) {
    TPageViewer view(nullptr);
    TPage& page = view.Page();
    // As the main window opens a page: a fresh control, sized, then the data.
    view.Resize(ViewWidth, ViewHeight);
    try {
        ReadPageResource(page, PageNumber, TFuzzedPage(PageNumber, pageData));
    } catch (const TDataError&) {
        FUZZ_REQUIRE(PageIsEmpty(page));
        return;
    }
    view.Resize(ViewWidth, ViewHeight);
    // A page accepted holds no more words than a page may, and only finite
    // coordinates, which every box and hit test below relies on.
    FUZZ_REQUIRE(page.WordList.size() <= std::size_t(MaxPageWords));
    for (const auto* shape : page.ShapeList) {
        FUZZ_REQUIRE(std::isfinite(shape->MoveToPoint.x) && std::isfinite(shape->MoveToPoint.y));
        for (const TLineCurve& c : shape->CounterData)
            ForUsedPoints(c, [](const TXYPoint& p) { FUZZ_REQUIRE(std::isfinite(p.x) && std::isfinite(p.y)); });
    }

    // A click in the middle (the word there or the nearest), then a drag
    // from the top right corner to the bottom left one.
    view.MouseDown(mbLeft, 0, ViewWidth / 2, ViewHeight / 2);
    view.MouseUp(mbLeft, 0, ViewWidth / 2, ViewHeight / 2);
    view.MouseDown(mbLeft, 0, ViewWidth - 10, 10);
    view.MouseMove(ssLeft, ViewWidth - 12, 12);
    view.MouseMove(ssLeft, ViewWidth / 3, ViewHeight / 2);
    view.MouseMove(ssLeft, 10, ViewHeight - 10);
    view.MouseUp(mbLeft, 0, 10, ViewHeight - 10);
    Copy(page);
    if (const TWordObject* word = page.GetSelectedWord()) {
        page.GetSelectAyaCount();
        page.ClearSelect();
        page.SelectAya(word->SuraNumber, word->AyaNumber);
        Copy(page);
    }
    page.ClearSelect();
    page.SelectWholeSura();
    page.GetSelectCount();
    Copy(page);

    // Picking single glyph shapes.
    view.SelectPointMode();
    view.MouseDown(mbLeft, 0, ViewWidth / 2, ViewHeight / 3);
    view.MouseUp(mbLeft, 0, ViewWidth / 2, ViewHeight / 3);
}
