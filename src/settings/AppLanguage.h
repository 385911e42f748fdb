#pragma once
// The interface language, kept in the settings record; every window reads it
// when it is created.
#include <cstdint>

enum TAppLanguage : std::uint8_t { appArabic = 0, appEnglish = 1 };
