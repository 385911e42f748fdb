#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "base/ResourceFolder.h"

namespace {
class ResourceFolderTest : public ::testing::Test {
protected:
    void SetUp() override {
        FFolder = std::filesystem::temp_directory_path() /
                  ("tiravel-resources-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(FFolder);
        std::ofstream(FFolder / "AYAFRAME0011", std::ios::binary) << "frame";
        std::ofstream(FFolder / "svg_1", std::ios::binary) << "page";
    }
    void TearDown() override { std::filesystem::remove_all(FFolder); }
    std::filesystem::path FFolder;
};
}  // namespace

TEST_F(ResourceFolderTest, NamesMatchWithoutRegardToCase) {
    TResourceFolder folder(FFolder);
    for (const char16_t* name : {u"AYAFRAME0011", u"ayaframe0011", u"AyaFrame0011"}) {
        auto found = folder.Find(name);
        ASSERT_TRUE(found);
        EXPECT_EQ(std::string(found->Bytes.begin(), found->Bytes.end()), "frame");
    }
    auto page = folder.Find(u"SVG_1");
    ASSERT_TRUE(page);
    EXPECT_EQ(page->Bytes.size(), 4u);
}

TEST_F(ResourceFolderTest, MissingNamesAndPathsOutsideTheFolderAreAbsent) {
    TResourceFolder folder(FFolder);
    EXPECT_FALSE(folder.Find(u"SVG_2"));
    EXPECT_FALSE(folder.Find(u""));
    EXPECT_FALSE(folder.Find(u"../x"));
    EXPECT_FALSE(folder.Find(u".."));
    EXPECT_THROW(RequireResource(folder, u"BASMALAH1"), TMissingResource);
    try {
        RequireResource(folder, u"BASMALAH1");
    } catch (const TMissingResource& e) {
        EXPECT_STREQ(e.what(), "resource BASMALAH1 is missing");
    }
}
