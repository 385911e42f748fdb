#pragma once
#include "base/OutsideNames.h"
// The maker's web addresses, in one table that the font error dialog, the
// help and web site commands, the about window and the update check all
// read. Administrators and tests may point the update check elsewhere with
// the environment variable TIRAVEL_UPDATE_URL; nothing else is configurable.
#include <string>
#include <string_view>

// The product's web site; the update notice shows and opens it.
inline constexpr char16_t ProductSite[] = u"https://tiravel.app";
// Below the product site: help, and the Quran fonts to fetch by hand when
// installing them fails.
inline constexpr char16_t HelpPath[] = u"/app/";
inline constexpr char16_t FontDownloadPath[] = u"/fonts/";
// The maker (publisher) and the developer, linked from the about window.
inline constexpr char16_t MakerSite[] = u"https://corvaneschool.org";
inline constexpr char16_t DeveloperSite[] = u"https://dev.tiravel.app";
// The update server and the path that answers with the newest version.
inline constexpr char16_t UpdateServer[] = u"https://update.tiravel.app";
inline constexpr char16_t UpdatePath[] = u"/appversion/getappvr.php";

// The environment variable that replaces the whole update address (http is
// allowed there, for a test server on the loopback address).

std::u16string ProductSiteAddress();
std::u16string FontDownloadAddress();
// The product site followed by the help path.
std::u16string HelpAddress();
// The address the update check asks: `configured` (the variable's value)
// when it is not empty, otherwise the update server followed by its path.
std::u16string UpdateAddress(std::u16string_view configured = {});
