#pragma once
// Where the windows open: the places they were last closed at, kept in the
// options file (base/OptionsFile.h) one key a window, and the arithmetic that
// puts a remembered place back on the monitors there are now.
//
// Places are outer window rectangles in device pixels of the virtual screen,
// as the system reports them.
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

class TOptionsFile;

struct TWindowPlace {
    int Left = 0, Top = 0, Width = 0, Height = 0;
    int Right() const { return Left + Width; }
    int Bottom() const { return Top + Height; }
    bool operator==(const TWindowPlace&) const = default;
};

// A monitor: all of it, and its work area (without the task bar).
struct TMonitorArea {
    TWindowPlace Whole;
    TWindowPlace Work;
};

// No screen reaches this far; beyond it a place is a damaged entry (and its
// sums could not be counted).
inline constexpr int MaxPlaceCoordinate = 1'000'000;

// "left,top,width,height" in decimal; nothing for any other text, a size
// that is not positive or a number past MaxPlaceCoordinate (a damaged entry
// reads as no place).
std::optional<TWindowPlace> ParseWindowPlace(std::string_view text);
std::string WindowPlaceText(const TWindowPlace& place);

// The monitor that holds the largest part of `place` (the first of equals),
// or nothing when no monitor holds any of it: its monitor is gone.
std::optional<TMonitorArea> MonitorOf(const TWindowPlace& place, std::span<const TMonitorArea> monitors);
// `place` moved into `area` as little as possible, first made no larger than it.
TWindowPlace ClampToArea(TWindowPlace place, const TWindowPlace& area);
// A new window of a kind that is open already: a step below the newest one
// and a step towards the interface's far side (right, or left when right to
// left). A step that would leave the work area starts again at its top or
// at its near side.
TWindowPlace CascadePlace(const TWindowPlace& newest, int step, bool rightToLeft, const TWindowPlace& work);

// The key of a window class whose place is remembered (OutsideNames.h),
// or empty for a window that always opens at its default place.
std::string_view WindowPlaceKey(std::u16string_view className);

// The places of one data folder's options file.
class TWindowPlaces {
public:
    explicit TWindowPlaces(std::filesystem::path optionsFile) : FFile(std::move(optionsFile)) {}
    // Reads the file; a missing or damaged file (or entry) leaves no place.
    void Load();
    std::optional<TWindowPlace> Find(std::string_view key) const;
    // Takes the place and writes the file again, read afresh so that the
    // entries of other parts stay. A file that cannot be written is left as
    // it was: the place is still used in this run.
    void Remember(std::string_view key, const TWindowPlace& place);
    // The places into an options file, and back (other entries untouched).
    void Store(TOptionsFile& options) const;
    void Take(const TOptionsFile& options);

private:
    std::filesystem::path FFile;
    std::vector<std::pair<std::string, TWindowPlace>> FPlaces;
};
