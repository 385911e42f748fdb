#pragma once
// Version numbers as the update check and the about window use them: a pair
// (major, minor) read from the executable's fixed file version or from the
// update server's answer, compared, and written as "major.minor".
#include <cstdint>
#include <string>
#include <string_view>

struct TVersionPair {
    std::int32_t Major = 0;
    std::int32_t Minor = 0;
    bool operator==(const TVersionPair&) const = default;
};

// The pair of a fixed file version: the high 16 bits of its most significant
// half, and its whole least significant half taken as one number; 2.0.0.6
// gives (2, 6).
TVersionPair VersionFromFileInfo(std::uint32_t fileVersionMS, std::uint32_t fileVersionLS);
// The same pair as text, both parts in decimal: 2.0.0.6 gives "2.6".
std::u16string VersionText(std::uint32_t fileVersionMS, std::uint32_t fileVersionLS);

struct TParsedVersion {
    TVersionPair Version;  // (0, 0) unless Ok, and when the minor part is no whole number
    bool Ok = false;
};
// The update server's answer: one decimal number with a "." ("2.7" gives
// (2, 7), "3.0" gives (3, 0)). Not Ok when the text is empty, holds no ".",
// or is not one decimal number (or is zero); Ok with (0, 0) when the part
// after the last "." is no whole number ("2.5e1"). The "." is always the
// decimal point, whatever the user's locale says, because it is what the
// server sends. Blanks and line breaks around the number are ignored.
TParsedVersion ParseVersion(std::u16string_view text);

// The server's pair is newer than ours (signed comparisons, major first).
bool IsNewerVersion(TVersionPair server, TVersionPair own);
// What the main window does with the posted pair: a notice only for a
// major number other than 0 that is newer than the running version.
bool UpdateNoticeWanted(TVersionPair posted, TVersionPair own);
