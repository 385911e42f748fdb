// Where the windows open: remembered places, clamped to the monitors there
// are, the cascade of new windows and the places in the options file.
#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "base/OptionsFile.h"
#include "base/OutsideNames.h"
#include "base/WindowPlaces.h"

namespace {

namespace fs = std::filesystem;
using P = TWindowPlace;

TEST(WindowPlaces, TextReadsBackAndDamagedTextIsNoPlace) {
    for (const P p : {P{10, 20, 300, 400}, P{-1920, -8, 1024, 768}, P{0, 0, 1, 1}, P{-1000000, 0, 1000000, 1}}) {
        EXPECT_EQ(ParseWindowPlace(WindowPlaceText(p)), p);
    }
    EXPECT_EQ(WindowPlaceText({-5, 7, 640, 480}), "-5,7,640,480");
    for (const char* damaged : {"", "1,2,3", "1,2,3,4,5", "1,2,0,4", "1,2,3,-4", "a,2,3,4", "1, 2,3,4", "1,2,3,4 ",
                                "99999999999,2,3,4", "1;2;3;4", ",1,2,3,4",
                                "2000000000,0,2000000000,10", "0,-1000001,10,10"}) {
        EXPECT_EQ(ParseWindowPlace(damaged), std::nullopt) << damaged;
    }
}

// Two monitors side by side, the task bar at the bottom of the first.
const TMonitorArea Monitors[] = {
    {{0, 0, 1920, 1080}, {0, 0, 1920, 1040}},
    {{1920, -200, 1280, 1024}, {1920, -200, 1280, 1024}},
};

TEST(WindowPlaces, APlaceIsClampedToTheWorkAreaOfTheMonitorHoldingMostOfIt) {
    struct Case { P Remembered; std::optional<P> Opens; } cases[] = {
        {{100, 100, 500, 400}, P{100, 100, 500, 400}},        // wholly inside: where it was
        {{1700, 900, 500, 400}, P{1420, 640, 500, 400}},      // over the edge and the task bar: moved in
        {{2500, 600, 500, 400}, P{2500, 424, 500, 400}},      // on the second monitor, below its bottom
        {{1800, 100, 500, 400}, P{1920, 100, 500, 400}},      // more on the second monitor: onto it
        {{-300, -100, 500, 400}, P{0, 0, 500, 400}},          // partly above and left of the first
        {{100, 100, 2500, 1200}, P{0, 0, 1920, 1040}},        // larger than the work area: shrunk to it
        {{5000, 100, 500, 400}, std::nullopt},                // its monitor is gone: the default place
        {{100, 1080, 500, 400}, std::nullopt},                // just below every monitor
    };
    for (const Case& c : cases) {
        const auto monitor = MonitorOf(c.Remembered, Monitors);
        ASSERT_EQ(monitor.has_value(), c.Opens.has_value()) << WindowPlaceText(c.Remembered);
        if (monitor) {
            EXPECT_EQ(ClampToArea(c.Remembered, monitor->Work), *c.Opens) << WindowPlaceText(c.Remembered);
        }
    }
}

TEST(WindowPlaces, NewWindowsOfAKindCascadeAndStartAgainAtTheEdge) {
    const P work{0, 0, 1920, 1040};
    struct Case { P Newest; bool RightToLeft; P Opens; } cases[] = {
        {{100, 100, 600, 500}, false, {126, 126, 600, 500}},
        {{100, 100, 600, 500}, true, {74, 126, 600, 500}},         // towards the left in Arabic
        {{100, 530, 600, 500}, false, {126, 0, 600, 500}},         // past the bottom: to the top
        {{1310, 100, 600, 500}, false, {0, 126, 600, 500}},        // past the right: to the left edge
        {{10, 100, 600, 500}, true, {1320, 126, 600, 500}},        // past the left: to the right edge
        {{0, 0, 1920, 1040}, false, {0, 0, 1920, 1040}},           // a window as big as the area
    };
    for (const Case& c : cases) EXPECT_EQ(CascadePlace(c.Newest, 26, c.RightToLeft, work), c.Opens) << c.Newest.Left;
}

TEST(WindowPlaces, EveryRememberedWindowHasAKeyOfItsOwn) {
    EXPECT_EQ(WindowPlaceKey(MainWindowClassName), MainWindowPlaceKey);
    EXPECT_EQ(WindowPlaceKey(SettingsClassName), SettingsPlaceKey);
    EXPECT_EQ(WindowPlaceKey(SearchClassName), SearchPlaceKey);
    EXPECT_EQ(WindowPlaceKey(UpdateNoticeClassName), "");  // always at its default place
    EXPECT_EQ(WindowPlaceKey(u""), "");
}

class WindowPlacesFile : public ::testing::Test {
protected:
    void SetUp() override {
        static std::atomic<int> counter{0};
        // Each test a folder of its own: ctest runs them side by side.
        folder = fs::temp_directory_path() / ("tiravel-places-" + std::to_string(counter++) + "-" +
                                              ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder);
        fs::create_directories(folder);
        file = folder / fs::path(OptionsFileName);
    }
    void TearDown() override { fs::remove_all(folder); }
    void Write(const std::string& text) { std::ofstream(file, std::ios::binary) << text; }
    std::string Read() const {
        std::ifstream in(file, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    fs::path folder, file;
};

TEST_F(WindowPlacesFile, RememberedPlacesComeBackInTheNextRunBesideOtherOptions) {
    Write("CopyHtmlAndText=1\nWindowPlace.Settings=1,2,3\nSomethingNew=x\n");
    TWindowPlaces first(file);
    first.Load();
    EXPECT_EQ(first.Find(SettingsPlaceKey), std::nullopt);  // a damaged entry: the default place
    first.Remember(SettingsPlaceKey, {40, 50, 556, 457});
    first.Remember(MainWindowPlaceKey, {300, 20, 585, 864});
    first.Remember(SettingsPlaceKey, {45, 55, 556, 500});

    TWindowPlaces next(file);
    next.Load();
    EXPECT_EQ(next.Find(SettingsPlaceKey), (P{45, 55, 556, 500}));
    EXPECT_EQ(next.Find(MainWindowPlaceKey), (P{300, 20, 585, 864}));
    EXPECT_EQ(next.Find(AboutPlaceKey), std::nullopt);
    // The other parts' entries stay as they were, in their order.
    EXPECT_EQ(Read(), "CopyHtmlAndText=1\nWindowPlace.Settings=45,55,556,500\nSomethingNew=x\n"
                      "WindowPlace.Main=300,20,585,864\n");
}

TEST_F(WindowPlacesFile, AMissingOrDamagedFileMeansDefaultPlacesAndChangesNothingElse) {
    TWindowPlaces none(file);
    none.Load();
    EXPECT_EQ(none.Find(MainWindowPlaceKey), std::nullopt);
    EXPECT_FALSE(fs::exists(file));  // reading writes nothing

    static const char bytes[] = "\x00\xff\xfe=\x01WindowPlace.Main\n\n=";
    const std::string binary(bytes, sizeof bytes - 1);
    Write(binary);
    TWindowPlaces damaged(file);
    damaged.Load();
    EXPECT_EQ(damaged.Find(MainWindowPlaceKey), std::nullopt);
    EXPECT_EQ(Read(), binary);

    // A folder that cannot hold the file: the place still holds for this run.
    TWindowPlaces unwritable(folder / "missing" / "options.ini");
    unwritable.Remember(AboutPlaceKey, {1, 2, 3, 4});
    EXPECT_EQ(unwritable.Find(AboutPlaceKey), (P{1, 2, 3, 4}));
    EXPECT_FALSE(fs::exists(folder / "missing"));
}

}  // namespace
