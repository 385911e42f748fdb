#include <gtest/gtest.h>

#include "base/ResourceMap.h"

TEST(ResourceLookup, NamesMatchWithoutRegardToCase) {
    TResourceMap map;
    map.Add(u"SVG_42", {1, 2, 3});
    auto found = map.Find(u"svg_42");
    ASSERT_TRUE(found);
    EXPECT_EQ(found->Bytes.size(), 3u);
    EXPECT_FALSE(map.Find(u"SVG_4"));
    EXPECT_TRUE(SameResourceName(u"SuraName3", u"SURANAME3"));
    EXPECT_FALSE(SameResourceName(u"a_", u"a-"));
}
