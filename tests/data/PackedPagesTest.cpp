// The pages as the executable carries them (the packed resources): read
// through the same unpacking source as the viewer, every page gives back the
// bytes of the composed page.
#include <gtest/gtest.h>

#include <vector>

#include "../unit/SamePage.h"
#include "base/ResourceFolder.h"
#include "pagemodel/PackedPage.h"
#include "pagemodel/Page.h"
#include "pagemodel/PageResource.h"
#include "pagemodel/UnpackingResourceSource.h"

TEST(PackedPages, EveryPageUnpacksToTheComposedBytes) {
    const TResourceFolder composed(TIRAVEL_RESOURCES_DIR), stored(TIRAVEL_PACKED_DIR);
    const TUnpackingResourceSource packed(stored);
    for (int n = FirstPageNumber; n <= LastPageNumber; ++n) {
        const std::u16string name = PageResourceName(n);
        ASSERT_TRUE(IsPackedPage(RequireResource(stored, name).Bytes)) << "page " << n << " is not packed";
        const TResourceBytes original = RequireResource(composed, name), unpacked = RequireResource(packed, name);
        ASSERT_TRUE(std::equal(original.Bytes.begin(), original.Bytes.end(), unpacked.Bytes.begin(),
                               unpacked.Bytes.end()))
            << "page " << n << " does not unpack to its composed bytes";
    }
}

// The viewer opens a packed page straight from its records; the page is the
// one its composed page data gives: the first and the last page, a page where
// a sura starts below a header, and the page with the most data.
TEST(PackedPages, OpenStraightAsTheirComposedPageData) {
    const TResourceFolder composed(TIRAVEL_RESOURCES_DIR), stored(TIRAVEL_PACKED_DIR);
    const TUnpackingResourceSource packed(stored);
    int largest = FirstPageNumber;
    for (int n = FirstPageNumber; n <= LastPageNumber; ++n)
        if (RequireResource(composed, PageResourceName(n)).Bytes.size() >
            RequireResource(composed, PageResourceName(largest)).Bytes.size())
            largest = n;
    constexpr int SuraStart = 50;  // Al Imran begins below its header
    bool header = false;
    TPage probe;
    ReadPageResource(probe, SuraStart, composed);
    for (int line = 1; line <= TPage::LineCount; ++line) header = header || probe.Line(line).LineType == ltSuraName;
    EXPECT_TRUE(header) << "page " << SuraStart << " shows no sura header";
    for (int n : {FirstPageNumber, LastPageNumber, SuraStart, largest}) {
        TPage straight, fromBytes;
        ReadPageResource(straight, n, packed);
        ReadPageResource(fromBytes, n, composed);
        ASSERT_GT(straight.ShapeList.size(), 0u) << "page " << n;
        EXPECT_TRUE(SamePage(straight, fromBytes)) << "page " << n;
    }
}
