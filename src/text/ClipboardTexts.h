#pragma once
// What the user is told when a copy could not reach the clipboard.
#include <string_view>

#include "settings/AppLanguage.h"

std::u16string_view ClipboardBusyMessage(TAppLanguage language);
