// The window places of the options file: every place read back from its own
// text is the same, places stored and taken again are the same, and a place
// put back on the monitors lies within the work area it was put on.
#include <string_view>

#include "base/OptionsFile.h"
#include "base/OutsideNames.h"
#include "base/WindowPlaces.h"
#include "support/FuzzSupport.h"

namespace {

const TMonitorArea Monitors[] = {
    {{0, 0, 1920, 1080}, {0, 0, 1920, 1040}},
    {{-1280, -300, 1280, 1024}, {-1280, -260, 1280, 984}},
};

bool Within(const TWindowPlace& p, const TWindowPlace& area) {
    return p.Left >= area.Left && p.Top >= area.Top && p.Right() <= area.Right() && p.Bottom() <= area.Bottom();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const TOptionsFile options = TOptionsFile::Parse(std::string_view(reinterpret_cast<const char*>(data), size));
    TWindowPlaces places("");
    places.Take(options);
    TOptionsFile again;
    places.Store(again);
    TWindowPlaces back("");
    back.Take(again);
    for (const char* key : {MainWindowPlaceKey, SearchPlaceKey, SuraIndexPlaceKey, SettingsPlaceKey,
                            CopyRangePlaceKey, GoToPagePlaceKey, AboutPlaceKey}) {
        const auto place = places.Find(key);
        FUZZ_REQUIRE(back.Find(key) == place);
        if (!place) continue;
        FUZZ_REQUIRE(ParseWindowPlace(WindowPlaceText(*place)) == place);
        if (const auto monitor = MonitorOf(*place, Monitors)) {
            const TWindowPlace clamped = ClampToArea(*place, monitor->Work);
            FUZZ_REQUIRE(Within(clamped, monitor->Work));
            FUZZ_REQUIRE(Within(CascadePlace(clamped, 26, place->Left % 2 != 0, monitor->Work), monitor->Work));
        }
    }
    return 0;
}
