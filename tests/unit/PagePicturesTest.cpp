#include <gtest/gtest.h>

#include <map>
#include <vector>


#include "base/DataError.h"
#include "base/PictureEncoding.h"
#include "base/ResourceSource.h"
#include "pagemodel/PagePictures.h"
#include "pagemodel/Page.h"

TEST(PagePictures, Names) {
    EXPECT_EQ(FramePictureName(1, 1), u"AYAFRAME0011");
    EXPECT_EQ(FramePictureName(502, 1), u"AYAFRAME5021");
    EXPECT_EQ(FramePictureName(604, 3), u"AYAFRAME6043");
    struct TCase { int page, line; const char16_t* name; };
    const TCase cases[] = {{597, 4, u"BASMALAH2"}, {598, 5, u"BASMALAH2"}, {597, 10, u"BASMALAH1"},
                           {598, 4, u"BASMALAH1"}, {3, 2, u"BASMALAH1"}};
    for (const TCase& c : cases) EXPECT_EQ(BasmalahPictureName(c.page, c.line), c.name) << c.page << '/' << c.line;
}

namespace {
class TMemoryResources final : public TResourceSource {
public:
    std::map<std::u16string, std::vector<std::uint8_t>> Files;
    std::vector<std::u16string> Asked;
    std::optional<TResourceBytes> Find(std::u16string_view name) const override {
        const_cast<TMemoryResources*>(this)->Asked.emplace_back(name);
        auto it = Files.find(std::u16string(name));
        if (it == Files.end()) return std::nullopt;
        return TResourceBytes{it->second, nullptr};
    }
};

std::vector<std::uint8_t> TinyPng() {
    const std::uint8_t pixels[4] = {1, 2, 3, 4};
    return EncodePng(1, 1, pixels, TPixelOrder::Bgra);
}

// Page 597 with lines 3 and 4 empty: header on 3, basmalah on 4.
void PreparePage(TPage& page) {
    page.PageNumber = 597;
    for (int line = 1; line <= 15; ++line)
        if (line != 3 && line != 4) {
            page.Line(line).LineType = ltText;
            page.Line(line).Add().LineNumber = line;
        }
    page.InitialLinesData();
}
}  // namespace

TEST(PagePictures, MissingFrameLeavesTheLinesWithoutPictures) {
    TPage page;
    PreparePage(page);
    TMemoryResources resources;
    resources.Files[u"BASMALAH2"] = TinyPng();
    EXPECT_THROW(AttachPagePictures(page, resources), TMissingResource);
    EXPECT_EQ(resources.Asked.front(), u"AYAFRAME5971");
    for (int line = 1; line <= 15; ++line) {
        EXPECT_FALSE(page.Line(line).FramePicture);
        EXPECT_FALSE(page.Line(line).BasmalahPng);
    }
}

TEST(PagePictures, UndecodablePictureRaisesDataError) {
    TPage page;
    PreparePage(page);
    TMemoryResources resources;
    resources.Files[u"AYAFRAME5971"] = {1, 2, 3};
    resources.Files[u"BASMALAH2"] = TinyPng();
    EXPECT_THROW(AttachPagePictures(page, resources), TDataError);
    EXPECT_FALSE(page.Line(4).BasmalahPng);
}
