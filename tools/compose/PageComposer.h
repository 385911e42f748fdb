// Composes one Mushaf page: shapes its ayat, gives each sura part of the
// page its lines, breaks and justifies them and turns every glyph into a
// glyph shape of its word object.
#pragma once
#include <string>
#include <vector>

#include "AyaStore.h"
#include "GlyphOutlines.h"
#include "pagemodel/Page.h"
#include "pagemodel/WordObject.h"
#include "Shaper.h"

namespace compose {

// The page grid shared by every page.
struct PageGeometry {
    static constexpr double kPageHeight = 943.12646;
    static constexpr int kLines = 15;
    static constexpr double kLinePitch = kPageHeight / kLines;
    static constexpr double kTextWidth = TPage::TextWidth;
    // Clear paper between the text and the frame: the ink of every line of
    // pages 3 to 604 keeps 6 units inside the text block's sides (the extra
    // hundredth covers the rounding of the stored points).
    static constexpr double kSideBand = 6.01;
    double fontSize = 0;        // page units per em at full size
    double baseline = 0;        // baseline below the top of its line slot
};

struct ComposedPage {
    int page = 0;
    std::vector<TWordObject> words;   // reading order
    std::vector<int> headerLines;    // lines left empty for sura headers
    double fontSize = 0;             // the size the page was set at
    int misorderedWords = 0;         // words whose right edge breaks reading order
    std::string error;
};

struct Part;

class PageComposer {
public:
    PageComposer(const Shaper& shaper, const GlyphOutlines& outlines, PageGeometry geometry)
        : shaper_(shaper), outlines_(outlines), geometry_(geometry) {}

    // `ayat` are the store entries of the page, in order.
    ComposedPage Compose(int page, const std::vector<const AyaEntry*>& ayat) const;

private:
    double GridBaseline(int line) const;
    void SettleLines(ComposedPage& out, const std::vector<std::pair<int, size_t>>& starts,
                     const std::vector<Part>& parts) const;

    const Shaper& shaper_;
    const GlyphOutlines& outlines_;
    PageGeometry geometry_;
};

// Lines of a page that stay empty for sura headers (the basmalah line being
// the one after each, except for sura 9), where the page's own layout fixes
// them; empty when the composition is free to choose.
std::vector<int> FixedHeaderLines(int page);

} // namespace compose
