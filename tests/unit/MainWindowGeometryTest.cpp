#include <gtest/gtest.h>

#include "display/MainWindowGeometry.h"

TEST(MainWindowGeometry, CentresInWorkArea) {
    TRectI r = CentredRect({0, 0, 1024, 768}, 271, 400);
    EXPECT_EQ(r.Left, 376);
    EXPECT_EQ(r.Top, 184);
    EXPECT_EQ(r.Width(), 271);
    EXPECT_EQ(r.Height(), 400);
}
