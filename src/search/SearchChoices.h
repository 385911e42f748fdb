#pragma once
// The search window's three choices as "shistory.ini" keeps them for the
// next window, beside the history in its section: one key each
// (OutsideNames.h), "1" for a ticked box and "0" for a clear one, the sura
// number or "0" for all suras. A value that is absent or not one of these
// reads as the default choice.
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "search/AyaSearch.h"

// Reads the keys through `read` (key → value, "" when absent).
TSearchChoices ReadSearchChoices(const std::function<std::u16string(std::u16string_view key)>& read);
// Every key with the value that keeps `choices`.
std::vector<std::pair<std::u16string, std::u16string>> SearchChoiceValues(const TSearchChoices& choices);
