#include "base/WindowPlaces.h"

#include <algorithm>
#include <charconv>
#include <exception>

#include "base/OptionsFile.h"
#include "base/OutsideNames.h"

std::optional<TWindowPlace> ParseWindowPlace(std::string_view text) {
    int values[4];
    const char* p = text.data();
    const char* end = p + text.size();
    for (int i = 0; i < 4; ++i) {
        if (i > 0) {
            if (p == end || *p != ',') return std::nullopt;
            ++p;
        }
        const auto [next, error] = std::from_chars(p, end, values[i]);
        if (error != std::errc()) return std::nullopt;
        p = next;
    }
    if (p != end || values[2] <= 0 || values[3] <= 0) return std::nullopt;
    for (int v : values)
        if (v < -MaxPlaceCoordinate || v > MaxPlaceCoordinate) return std::nullopt;
    return TWindowPlace{values[0], values[1], values[2], values[3]};
}

std::string WindowPlaceText(const TWindowPlace& p) {
    return std::to_string(p.Left) + ',' + std::to_string(p.Top) + ',' + std::to_string(p.Width) + ',' +
           std::to_string(p.Height);
}

namespace {

long long OverlapArea(const TWindowPlace& a, const TWindowPlace& b) {
    const long long w = std::min<long long>(a.Right(), b.Right()) - std::max(a.Left, b.Left);
    const long long h = std::min<long long>(a.Bottom(), b.Bottom()) - std::max(a.Top, b.Top);
    return w > 0 && h > 0 ? w * h : 0;
}

}  // namespace

std::optional<TMonitorArea> MonitorOf(const TWindowPlace& place, std::span<const TMonitorArea> monitors) {
    std::optional<TMonitorArea> best;
    long long bestArea = 0;
    for (const TMonitorArea& m : monitors) {
        const long long area = OverlapArea(place, m.Whole);
        if (area > bestArea) best = m, bestArea = area;
    }
    return best;
}

TWindowPlace ClampToArea(TWindowPlace p, const TWindowPlace& area) {
    p.Width = std::min(p.Width, area.Width);
    p.Height = std::min(p.Height, area.Height);
    p.Left = std::clamp(p.Left, area.Left, area.Right() - p.Width);
    p.Top = std::clamp(p.Top, area.Top, area.Bottom() - p.Height);
    return p;
}

TWindowPlace CascadePlace(const TWindowPlace& newest, int step, bool rightToLeft, const TWindowPlace& work) {
    TWindowPlace p = newest;
    p.Top += step;
    p.Left += rightToLeft ? -step : step;
    if (p.Bottom() > work.Bottom()) p.Top = work.Top;
    if (rightToLeft ? p.Left < work.Left : p.Right() > work.Right())
        p.Left = rightToLeft ? work.Right() - p.Width : work.Left;
    return ClampToArea(p, work);
}

std::string_view WindowPlaceKey(std::u16string_view className) {
    struct TEntry { const char16_t* ClassName; const char* Key; };
    static constexpr TEntry Entries[] = {
        {MainWindowClassName, MainWindowPlaceKey}, {SearchClassName, SearchPlaceKey},
        {SuraIndexClassName, SuraIndexPlaceKey},   {SettingsClassName, SettingsPlaceKey},
        {CopyRangeClassName, CopyRangePlaceKey},   {GoToPageClassName, GoToPagePlaceKey},
        {AboutClassName, AboutPlaceKey},
    };
    for (const TEntry& e : Entries)
        if (className == e.ClassName) return e.Key;
    return {};
}

void TWindowPlaces::Load() { Take(TOptionsFile::Read(FFile)); }

std::optional<TWindowPlace> TWindowPlaces::Find(std::string_view key) const {
    for (const auto& [k, place] : FPlaces)
        if (k == key) return place;
    return std::nullopt;
}

void TWindowPlaces::Remember(std::string_view key, const TWindowPlace& place) {
    if (key.empty() || place.Width <= 0 || place.Height <= 0) return;
    auto found = std::find_if(FPlaces.begin(), FPlaces.end(), [&](const auto& e) { return e.first == key; });
    if (found != FPlaces.end())
        found->second = place;
    else
        FPlaces.emplace_back(std::string(key), place);
    try {
        TOptionsFile options = TOptionsFile::Read(FFile);
        Store(options);
        options.Write(FFile);
    } catch (const std::exception&) {
        // Where a window opens is no data of the user's: a place that cannot
        // be kept is not worth a message.
    }
}

void TWindowPlaces::Store(TOptionsFile& options) const {
    for (const auto& [key, place] : FPlaces) options.Set(key, WindowPlaceText(place));
}

void TWindowPlaces::Take(const TOptionsFile& options) {
    FPlaces.clear();
    for (const auto& [key, value] : options.Entries())
        if (key.starts_with(WindowPlaceKeyPrefix))
            if (const auto place = ParseWindowPlace(value)) FPlaces.emplace_back(key, *place);
}
