#include <gtest/gtest.h>

#include "base/ResourceMap.h"
#include "pagemodel/PageDataWriter.h"
#include "pagemodel/PageReadAhead.h"
#include "pagemodel/PageResource.h"
#include "CountingResources.h"
#include "SamePage.h"
#include "ViewerFixtures.h"

namespace {

TResourceMap PagesFortyTwoAndThree() {
    TResourceMap map;
    for (int n : {42, 43}) {
        TPage page;
        BuildTwoSuraPage(page, n);
        map.Add(PageResourceName(n), WritePageData(page));
    }
    return map;
}

TEST(PageReadAhead, ThePageReadIsThePageOpenedAndIsReadOnce) {
    const TResourceMap map = PagesFortyTwoAndThree();
    const TCountingResources resources(map);
    TPageReadAhead ahead;
    ahead.Start(42, resources);
    const std::unique_ptr<TPage> page = ahead.Take(42);
    ASSERT_TRUE(page);
    TPage direct;
    ReadPageResource(direct, 42, map);
    EXPECT_TRUE(SamePage(*page, direct));
    EXPECT_EQ(resources.Asked(PageResourceName(42)), 1);
    EXPECT_FALSE(ahead.Take(42)) << "given out once";
}

// Whatever the worker did not read as asked, the caller reads itself.
TEST(PageReadAhead, GivesNothingForAnotherPageAFailureOrNoStart) {
    const TResourceMap map = PagesFortyTwoAndThree();
    struct TCase {
        const char* What;
        int Read;  // 0: nothing started
        int Taken;
    };
    for (const TCase& c : {TCase{"another page", 42, 43}, TCase{"a page without its resource", 7, 7},
                           TCase{"nothing started", 0, 42}}) {
        TPageReadAhead ahead;
        if (c.Read) ahead.Start(c.Read, map);
        EXPECT_FALSE(ahead.Take(c.Taken)) << c.What;
    }
}

TEST(PageReadAhead, ANewStartReplacesTheFirstAndAnUntakenPageIsWaitedForAtTheEnd) {
    const TResourceMap map = PagesFortyTwoAndThree();
    TPageReadAhead ahead;
    ahead.Start(42, map);
    ahead.Start(43, map);
    EXPECT_FALSE(ahead.Take(42));
    TPageReadAhead untaken;
    untaken.Start(43, map);
}

}  // namespace
