// The about window's column: the version in the rights text, the order and
// fit of the elements, their places at any width and scroll, and the limits
// of scrolling.
#include <gtest/gtest.h>

#include "system/AboutForm.h"
#include "system/Addresses.h"
#include "system/UpdateNoticeForm.h"
#include "system/VersionNumbers.h"

TEST(AboutForm, RightsTextCarriesTheVersionOnItsFirstLine) {
    const std::u16string text = AboutRightsText(VersionText(0x00020000, 0x00000006));
    const std::u16string firstLine = text.substr(0, text.find(u'\r'));
    EXPECT_NE(firstLine.find(u"2.6"), std::u16string::npos);
    EXPECT_EQ(text.find(u"***"), std::u16string::npos);
    EXPECT_EQ(text.find(u"2.6"), text.rfind(u"2.6"));  // replaced once
}

TEST(AboutForm, ElementsRunDownTheColumnWithoutOverlapping) {
    const auto elements = AboutElements();
    ASSERT_EQ(elements.size(), 10u);
    int bottom = 0;
    for (const TAboutElement& e : elements) {
        EXPECT_GE(e.Top, bottom) << e.Top;
        EXPECT_GT(e.Height, 0);
        bottom = e.Top + e.Height;
    }
    EXPECT_LE(bottom, AboutContentHeight);
    EXPECT_EQ(elements[AboutRightsElement].Kind, akText);
    // The two links lead to the maker and to the developer, in that order.
    std::vector<std::u16string_view> links;
    for (const TAboutElement& e : elements)
        if (e.Kind == akLink) links.push_back(e.Content);
    EXPECT_EQ(links, (std::vector<std::u16string_view>{MakerSite, DeveloperSite}));
}

TEST(AboutForm, PlacesSpanTheClientWidthAndFollowTheScroll) {
    const TAboutElement& credits = AboutElements()[4];
    EXPECT_EQ(AboutElementPlace(credits, 481, 0), (TControlPlace{0, 599, 481, 535}));
    EXPECT_EQ(AboutElementPlace(credits, 300, 500), (TControlPlace{0, 99, 300, 535}));
    EXPECT_EQ(AboutElementPlace(credits, -4, 0).Width, 0);
}

TEST(AboutForm, ScrollStaysWithinTheColumn) {
    EXPECT_EQ(AboutScrollLimit(640), 860);
    EXPECT_EQ(ClampAboutScroll(-30, 640), 0);
    EXPECT_EQ(ClampAboutScroll(10000, 640), 860);
    EXPECT_EQ(ClampAboutScroll(400, 640), 400);
    EXPECT_EQ(ClampAboutScroll(400, 2000), 0);  // taller than the column: nothing to scroll
}

TEST(UpdateNoticeForm, LinkShowsTheProductSite) {
    EXPECT_EQ(std::u16string_view(UpdateNoticeLinkText()), ProductSite);
}
